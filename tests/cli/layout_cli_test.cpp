#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <tuple>

#include "cli_runner.h"
#include "expected_files.h"

namespace nakkas::test {
namespace {

// The command line with each short name replaced by its file under tests/data.
std::vector<std::string> layoutArgs(const std::string& line) {
    const std::map<std::string, std::string> files{
        {"S", "sample/ana_ekran.xml"}, {"E", "eksik/ekran.xml"}, {"B", "bozuk.xml"}};
    std::vector<std::string> args{"layout"};
    std::istringstream in(line);
    for (std::string w; in >> w;)
        args.push_back(files.count(w) ? dataPath("layout_to_code/" + files.at(w)).string() : w);
    return args;
}

// Notes go to standard error, so the printed text stays exactly the panel's.
TEST(LayoutCli, PrintsThePanelText) {
    const char* repeated = "Tekrarlanan 1 id atlandı; her id ilk geçtiği yerde listelenir.\n";
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"ana_ekran_camel_bos.txt", repeated, "S --style camel --access=--Boş-- --no-listener"},
        {"ana_ekran_liste.txt", repeated,
         "S --style=m --only android:list --only spn_sehir --skip spn_sehir"},
        {"eksik_ekran.txt", "Bulunamayan include: arac_cubugu\n",
         "E --style camel --access protected"},
        {"../kotlin/layout_to_code/ana_ekran_m_static.kt", repeated,
         "S --lang kotlin --style m --access static --only btn_kaydet --only android:list "
         "--only progress_yukleme"},
    };
    for (const auto& [expected, notes, line] : cases) {
        SCOPED_TRACE(line);
        const CliRun r = runCli(layoutArgs(line));
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, notes);
        EXPECT_TRUE(sameText(r.out, readDataCrLf(std::string("layout_to_code/") + expected)));
    }
}

TEST(LayoutCli, RefusalsAndUsageErrors) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {1, "bozuk.xml geçerli bir XML", "B"},
        {1, "Layout'ta böyle bir id yok: btn_yok", "S --only btn_yok"},
        {1, "Kod üretmek için", "E --skip ses_duzeyi"},
        {2, "", ""},
        {2, "", "E B"},
        {2, "", "S --style pascal"},
        {2, "", "S --access Final"},
    };
    for (const auto& [status, message, line] : cases) {
        SCOPED_TRACE(line);
        FakeServices services;
        const CliRun r = runCli(services, layoutArgs(line));
        EXPECT_EQ(r.status, status);
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(services.lastMessage().text.starts_with(message))
            << services.lastMessage().text;
        EXPECT_EQ(services.messages.empty(), status == 2);
        if (status == 2) {
            EXPECT_TRUE(r.err.starts_with("nakkas-cli layout: ")) << r.err;
        }
    }
}

}  // namespace
}  // namespace nakkas::test
