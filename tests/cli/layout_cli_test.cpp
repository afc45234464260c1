#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <tuple>

#include "expected_files.h"
#include "run_cli.h"

namespace nakkas::test {
namespace {

// Notes and refusals go to standard error, so the printed text stays exactly the panel's;
// status 0 prints the expected file, and a usage error has no message of its own.
TEST(LayoutCli, PrintsThePanelTextAndRefusesWithItsStatus) {
    CliHome home;
    const std::map<std::string, std::string> files{
        {"S", "sample/ana_ekran.xml"}, {"E", "eksik/ekran.xml"}, {"B", "bozuk.xml"}};
    const std::tuple<int, const char*, const char*, const char*> cases[] = {
        {0, "ana_ekran_camel_bos.txt", "", "S --style camel --access=--Boş-- --no-listener"},
        {0, "ana_ekran_liste.txt", "",
         "S --style=m --only android:list --only spn_sehir --skip spn_sehir"},
        {0, "eksik_ekran.txt", "Bulunamayan include: arac_cubugu",
         "E --style camel --access protected"},
        {1, "", "bozuk.xml geçerli bir XML", "B"},
        {1, "", "Layout'ta böyle bir id yok", "S --only btn_yok"},
        {1, "", "Kod üretmek için", "E --skip ses_duzeyi"},
        {2, "", "", ""},
        {2, "", "", "E B"},
        {2, "", "", "S --style pascal"},
        {2, "", "", "S --access Final"},
    };
    for (const auto& [status, expected, message, line] : cases) {
        SCOPED_TRACE(line);
        std::vector<std::string> args{"layout"};
        std::istringstream in(line);
        for (std::string w; in >> w;)
            args.push_back(files.count(w) ? dataPath("layout_to_code/" + files.at(w)).string() : w);
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, status) << r.err;
        EXPECT_TRUE(
            sameText(r.out, status ? "" : readDataCrLf(std::string("layout_to_code/") + expected)));
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace nakkas::test
