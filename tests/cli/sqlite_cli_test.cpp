#include <gtest/gtest.h>

#include <tuple>

#include "cli_runner.h"
#include "expected_files.h"

namespace nakkas::test {
namespace {

// Java goes to the file in the writer's own bytes, Kotlin as UTF-8 with LF alone, which are also
// the bytes it prints.
TEST(SqliteCli, TheHelperIsWrittenInItsLanguagesOwnBytes) {
    for (const auto& [lang, file, expected] :
         {std::tuple{"java", "/ev/DatabaseHelper.java", "sqlite_tool/ogrenciler_saved.bytes"},
          std::tuple{"kotlin", "/ev/DatabaseHelper.kt",
                     "kotlin/sqlite_tool/ogrenciler_saved.kt"}}) {
        SCOPED_TRACE(lang);
        FakeServices services;
        services.fs.folders.insert("/ev");
        Args args = words(std::string("sqlite-helper --lang ") + lang +
                          " --column numara:pk --column adı:TEXT:notnull --column=şube:TEXT "
                          "--package com.zep.okul --db Okul€.db --table Öğrenciler --db-version 3");
        const CliRun printed = runCli(services, args);
        if (std::string(lang) == "kotlin") {
            EXPECT_TRUE(sameText(printed.out, readData(expected)));
        }
        args.insert(args.end(), {"--output", file});
        const CliRun r = runCli(services, args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(sameText(services.fs.files[file], readData(expected)));
    }
}

// A table SQLite refuses is printed with a warning, or refused with --check.
TEST(SqliteCli, ATableSqliteRefusesIsWarnedOfOrRefusedWithCheck) {
    const std::string warning = "SQLite bu tabloyu kabul etmiyor: near \"order\"";
    CliRun r = runCli({"sqlite-helper", "--column", "order:TEXT"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out, "");
    EXPECT_TRUE(r.err.starts_with(warning)) << r.err;

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
    EXPECT_TRUE(r.err.starts_with(warning)) << r.err;
    EXPECT_TRUE(services.fs.files.empty());
}

}  // namespace
}  // namespace nakkas::test
