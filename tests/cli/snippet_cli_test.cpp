#include <gtest/gtest.h>

#include <regex>

#include "expected_files.h"
#include "run_cli.h"

namespace nakkas::test {
namespace {

// The catalogue's order, names and texts are the core's snippet tests; here their printing.
TEST(SnippetCli, ListGivesElementTabLabelPerLine) {
    const CliHome home;
    const auto r = home.run({"snippet", "--list"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.out.starts_with("KPBtn01\tTam Ekran\n"));
    EXPECT_TRUE(r.out.ends_with("\nKP_INTERNETEBAGLIMIYIM\tİnternete Bağlımıyım\n"));
    EXPECT_TRUE(std::regex_match(r.out, std::regex("([A-Za-z0-9_]+\t[^\t\r\n]+\n){21}")));
}

// Found by element or label, Turkish letters too; printed with CR LF and nothing added, so a
// text that ends with its own line break keeps exactly that one.
TEST(SnippetCli, PrintsTheTextWhole) {
    const CliHome home;
    for (const auto& [name, expected] : std::vector<std::pair<std::string, std::string>>{
             {"Ekran Boyu",
              "int Yukseklik, Genislik;\r\n"
              "DisplayMetrics EkranCozunurlugu = new DisplayMetrics();\r\n"
              "getWindowManager().getDefaultDisplay().getMetrics(EkranCozunurlugu);\r\n"
              "Yukseklik = EkranCozunurlugu.heightPixels;\r\n"
              "Genislik = EkranCozunurlugu.widthPixels;"},
             {"KP_BARKOD", readDataCrLf("snippets/KP_BARKOD.txt")},
             {"İvme Sensör", readDataCrLf("snippets/KPBtn04.txt")}}) {
        const auto r = home.run({"snippet", name});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(sameText(r.out, expected)) << name;
    }
}

TEST(SnippetCli, UsageErrors) {
    const CliHome home;
    using Args = std::vector<std::string>;
    for (const Args& args : {Args{"snippet"}, Args{"snippet", "Barkod"},
                             Args{"snippet", "tam ekran"}, Args{"snippet", "--all"}}) {
        const auto r = home.run(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(r.err.empty());
    }
}

}  // namespace
}  // namespace nakkas::test
