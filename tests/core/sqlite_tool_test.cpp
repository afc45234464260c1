// The SQLite tool: the table design, the DatabaseHelper class, the record commands and the
// writer of the saved file.

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "expected_files.h"
#include "message_checks.h"
#include "tools/sqlite_tool/record_commands.h"
#include "tools/sqlite_tool/sqlite_tool.h"
#include "tools/sqlite_tool/text_file_writer.h"

namespace nakkas {
namespace {

using test::readData;
using test::sameText;
using Msg = std::tuple<std::string, std::string, MessageIcon>;

constexpr std::size_t kInteger = 0, kText = 1, kReal = 2, kNvarchar = 9;

struct Tool {
    explicit Tool(std::string version = "2", Language language = Language::Java) {
        state.version = std::move(version);
        tool.emplace(services, state, SqliteStart{"TabloAdim", "Veritabanim.db", "com.paket"},
                     language);
        services.fs.folders.insert("/ev");
    }
    test::FakeServices services;
    SqliteToolState state;
    std::optional<SqliteTool> tool;

    Outcome add(const Column& c) {
        return add(c.name, *columnTypeIndex(c.type), c.primaryKey, c.notNull, c.unique);
    }
    Outcome add(const std::string& name, std::size_t type, bool key = false, bool notNull = false,
                bool unique = false) {
        if (key) tool->setPrimaryKeyBox(true);
        tool->chooseNewType(type);
        std::tie(tool->columnName, tool->notNullBox, tool->uniqueBox) =
            std::tie(name, notNull, unique);
        return tool->addColumn();
    }
    void name(const std::string& package, const std::string& db, const std::string& table) {
        std::tie(tool->packageName, tool->databaseName, tool->tableName) =
            std::tie(package, db, table);
    }
    Msg last() const {
        auto m = services.lastMessage();
        return {m.text, m.caption, m.icon};
    }
};

// The design pane's boxes and the column editor by name, so that a failure names the field.
std::string boxes(const SqliteTool& t) {
    return test::flagsSet({{"save", t.saveEnabled()},
                           {"notNullOn", t.notNullEnabled()},
                           {"uniqueOn", t.uniqueEnabled()},
                           {"key", t.primaryKeyBox},
                           {"notNull", t.notNullBox},
                           {"unique", t.uniqueBox}}) +
           " name=" + t.columnName;
}
std::string editor(const SqliteTool::Editor& e) {
    return "type=" + (e.type ? std::to_string(*e.type) : "none") + " " +
           test::flagsSet({{"enabled", e.enabled},
                           {"key", e.primaryKey},
                           {"notNull", e.notNull},
                           {"unique", e.unique}});
}

TEST(SqliteTable, AddingAndEditingColumns) {
    Tool t;
    SqliteTool& tool = *t.tool;
    const auto warning = [](const char* text) { return Msg(text, "Uyarı", MessageIcon::Warning); };
    tool.columnName = "id";
    EXPECT_TRUE(tool.setPrimaryKeyBox(true).ok());
    EXPECT_FALSE(tool.addColumn().ok());  // the key shows INTEGER, which is not a choice
    EXPECT_EQ(t.last(),
              Msg("Hücre adı boş veya hücre tipi seçilmemiş !", "Hata", MessageIcon::Error));
    EXPECT_EQ(tool.newType(), kInteger);
    EXPECT_EQ(boxes(tool), "key name=id");
    tool.chooseNewType(kInteger);
    ASSERT_TRUE(tool.addColumn().ok());
    EXPECT_EQ(tool.columns().back(), (Column{"id", "INTEGER", true, false, false}));
    EXPECT_EQ(boxes(tool), "save notNullOn uniqueOn name=");
    tool.notNullBox = tool.uniqueBox = true;
    EXPECT_EQ(tool.setPrimaryKeyBox(true).kind, Outcome::Kind::Refused);
    EXPECT_EQ(boxes(tool), "save notNullOn uniqueOn name=");
    EXPECT_EQ(
        t.last(),
        warning("Birincil anahtar zaten belirlenmiş, tekrar birincil anahtar oluşturamazsınız"));
    // One blank is no name, two blanks are one.
    tool.columnName = " ";
    EXPECT_FALSE(tool.addColumn().ok());
    std::tie(tool.columnName, tool.notNullBox) = std::make_tuple("  ", true);
    EXPECT_TRUE(tool.addColumn().ok());
    EXPECT_EQ(tool.columns().back(), (Column{"  ", "INTEGER", false, true, false}));
    EXPECT_FALSE(t.add("", kText).ok());
    ASSERT_TRUE(t.add("ad", kNvarchar, false, true).ok());
    auto& e = tool.editor;
    tool.chooseColumn(2);
    EXPECT_EQ(editor(e), "type=9 enabled notNull");
    std::tie(e.type, e.notNull, e.unique) = std::make_tuple(kReal, false, true);
    EXPECT_TRUE(tool.updateColumn().ok());
    EXPECT_EQ(tool.columns()[2], (Column{"ad", "REAL", false, false, true}));
    EXPECT_EQ(t.services.messages.size(), 4u);
    tool.chooseColumn(0);
    std::tie(e.type, e.notNull) = std::make_tuple(kText, true);
    EXPECT_FALSE(tool.updateColumn().ok());
    EXPECT_EQ(t.last(), warning("Birincil anahtar üzerinde değişiklik yapamazsınız"));
    EXPECT_EQ(tool.columns()[0], (Column{"id", "INTEGER", true, false, false}));
    EXPECT_EQ(editor(e), "type=0 enabled key");  // the editor shows the column as it stayed
    for (int i = 4; i <= 99; ++i) ASSERT_TRUE(t.add("h" + std::to_string(i), kText).ok());
    EXPECT_EQ(t.add("h100", kText).kind, Outcome::Kind::Refused);
    EXPECT_EQ(tool.countLabel() + " / " + tool.columnName, "Toplam 99 hücre var / h100");
    EXPECT_EQ(t.last(), Msg("Tabloya en fazla 99 hücre eklenebilir, yeni hücre eklenemedi.", "Hata",
                            MessageIcon::Error));
}

TEST(DatabaseHelper, ColumnTextsInTheTableStatement) {
    const Column id{"id", "INTEGER", true}, ad{"ad", "TEXT", false, true},
        tel{"tel", "TEXT", false, false, true};
    const std::vector<std::vector<Column>> cases = {
        {id, ad, tel},
        {id},              // a lone key: three blanks before ')'
        {{"ad", "TEXT"}},  // a lone other column: two blanks
        {ad, id, tel},     // a key that is not first
        {{"ad", "TEXT", false, true, true}, {"yas", "INTEGER"}, {"boy", "REAL"}},  // no key
    };
    std::string all;
    for (const auto& c : cases) all += createTableStatement("Kisiler", columnText(c)) + "\n";
    EXPECT_TRUE(sameText(all, readData("sqlite_tool/create_statements.txt")));
}

// Names are escaped for the language's strings ('$' too in Kotlin) and the default package has
// no package line. Kotlin writes its constants in a companion object, and version 1 when none is
// chosen, since the class must compile.
TEST(DatabaseHelper, ClassTexts) {
    const Column id{"id", "INTEGER", true}, ad{"ad", "TEXT", false, true},
        tel{"tel", "TEXT", false, false, true}, no{"no", "INTEGER", true},
        unique{"ad", "TEXT", false, true, true};
    constexpr Language java = Language::Java, kotlin = Language::Kotlin;
    const struct {
        Language language;
        std::string version, package, database, table;
        std::vector<Column> columns;
        std::string file;
    } cases[] = {
        // clang-format off
        {java, "2", "com.zep.rehber", "RehberVT", "Kisiler", {id, ad, tel},
         "sqlite_tool/kisiler_class.bytes"},
        {java, "2", "com.zep.rehber", "C:\\vt.db", "\"my */ table\"",
         {id, {"\"ad soyad\"", "TEXT", false, true}}, "sqlite_tool/quoted_names_class.bytes"},
        {java, "7", "", "Okul.db", "Dersler", {unique, no},
         "sqlite_tool/key_second_no_version_class.bytes"},
        {kotlin, "2", "com.zep.rehber", "RehberVT", "Kisiler", {id, ad, tel},
         "kotlin/sqlite_tool/kisiler_helper.kt"},
        {kotlin, "2", "com.zep.rehber", "C:\\vt$1.db", "\"my table\"",
         {id, {"\"ad $soyad\"", "TEXT", false, true}}, "kotlin/sqlite_tool/quoted_names_helper.kt"},
        {kotlin, "7", "", "Okul.db", "Dersler", {unique, no},
         "kotlin/sqlite_tool/key_second_no_version_helper.kt"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Tool t(c.version, c.language);
        t.name(c.package, c.database, c.table);
        for (const Column& column : c.columns) ASSERT_TRUE(t.add(column).ok());
        EXPECT_TRUE(sameText(t.tool->classText(), readData(c.file)));
    }
}

// Proposed under its language's name; Java is written one byte per character with CR LF, Kotlin
// as UTF-8 with LF alone. Saved twice to one path over a longer file: the last save is all that
// is left.
TEST(DatabaseHelper, SavePress) {
    const std::tuple<Language, std::string, std::string, std::string> languages[] = {
        {Language::Java, "Java Kaynak Kod (*.java)", "DatabaseHelper.java",
         "sqlite_tool/ogrenciler_saved.bytes"},
        {Language::Kotlin, "Kotlin Kaynak Kod (*.kt)", "DatabaseHelper.kt",
         "kotlin/sqlite_tool/ogrenciler_saved.kt"}};
    for (const auto& [language, filter, name, expected] : languages) {
        SCOPED_TRACE(name);
        Tool t("2", language);
        SqliteTool& tool = *t.tool;
        EXPECT_EQ(tool.version(), 1u);
        tool.save();
        EXPECT_EQ(t.last(), Msg("Listede hiç hücre yok...", "Hata", MessageIcon::Warning));
        EXPECT_TRUE(t.services.dialogs.empty());

        t.name("com.zep.okul", "Okul€.db", "Öğrenciler");
        t.add("numara", kInteger, true);
        t.add("adı", kText, false, true);
        t.add("şube", kText);
        EXPECT_EQ(tool.columnListCaption(), "\"Öğrenciler\" tablosu hücreleri:");
        tool.chooseVersion(0);
        EXPECT_EQ(tool.save().kind, Outcome::Kind::Cancelled);
        ASSERT_EQ(t.services.dialogs.size(), 1u);
        const auto& d = t.services.dialogs[0];
        EXPECT_EQ(d.title + " | " + d.filter + " | " + d.proposedName + "." + d.suffix,
                  "Veritabanı Oluşturma Sınıfı - KAYDET | " + filter + " | " + name);
        EXPECT_TRUE(t.services.fs.files.empty());
        t.services.fs.files["/ev/" + name] = std::string(5000, 'x');
        t.services.savePaths = {"/ev/" + name, "/ev/" + name};
        EXPECT_TRUE(tool.save().ok());
        tool.chooseVersion(2);
        EXPECT_EQ(t.state.version, "3");
        EXPECT_TRUE(tool.save().ok());
        EXPECT_TRUE(sameText(t.services.fs.files.at("/ev/" + name), readData(expected)));
        EXPECT_EQ(t.last(), Msg("Dosya Kaydedildi...", "Bilgi", MessageIcon::Information));
        EXPECT_TRUE(t.services.writeLog.empty());  // the version is kept in memory only
    }
    // An unlisted stored version selects nothing, and saving stores that nothing.
    Tool other("7");
    EXPECT_EQ(other.tool->version(), std::nullopt);
    EXPECT_EQ(other.tool->versionText() + "/" + other.state.version, "/7");
    other.add("no", kInteger, true);
    EXPECT_EQ(other.tool->save().kind, Outcome::Kind::Cancelled);
    EXPECT_EQ(other.state.version, "");
}

// SQLite judges the table before anything is saved, and the table it makes must be the one
// designed; Yes to its question saves anyway.
TEST(DatabaseHelper, SqliteChecksTheTable) {
    const std::string differs = "SQLite bu tabloyu tasarımdan farklı okuyor: ";
    const std::vector<std::array<std::string, 3>> cases = {
        {"Kisiler", "ad", ""},  // empty: accepted
        {"\"Kişi Listesi\"", "[ad soyad]", ""},
        {"Kisiler", "a b", differs + "1. hücrenin adı SQLite için \"a\", tasarımda \"a b\""},
        {"Kisiler", "   ", differs + "1. hücrenin adı SQLite için \"TEXT\", tasarımda \"   \""},
        {"t(a INTEGER) --", "ad",
         differs + "tablonun adı SQLite için \"t\", tasarımda \"t(a INTEGER) --\""},
        {"Kisi Listesi", "ad", "near \"Listesi\": syntax error"},
        {"Kisiler", "ad TEXT); DROP TABLE x; --", "tek bir komut bekleniyordu"},
    };
    for (const bool yes : {false, true}) {
        for (const auto& [table, column, sqliteSays] : cases) {
            SCOPED_TRACE(table + " / " + column + (yes ? " / Yes" : ""));
            Tool t;
            t.tool->tableName = table;
            t.add(column, kText);
            t.services.savePaths = {"/ev/DatabaseHelper.java"};
            if (yes) t.services.answers = {MessageAnswer::Yes};
            const bool asked = !sqliteSays.empty(), saved = !asked || yes;
            EXPECT_EQ(t.tool->save().ok(), saved);
            EXPECT_EQ(t.services.dialogs.size(), saved ? 1u : 0u);
            EXPECT_EQ(t.services.fs.files.size(), saved ? 1u : 0u);
            ASSERT_EQ(t.services.messages.size(), asked && yes ? 2u : 1u);
            if (!asked) continue;
            const auto& m = t.services.messages[0];
            EXPECT_EQ(std::tie(m.caption, m.icon, m.buttons),
                      std::make_tuple("Uyarı", MessageIcon::Warning, MessageButtons::YesNo));
            EXPECT_NE(m.text.find(sqliteSays), std::string::npos) << m.text;
            EXPECT_NE(m.text.find("Yine de kaydetmek istiyor musunuz?"), std::string::npos);
        }
    }
}

using G = RecordCommands::Group;

struct Builders {
    explicit Builders(Language language = Language::Java) : rc(services, language) {}
    test::FakeServices services;
    RecordCommands rc;

    Outcome press(G g, const std::string& column, const std::string& variable,
                  bool editText = false, const std::string& table = "Kisiler",
                  const std::string& key = "id") {
        rc.chooseColumn(g, column);
        rc.setEditText(g, editText);
        if (!editText || variable != "editText1") rc.group(g).variable = variable;
        return rc.press(g, table, key);
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
    EXPECT_EQ("result=" + s.result + " variable=" + s.variable + " column=" + s.chosenColumn + " " +
                  test::flagsSet({{"editText", s.editText},
                                  {"includeOn", s.includeEnabled},
                                  {"included", s.included}}),
              "result= variable= column=b included");
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

// The compiled texts as the code panel gets them. Kotlin: every group with the presses the Java
// cases above make, once with every notification and once without. Quotes, backslashes and '$'
// in table, key and column names must not end or change the strings they stand in.
TEST(RecordCommands, CompiledTexts) {
    using Presses = std::vector<std::pair<const char*, const char*>>;  // column, variable
    const auto pressAll = [](Builders& b, G g, const Presses& presses,
                             const std::string& table = "Kisiler", const std::string& key = "id") {
        for (const auto& [column, variable] : presses) {
            const bool editText = std::string_view(variable).starts_with("editText");
            EXPECT_TRUE(b.press(g, column, variable, editText, table, key).ok());
        }
        b.rc.setIncluded(g, true);
    };
    const auto quoted = [&](const char* column, const char* key,
                            std::vector<std::pair<G, const char*>> presses) {
        return [=](Builders& b) {
            for (const auto& [g, variable] : presses)
                pressAll(b, g, {{column, variable}}, "\"my table\"", key);
            EXPECT_TRUE(b.rc.pressDelete("\"my table\"", key).ok());
            b.rc.setIncluded(G::Delete, true);
            b.rc.countRecords = true;
        };
    };
    constexpr Language java = Language::Java, kotlin = Language::Kotlin;
    const std::tuple<Language, const char*, const char*, std::function<void(Builders&)>> cases[] = {
        {java, "sqlite_tool/quoted_names_commands.txt", "\"my table\"",
         quoted("a\"b", "\"k\"", {{G::Insert, "adKutusu"}, {G::Update, "yeniAd"}})},
        {kotlin, "kotlin/sqlite_tool/quoted_names_commands.txt", "Kisiler",
         quoted("a\"b$c", "\"k$\"",
                {{G::Insert, "editText1"}, {G::Update, "telefon"}, {G::Show, "textView1"}})},
        {kotlin, "kotlin/sqlite_tool/compile_intro.txt", "Kisiler", [](Builders&) {}},
        {kotlin, "kotlin/sqlite_tool/compile_all.txt", "Kisiler",
         [&](Builders& b) {
             pressAll(b, G::Show, {{"a", "textView1"}, {"b", "textView2"}, {"b", "textView2"}});
             pressAll(b, G::Update, {{"ad", "editText1"}, {"tel", "telefon"}});
             pressAll(b, G::Insert, {{"ad", "editText1"}, {"soyad", "editText2"}});
             for (int i = 0; i < 2; ++i) b.rc.pressDelete("Kisiler", "id");
             b.rc.setIncluded(G::Delete, true);
             b.rc.group(G::Update).result += "// elle eklenen satır\r\n";
             b.rc.countRecords = true;
         }},
        {kotlin, "kotlin/sqlite_tool/compile_quiet.txt", "Kisiler",
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
    };
    for (const auto& [language, file, table, script] : cases) {
        SCOPED_TRACE(file);
        Builders b(language);
        script(b);
        EXPECT_TRUE(sameText(b.rc.compile(table), test::readDataCrLf(file)));
    }
}

TEST(TextFileWriter, WritesOneBytePerCharacterWithCrLf) {
    test::FakeServices s;
    // Turkish letters, Latin-1, the euro, an emoji, a stray byte and every line end.
    ASSERT_TRUE(writeTextFile(s, "/DatabaseHelper.java",
                              "a\r\nb\nc\rd ĞİŞğış çöüÇÖÜé €😀\xff"
                              "ÿ\n"));
    EXPECT_TRUE(test::sameText(s.fs.files.at("/DatabaseHelper.java"),
                               test::readData("sqlite_tool/writer_sample.bytes")));
    EXPECT_TRUE(s.messages.empty());
    EXPECT_EQ(textFileBytes(""), "");
}

TEST(TextFileWriter, AFileThatCannotBeCreatedIsReportedAndNothingIsWritten) {
    test::FakeServices s;
    s.fs.folders.insert("/korumali");
    s.fs.cannotCreate.insert("/korumali/DatabaseHelper.java");
    for (const char* path : {"/yok/DatabaseHelper.java", "/korumali/DatabaseHelper.java"}) {
        SCOPED_TRACE(path);
        s.messages.clear();
        EXPECT_FALSE(writeTextFile(s, path, "package a;\n"));
        ASSERT_EQ(s.messages.size(), 1u);
        test::expectMessage(
            s.lastMessage(),
            "Dosya oluşturulamadı, klasör korumalı veya yerinde yok\nNOT:Eclipse ye ait projects "
            "dizinine kayıt yapmaya çalıştığınızda da bu hatayı alırsınız. Bu hatayı almamak için "
            "ZEP klasörü olarak belirleyeceğiniz yer bilgisayarınızda herhangibir korumasız "
            "klasör olmalıdır.",
            "Hata", MessageIcon::None);
    }
    EXPECT_TRUE(s.fs.files.empty());
}

}  // namespace
}  // namespace nakkas
