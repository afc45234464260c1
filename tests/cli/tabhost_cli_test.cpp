#include <gtest/gtest.h>

#include <utility>

#include "cli_runner.h"
#include "project_tree.h"

namespace nakkas::test {
namespace {

// A project folder "/proje" with two icon files in it.
struct Workspace {
    FakeServices services;
    Workspace() {
        services.fs.folders.insert("/proje");
        services.fs.files["/proje/ev.png"] = "ev resmi";
        services.fs.files["/proje/kapat.png"] = "kapat resmi";
    }
    CliRun tabhost(const std::string& line) { return runCli(services, words("tabhost " + line)); }
};

const std::string kEveryOption =
    "--out /proje --package com.firma.uyg --activity AnaEkran --tabs 3 --tab 1:icon=/proje/ev.png "
    "--tab 2:activity=AyarlarActivity --tab=2:title=Ayarlar --tab 2:layout=TableLayout "
    "--tab 2:scroll=1 --tab 3:layout=RelativeLayout --tab 3:iconname=harita --start 3 "
    "--fullscreen --orientation 2 --lifecycle onDestroy --lifecycle onStop --lifecycle "
    "onStart --min-sdk 9 --target-sdk 15 --app-id Uyg --menu-icon 3=/proje/kapat.png --tab "
    "3:title=Şehir~İçi --window-title Güzel~Uygulama --menu-title Menu~ismi~1 --menu-title "
    "Çıkış --menu-title Menu~ismi~3";

TEST(TabHostCli, EveryOptionReachesTheProjectInEitherLanguage) {
    for (const auto& [lang, tree] :
         {std::pair{"", "tabhost/three_tabs_menu"},
          std::pair{" --lang kotlin", "kotlin/tabhost/three_tabs_menu"}}) {
        SCOPED_TRACE(tree);
        Workspace w;
        const CliRun r = w.tabhost(kEveryOption + lang);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "/proje/Zep\n");
        EXPECT_TRUE(sameProjectTree(w.services.fs.filesUnder("/proje/Zep"), tree));
        EXPECT_TRUE(w.services.opened.empty());
    }
}

// The user's own file is kept without --replace, and trashed with the tree with it.
TEST(TabHostCli, AnExistingProjectIsReplacedOnlyWhenAsked) {
    Workspace w;
    ASSERT_EQ(w.tabhost(kEveryOption).status, 0);
    w.services.fs.files["/proje/Zep/not.txt"] = "benim";

    CliRun r = w.tabhost(kEveryOption);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(w.services.lastMessage().text.find("Adlı klasör zaten mevcut"), std::string::npos);
    EXPECT_EQ(r.err,
              "Var olan klasörü çöp kutusuna gönderip yeniden yazmak için --replace verin.\n");
    EXPECT_TRUE(w.services.fs.exists("/proje/Zep/not.txt"));

    r = w.tabhost(kEveryOption + " --replace --open");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameProjectTree(w.services.fs.filesUnder("/proje/Zep"), "tabhost/three_tabs_menu"));
    EXPECT_EQ(w.services.fs.trashed, std::vector<std::string>{"/proje/Zep"});
    EXPECT_EQ(w.services.opened, std::vector<std::string>{"/proje/Zep"});
}

}  // namespace
}  // namespace nakkas::test
