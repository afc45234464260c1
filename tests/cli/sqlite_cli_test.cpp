#include <gtest/gtest.h>

#include <tuple>

#include "cli_runner.h"
#include "expected_files.h"

namespace nakkas::test {
namespace {

using Args = std::vector<std::string>;

// The stored version counts unless one is given; one that is not listed selects nothing.
TEST(SqliteCli, TheHelperStartsFromTheStoredVersion) {
    FakeServices services;
    services.strings[{"Varsayilanlar", "VTVersiyon"}] = "7";
    const CliRun r =
        runCli(services, {"sqlite-helper", "--column", "ad:TEXT:unique:notnull", "--column",
                          "no:pk", "--package=", "--db", "Okul.db", "--table", "Dersler"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameText(r.out, readData("sqlite_tool/key_second_no_version_class.bytes")));
}

TEST(SqliteCli, TheHelperGoesToAFileInItsOwnBytes) {
    FakeServices services;
    services.fs.folders.insert("/ev");
    const CliRun r = runCli(
        services, {"sqlite-helper", "--column", "numara:pk", "--column", "adı:TEXT:notnull",
                   "--column=şube:TEXT", "--package", "com.zep.okul", "--db", "Okul€.db", "--table",
                   "Öğrenciler", "--db-version", "3", "--output", "/ev/DatabaseHelper.java"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(sameText(services.fs.files["/ev/DatabaseHelper.java"],
                         readData("sqlite_tool/ogrenciler_saved.bytes")));
}

TEST(SqliteCli, CommandsArePressedInCommandLineOrder) {
    const CliRun r =
        runCli({"sqlite-commands", "--column", "id:pk", "--column", "ad:TEXT", "--column",
                "tel:TEXT", "--table", "Kisiler", "--update-edit", "ad=editText1", "--insert",
                "ad=adKutusu", "--update", "tel=telefon", "--no-insert-notify", "--delete"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameText(r.out, readDataCrLf("sqlite_tool/cli_commands.txt")));
}

// In Kotlin the class printed and the class written are the same bytes: UTF-8 with LF alone.
TEST(SqliteCli, TheKotlinHelperIsPrintedAndWrittenAlike) {
    FakeServices services;
    services.fs.folders.insert("/ev");
    Args args = {"sqlite-helper",
                 "--lang",
                 "kotlin",
                 "--column",
                 "numara:pk",
                 "--column",
                 "adı:TEXT:notnull",
                 "--column=şube:TEXT",
                 "--package",
                 "com.zep.okul",
                 "--db",
                 "Okul€.db",
                 "--table",
                 "Öğrenciler",
                 "--db-version",
                 "3"};
    const std::string expected = readData("kotlin/sqlite_tool/ogrenciler_saved.kt");
    CliRun r = runCli(services, args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameText(r.out, expected));
    args.insert(args.end(), {"--output", "/ev/DatabaseHelper.kt"});
    r = runCli(services, args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(sameText(services.fs.files["/ev/DatabaseHelper.kt"], expected));
}

TEST(SqliteCli, KotlinCommands) {
    const CliRun r =
        runCli({"sqlite-commands", "--lang=kotlin", "--column", "id:pk", "--column", "ad:TEXT",
                "--column", "tel:TEXT", "--update-edit", "ad=editText1", "--insert-edit",
                "ad=editText2", "--update", "tel=telefon", "--no-insert-notify", "--delete"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameText(r.out, readDataCrLf("kotlin/sqlite_tool/cli_commands.txt")));
}

// A table SQLite refuses is printed with a warning, or refused with --check.
TEST(SqliteCli, ATableSqliteRefusesIsWarnedOfOrRefusedWithCheck) {
    CliRun r = runCli({"sqlite-helper", "--column", "order:TEXT"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out, "");
    EXPECT_TRUE(r.err.starts_with("SQLite bu tabloyu kabul etmiyor: near \"order\"")) << r.err;

    r = runCli({"sqlite-helper", "--column", "ad:TEXT", "--check"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out, "");
    EXPECT_EQ(r.err, "");

    FakeServices services;
    services.fs.folders.insert("/ev");
    r = runCli(services, {"sqlite-helper", "--column", "order:TEXT", "--check", "--output",
                          "/ev/DatabaseHelper.java"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(r.err.starts_with("SQLite bu tabloyu kabul etmiyor: near \"order\"")) << r.err;
    EXPECT_TRUE(services.fs.files.empty());
}

// Statements that compile but make another table than the one designed.
TEST(SqliteCli, ATableSqliteReadsOtherwiseIsRefusedWithCheck) {
    const std::pair<Args, std::string> cases[] = {
        {{"sqlite-helper", "--column", "a:TEXT", "--table", "t(a INTEGER) --", "--check"},
         "SQLite bu tabloyu tasarımdan farklı okuyor: tablonun adı SQLite için \"t\""},
        {{"sqlite-helper", "--column", "   :TEXT", "--check"}, "1. hücrenin adı SQLite için"},
    };
    for (const auto& [args, message] : cases) {
        SCOPED_TRACE(message);
        const CliRun r = runCli(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
}

TEST(SqliteCli, RefusalsExitOneWithTheToolsMessage) {
    const std::pair<Args, const char*> cases[] = {
        {{"sqlite-helper"}, "Listede hiç"},
        {{"sqlite-helper", "--column", ":TEXT"}, "Hücre adı boş"},
        {{"sqlite-helper", "--column", "a:pk", "--column", "b:pk"}, "Birincil anahtar zaten"},
        {{"sqlite-helper", "--column", "a:TEXT", "--output", "/yok/klasor/D.java"}, "Dosya oluş"},
        {{"sqlite-commands", "--column", "ad:TEXT", "--delete"}, "Sil örneklemesi"},
        {{"sqlite-commands", "--column", "ad:TEXT", "--insert", "ad="}, "Kullanılacak hücre"},
    };
    for (const auto& [args, message] : cases) {
        SCOPED_TRACE(args.back());
        FakeServices services;
        const CliRun r = runCli(services, args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(services.lastMessage().text.starts_with(message))
            << services.lastMessage().text;
        EXPECT_TRUE(services.fs.files.empty());
    }
}

TEST(SqliteCli, MistakesAreUsageErrors) {
    const Args cases[] = {
        {"sqlite-helper", "--column", "ad"},
        {"sqlite-helper", "--column", "ad:text"},
        {"sqlite-helper", "--column", "id:pk:notnull"},
        {"sqlite-helper", "--column", "a:TEXT", "fazla"},
        {"sqlite-commands", "--column", "a:TEXT", "--insert", "yok=x"},
        {"sqlite-commands", "--column", "a:TEXT", "--show", "a"},
    };
    for (const Args& args : cases) {
        SCOPED_TRACE(args.back());
        FakeServices services;
        const CliRun r = runCli(services, args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(r.err.starts_with("nakkas-cli " + args[0] + ": ")) << r.err;
        EXPECT_TRUE(services.messages.empty());
    }
}

}  // namespace
}  // namespace nakkas::test
