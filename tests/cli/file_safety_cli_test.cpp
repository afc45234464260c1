// Saves and project trees on real file systems with real limits: a full disk, a file-size limit,
// a trash that cannot take anything, and two runs at once.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "run_cli.h"

namespace nakkas::test {
namespace {

namespace fs = std::filesystem;

// The text file writer's message, as standard error shows it.
const std::string kWriterError =
    "Dosya oluşturulamadı, klasör korumalı veya yerinde yok\nNOT:Eclipse ye ait projects "
    "dizinine kayıt yapmaya çalıştığınızda da bu hatayı alırsınız. Bu hatayı almamak için ZEP "
    "klasörü olarak belirleyeceğiniz yer bilgisayarınızda herhangibir korumasız klasör "
    "olmalıdır.\n";

struct Disk : CliHome {
    fs::path proje = dir() / "proje";
    Disk() { fs::create_directory(proje); }

    // The program's command line, for a shell script that runs it among other commands.
    std::string cli(const std::vector<std::string>& args) const {
        return "HOME=" + quoted(dir()) + " XDG_DATA_HOME=" + quoted(dir() / "data") + " " +
               command(args);
    }
    // Runs a shell script; its exit status.
    int shell(const std::string& script) const {
        const int st = std::system(("sh -c " + quoted(script)).c_str());
        return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    }
    std::vector<std::string> names(const fs::path& folder) const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(folder)) out.push_back(e.path().filename());
        std::sort(out.begin(), out.end());
        return out;
    }
};

std::vector<std::string> tabhost(const fs::path& out, std::vector<std::string> more = {}) {
    std::vector<std::string> args{"tabhost", "--out", out.string(), "--package", "com.a"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// Under a file-size limit the write fails and is reported; the old file stays whole and the
// program is not killed half-way. An empty path is refused with the program's own message.
TEST(FileSafetyCli, ASizeLimitFailsTheSaveAndKeepsTheOldFile) {
    Disk d;
    const fs::path helper = d.proje / "DatabaseHelper.java";
    std::ofstream(helper) << "eski";
    std::vector<std::string> save{"sqlite-helper", "--column", "ad:TEXT", "--output",
                                  helper.string()};
    // One block of the shell's file-size limit is smaller than the helper class.
    EXPECT_EQ(d.shell("ulimit -f 1; " + d.cli(save) + " 2>" + CliHome::quoted(d.dir() / "err")), 1);
    EXPECT_EQ(CliHome::slurp(d.dir() / "err"), kWriterError);
    EXPECT_EQ(CliHome::slurp(helper), "eski");
    save.back() = (d.proje / "Yeni.java").string();  // a new file: what was begun is removed
    EXPECT_EQ(d.shell("ulimit -f 1; " + d.cli(save) + " 2>/dev/null"), 1);
    const auto bigger = tabhost(d.proje, {"--lifecycle", "onStart", "--lifecycle", "onStop"});
    EXPECT_EQ(d.shell("ulimit -f 1; " + d.cli(bigger) + " 2>/dev/null"), 1);
    EXPECT_EQ(d.names(d.proje), std::vector<std::string>{"DatabaseHelper.java"});

    const CliResult r = d.run({"sqlite-helper", "--column", "ad:TEXT", "--output", ""});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, kWriterError);
}

// A full disk: a small tmpfs in a mount namespace of its own, filled before the program runs.
// The old tree and the old file stay whole, and nothing half-written is left.
TEST(FileSafetyCli, AFullDiskKeepsTheOldTreeAndTheOldFile) {
    Disk d;
    if (geteuid() != 0 || d.shell("unshare -m true 2>/dev/null") != 0)
        GTEST_SKIP() << "a tmpfs of its own needs root and a mount namespace";
    const std::string disk = CliHome::quoted(d.proje), report = CliHome::quoted(d.dir());
    const std::string script =
        "mount -t tmpfs -o size=256k tmpfs " + disk + " && cd " + disk +
        " && mkdir Zep && echo eski >Zep/eski.txt && echo eski >DatabaseHelper.java && "
        "(head -c 1M /dev/zero >dolgu 2>/dev/null; true) && rm -f dolgu.x && " +
        d.cli(tabhost(d.proje, {"--replace"})) + " 2>" + report + "/tabhost.err; echo $? >" +
        report + "/tabhost.st; " +
        d.cli({"sqlite-helper", "--column", "ad:TEXT", "--output", "DatabaseHelper.java"}) + " 2>" +
        report + "/sqlite.err; echo $? >" + report + "/sqlite.st; ls -A >" + report +
        "/ls; cat Zep/eski.txt DatabaseHelper.java >" + report + "/kept";
    ASSERT_EQ(d.shell("unshare -m sh -c " + CliHome::quoted(script)), 0);
    const auto read = [&](const char* name) { return CliHome::slurp(d.dir() / name); };
    EXPECT_EQ(read("tabhost.st"), "1\n");
    EXPECT_TRUE(read("tabhost.err").starts_with(kWriterError + "\nOluşturulamayanlar:\n"))
        << read("tabhost.err");
    EXPECT_TRUE(read("tabhost.err")
                    .ends_with("Eski dosyalarınız yerinde duruyor, hiçbir dosya "
                               "yazılmadı.\n"));
    EXPECT_EQ(read("sqlite.st"), "1\n");
    EXPECT_EQ(read("sqlite.err"), kWriterError);
    EXPECT_EQ(read("ls"), "DatabaseHelper.java\nZep\ndolgu\n");
    EXPECT_EQ(read("kept"), "eski\neski\n");
}

// A trash that is a file, or one that cannot take an info file: the move fails at once, the old
// tree stays, and nothing lands anywhere else (the current folder above all).
TEST(FileSafetyCli, ATrashThatCannotTakeTheTreeLeavesItWhereItWas) {
    for (const bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly ? "read-only trash" : "trash is a file");
        Disk d;
        const fs::path trash = d.dir() / "data" / "Trash";
        fs::create_directories(d.proje / "Zep");
        std::ofstream(d.proje / "Zep" / "eski.txt") << "eski";
        fs::create_directories(d.dir() / "cwd");
        std::string as;
        if (readOnly) {
            fs::create_directories(trash / "info");
            fs::create_directories(trash / "files");
            // Root writes anywhere, so the run goes to an ordinary user who owns everything
            // but the trash's info folder.
            if (geteuid() == 0) {
                if (d.shell("setpriv --reuid=65534 --regid=65534 --clear-groups true") != 0)
                    GTEST_SKIP() << "no way to run as an ordinary user";
                d.shell("chmod 755 " + CliHome::quoted(d.dir()) + " && chown -R 65534:65534 " +
                        CliHome::quoted(d.dir()));
                as = "setpriv --reuid=65534 --regid=65534 --clear-groups env ";
            }
            fs::permissions(trash / "info", fs::perms::owner_read | fs::perms::owner_exec);
        } else {
            fs::create_directories(trash.parent_path());
            std::ofstream(trash) << "dosya";
        }
        const int status = d.shell("cd " + CliHome::quoted(d.dir() / "cwd") + " && " + as +
                                   d.cli(tabhost(d.proje, {"--replace"})) + " 2>" +
                                   CliHome::quoted(d.dir() / "err"));
        EXPECT_EQ(status, 1);
        EXPECT_EQ(CliHome::slurp(d.dir() / "err"),
                  (d.proje / "Zep").string() +
                      "\r\nAdlı klasör Geri Dönüşüm Kutusuna gönderilemedi. Eski dosyalarınız "
                      "yerinde duruyor, hiçbir dosya yazılmadı.\n");
        EXPECT_EQ(CliHome::slurp(d.proje / "Zep" / "eski.txt"), "eski");
        EXPECT_EQ(d.names(d.proje), std::vector<std::string>{"Zep"});
        EXPECT_TRUE(fs::is_empty(d.dir() / "cwd"));
        if (readOnly) fs::permissions(trash / "info", fs::perms::owner_all);
    }
}

