#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "expected_files.h"
#include "run_cli.h"

namespace nakkas::test {
namespace {

using Argv = std::vector<std::string>;
namespace fs = std::filesystem;

// The texts are compared whole by the core's tests; here how the commands reach them.
TEST(SqliteCli, PrintsOrWritesWhatTheToolMakes) {
    CliHome home;
    // The stored version counts unless one is given; one that is not listed selects nothing.
    home.writeSettings("[Varsayilanlar]\nVTVersiyon=7\n");
    CliResult r = home.run({"sqlite-helper", "--column", "ad:TEXT:unique:notnull", "--column",
                            "no:pk", "--package=", "--db", "Okul.db", "--table", "Dersler"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(sameText(r.out, readData("sqlite_tool/key_second_no_version_class.bytes")));

    const std::string file = fs::temp_directory_path() / "nakkas-sqlite-cli.java";
    fs::remove(file);
    r = home.run({"sqlite-helper", "--column", "numara:pk", "--column", "adı:TEXT:notnull",
                  "--column=şube:TEXT", "--package", "com.zep.okul", "--db", "Okul€.db", "--table",
                  "Öğrenciler", "--db-version", "3", "--output", file});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    std::ifstream in(file, std::ios::binary);
    EXPECT_TRUE(sameText({std::istreambuf_iterator<char>(in), {}},
                         readData("sqlite_tool/ogrenciler_saved.bytes")));
    fs::remove(file);

    r = home.run({"sqlite-commands", "--column", "id:pk", "--column", "ad:TEXT", "--column",
                  "tel:TEXT", "--table", "Kisiler", "--update-edit", "ad=editText1", "--insert",
                  "ad=adKutusu", "--update", "tel=telefon", "--no-insert-notify", "--delete"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameText(r.out, readDataCrLf("sqlite_tool/cli_commands.txt")));
    r = home.run({"sqlite-commands", "--column", "ad:TEXT", "--table", "Kisiler", "--count"});
    EXPECT_TRUE(sameText(r.out, readDataCrLf("sqlite_tool/compile_count_only.txt")));
}

// A table SQLite refuses is saved with a warning, or not at all with --check.
TEST(SqliteCli, RefusalsAndUsageErrors) {
    CliHome home;
    const std::string file = fs::temp_directory_path() / "nakkas-sqlite-chk.java";
    fs::remove(file);
    const Argv order = {"sqlite-helper", "--column", "order:TEXT", "--output", file};
    CliResult r = home.run(order);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("SQLite bu tabloyu kabul etmiyor: near \"order\": syntax error"),
              std::string::npos)
        << r.err;
    EXPECT_TRUE(fs::remove(file));
    r = home.run({"sqlite-helper", "--column", "ad:TEXT", "--check"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");

    Argv checked = order;
    checked.push_back("--check");
    const std::vector<std::pair<Argv, std::string>> cases = {
        {checked, "near \"order\""},
        {{"sqlite-helper"}, "Listede hiç hücre yok..."},
        {{"sqlite-helper", "--column", ":TEXT"}, "Hücre adı boş veya hücre tipi seçilmemiş !"},
        {{"sqlite-helper", "--column", "a:pk", "--column", "b:pk"},
         "Birincil anahtar zaten belirlenmiş, tekrar birincil anahtar oluşturamazsınız"},
        {{"sqlite-helper", "--column", "a:TEXT", "--output", "/yok/klasor/DatabaseHelper.java"},
         "Dosya oluşturulamadı, klasör korumalı veya yerinde yok"},
        {{"sqlite-commands", "--column", "ad:TEXT", "--delete"},
         "Sil örneklemesi için birincil anahtara sahip bir tablo olması gerekiyor"},
        {{"sqlite-commands", "--column", "ad:TEXT", "--insert", "ad="},
         "Kullanılacak hücre seçilmemiş veya Degisken/Nesne adı boş bırakılmış"},
        {{"sqlite-helper", "--column", "ad"}, ""},
        {{"sqlite-helper", "--column", "ad:text"}, ""},
        {{"sqlite-helper", "--column", "id:pk:notnull"}, ""},
        {{"sqlite-helper", "--column", "a:TEXT", "fazla"}, ""},
        {{"sqlite-commands", "--column", "a:TEXT", "--insert", "yok=x"}, ""},
        {{"sqlite-commands", "--column", "a:TEXT", "--show", "a"}, ""},
    };
    for (const auto& [args, message] : cases) {  // no message: a usage error
        SCOPED_TRACE(args.back());
        r = home.run(args);
        EXPECT_EQ(r.status, message.empty() ? 2 : 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
    EXPECT_FALSE(fs::exists(file));
}

}  // namespace
}  // namespace nakkas::test
