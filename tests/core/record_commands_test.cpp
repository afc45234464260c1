#include "tools/sqlite_tool/record_commands.h"

#include <gtest/gtest.h>

#include <functional>

#include "expected_files.h"
#include "message_checks.h"

namespace nakkas {
namespace {

using test::sameText;
using G = RecordCommands::Group;

struct Builders {
    explicit Builders(Language language = Language::Java) : rc(services, language) {}
    test::FakeServices services;
    RecordCommands rc;

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

// The Kotlin record commands, compiled as the code panel gets them: every group with the presses
// the Java cases above make, once with every notification and once without.
TEST(RecordCommands, KotlinTexts) {
    const auto pressAll = [](Builders& b, G g, std::vector<std::pair<const char*, const char*>> p) {
        for (const auto& [column, variable] : p)
            b.press(g, column, variable, std::string_view(variable).starts_with("editText"));
        b.rc.setIncluded(g, true);
    };
    const std::pair<const char*, std::function<void(Builders&)>> cases[] = {
        {"compile_intro.txt", [](Builders&) {}},
        {"compile_all.txt",
         [&](Builders& b) {
             pressAll(b, G::Show, {{"a", "textView1"}, {"b", "textView2"}, {"b", "textView2"}});
             pressAll(b, G::Update, {{"ad", "editText1"}, {"tel", "telefon"}});
             pressAll(b, G::Insert, {{"ad", "editText1"}, {"soyad", "editText2"}});
             for (int i = 0; i < 2; ++i) b.rc.pressDelete("Kisiler", "id");
             b.rc.setIncluded(G::Delete, true);
             b.rc.group(G::Update).result += "// elle eklenen satır\r\n";
             b.rc.countRecords = true;
         }},
        {"compile_quiet.txt",
         [&](Builders& b) {
             pressAll(b, G::Insert, {{"ad", "editText1"}});
             b.rc.insertClear = b.rc.insertNotify = b.rc.updateNotify = b.rc.deleteNotify = false;
             pressAll(b, G::Insert, {{"soyad", "telefon"}});
             pressAll(b, G::Update, {{"tel", "telefon"}});
             pressAll(b, G::Show, {{"a", "textView2"}});
             b.rc.reset(G::Show);
             pressAll(b, G::Show, {{"d", "textView1"}});
             b.rc.pressDelete("Kisiler", "id");
             b.rc.setIncluded(G::Delete, true);
         }},
        // Quotes, backslashes and '$' in names must not end or change the Kotlin strings.
        {"quoted_names_commands.txt",
         [](Builders& b) {
             const std::pair<G, const char*> presses[] = {
                 {G::Insert, "editText1"}, {G::Update, "telefon"}, {G::Show, "textView1"}};
             for (const auto& [g, variable] : presses) {
                 b.rc.chooseColumn(g, "a\"b$c");
                 b.rc.setEditText(g, g == G::Insert);
                 b.rc.setVariable(g, variable);
                 ASSERT_TRUE(b.rc.press(g, "\"my table\"", "\"k$\"").ok());
                 b.rc.setIncluded(g, true);
             }
             ASSERT_TRUE(b.rc.pressDelete("\"my table\"", "\"k$\"").ok());
             b.rc.setIncluded(G::Delete, true);
             b.rc.countRecords = true;
         }},
    };
    for (const auto& [file, script] : cases) {
        SCOPED_TRACE(file);
        Builders b(Language::Kotlin);
        script(b);
        EXPECT_TRUE(sameText(b.rc.compile("Kisiler"),
                             test::readDataCrLf(std::string("kotlin/sqlite_tool/") + file)));
    }
}

}  // namespace
}  // namespace nakkas
