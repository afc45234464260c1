#include <gtest/gtest.h>

#include <filesystem>

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

    for (const std::string& bytes :
         {std::string("\x00\x01\xff\xfe\x89PNG\r\n\x1a\n\x00\x00", 13),
          std::string("[Varsayilanlar\nPaketAdi=bozuk\n")}) {
        home.writeSettings(bytes);
        r = home.run({"defaults"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, factory);
    }
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
    EXPECT_TRUE(
        r.out.starts_with("ActivityAdi=Ağaçİşleri\nPaketAdi=com.example.uygulamaadiniz\n"));
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