// Two runs into the same folder at once: the first to finish puts its tree in place, the other
// fails, and the tree is whole from one run (two tabs or three, never a mix).
TEST(FileSafetyCli, TwoRunsAtOnceLeaveATreeFromOneOfThem) {
    Disk d;
    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE(round);
        fs::remove_all(d.proje / "Zep");
        const auto run = [&](const char* tabs, const char* name) {
            return "(" + d.cli(tabhost(d.proje, {"--tabs", tabs, "--window-title", name})) +
                   " >/dev/null 2>&1; echo $? >" + CliHome::quoted(d.dir() / name) + ")";
        };
        ASSERT_EQ(d.shell(run("2", "iki") + " & " + run("3", "uc") + " & wait"), 0);
        const std::string two = CliHome::slurp(d.dir() / "iki");
        const std::string three = CliHome::slurp(d.dir() / "uc");
        EXPECT_EQ(two + three == "0\n1\n" || two + three == "1\n0\n", true) << two << three;
        const std::string manifest = CliHome::slurp(d.proje / "Zep" / "AndroidManifest.xml");
        const bool threeWon = manifest.find("android:label=\"uc\"") != std::string::npos;
        EXPECT_EQ(threeWon, three == "0\n");
        EXPECT_EQ(fs::exists(d.proje / "Zep" / "res" / "layout" / "tab3_layout.xml"), threeWon);
        EXPECT_EQ(fs::exists(d.proje / "Zep" / "src" / "com.a" / "Tab3Activity.java"), threeWon);
        EXPECT_EQ(d.names(d.proje), std::vector<std::string>{"Zep"});
    }
}

}  // namespace
}  // namespace nakkas::test
