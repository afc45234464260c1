#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "expected_files.h"
#include "project_tree.h"
#include "run_cli.h"

namespace nakkas::test {
namespace {

namespace fs = std::filesystem;

// A project folder of its own, with the trash kept inside it.
struct Workspace {
    CliHome home;
    fs::path dir;
    Workspace() {
        char pattern[] = "/tmp/nakkas-tabhost-XXXXXX";
        dir = mkdtemp(pattern);
        setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
    }
    ~Workspace() {
        unsetenv("XDG_DATA_HOME");
        fs::remove_all(dir);
    }
    std::vector<std::string> twoTabs() const {
        return {"tabhost",
                "--out",
                (dir / "proje").string(),
                "--package",
                "com.firma.uyg",
                "--activity",
                "AnaEkran",
                "--tabs",
                "2",
                "--tab",
                "1:title=Ana",
                "--tab=2:title=Ayarlar",
                "--start",
                "2"};
    }
};

TEST(TabHostCli, WritesTheProjectAndReplacesItOnlyWhenAsked) {
    Workspace w;
    fs::create_directory(w.dir / "proje");
    CliResult r = w.home.run(w.twoTabs());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, (w.dir / "proje" / "Zep").string() + "\n");
    EXPECT_TRUE(sameProjectTree(readTree(w.dir / "proje" / "Zep"), "tabhost/two_tabs"));

    // Run again with a file of the user's own in the tree: kept without --replace...
    std::ofstream(w.dir / "proje" / "Zep" / "not.txt") << "benim";
    r = w.home.run(w.twoTabs());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Adlı klasör zaten mevcut"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::exists(w.dir / "proje" / "Zep" / "not.txt"));

    // ...and sent to the trash with it, from where it can be restored.
    auto args = w.twoTabs();
    args.push_back("--replace");
    r = w.home.run(args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameProjectTree(readTree(w.dir / "proje" / "Zep"), "tabhost/two_tabs"));
    EXPECT_TRUE(fs::exists(w.dir / "data" / "Trash" / "files" / "Zep" / "not.txt"));
}

TEST(TabHostCli, RefusalsAndUsageErrors) {
    Workspace w;
    const std::string out = (w.dir / "proje").string();
    fs::create_directory(out);
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string message;
    };
    const std::vector<Case> cases = {
        // The stored package is the untouched example.
        {{"tabhost", "--out", out}, 1, "Uygulama paket adınız yazılmamış"},
        {{"tabhost", "--out", out, "--package", "com.a", "--tabs", "7"},
         1,
         "Girilecek sayı 1 ile 6 arasında olmalıdır"},
        {{"tabhost", "--package", "com.a"}, 2, "--out"},
        {{"tabhost", "--out", out, "--package", "com.a", "--tab", "2:title=x"}, 2, "--tab"},
        {{"tabhost", "--out", out, "--package", "com.a", "--tab", "1:layout=GridLayout"},
         2,
         "GridLayout"},
        {{"tabhost", "--out", out, "--package", "com.a", "--tab", "1:renk=mavi"}, 2, "renk"},
        {{"tabhost", "--out", out, "--package", "com.a", "--orientation", "3"}, 2, "--orientation"},
        {{"tabhost", "--out", out, "--package", "com.a", "--lifecycle", "onCreate"}, 2, "onCreate"},
        {{"tabhost", "--out", out, "--package", "com.a", "--target-sdk", "16"}, 2, "--target-sdk"},
        {{"tabhost", "--out", out, "--package", "com.a", "--menu-icon", "1=/yok.png"},
         2,
         "--menu-icon"},
    };
    for (const Case& c : cases) {
        const CliResult r = w.home.run(c.args);
        EXPECT_EQ(r.status, c.status) << c.message;
        EXPECT_EQ(r.out, "") << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_FALSE(fs::exists(w.dir / "proje" / "Zep"));
}

TEST(TabHostCli, EveryOptionReachesTheProject) {
    Workspace w;
    fs::create_directory(w.dir / "proje");
    std::ofstream(w.dir / "ev.png") << "ev resmi";
    std::ofstream(w.dir / "kapat.png") << "kapat resmi";
    const CliResult r = w.home.run({"tabhost",
                                    "--out",
                                    (w.dir / "proje").string(),
                                    "--package",
                                    "com.firma.uyg",
                                    "--activity",
                                    "AnaEkran",
                                    "--tabs",
                                    "3",
                                    "--tab",
                                    "1:icon=" + (w.dir / "ev.png").string(),
                                    "--tab",
                                    "2:activity=AyarlarActivity",
                                    "--tab",
                                    "2:title=Ayarlar",
                                    "--tab",
                                    "2:layout=TableLayout",
                                    "--tab",
                                    "2:scroll=1",
                                    "--tab",
                                    "3:title=Şehir İçi",
                                    "--tab",
                                    "3:layout=RelativeLayout",
                                    "--tab",
                                    "3:iconname=harita",
                                    "--start",
                                    "3",
                                    "--fullscreen",
                                    "--orientation",
                                    "2",
                                    "--lifecycle",
                                    "onDestroy",
                                    "--lifecycle",
                                    "onStop",
                                    "--lifecycle",
                                    "onStart",
                                    "--min-sdk",
                                    "9",
                                    "--target-sdk",
                                    "15",
                                    "--app-id",
                                    "Uyg",
                                    "--window-title",
                                    "Güzel Uygulama",
                                    "--menu-title",
                                    "Menu ismi 1",
                                    "--menu-title",
                                    "Çıkış",
                                    "--menu-title",
                                    "Menu ismi 3",
                                    "--menu-icon",
                                    "3=" + (w.dir / "kapat.png").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameProjectTree(readTree(w.dir / "proje" / "Zep"), "tabhost/three_tabs_menu"));
}

}  // namespace
}  // namespace nakkas::test
