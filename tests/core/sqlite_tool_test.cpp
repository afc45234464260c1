#include "tools/sqlite_tool/sqlite_tool.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/defaults.h"
#include "expected_files.h"
#include "fake_services.h"

namespace nakkas {
namespace {

using test::FakeServices;
using test::readData;
using test::sameText;

constexpr std::size_t kInteger = 0, kText = 1, kReal = 2, kNvarchar = 9;

struct Tool {
    explicit Tool(std::string version = "2") {
        defaults.VTVersiyon = std::move(version);
        tool.emplace(services, defaults);
    }
    FakeServices services;
    Defaults defaults = Defaults::factory();
    std::optional<SqliteTool> tool;

    // Types a column into the form and presses "Listeye Ekle".
    Outcome add(const std::string& name, std::size_t type, bool key = false, bool notNull = false,
                bool unique = false) {
        SqliteTool& t = *tool;
        if (key) t.clickPrimaryKey(true);
        t.chooseNewType(type);
        t.columnName = name;
        t.notNullBox = notNull;
        t.uniqueBox = unique;
        return t.addColumn();
    }
};

// The rules of "Listeye Ekle" and the new column's primary key box.
TEST(SqliteTable, AddingColumns) {
    Tool t;
    SqliteTool& tool = *t.tool;
    EXPECT_FALSE(tool.saveEnabled());

    // A key without a chosen type: refused, but the list now shows INTEGER.
    tool.columnName = "id";
    tool.clickPrimaryKey(true);
    EXPECT_FALSE(tool.notNullEnabled());
    EXPECT_FALSE(tool.addColumn().ok());
    EXPECT_EQ(t.services.lastMessage().text, "Hücre adı boş veya hücre tipi seçilmemiş !");
    EXPECT_EQ(t.services.lastMessage().caption, "Hata");
    EXPECT_EQ(t.services.lastMessage().icon, MessageIcon::Error);
    EXPECT_EQ(tool.newType(), kInteger);
    EXPECT_EQ(tool.columnName, "id");  // the typed name stays
    EXPECT_EQ(tool.countLabel(), "Toplam 0 hücre var");

    tool.chooseNewType(kInteger);
    ASSERT_TRUE(tool.addColumn().ok());
    EXPECT_EQ(tool.columns().back(), (Column{"id", "INTEGER", true, false, false}));
    EXPECT_EQ(tool.primaryKeyName(), "id");
    EXPECT_TRUE(tool.saveEnabled());
    EXPECT_TRUE(tool.notNullEnabled() && tool.uniqueEnabled());
    EXPECT_EQ(tool.columnName, "");
    EXPECT_EQ(tool.newType(), kInteger);  // kept for the next column

    // A second key: warned and unchecked, and the flags are cleared either way.
    tool.notNullBox = tool.uniqueBox = true;
    tool.clickPrimaryKey(true);
    EXPECT_FALSE(tool.primaryKeyBox);
    EXPECT_FALSE(tool.notNullBox || tool.uniqueBox);
    EXPECT_EQ(t.services.lastMessage().text,
              "Birincil anahtar zaten belirlenmiş, tekrar birincil anahtar oluşturamazsınız");
    EXPECT_EQ(t.services.lastMessage().caption, "Uyarı");
    EXPECT_EQ(t.services.lastMessage().icon, MessageIcon::Warning);

    // One blank is no name, two blanks are one; the previous type carries over.
    tool.columnName = " ";
    EXPECT_FALSE(tool.addColumn().ok());
    tool.columnName = "  ";
    tool.notNullBox = true;
    EXPECT_TRUE(tool.addColumn().ok());
    EXPECT_EQ(tool.columns().back(), (Column{"  ", "INTEGER", false, true, false}));
    EXPECT_TRUE(t.add("ad", kText, false, false, true).ok());
    EXPECT_EQ(tool.countLabel(), "Toplam 3 hücre var");
    tool.columnName = "";
    EXPECT_FALSE(tool.addColumn().ok());
    EXPECT_EQ(tool.countLabel(), "Toplam 3 hücre var");
    EXPECT_EQ(t.services.messages.size(), 4u);
}

TEST(SqliteTable, TheHundredthColumnIsRefusedAndTheTableStopsAt99) {
    Tool t;
    for (int i = 1; i <= 99; ++i) ASSERT_TRUE(t.add("h" + std::to_string(i), kText).ok());
    EXPECT_TRUE(t.services.messages.empty());
    const Outcome refused = t.add("h100", kText);
    EXPECT_EQ(refused.kind, Outcome::Kind::Refused);
    EXPECT_EQ(t.tool->columns().size(), 99u);
    EXPECT_EQ(t.tool->countLabel(), "Toplam 99 hücre var");
    EXPECT_EQ(t.services.lastMessage().text,
              "Tabloya en fazla 99 hücre eklenebilir, yeni hücre eklenemedi.");
    EXPECT_EQ(t.services.lastMessage().icon, MessageIcon::Error);
    EXPECT_EQ(t.tool->columnName, "h100");
}

TEST(SqliteTable, EditorLoadsAndUpdatesAColumnButNeverTheKey) {
    Tool t;
    SqliteTool& tool = *t.tool;
    t.add("id", kInteger, true);
    t.add("ad", kNvarchar, false, true, false);

    tool.chooseColumn(1);
    EXPECT_TRUE(tool.editor.enabled);
    EXPECT_EQ(tool.editor.type, kNvarchar);
    EXPECT_TRUE(tool.editor.notNull);
    EXPECT_FALSE(tool.editor.unique || tool.editor.primaryKey);
    tool.editor.type = kReal;
    tool.editor.notNull = false;
    tool.editor.unique = true;
    EXPECT_TRUE(tool.updateColumn().ok());
    EXPECT_EQ(tool.columns()[1], (Column{"ad", "REAL", false, false, true}));
    EXPECT_TRUE(t.services.messages.empty());

    tool.chooseColumn(0);
    EXPECT_TRUE(tool.editor.primaryKey);
    tool.editor.type = kText;
    tool.editor.notNull = true;
    EXPECT_FALSE(tool.updateColumn().ok());
    EXPECT_EQ(t.services.lastMessage().text, "Birincil anahtar üzerinde değişiklik yapamazsınız");
    EXPECT_EQ(t.services.lastMessage().caption, "Uyarı");
    EXPECT_EQ(tool.columns()[0], (Column{"id", "INTEGER", true, false, false}));
    EXPECT_EQ(tool.editor.type, kInteger);  // the edits are thrown away
    EXPECT_FALSE(tool.editor.notNull);
}

TEST(SqliteTable, OpeningValuesCaptionAndVersion) {
    Tool t("2");
    t.defaults.TabloAdi = "yoksay";  // read at opening only
    EXPECT_EQ(t.tool->version(), 1u);
    EXPECT_EQ(t.tool->tableName, Defaults::factory().TabloAdi);
    t.tool->tableName = "Kisiler";
    EXPECT_EQ(t.tool->columnListCaption(), "\"Kisiler\" tablosu hücreleri:");

    t.tool->chooseVersion(2);
    EXPECT_EQ(t.defaults.VTVersiyon, "3");
    EXPECT_TRUE(t.services.writeLog.empty());  // memory only

    Tool none("5");
    EXPECT_EQ(none.tool->version(), std::nullopt);
    EXPECT_EQ(none.tool->versionText(), "");
}

// Each line of the expected file is the table statement of one case, in order.
TEST(DatabaseHelper, ColumnTextsInTheTableStatement) {
    const Column id{"id", "INTEGER", true, false, false};
    const Column ad{"ad", "TEXT", false, true, false};
    const Column tel{"tel", "TEXT", false, false, true};
    const std::vector<std::vector<Column>> cases = {
        {id, ad, tel},                          // the worked example
        {id},                                   // a lone key: three blanks before ')'
        {{"ad", "TEXT", false, false, false}},  // a lone other column: two blanks
        {ad, id, tel},                          // a key that is not first
        {{"ad", "TEXT", false, true, true},     // no key at all
         {"yas", "INTEGER", false, false, false},
         {"boy", "REAL", false, false, false}},
    };
    std::istringstream expected(readData("sqlite_tool/create_statements.txt"));
    for (std::size_t i = 0; i < cases.size(); ++i) {
        std::string line;
        std::getline(expected, line);
        EXPECT_TRUE(sameText(createTableStatement("Kisiler", columnText(cases[i])), line))
            << "case " << i;
    }
}

TEST(DatabaseHelper, ClassTexts) {
    Tool t;
    t.tool->packageName = "com.zep.rehber";
    t.tool->databaseName = "RehberVT";
    t.tool->tableName = "Kisiler";
    t.add("id", kInteger, true);
    t.add("ad", kText, false, true);
    t.add("tel", kText, false, false, true);
    EXPECT_TRUE(sameText(t.tool->classText(), readData("sqlite_tool/kisiler_class.bytes")));

    Tool other("7");  // no version entry
    other.tool->packageName = "";
    other.tool->databaseName = "Okul.db";
    other.tool->tableName = "Dersler";
    other.add("ad", kText, false, true, true);
    other.add("no", kInteger, true);
    EXPECT_TRUE(sameText(other.tool->classText(),
                         readData("sqlite_tool/key_second_no_version_class.bytes")));
}

// The save press as a whole, through the scripted save dialog and the in-memory disk.
TEST(DatabaseHelper, SavePress) {
    Tool t("2");
    SqliteTool& tool = *t.tool;
    tool.save();
    EXPECT_EQ(t.services.lastMessage().text, "Listede hiç hücre yok...");
    EXPECT_EQ(t.services.lastMessage().caption, "Hata");
    EXPECT_EQ(t.services.lastMessage().icon, MessageIcon::Warning);
    EXPECT_TRUE(t.services.dialogs.empty());

    tool.packageName = "com.zep.okul";
    tool.databaseName = "Okul€.db";
    tool.tableName = "Öğrenciler";
    t.add("numara", kInteger, true);
    t.add("adı", kText, false, true);
    t.add("şube", kText);
    tool.chooseVersion(0);
    t.services.fs.folders.insert("/ev");

    // Cancelled dialog: nothing written, nothing said.
    t.services.messages.clear();
    EXPECT_EQ(tool.save().kind, Outcome::Kind::Cancelled);
    ASSERT_EQ(t.services.dialogs.size(), 1u);
    EXPECT_EQ(t.services.dialogs[0].title, "Veritabanı Oluşturma Sınıfı - KAYDET");
    EXPECT_EQ(t.services.dialogs[0].filter, "Java Kaynak Kod (*.java)");
    EXPECT_TRUE(t.services.messages.empty());
    EXPECT_TRUE(t.services.fs.files.empty());

    // Saved twice to one path over a longer file: the last save is all that is left.
    t.services.fs.files["/ev/DatabaseHelper.java"] = std::string(5000, 'x');
    t.services.savePaths = {"/ev/DatabaseHelper.java", "/ev/DatabaseHelper.java"};
    EXPECT_TRUE(tool.save().ok());
    tool.chooseVersion(2);
    EXPECT_TRUE(tool.save().ok());
    EXPECT_TRUE(sameText(t.services.fs.files.at("/ev/DatabaseHelper.java"),
                         readData("sqlite_tool/ogrenciler_saved.bytes")));
    EXPECT_EQ(t.services.lastMessage().text, "Dosya Kaydedildi...");
    EXPECT_EQ(t.services.lastMessage().caption, "Bilgi");
    EXPECT_EQ(t.services.lastMessage().icon, MessageIcon::Information);
    EXPECT_EQ(t.services.messages.size(), 2u);
}

TEST(DatabaseHelper, SaveWritesTheChosenVersionEvenWhenNoneIsChosen) {
    Tool t("9");
    t.add("ad", kText);
    EXPECT_EQ(t.tool->save().kind, Outcome::Kind::Cancelled);  // the dialog was cancelled
    EXPECT_EQ(t.defaults.VTVersiyon, "");
}

// SQLite itself judges the table before anything is saved.
TEST(DatabaseHelper, SqliteChecksTheTable) {
    struct Case {
        std::string table, column, sqliteSays;  // empty: accepted
    };
    const std::vector<Case> cases = {
        {"Kisiler", "ad", ""},
        {"Kisiler", "a b", ""},  // SQLite reads column a of type "b TEXT"
        {"Kisi Listesi", "ad", "near \"Listesi\": syntax error"},
        {"Kisiler", "order", "near \"order\": syntax error"},
        {"Kisiler", "a-b", "near \"-\": syntax error"},
        {"Kisiler", "ad TEXT); DROP TABLE x; --", "tek bir komut bekleniyordu"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table + " / " + c.column);
        Tool t;
        t.tool->tableName = c.table;
        t.add(c.column, kText);
        t.services.fs.folders.insert("/ev");
        t.services.savePaths = {"/ev/DatabaseHelper.java"};
        const Outcome o = t.tool->save();  // a question is answered No
        ASSERT_EQ(t.services.messages.size(), 1u);
        const auto& m = t.services.messages[0];
        if (c.sqliteSays.empty()) {
            EXPECT_TRUE(o.ok());
            EXPECT_EQ(m.text, "Dosya Kaydedildi...");
            continue;
        }
        EXPECT_EQ(m.caption, "Uyarı");
        EXPECT_EQ(m.icon, MessageIcon::Warning);
        EXPECT_EQ(m.buttons, MessageButtons::YesNo);
        EXPECT_NE(m.text.find(c.sqliteSays), std::string::npos) << m.text;
        EXPECT_NE(m.text.find("Yine de kaydetmek istiyor musunuz?"), std::string::npos);
        EXPECT_EQ(o.kind, Outcome::Kind::Cancelled);
        EXPECT_TRUE(t.services.dialogs.empty());
        EXPECT_TRUE(t.services.fs.files.empty());
    }

    // Yes saves anyway, exactly as without the check.
    Tool yes;
    yes.add("order", kText);
    yes.services.fs.folders.insert("/ev");
    yes.services.answers = {MessageAnswer::Yes};
    yes.services.savePaths = {"/ev/DatabaseHelper.java"};
    EXPECT_TRUE(yes.tool->save().ok());
    EXPECT_EQ(yes.services.fs.files.count("/ev/DatabaseHelper.java"), 1u);
    EXPECT_EQ(yes.services.lastMessage().text, "Dosya Kaydedildi...");
}

}  // namespace
}  // namespace nakkas
