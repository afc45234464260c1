#include <gtest/gtest.h>

#include <utility>

#include "cli_runner.h"
#include "expected_files.h"

namespace nakkas::test {
namespace {

TEST(MenuCli, EachTitleIsOneItemInOrder) {
    for (const auto& [lang, folder] : {std::pair{"--lang=java", "menu_designer/"},
                                       std::pair{"--lang=kotlin", "kotlin/menu_designer/"}}) {
        const CliRun r = runCli({"menu", "--title", "", "--title=Sil \"hepsi\"", lang});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(
            sameText(r.out, readDataCrLf(folder + std::string("empty_and_quoted_titles.txt"))));
    }
}

// The language is the stored choice unless --lang says otherwise.
TEST(MenuCli, EveryIconIsTheStoredIconName) {
    for (const auto& [stored, folder] :
         {std::pair{"Java", "menu_designer/"}, std::pair{"Kotlin", "kotlin/menu_designer/"}}) {
        FakeServices services;
        services.strings[{"Varsayilanlar", "SimgeAdi"}] = "menu_simge";
        services.strings[{"Varsayilanlar", "CiktiDili"}] = stored;
        const CliRun r =
            runCli(services, {"menu", "--title", "Menu ismi 1", "--title", "Menu ismi 2", "--title",
                              "Menu ismi 3", "--title", "Menu ismi 4", "--title", "Menu ismi 5",
                              "--title", "Çıkış"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(sameText(r.out, readDataCrLf(folder + std::string("six_items.txt"))));
    }
}

TEST(MenuCli, NoTitleOrMoreThanSixIsRefusedWithTheCountMessage) {
    std::vector<std::string> seven{"menu"};
    for (int i = 1; i <= 7; ++i) seven.push_back("--title=" + std::to_string(i));
    for (const auto& args : {std::vector<std::string>{"menu"}, seven}) {
        FakeServices services;
        const CliRun r = runCli(services, args);
        EXPECT_EQ(r.status, 1) << args.size();
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(services.lastMessage().text,
                  "Girdiğiniz değer 1 ile 6 arasında bir rakam olmalıdır.");
    }
    EXPECT_EQ(runCli({"menu", "--title", "a", "--icon", "b"}).status, 2);
}

}  // namespace
}  // namespace nakkas::test
