#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "expected_files.h"
#include "run_cli.h"

namespace nakkas::test {
namespace {

using Argv = std::vector<std::string>;

std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(SqliteHelperCli, PrintsOrWritesTheClass) {
    CliHome home;
    CliResult r = home.run({"sqlite-helper", "--column", "id:pk", "--column", "ad:TEXT:notnull",
                            "--column=tel:TEXT:unique", "--package", "com.zep.rehber", "--db",
                            "RehberVT", "--table", "Kisiler"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(sameText(r.out, readData("sqlite_tool/kisiler_class.bytes")));

    // The stored version counts unless one is given; one that is not listed selects nothing.
    home.writeSettings("[Varsayilanlar]\nVTVersiyon=7\n");
    r = home.run({"sqlite-helper", "--column", "ad:TEXT:unique:notnull", "--column", "no:pk",
                  "--package=", "--db", "Okul.db", "--table", "Dersler"});
    EXPECT_TRUE(sameText(r.out, readData("sqlite_tool/key_second_no_version_class.bytes")));

    const std::string file = (std::filesystem::temp_directory_path() / "nakkas-sqlite-cli.java");
    std::filesystem::remove(file);
    r = home.run({"sqlite-helper", "--column", "numara:pk", "--column", "adı:TEXT:notnull",
                  "--column", "şube:TEXT", "--package", "com.zep.okul", "--db", "Okul€.db",
                  "--table", "Öğrenciler", "--db-version", "3", "--output", file});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(sameText(slurp(file), readData("sqlite_tool/ogrenciler_saved.bytes")));
    std::filesystem::remove(file);
}

TEST(SqliteHelperCli, TableRefusedBySqliteWarnsOrWithCheckStops) {
    CliHome home;
    const std::string file = (std::filesystem::temp_directory_path() / "nakkas-sqlite-chk.java");
    std::filesystem::remove(file);
    const Argv base = {"sqlite-helper", "--column", "order:TEXT", "--output", file};
    CliResult r = home.run(base);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("SQLite bu tabloyu kabul etmiyor: near \"order\": syntax error"),
              std::string::npos)
        << r.err;
    EXPECT_TRUE(std::filesystem::exists(file));
    std::filesystem::remove(file);

    Argv checked = base;
    checked.push_back("--check");
    r = home.run(checked);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("near \"order\""), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file));

    r = home.run({"sqlite-helper", "--column", "ad:TEXT", "--check"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
}

TEST(SqliteHelperCli, RefusalsAndUsageErrors) {
    CliHome home;
    // The messages themselves are the core's; here each way out of the command.
    const std::vector<std::pair<Argv, std::string>> refused = {
        {{"sqlite-helper"}, "Listede hiç hücre yok..."},
        {{"sqlite-helper", "--column", ":TEXT"}, "Hücre adı boş veya hücre tipi seçilmemiş !"},
        {{"sqlite-helper", "--column", "a:pk", "--column", "b:pk"},
         "Birincil anahtar zaten belirlenmiş, tekrar birincil anahtar oluşturamazsınız"},
        {{"sqlite-helper", "--column", "a:TEXT", "--output", "/yok/klasor/DatabaseHelper.java"},
         "Dosya oluşturulamadı, klasör korumalı veya yerinde yok"},
    };
    for (const auto& [args, message] : refused) {
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, 1) << message;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
    for (const Argv& args :
         std::vector<Argv>{{"sqlite-helper", "--column", "ad"},
                           {"sqlite-helper", "--column", "ad:text"},
                           {"sqlite-helper", "--column", "id:pk:notnull"},
                           {"sqlite-helper", "--column", "a:TEXT", "fazla"},
                           {"sqlite-commands", "--column", "a:TEXT", "--insert", "yok=x"},
                           {"sqlite-commands", "--column", "a:TEXT", "--show", "a"}})
        EXPECT_EQ(home.run(args).status, 2) << args.back();
}

TEST(SqliteCommandsCli, PressesInOrderAndCompiles) {
    CliHome home;
    CliResult r =
        home.run({"sqlite-commands", "--column", "id:pk", "--column", "ad:TEXT", "--column",
                  "tel:TEXT", "--table", "Kisiler", "--update-edit", "ad=editText1", "--insert",
                  "ad=adKutusu", "--update", "tel=telefon", "--no-insert-notify", "--delete"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameText(r.out, readDataCrLf("sqlite_tool/cli_commands.txt")));

    r = home.run({"sqlite-commands", "--column", "ad:TEXT", "--table", "Kisiler", "--count"});
    EXPECT_TRUE(sameText(r.out, readDataCrLf("sqlite_tool/compile_count_only.txt")));

    for (const auto& [args, message] : std::vector<std::pair<Argv, std::string>>{
             {{"sqlite-commands", "--column", "ad:TEXT", "--delete"},
              "Sil örneklemesi için birincil anahtara sahip bir tablo olması gerekiyor"},
             {{"sqlite-commands", "--column", "ad:TEXT", "--insert", "ad="},
              "Kullanılacak hücre seçilmemiş veya Degisken/Nesne adı boş bırakılmış"}}) {
        r = home.run(args);
        EXPECT_EQ(r.status, 1) << message;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace nakkas::test
