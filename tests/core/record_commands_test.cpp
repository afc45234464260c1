#include "tools/sqlite_tool/record_commands.h"

#include <gtest/gtest.h>

#include "expected_files.h"
#include "message_checks.h"

namespace nakkas {
namespace {

using test::sameText;
using G = RecordCommands::Group;

struct Builders {
    test::FakeServices services;
    RecordCommands rc{services};

    Outcome press(G g, const std::string& column, const std::string& variable,
                  bool editText = false) {
        rc.chooseColumn(g, column);
        rc.setEditText(g, editText);
        if (!editText || variable != "editText1") rc.group(g).variable = variable;
        return rc.press(g, "Kisiler", "id");
    }
    ::testing::AssertionResult shows(G g, const std::string& file) const {
        return sameText(rc.group(g).result, test::readDataCrLf("sqlite_tool/" + file));
    }
    ::testing::AssertionResult compiles(const std::string& file) {
        return sameText(rc.compile("Kisiler"), test::readDataCrLf("sqlite_tool/" + file));
    }
};

// Each group keeps its own box; pressing again reads the boxes as they stand then.
TEST(RecordCommands, PressesAccumulateAndReadTheirBoxesEachTime) {
    Builders b;
    b.press(G::Insert, "ad", "editText1", true);
    b.press(G::Insert, "soyad", "editText2", true);
    EXPECT_TRUE(b.shows(G::Insert, "insert_two.txt"));
    EXPECT_TRUE(b.rc.group(G::Insert).includeEnabled);
    b.press(G::Update, "ad", "editText1", true);
    b.press(G::Update, "tel", "telefon");
    EXPECT_TRUE(b.shows(G::Update, "update_two.txt"));
    for (int i = 0; i < 2; ++i) b.rc.pressDelete("Kisiler", "id");  // rewrites the box
    EXPECT_TRUE(b.shows(G::Delete, "delete_notify.txt"));
    b.rc.deleteNotify = false;
    b.rc.pressDelete("Kisiler", "id");
    EXPECT_TRUE(b.shows(G::Delete, "delete_quiet.txt"));

    for (const char* column : {"a", "b", "b"}) b.press(G::Show, column, std::string("t") + column);
    EXPECT_TRUE(b.shows(G::Show, "show_repeat.txt"));
    b.rc.setEditText(G::Show, true);
    b.rc.setIncluded(G::Show, true);
    b.rc.reset(G::Show);
    const auto& s = b.rc.group(G::Show);  // still checked though disabled; the selection stays
    EXPECT_EQ(s.result, "");
    EXPECT_EQ(s.variable, "");
    EXPECT_FALSE(s.editText);
    EXPECT_FALSE(s.includeEnabled);
    EXPECT_TRUE(s.included);
    EXPECT_EQ(s.chosenColumn, "b");
    b.press(G::Show, "d", "td");
    EXPECT_TRUE(b.shows(G::Show, "show_after_reset.txt"));

    Builders quiet;
    quiet.press(G::Insert, "ad", "editText1", true);
    quiet.rc.insertClear = quiet.rc.insertNotify = false;
    quiet.press(G::Insert, "soyad", "soyadKutusu");
    EXPECT_TRUE(quiet.shows(G::Insert, "insert_two_quiet.txt"));
}

TEST(RecordCommands, RefusedPressesLeaveTheGroupEmpty) {
    Builders b;
    const auto refused = [&](G g, const char* text) {
        test::expectMessage(b.services.lastMessage(), text, "Hata", MessageIcon::Error);
        EXPECT_EQ(b.rc.group(g).result, "");
        EXPECT_FALSE(b.rc.group(g).includeEnabled);
    };
    EXPECT_FALSE(b.rc.pressDelete("Kisiler", "").ok());
    refused(G::Delete, "Sil örneklemesi için birincil anahtara sahip bir tablo olması gerekiyor");
    for (const G g : {G::Insert, G::Update, G::Show}) {
        for (const auto& [column, variable] : {std::pair{"", "v"}, std::pair{"ad", ""}}) {
            EXPECT_FALSE(b.press(g, column, variable).ok());
            refused(g, "Kullanılacak hücre seçilmemiş veya Degisken/Nesne adı boş bırakılmış");
        }
    }
}

TEST(RecordCommands, CompileJoinsTheIncludedGroupsInFixedOrder) {
    Builders b;
    EXPECT_FALSE(b.rc.compileEnabled());
    EXPECT_TRUE(b.compiles("compile_intro.txt"));
    b.rc.countRecords = true;  // alone, it does not enable compiling; an unchecked inclusion does
    EXPECT_FALSE(b.rc.compileEnabled());
    for (const bool on : {true, false}) b.rc.setIncluded(G::Update, on);
    EXPECT_TRUE(b.rc.compileEnabled());
    EXPECT_TRUE(b.compiles("compile_count_only.txt"));
    // Checked in reverse order; a hand edit in a result box goes through unchanged.
    b.press(G::Insert, "ad", "adKutusu");
    b.press(G::Update, "ad", "yeniAd");
    b.press(G::Show, "ad", "adGoster");
    b.rc.pressDelete("Kisiler", "id");
    b.rc.group(G::Update).result += "// elle eklenen satır\r\n";
    for (const G g : {G::Delete, G::Show, G::Update, G::Insert}) b.rc.setIncluded(g, true);
    EXPECT_TRUE(b.compiles("compile_all.txt"));
}

// Quotes in table, key and column names must not end the Java strings they stand in.
TEST(RecordCommands, NamesInStringsAreEscaped) {
    Builders b;
    for (const auto& [g, variable] : {std::pair{G::Insert, "adKutusu"}, {G::Update, "yeniAd"}}) {
        b.rc.chooseColumn(g, "a\"b");
        b.rc.setVariable(g, variable);
        ASSERT_TRUE(b.rc.press(g, "\"my table\"", "\"k\"").ok());
        b.rc.setIncluded(g, true);
    }
    ASSERT_TRUE(b.rc.pressDelete("\"my table\"", "\"k\"").ok());
    b.rc.setIncluded(G::Delete, true);
    b.rc.countRecords = true;
    EXPECT_TRUE(sameText(b.rc.compile("\"my table\""),
                         test::readDataCrLf("sqlite_tool/quoted_names_commands.txt")));
}

}  // namespace
}  // namespace nakkas
