#include <gtest/gtest.h>

#include <tuple>

#include "expected_files.h"
#include "run_cli.h"

namespace nakkas::test {
namespace {

using Argv = std::vector<std::string>;

std::string layout(const std::string& name) {
    return dataPath("layout_to_code/" + name).string();
}

// The notes go to standard error, so the printed text stays exactly the panel's.
TEST(LayoutCli, PrintsWhatTheDialogWritesWithItsOptions) {
    CliHome home;
    const std::string sample = layout("sample/ana_ekran.xml"), eksik = layout("eksik/ekran.xml");
    const std::tuple<Argv, std::string, std::string> cases[] = {
        {{"layout", sample}, "ana_ekran_id_final.txt", "Tekrarlanan 1 id atlandı"},
        {{"layout", sample, "--style", "camel", "--access=--Boş--", "--no-listener"},
         "ana_ekran_camel_bos.txt",
         ""},
        {{"layout", sample, "--style=m", "--only", "android:list", "--only", "spn_sehir", "--skip",
          "spn_sehir"},
         "ana_ekran_liste.txt",
         ""},
        {{"layout", eksik, "--style", "camel", "--access", "protected"},
         "eksik_ekran.txt",
         "Bulunamayan include: arac_cubugu"},
    };
    for (const auto& [args, expected, note] : cases) {
        SCOPED_TRACE(expected);
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(sameText(r.out, readDataCrLf("layout_to_code/" + expected)));
        EXPECT_NE(r.err.find(note), std::string::npos) << r.err;
    }
}

// Which inputs the reader refuses is the core's test; here the exit status and where the
// message goes. No message: a usage error.
TEST(LayoutCli, RefusalsAndUsageErrors) {
    CliHome home;
    const std::string sample = layout("sample/ana_ekran.xml"), eksik = layout("eksik/ekran.xml");
    const std::pair<Argv, std::string> cases[] = {
        {{"layout", layout("bozuk.xml")},
         "bozuk.xml geçerli bir XML dosyası değil: satır 7, sütun 3"},
        {{"layout", sample, "--only", "btn_yok"}, "Layout'ta böyle bir id yok: btn_yok"},
        {{"layout", eksik, "--skip", "ses_duzeyi"},
         "Kod üretmek için listeden en az bir görünüm seçin."},
        {{"layout"}, ""},
        {{"layout", eksik, layout("bozuk.xml")}, ""},
        {{"layout", sample, "--style", "pascal"}, ""},
        {{"layout", sample, "--access", "Final"}, ""},
    };
    for (const auto& [args, message] : cases) {
        SCOPED_TRACE(args.back());
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, message.empty() ? 2 : 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace nakkas::test
