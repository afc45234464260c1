#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "expected_files.h"
#include "run_cli.h"

namespace nakkas::test {
namespace {

using Argv = std::vector<std::string>;

TEST(SqliteCli, PrintsOrWritesWhatTheToolMakes) {
    CliHome home;
    // The stored version counts unless one is given; one that is not listed selects nothing.
    home.writeSettings("[Varsayilanlar]\nVTVersiyon=7\n");
    CliResult r = home.run({"sqlite-helper", "--column", "ad:TEXT:unique:notnull", "--column",
                            "no:pk", "--package=", "--db", "Okul.db", "--table", "Dersler"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameText(r.out, readData("sqlite_tool/key_second_no_version_class.bytes")));

    const std::string file = home.dir() / "DatabaseHelper.java";
    r = home.run({"sqlite-helper", "--column", "numara:pk", "--column", "adı:TEXT:notnull",
                  "--column=şube:TEXT", "--package", "com.zep.okul", "--db", "Okul€.db", "--table",
                  "Öğrenciler", "--db-version", "3", "--output", file});
    EXPECT_EQ(r.status + r.out.size(), 0u) << r.err;
    EXPECT_TRUE(sameText(CliHome::slurp(file), readData("sqlite_tool/ogrenciler_saved.bytes")));

    r = home.run({"sqlite-commands", "--column", "id:pk", "--column", "ad:TEXT", "--column",
                  "tel:TEXT", "--table", "Kisiler", "--update-edit", "ad=editText1", "--insert",
                  "ad=adKutusu", "--update", "tel=telefon", "--no-insert-notify", "--delete"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameText(r.out, readDataCrLf("sqlite_tool/cli_commands.txt")));
}

// A table SQLite refuses is printed with a warning, or refused with --check.
TEST(SqliteCli, RefusalsAndUsageErrors) {
    CliHome home;
    const std::string file = home.dir() / "DatabaseHelper.java";
    const std::vector<std::tuple<Argv, int, std::string>> cases = {
        {{"sqlite-helper", "--column", "order:TEXT"}, 0, "SQLite bu tabloyu kabul etmiyor: near"},
        {{"sqlite-helper", "--column", "ad:TEXT", "--check"}, 0, ""},
        {{"sqlite-helper", "--column", "order:TEXT", "--check", "--output", file}, 1, "near \""},
        // Statements that compile but make another table than the one designed.
        {{"sqlite-helper", "--column", "a:TEXT", "--table", "t(a INTEGER) --", "--check"},
         1,
         "SQLite bu tabloyu tasarımdan farklı okuyor: tablonun adı SQLite için \"t\""},
        {{"sqlite-helper", "--column", "   :TEXT", "--check"}, 1, "1. hücrenin adı SQLite için"},
        {{"sqlite-helper"}, 1, "Listede hiç"},
        {{"sqlite-helper", "--column", ":TEXT"}, 1, "Hücre adı boş"},
        {{"sqlite-helper", "--column", "a:pk", "--column", "b:pk"}, 1, "Birincil anahtar zaten"},
        {{"sqlite-helper", "--column", "a:TEXT", "--output", "/yok/klasor/D.java"},
         1,
         "Dosya oluş"},
        {{"sqlite-commands", "--column", "ad:TEXT", "--delete"}, 1, "Sil örneklemesi"},
        {{"sqlite-commands", "--column", "ad:TEXT", "--insert", "ad="}, 1, "Kullanılacak hücre"},
        {{"sqlite-helper", "--column", "ad"}, 2, ""},
        {{"sqlite-helper", "--column", "ad:text"}, 2, ""},
        {{"sqlite-helper", "--column", "id:pk:notnull"}, 2, ""},
        {{"sqlite-helper", "--column", "a:TEXT", "fazla"}, 2, ""},
        {{"sqlite-commands", "--column", "a:TEXT", "--insert", "yok=x"}, 2, ""},
        {{"sqlite-commands", "--column", "a:TEXT", "--show", "a"}, 2, ""},
    };
    for (const auto& [args, status, message] : cases) {
        SCOPED_TRACE(args.back());
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, status);
        EXPECT_EQ(r.out.empty(), status != 0);
        EXPECT_EQ(r.err.empty(), status == 0 && message.empty()) << r.err;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace nakkas::test
