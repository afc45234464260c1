#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <tuple>
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
    // '~' stands for a space within a word.
    CliRun tabhost(const std::string& line) {
        std::vector<std::string> args{"tabhost"};
        std::istringstream in(line);
        for (std::string w; in >> w; args.push_back(w)) std::ranges::replace(w, '~', ' ');
        return runCli(services, args);
    }
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

TEST(TabHostCli, RefusalsAndUsageErrorsWriteNothing) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"--out /proje", 1, "Uygulama paket adınız"},
        {"--out /proje --package com.a --tabs 7", 1, "Girilecek sayı 1 ile 6"},
        {"--package com.a", 2, "--out"},
        {"--out /proje --package com.a --tab 2:title=x", 2, "--tab"},
        {"--out /proje --package com.a --tab 1:layout=GridLayout", 2, "GridLayout"},
        {"--out /proje --package com.a --tab 1:renk=mavi", 2, "renk"},
        {"--out /proje --package com.a --tab 1:icon=/yok.png", 2, "/yok.png"},
        {"--out /proje --package com.a --orientation 3", 2, "--orientation"},
        {"--out /proje --package com.a --lifecycle onCreate", 2, "onCreate"},
        {"--out /proje --package com.a --target-sdk 16", 2, "--target-sdk"},
        {"--out /proje --package com.a --menu-icon 1=/yok.png", 2, "--menu-icon"},
    };
    for (const auto& [line, status, message] : cases) {
        SCOPED_TRACE(line);
        Workspace w;
        const CliRun r = w.tabhost(line);
        EXPECT_EQ(r.status, status);
        EXPECT_EQ(r.out, "");
        const std::string shown = status == 1 ? w.services.lastMessage().text : r.err;
        EXPECT_NE(shown.find(message), std::string::npos) << shown;
        EXPECT_FALSE(w.services.fs.exists("/proje/Zep"));
    }
}

}  // namespace
}  // namespace nakkas::test
