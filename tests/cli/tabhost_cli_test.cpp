#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "expected_files.h"
#include "project_tree.h"
#include "run_cli.h"

namespace nakkas::test {
namespace {

namespace fs = std::filesystem;

// A project folder of its own, with the trash kept inside the settings home: the home trash
// takes what lies on the home's volume.
struct Workspace : CliHome {
    fs::path proje = dir() / "proje";
    std::string home = getenv("HOME") ? getenv("HOME") : "";
    Workspace() {
        fs::create_directory(proje), setenv("XDG_DATA_HOME", (dir() / "data").c_str(), 1);
        setenv("HOME", dir().c_str(), 1);
    }
    ~Workspace() { unsetenv("XDG_DATA_HOME"), setenv("HOME", home.c_str(), 1); }
    // '@' stands for the project folder, '~' for a space within a word.
    CliResult tabhost(std::string line) const {
        for (auto at = line.find('@'); at != std::string::npos; at = line.find('@'))
            line.replace(at, 1, proje.string());
        std::vector<std::string> args{"tabhost"};
        std::istringstream in(line);
        for (std::string w; in >> w; args.push_back(w)) std::ranges::replace(w, '~', ' ');
        return run(args);
    }
};

TEST(TabHostCli, RefusalsThenEveryOptionAndAReplacementOnlyWhenAsked) {
    Workspace w;
    const std::tuple<const char*, int, const char*> refused[] = {
        {"--out @", 1, "Uygulama paket adınız"},
        {"--out @ --package com.a --tabs 7", 1, "Girilecek sayı 1 ile 6"},
        {"--package com.a", 2, "--out"},
        {"--out @ --package com.a --tab 2:title=x", 2, "--tab"},
        {"--out @ --package com.a --tab 1:layout=GridLayout", 2, "GridLayout"},
        {"--out @ --package com.a --tab 1:renk=mavi", 2, "renk"},
        {"--out @ --package com.a --orientation 3", 2, "--orientation"},
        {"--out @ --package com.a --lifecycle onCreate", 2, "onCreate"},
        {"--out @ --package com.a --target-sdk 16", 2, "--target-sdk"},
        {"--out @ --package com.a --menu-icon 1=/yok.png", 2, "--menu-icon"},
    };
    for (const auto& [line, status, message] : refused) {
        const CliResult r = w.tabhost(line);
        EXPECT_EQ(r.status, status) << line;
        EXPECT_NE(r.err.find(message), std::string::npos) << line << r.err;
    }
    ASSERT_FALSE(fs::exists(w.proje / "Zep"));

    std::ofstream(w.proje / "ev.png") << "ev resmi";
    std::ofstream(w.proje / "kapat.png") << "kapat resmi";
    const std::string all =
        "--out @ --package com.firma.uyg --activity AnaEkran --tabs 3 --tab 1:icon=@/ev.png "
        "--tab 2:activity=AyarlarActivity --tab=2:title=Ayarlar --tab 2:layout=TableLayout "
        "--tab 2:scroll=1 --tab 3:layout=RelativeLayout --tab 3:iconname=harita --start 3 "
        "--fullscreen --orientation 2 --lifecycle onDestroy --lifecycle onStop --lifecycle "
        "onStart --min-sdk 9 --target-sdk 15 --app-id Uyg --menu-icon 3=@/kapat.png --tab "
        "3:title=Şehir~İçi --window-title Güzel~Uygulama --menu-title Menu~ismi~1 --menu-title "
        "Çıkış --menu-title Menu~ismi~3";
    CliResult r = w.tabhost(all);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, (w.proje / "Zep").string() + "\n");
    EXPECT_TRUE(sameProjectTree(readTree(w.proje / "Zep"), "tabhost/three_tabs_menu"));

    // The user's own file is kept without --replace, and trashed with the tree with it.
    std::ofstream(w.proje / "Zep" / "not.txt") << "benim";
    r = w.tabhost(all);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Adlı klasör zaten mevcut"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::exists(w.proje / "Zep" / "not.txt"));
    r = w.tabhost(all + " --replace");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameProjectTree(readTree(w.proje / "Zep"), "tabhost/three_tabs_menu"));
    EXPECT_TRUE(fs::exists(w.dir() / "data" / "Trash" / "files" / "Zep" / "not.txt"));
}

}  // namespace
}  // namespace nakkas::test
