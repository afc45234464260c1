#include <gtest/gtest.h>

#include <tuple>

#include "cli_runner.h"
#include "expected_files.h"

namespace nakkas::test {
namespace {

using Args = std::vector<std::string>;

TEST(SnippetCli, ListGivesElementTabLabelPerLine) {
    const CliRun r = runCli({"snippet", "--list"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "KPBtn01\tTam Ekran\n"
              "KPBtn02\tYatay Dikey\n"
              "KPBtn04\tİvme Sensör\n"
              "KPBtn06\tSes Çal\n"
              "KPBtn115\tSes Modu\n"
              "KPBtn07\tVideo Aç\n"
              "KPBtn114\tEkran Boyu\n"
              "KPBtn08\tWiFi Aç-Kapat\n"
              "KPBtn09\tTitreşim\n"
              "KPBtn10\tPil Bilgisi\n"
              "KPBtn11\tFotoğraf Çekme\n"
              "KPBtn12\tNumara Çevirme\n"
              "EPOSTA_GONDER\tE-Posta Gönder\n"
              "SMS_KIMLIK\tSMS Gönder\n"
              "KP_TARIHSAAT\tTarih Saat\n"
              "KP_FLASHLAMBASI\tFlash Işığı\n"
              "KP_BARKOD\tYazıtipi Değiştirme\n"
              "KP_CIHAZBILGILERI\tCihaz Bilgisi\n"
              "KP_SIMBILGILERI\tSimkart Bilgisi\n"
              "KP_BELLEKBILGILERI\tBellek Bilgisi\n"
              "KP_INTERNETEBAGLIMIYIM\tİnternete Bağlımıyım\n");
}

// Found by element or label, Turkish letters too; printed with CR LF and nothing added, so a
// text that ends with its own line break keeps exactly that one.
TEST(SnippetCli, PrintsTheTextWhole) {
    for (const auto& [name, file] :
         {std::pair{"KPBtn114", "KPBtn114.txt"}, std::pair{"Yazıtipi Değiştirme", "KP_BARKOD.txt"},
          std::pair{"İvme Sensör", "KPBtn04.txt"}}) {
        const CliRun r = runCli({"snippet", name});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(sameText(r.out, readDataCrLf(std::string("snippets/") + file))) << name;
    }
}

// --lang in both forms, and without it the stored choice.
TEST(SnippetCli, PrintsTheChosenLanguage) {
    for (const auto& [stored, args, expected] :
         {std::tuple{"", Args{"snippet", "KP_BARKOD", "--lang", "kotlin"}, "kotlin/"},
          std::tuple{"Kotlin", Args{"snippet", "KP_BARKOD"}, "kotlin/"},
          std::tuple{"Kotlin", Args{"snippet", "KP_BARKOD", "--lang=java"}, ""}}) {
        FakeServices services;
        if (*stored) services.strings = {{{"Varsayilanlar", "CiktiDili"}, stored}};
        const CliRun r = runCli(services, args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(sameText(r.out, readDataCrLf(std::string(expected) + "snippets/KP_BARKOD.txt")))
            << args.back();
    }
}

TEST(SnippetCli, UsageErrors) {
    const std::pair<Args, std::string> cases[] = {
        {{"snippet"}, "nakkas-cli snippet: kod parçası adı eksik\n"},
        {{"snippet", "Barkod"},
         "nakkas-cli snippet: bilinmeyen kod parçası: Barkod\n(liste için: nakkas-cli snippet "
         "--list)\n"},
        {{"snippet", "tam ekran"},
         "nakkas-cli snippet: bilinmeyen kod parçası: tam ekran\n(liste için: nakkas-cli "
         "snippet --list)\n"},
        {{"snippet", "--list", "KPBtn01"}, "nakkas-cli snippet: --list ile birlikte ad verilmez\n"},
        {{"snippet", "--all"}, "nakkas-cli snippet: bilinmeyen seçenek: --all\n"}};
    for (const auto& [args, error] : cases) {
        const CliRun r = runCli(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(r.err.starts_with(error)) << r.err;
    }
}

}  // namespace
}  // namespace nakkas::test
