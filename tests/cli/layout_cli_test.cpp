#include <gtest/gtest.h>

#include "expected_files.h"
#include "run_cli.h"

namespace nakkas::test {
namespace {

std::string layout(const std::string& name) {
    return dataPath("layout_to_code/" + name).string();
}

TEST(LayoutCli, PrintsWhatTheDialogWritesWithItsOptions) {
    CliHome home;
    struct Case {
        std::vector<std::string> args;
        const char* expected;
    };
    const Case cases[] = {
        {{"layout", layout("sample/ana_ekran.xml")}, "ana_ekran_id_final.txt"},
        {{"layout", layout("sample/ana_ekran.xml"), "--style", "camel", "--access=--Boş--",
          "--no-listener"},
         "ana_ekran_camel_bos.txt"},
        {{"layout", layout("sample/ana_ekran.xml"), "--style=m", "--only", "android:list", "--only",
          "spn_sehir", "--skip", "spn_sehir"},
         "ana_ekran_liste.txt"},
        {{"layout", layout("eksik/ekran.xml"), "--style", "camel", "--access", "protected"},
         "eksik_ekran.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        const CliResult r = home.run(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(sameText(r.out, readDataCrLf(std::string("layout_to_code/") + c.expected)));
    }
    // The notes go to standard error, so the printed text stays exactly the panel's.
    EXPECT_NE(
        home.run({"layout", layout("sample/ana_ekran.xml")}).err.find("Tekrarlanan 1 id atlandı"),
        std::string::npos);
    EXPECT_NE(home.run({"layout", layout("eksik/ekran.xml")})
                  .err.find("Bulunamayan include: arac_cubugu"),
              std::string::npos);
}

// Which inputs the reader refuses is the core's test; here the exit status and where the
// message goes.
TEST(LayoutCli, RefusalsAndUsageErrors) {
    CliHome home;
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"layout", layout("bozuk.xml")},
         "bozuk.xml geçerli bir XML dosyası değil: satır 7, sütun 3"},
        {{"layout", layout("sample/ana_ekran.xml"), "--only", "btn_yok"},
         "Layout'ta böyle bir id yok: btn_yok"},
        {{"layout", layout("eksik/ekran.xml"), "--skip", "ses_duzeyi"},
         "Kod üretmek için listeden en az bir görünüm seçin."},
    };
    for (const auto& [args, message] : refused) {
        SCOPED_TRACE(message);
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"layout"},
             {"layout", layout("eksik/ekran.xml"), layout("bozuk.xml")},
             {"layout", layout("sample/ana_ekran.xml"), "--style", "pascal"},
             {"layout", layout("sample/ana_ekran.xml"), "--access", "Final"}})
        EXPECT_EQ(home.run(args).status, 2) << args.back();
}

}  // namespace
}  // namespace nakkas::test
