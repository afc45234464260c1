#include <gtest/gtest.h>

#include "expected_files.h"
#include "run_cli.h"

namespace nakkas::test {
namespace {

TEST(MenuCli, EachTitleIsOneItemInOrder) {
    CliHome home;
    CliResult r = home.run({"menu", "--title", "", "--title=Sil \"hepsi\""});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameText(r.out, readDataCrLf("menu_designer/empty_and_quoted_titles.txt")));

    // The icon of every item is the stored SimgeAdi.
    home.writeSettings("[Varsayilanlar]\nSimgeAdi=menu_simge\n");
    r = home.run({"menu", "--title", "Menu ismi 1", "--title", "Menu ismi 2", "--title",
                  "Menu ismi 3", "--title", "Menu ismi 4", "--title", "Menu ismi 5", "--title",
                  "Çıkış"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameText(r.out, readDataCrLf("menu_designer/six_items.txt")));
}

TEST(MenuCli, NoTitleOrMoreThanSixIsRefusedWithTheCountMessage) {
    CliHome home;
    std::vector<std::string> seven{"menu"};
    for (int i = 1; i <= 7; ++i) seven.push_back("--title=" + std::to_string(i));
    for (const auto& args : {std::vector<std::string>{"menu"}, seven}) {
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, 1) << args.size();
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("Girdiğiniz değer 1 ile 6 arasında bir rakam olmalıdır."),
                  std::string::npos);
    }
    EXPECT_EQ(home.run({"menu", "--title", "a", "--icon", "b"}).status, 2);
}

}  // namespace
}  // namespace nakkas::test
