#include "tools/sqlite_tool/record_commands.h"

#include <gtest/gtest.h>

#include "expected_files.h"
#include "fake_services.h"

namespace nakkas {
namespace {

using test::FakeServices;
using test::readDataCrLf;
using test::sameText;
using G = RecordCommands::Group;

struct Builders {
    FakeServices services;
    RecordCommands rc{services};
    std::string table = "Kisiler", key = "id";

    Outcome press(G g, const std::string& column, const std::string& variable,
                  bool editText = false) {
        rc.chooseColumn(g, column);
        rc.setEditText(g, editText);
        if (!editText || variable != "editText1") rc.group(g).variable = variable;
        return rc.press(g, table, key);
    }
};

TEST(RecordCommands, InsertAccumulatesAndReadsItsBoxesAtEachPress) {
    Builders b;
    EXPECT_FALSE(b.rc.group(G::Insert).includeEnabled);
    b.press(G::Insert, "ad", "editText1", true);
    EXPECT_EQ(b.rc.group(G::Insert).variable, "editText1");
    b.press(G::Insert, "soyad", "editText2", true);
    EXPECT_TRUE(sameText(b.rc.group(G::Insert).result, readDataCrLf("sqlite_tool/insert_two.txt")));
    EXPECT_TRUE(b.rc.group(G::Insert).includeEnabled);

    Builders quiet;
    quiet.press(G::Insert, "ad", "editText1", true);
    quiet.rc.insertClear = false;
    quiet.rc.insertNotify = false;
    quiet.press(G::Insert, "soyad", "soyadKutusu");
    EXPECT_TRUE(sameText(quiet.rc.group(G::Insert).result,
                         readDataCrLf("sqlite_tool/insert_two_quiet.txt")));
}

TEST(RecordCommands, Update) {
    Builders b;
    b.press(G::Update, "ad", "editText1", true);
    b.press(G::Update, "tel", "telefon");
    EXPECT_TRUE(sameText(b.rc.group(G::Update).result, readDataCrLf("sqlite_tool/update_two.txt")));
}

TEST(RecordCommands, ShowRepeatsAColumnAndStartsOverAfterReset) {
    Builders b;
    b.press(G::Show, "a", "ta");
    b.press(G::Show, "b", "tb");
    b.press(G::Show, "b", "tb");
    EXPECT_TRUE(sameText(b.rc.group(G::Show).result, readDataCrLf("sqlite_tool/show_repeat.txt")));

    b.rc.setEditText(G::Show, true);
    b.rc.setIncluded(G::Show, true);
    b.rc.reset(G::Show);
    const auto& show = b.rc.group(G::Show);
    EXPECT_EQ(show.result, "");
    EXPECT_EQ(show.variable, "");
    EXPECT_FALSE(show.editText);
    EXPECT_FALSE(show.includeEnabled);
    EXPECT_TRUE(show.included);         // disabled, still checked
    EXPECT_EQ(show.chosenColumn, "b");  // the selection stays
    b.press(G::Show, "d", "td");
    EXPECT_TRUE(sameText(show.result, readDataCrLf("sqlite_tool/show_after_reset.txt")));
}

TEST(RecordCommands, DeleteNeedsAKeyAndRewritesItsBox) {
    Builders b;
    b.key = "";
    EXPECT_FALSE(b.rc.pressDelete(b.table, b.key).ok());
    EXPECT_EQ(b.services.lastMessage().text,
              "Sil örneklemesi için birincil anahtara sahip bir tablo olması gerekiyor");
    EXPECT_EQ(b.services.lastMessage().caption, "Hata");
    EXPECT_EQ(b.services.lastMessage().icon, MessageIcon::Error);
    EXPECT_FALSE(b.rc.group(G::Delete).includeEnabled);
    EXPECT_EQ(b.rc.group(G::Delete).result, "");

    EXPECT_TRUE(b.rc.pressDelete("Kisiler", "id").ok());
    EXPECT_TRUE(b.rc.pressDelete("Kisiler", "id").ok());
    EXPECT_TRUE(b.rc.group(G::Delete).includeEnabled);
    EXPECT_TRUE(
        sameText(b.rc.group(G::Delete).result, readDataCrLf("sqlite_tool/delete_notify.txt")));
    b.rc.deleteNotify = false;
    b.rc.pressDelete("Kisiler", "id");
    EXPECT_TRUE(
        sameText(b.rc.group(G::Delete).result, readDataCrLf("sqlite_tool/delete_quiet.txt")));
}

TEST(RecordCommands, PressWithoutColumnOrVariableIsRefused) {
    for (const G g : {G::Insert, G::Update, G::Show}) {
        for (const auto& [column, variable] :
             std::vector<std::pair<std::string, std::string>>{{"", "v"}, {"ad", ""}}) {
            Builders b;
            b.rc.chooseColumn(g, column);
            b.rc.group(g).variable = variable;
            EXPECT_FALSE(b.rc.press(g, b.table, b.key).ok());
            EXPECT_EQ(b.services.lastMessage().text,
                      "Kullanılacak hücre seçilmemiş veya Degisken/Nesne adı boş bırakılmış");
            EXPECT_EQ(b.services.lastMessage().icon, MessageIcon::Error);
            EXPECT_EQ(b.rc.group(g).result, "");
            EXPECT_FALSE(b.rc.group(g).includeEnabled);
        }
    }
}

TEST(RecordCommands, CompileJoinsTheIncludedGroupsInFixedOrder) {
    Builders none;
    EXPECT_FALSE(none.rc.compileEnabled());
    EXPECT_TRUE(
        sameText(none.rc.compile("Kisiler"), readDataCrLf("sqlite_tool/compile_intro.txt")));

    // The count box alone does not enable compiling; a checked-then-unchecked inclusion does.
    Builders count;
    count.rc.countRecords = true;
    EXPECT_FALSE(count.rc.compileEnabled());
    count.rc.setIncluded(G::Update, true);
    count.rc.setIncluded(G::Update, false);
    EXPECT_TRUE(count.rc.compileEnabled());
    EXPECT_TRUE(
        sameText(count.rc.compile("Kisiler"), readDataCrLf("sqlite_tool/compile_count_only.txt")));

    // Checked in reverse order; a hand edit in a result box goes through unchanged.
    Builders all;
    all.press(G::Insert, "ad", "adKutusu");
    all.press(G::Update, "ad", "yeniAd");
    all.press(G::Show, "ad", "adGoster");
    all.rc.pressDelete("Kisiler", "id");
    all.rc.group(G::Update).result += "// elle eklenen satır\r\n";
    all.rc.countRecords = true;
    for (const G g : {G::Delete, G::Show, G::Update, G::Insert}) all.rc.setIncluded(g, true);
    EXPECT_TRUE(sameText(all.rc.compile("Kisiler"), readDataCrLf("sqlite_tool/compile_all.txt")));
}

}  // namespace
}  // namespace nakkas
