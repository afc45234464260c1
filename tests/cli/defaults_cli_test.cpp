#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "run_cli.h"

namespace nakkas::test {
namespace {

TEST(DefaultsCli, NoOrACorruptSettingsFileGivesFactoryValuesAndWritesNothing) {
    CliHome home;
    const std::string factory =
        "ActivityAdi=MainActivity\n"
        "PaketAdi=com.example.uygulamaadiniz\n"
        "SimgeAdi=ic_launcher\n"
        "Veritabani=Veritabanim.db\n"
        "TabloAdi=TabloAdim\n"
        "VTVersiyon=2\n"
        "KodPaneli=HAYIR\n";
    CliResult r = home.run({"defaults"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, factory);
    EXPECT_FALSE(std::filesystem::exists(home.settingsFile()));

    // Bytes with no line that looks like a setting hold no values; a broken section header
    // cannot be parsed, which the program says in one line.
    for (const auto& [bytes, noticed] : std::vector<std::pair<std::string, bool>>{
             {std::string("\x00\x01\xff\xfe\x89PNG\r\n\x1a\n\x00\x00", 13), false},
             {"[Varsayilanlar\nPaketAdi=bozuk\n", true}}) {
        home.writeSettings(bytes);
        r = home.run({"defaults"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, factory);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), noticed ? 1 : 0) << r.err;
        if (noticed) {
            EXPECT_NE(r.err.find("ayar dosyası okunamadı"), std::string::npos) << r.err;
        }
    }
}

// Something other than a regular file at the settings path: a FIFO would block the reader for
// ever. Commands that need no stored value never look at the path at all.
TEST(DefaultsCli, ASettingsPathThatIsNoRegularFileReadsAsFactory) {
    CliHome home;
    std::filesystem::create_directories(home.settingsFile().parent_path());
    ASSERT_EQ(mkfifo(home.settingsFile().c_str(), 0600), 0);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--version"}, {"banner"}, {"object", "Button"}, {"snippet", "KPBtn01"}}) {
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, 0) << args[0];
        EXPECT_EQ(r.err, "") << args[0];
        EXPECT_FALSE(r.out.empty()) << args[0];
    }
    const CliResult r = home.run({"defaults"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(
        r.out.starts_with("ActivityAdi=MainActivity\nPaketAdi=com.example.uygulamaadiniz\n"));
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_NE(r.err.find(home.settingsFile().string()), std::string::npos) << r.err;
}

// Only the user's own file counts: what lies in the maker-wide file beside it, readable or not,
// changes nothing.
TEST(DefaultsCli, TheMakerWideFileIsNeverRead) {
    CliHome home;
    home.writeSettings("[Varsayilanlar]\nPaketAdi=com.kendi.app\n");
    const auto makerWide = home.dir() / "Pelvan.ini";
    const auto writeMakerWide = [&](const std::string& bytes) {
        std::ofstream(makerWide, std::ios::binary) << bytes;
    };
    const std::vector<std::function<void()>> fallbacks{
        [&] { writeMakerWide("[Varsayilanlar]\nSimgeAdi=sahte\nTabloAdi=sahte\n"); },
        [&] { writeMakerWide("[Varsayilanlar\nSimgeAdi=bozuk\n"); },
        [&] { std::filesystem::create_directory(makerWide); },  // cannot be read
    };
    for (size_t i = 0; i < fallbacks.size(); ++i) {
        std::filesystem::remove_all(makerWide);
        fallbacks[i]();
        const CliResult r = home.run({"defaults"});
        EXPECT_EQ(r.status, 0) << i;
        EXPECT_EQ(r.err, "") << i;
        EXPECT_EQ(r.out,
                  "ActivityAdi=MainActivity\n"
                  "PaketAdi=com.kendi.app\n"
                  "SimgeAdi=ic_launcher\n"
                  "Veritabani=Veritabanim.db\n"
                  "TabloAdi=TabloAdim\n"
                  "VTVersiyon=2\n"
                  "KodPaneli=HAYIR\n")
            << i;
    }
}

// A line break hand-edited into a value must not print as a line of its own.
TEST(DefaultsCli, LineBreaksAndBackslashesInValuesAreEscaped) {
    CliHome home;
    // In the file, \n, \r and \\ stand for a line feed, a carriage return and a backslash.
    home.writeSettings(
        "[Varsayilanlar]\n"
        "TabloAdi=\"x\\nKodPaneli=EVET\"\n"
        "Veritabani=C:\\\\yol\\r\\n.db\n");
    const CliResult r = home.run({"defaults"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "ActivityAdi=MainActivity\n"
              "PaketAdi=com.example.uygulamaadiniz\n"
              "SimgeAdi=ic_launcher\n"
              "Veritabani=C:\\\\yol\\r\\n.db\n"
              "TabloAdi=x\\nKodPaneli=EVET\n"
              "VTVersiyon=2\n"
              "KodPaneli=HAYIR\n");
}

TEST(DefaultsCli, StoredValuesWinEmptyOnesStayEmpty) {
    CliHome home;
    home.writeSettings("[Varsayilanlar]\nPaketAdi=com.ornek.app\nActivityAdi=\n");
    CliResult r = home.run({"defaults"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "ActivityAdi=\n"
              "PaketAdi=com.ornek.app\n"
              "SimgeAdi=ic_launcher\n"
              "Veritabani=Veritabanim.db\n"
              "TabloAdi=TabloAdim\n"
              "VTVersiyon=2\n"
              "KodPaneli=HAYIR\n");

    home.writeSettings("[Varsayilanlar]\r\nActivityAdi=Ağaçİşleri\r\nKodPaneli=EVET\r\n");
    r = home.run({"defaults"});
    EXPECT_TRUE(r.out.starts_with("ActivityAdi=Ağaçİşleri\nPaketAdi=com.example.uygulamaadiniz\n"));
    EXPECT_TRUE(r.out.ends_with("\nKodPaneli=EVET\n"));
}

TEST(DefaultsCli, UsageAndVersion) {
    CliHome home;
    const CliResult version = home.run({"--version"});
    EXPECT_TRUE(version.status == 0 && !version.out.empty());
    const CliResult help = home.run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("defaults"), std::string::npos);

    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"varsayilanlar"}, {"defaults", "--bogus"}, {"defaults", "fazla"}, {}}) {
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "(none)" : args.back());
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(r.err.empty());
    }
}

}  // namespace
}  // namespace nakkas::test
