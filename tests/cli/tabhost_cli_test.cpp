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

TEST(TabHostCli, MenuTitlesAndIconsMakeTheMenu) {
    Workspace w;
    fs::create_directory(w.dir / "proje");
    std::ofstream(w.dir / "kapat.png") << "resim";
    const CliResult r = w.home.run({"tabhost", "--out", (w.dir / "proje").string(), "--package",
                                    "com.a", "--menu-title", "Aç", "--menu-title", "Kapat",
                                    "--menu-icon", "2=" + (w.dir / "kapat.png").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto tree = readTree(w.dir / "proje" / "Zep");
    ASSERT_TRUE(tree.count("res/layout/zep_menu.xml"));
    const std::string& menu = tree.at("res/layout/zep_menu.xml");
    EXPECT_NE(menu.find("android:title=\"Ac\" />\r\r\n"), std::string::npos);
    EXPECT_NE(menu.find("@drawable/kapat\"\r\r\nandroid:title=\"Kapat\""), std::string::npos);
    EXPECT_EQ(tree.at("res/drawable-hdpi/kapat.png"), "resim");
    EXPECT_NE(tree.at("src/com.a/MainActivity.java").find("case R.id.zep2_menu:"),
              std::string::npos);
}

}  // namespace
}  // namespace nakkas::test
