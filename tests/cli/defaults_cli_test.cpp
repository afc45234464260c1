#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

#include "run_cli.h"

namespace nakkas::test {
namespace {

// The factory listing with the given lines replaced.
std::string factoryWith(const std::vector<std::pair<std::string, std::string>>& values = {}) {
    std::string out =
        "ActivityAdi=MainActivity\nPaketAdi=com.example.uygulamaadiniz\nSimgeAdi=ic_launcher\n"
        "Veritabani=Veritabanim.db\nTabloAdi=TabloAdim\nVTVersiyon=2\nKodPaneli=HAYIR\n";
    for (const auto& [key, value] : values) {
        const size_t at = out.find(key + "=") + key.size() + 1;
        out.replace(at, out.find('\n', at) - at, value);
    }
    return out;
}

// Only the user's own file counts: the maker-wide file beside it (absent, holding values,
// broken, or a folder that cannot be read) changes nothing.
TEST(DefaultsCli, StoredValuesFallbacksAndEscaping) {
    const struct {
        std::optional<std::string> settings;  // none: no file at all
        std::string out;
        bool noticed = false;  // one line saying the file could not be read
    } cases[] = {
        {std::nullopt, factoryWith()},
        // Binary junk is no settings file, though Qt reads it without complaint.
        {std::string("\x00\x01\xff\xfe\x89PNG\r\n\x1a\n\x00\x00", 13), factoryWith(), true},
        {"[Varsayilanlar\nPaketAdi=bozuk\n", factoryWith(), true},
        {"[Varsayilanlar]\nPaketAdi=com.ornek.app\nActivityAdi=\n",
         factoryWith({{"ActivityAdi", ""}, {"PaketAdi", "com.ornek.app"}})},
        {"[Varsayilanlar]\r\nActivityAdi=Ağaçİşleri\r\nKodPaneli=EVET\r\n",
         factoryWith({{"ActivityAdi", "Ağaçİşleri"}, {"KodPaneli", "EVET"}})},
        // A line break hand-edited into a value must not print as a line of its own.
        {"[Varsayilanlar]\nTabloAdi=\"x\\nKodPaneli=EVET\"\nVeritabani=C:\\\\yol\\r\\n.db\n",
         factoryWith({{"Veritabani", "C:\\\\yol\\r\\n.db"}, {"TabloAdi", "x\\nKodPaneli=EVET"}})},
    };
    for (const auto& c : cases) {
        for (const std::string makerWide : {"", "[Varsayilanlar]\nSimgeAdi=sahte\nTabloAdi=sahte\n",
                                            "[Varsayilanlar\nSimgeAdi=bozuk\n", "/"}) {
            SCOPED_TRACE(c.settings.value_or("(no file)") + " | " + makerWide);
            CliHome home;
            if (c.settings) home.writeSettings(*c.settings);
            if (makerWide == "/")
                std::filesystem::create_directory(home.dir() / "Pelvan.ini");
            else if (!makerWide.empty())
                std::ofstream(home.dir() / "Pelvan.ini", std::ios::binary) << makerWide;
            const CliResult r = home.run({"defaults"});
            EXPECT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(r.out, c.out);
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), c.noticed ? 1 : 0) << r.err;
            EXPECT_EQ(r.err.find("ayar dosyası okunamadı") != std::string::npos, c.noticed);
            EXPECT_EQ(std::filesystem::exists(home.settingsFile()), c.settings.has_value());
        }
    }
}

// A FIFO at the settings path would block the reader for ever. Commands that need no stored
// value never look at the path at all.
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
    EXPECT_EQ(r.out, factoryWith());
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_NE(r.err.find(home.settingsFile().string()), std::string::npos) << r.err;
}

TEST(DefaultsCli, UsageErrors) {
    CliHome home;
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"varsayilanlar"}, {"defaults", "--bogus"}, {}}) {
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "(none)" : args.back());
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(r.err.empty());
    }
}

}  // namespace
}  // namespace nakkas::test
