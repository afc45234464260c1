#include <gtest/gtest.h>

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

// A project folder of its own, with the trash kept inside the settings home.
struct Workspace : CliHome {
    fs::path proje = dir() / "proje";
    Workspace() {
        fs::create_directory(proje);
        setenv("XDG_DATA_HOME", (dir() / "data").c_str(), 1);
    }
    ~Workspace() { unsetenv("XDG_DATA_HOME"); }
    // Runs tabhost with the words of line ('@' stands for the project folder), then more.
    CliResult tabhost(const std::string& line, const std::vector<std::string>& more = {}) const {
        std::vector<std::string> args{"tabhost"};
        std::istringstream in(line);
        for (std::string word; in >> word; args.push_back(word))
            if (const auto at = word.find('@'); at != std::string::npos)
                word.replace(at, 1, proje.string());
        args.insert(args.end(), more.begin(), more.end());
        return run(args);
    }
    auto zep(const char* expected) const {
        return sameProjectTree(readTree(proje / "Zep"), expected);
    }
};

const std::string kTwoTabs =
    "--out @ --package com.firma.uyg --activity AnaEkran --tabs 2 --tab 1:title=Ana "
    "--tab=2:title=Ayarlar --start 2";

TEST(TabHostCli, WritesTheProjectAndReplacesItOnlyWhenAsked) {
    Workspace w;
    CliResult r = w.tabhost(kTwoTabs);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, (w.proje / "Zep").string() + "\n");
    EXPECT_TRUE(w.zep("tabhost/two_tabs"));

    // Run again with a file of the user's own in the tree: kept without --replace...
    std::ofstream(w.proje / "Zep" / "not.txt") << "benim";
    r = w.tabhost(kTwoTabs);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Adlı klasör zaten mevcut"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::exists(w.proje / "Zep" / "not.txt"));

    // ...and sent to the trash with it, from where it can be restored.
    r = w.tabhost(kTwoTabs + " --replace");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(w.zep("tabhost/two_tabs"));
    EXPECT_TRUE(fs::exists(w.dir() / "data" / "Trash" / "files" / "Zep" / "not.txt"));
}

TEST(TabHostCli, RefusalsAndUsageErrors) {
    Workspace w;
    const std::tuple<const char*, int, const char*> cases[] = {
        // The stored package is the untouched example.
        {"--out @", 1, "Uygulama paket adınız yazılmamış"},
        {"--out @ --package com.a --tabs 7", 1, "Girilecek sayı 1 ile 6 arasında olmalıdır"},
        {"--package com.a", 2, "--out"},
        {"--out @ --package com.a --tab 2:title=x", 2, "--tab"},
        {"--out @ --package com.a --tab 1:layout=GridLayout", 2, "GridLayout"},
        {"--out @ --package com.a --tab 1:renk=mavi", 2, "renk"},
        {"--out @ --package com.a --orientation 3", 2, "--orientation"},
        {"--out @ --package com.a --lifecycle onCreate", 2, "onCreate"},
        {"--out @ --package com.a --target-sdk 16", 2, "--target-sdk"},
        {"--out @ --package com.a --menu-icon 1=/yok.png", 2, "--menu-icon"},
    };
    for (const auto& [line, status, message] : cases) {
        SCOPED_TRACE(line);
        const CliResult r = w.tabhost(line);
        EXPECT_EQ(r.status, status);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
    EXPECT_FALSE(fs::exists(w.proje / "Zep"));
}

TEST(TabHostCli, EveryOptionReachesTheProject) {
    Workspace w;
    std::ofstream(w.proje / "ev.png") << "ev resmi";
    std::ofstream(w.proje / "kapat.png") << "kapat resmi";
    const CliResult r = w.tabhost(
        "--out @ --package com.firma.uyg --activity AnaEkran --tabs 3 --tab 1:icon=@/ev.png "
        "--tab 2:activity=AyarlarActivity --tab 2:title=Ayarlar --tab 2:layout=TableLayout "
        "--tab 2:scroll=1 --tab 3:layout=RelativeLayout --tab 3:iconname=harita --start 3 "
        "--fullscreen --orientation 2 --lifecycle onDestroy --lifecycle onStop --lifecycle "
        "onStart --min-sdk 9 --target-sdk 15 --app-id Uyg --menu-icon 3=@/kapat.png",
        {"--tab", "3:title=Şehir İçi", "--window-title", "Güzel Uygulama", "--menu-title",
         "Menu ismi 1", "--menu-title", "Çıkış", "--menu-title", "Menu ismi 3"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(w.zep("tabhost/three_tabs_menu"));
}

}  // namespace
}  // namespace nakkas::test
