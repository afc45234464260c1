// What only the real program does: its exit status and standard streams, the settings file it
// reads through the host's services, and output that cannot be written.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <tuple>

#include "run_cli.h"

namespace nakkas::test {
namespace {

using Args = std::vector<std::string>;
constexpr int kUsage = 2;

// The code stays alone on standard output. A message box of the window is a line on standard
// error, with what came from the user in it shown visibly so that it cannot retitle or clear the
// terminal.
TEST(ExecutableCli, ExitStatusAndStreams) {
    const std::tuple<Args, int, std::string, std::string> cases[] = {
        {{"object", "Button", "--no-listener"},
         0,
         "final Button button1 = (Button) findViewById(R.id.button1);\r\n",
         ""},
        {{"layout", "/yok/\x1b[31m.xml"}, 1, "", "Layout dosyası okunamadı: /yok/\\e[31m.xml\n"},
        {{"object"}, 2, "", "nakkas-cli object: bir nesne etiketi gerekli"},
    };
    CliHome home;
    for (const auto& [args, status, out, err] : cases) {
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, status) << args[0];
        EXPECT_EQ(r.out, out) << args[0];
        EXPECT_EQ(status == kUsage ? r.err.substr(0, err.size()) : r.err, err);
    }
}

TEST(ExecutableCli, OutputThatCannotBeWrittenIsAFailure) {
    CliHome home;
    const CliResult r = home.run({"snippet", "--list"}, "/dev/full");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "nakkas-cli: çıktı yazılamadı (disk dolu ya da çıktıyı okuyan taraf kapanmış "
              "olabilir)\n");

    // A reader that is already gone: the program must say so, not die of the broken pipe.
    const auto status = home.dir() / "status";
    const auto err = home.dir() / "err";
    const std::string script = "{ sleep 0.3; " + home.command({"snippet", "--list"}) + " 2>'" +
                               err.string() + "'; echo $? >'" + status.string() + "'; } | true";
    ASSERT_EQ(std::system(script.c_str()), 0);
    EXPECT_EQ(CliHome::slurp(status), "1\n");
    EXPECT_EQ(CliHome::slurp(err), r.err);
}

// The factory listing with the given lines replaced.
std::string factoryWith(const std::vector<std::pair<std::string, std::string>>& values = {}) {
    std::string out =
        "ActivityAdi=MainActivity\nPaketAdi=com.example.uygulamaadiniz\nSimgeAdi=ic_launcher\n"
        "Veritabani=Veritabanim.db\nTabloAdi=TabloAdim\nVTVersiyon=2\nKodPaneli=HAYIR\n"
        "CiktiDili=Java\n";
    for (const auto& [key, value] : values) {
        const size_t at = out.find(key + "=") + key.size() + 1;
        out.replace(at, out.find('\n', at) - at, value);
    }
    return out;
}

// Only the user's own file counts: the maker-wide file beside it (absent, holding values,
// broken, or a folder that cannot be read) changes nothing.
TEST(ExecutableCli, TheSettingsFileAloneGivesTheStoredValues) {
    const struct {
        std::optional<std::string> settings;  // none: no file at all
        std::string makerWide;                // "/": a folder in its place
        std::string out;
        bool noticed = false;  // one line saying the file could not be read
    } cases[] = {
        {std::nullopt, "[Varsayilanlar]\nSimgeAdi=sahte\nTabloAdi=sahte\n", factoryWith()},
        // Binary junk is no settings file, though Qt reads it without complaint.
        {std::string("\x00\x01\xff\xfe\x89PNG\r\n\x1a\n\x00\x00", 13), "/", factoryWith(), true},
        // Only the exact "Kotlin" is Kotlin.
        {"[Varsayilanlar]\nPaketAdi=com.ornek.app\nActivityAdi=\nCiktiDili=kotlin\n",
         "[Varsayilanlar\nSimgeAdi=b\n",
         factoryWith({{"ActivityAdi", ""}, {"PaketAdi", "com.ornek.app"}})},
        {"[Varsayilanlar]\r\nActivityAdi=Ağaçİşleri\r\nKodPaneli=EVET\r\nCiktiDili=Kotlin\r\n", "/",
         factoryWith(
             {{"ActivityAdi", "Ağaçİşleri"}, {"KodPaneli", "EVET"}, {"CiktiDili", "Kotlin"}})},
        // A line break hand-edited into a value must not print as a line of its own.
        {"[Varsayilanlar]\nTabloAdi=\"x\\nKodPaneli=EVET\"\nVeritabani=C:\\\\yol\\r\\n.db\n",
         "[Varsayilanlar]\nTabloAdi=sahte\n",
         factoryWith({{"Veritabani", "C:\\\\yol\\r\\n.db"}, {"TabloAdi", "x\\nKodPaneli=EVET"}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settings.value_or("(no file)") + " | " + c.makerWide);
        CliHome home;
        if (c.settings) home.writeSettings(*c.settings);
        if (c.makerWide == "/")
            std::filesystem::create_directory(home.dir() / "Pelvan.ini");
        else if (!c.makerWide.empty())
            std::ofstream(home.dir() / "Pelvan.ini", std::ios::binary) << c.makerWide;
        const CliResult r = home.run({"defaults"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.noticed ? "Uyarı: ayar dosyası okunamadı, fabrika değerleri "
                                     "kullanılıyor: " +
                                         home.settingsFile().string() + "\n"
                                   : "");
        EXPECT_EQ(std::filesystem::exists(home.settingsFile()), c.settings.has_value());
    }
}

// A FIFO at the settings path would block the reader for ever. Commands that need no stored
// value never look at the path at all; a language given on the command line is such a value.
TEST(ExecutableCli, ASettingsPathThatIsNoRegularFileReadsAsFactory) {
    CliHome home;
    std::filesystem::create_directories(home.settingsFile().parent_path());
    ASSERT_EQ(mkfifo(home.settingsFile().c_str(), 0600), 0);
    for (const Args& args : {Args{"--version"}, Args{"object", "Button", "--lang", "java"}}) {
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, 0) << args[0];
        EXPECT_EQ(r.err, "") << args[0];
        EXPECT_FALSE(r.out.empty()) << args[0];
    }
    const CliResult r = home.run({"defaults"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, factoryWith());
    EXPECT_EQ(r.err, "Uyarı: ayar dosyası okunamadı, fabrika değerleri kullanılıyor: " +
                         home.settingsFile().string() + "\n");
}

}  // namespace
}  // namespace nakkas::test
