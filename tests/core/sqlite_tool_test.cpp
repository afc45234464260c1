#include "tools/sqlite_tool/sqlite_tool.h"

#include <gtest/gtest.h>

#include <tuple>

#include "expected_files.h"
#include "fake_services.h"

namespace nakkas {
namespace {

using test::readData;
using test::sameText;
using Msg = std::tuple<std::string, std::string, MessageIcon>;

constexpr std::size_t kInteger = 0, kText = 1, kReal = 2, kNvarchar = 9;

struct Tool {
    explicit Tool(std::string version = "2") {
        state.version = std::move(version);
        tool.emplace(services, state, SqliteStart{"TabloAdim", "Veritabanim.db", "com.paket"});
        services.fs.folders.insert("/ev");
    }
    test::FakeServices services;
    SqliteToolState state;
    std::optional<SqliteTool> tool;

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

TEST(SqliteTable, AddingAndEditingColumns) {
    Tool t;
    SqliteTool& tool = *t.tool;
    EXPECT_FALSE(tool.saveEnabled());

    tool.columnName = "id";
    EXPECT_TRUE(tool.setPrimaryKeyBox(true).ok());
    EXPECT_FALSE(tool.notNullEnabled());
    EXPECT_FALSE(tool.addColumn().ok());
    EXPECT_EQ(t.last(),
              Msg("Hücre adı boş veya hücre tipi seçilmemiş !", "Hata", MessageIcon::Error));
    EXPECT_EQ(tool.newType(), kInteger);
    EXPECT_EQ(tool.columnName, "id");
    tool.chooseNewType(kInteger);
    ASSERT_TRUE(tool.addColumn().ok());
    EXPECT_EQ(tool.columns().back(), (Column{"id", "INTEGER", true, false, false}));
    EXPECT_TRUE(tool.saveEnabled());
    EXPECT_TRUE(tool.notNullEnabled());
    EXPECT_TRUE(tool.uniqueEnabled());
    EXPECT_EQ(tool.columnName, "");
    tool.notNullBox = tool.uniqueBox = true;
    EXPECT_EQ(tool.setPrimaryKeyBox(true).kind, Outcome::Kind::Refused);
    EXPECT_FALSE(tool.primaryKeyBox);
    EXPECT_FALSE(tool.notNullBox);
    EXPECT_FALSE(tool.uniqueBox);
    EXPECT_EQ(t.last(),
              Msg("Birincil anahtar zaten belirlenmiş, tekrar birincil anahtar oluşturamazsınız",
                  "Uyarı", MessageIcon::Warning));
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
    EXPECT_TRUE(e.enabled);
    EXPECT_EQ(e.type, kNvarchar);
    EXPECT_TRUE(e.notNull);
    EXPECT_FALSE(e.unique);
    EXPECT_FALSE(e.primaryKey);
    std::tie(e.type, e.notNull, e.unique) = std::make_tuple(kReal, false, true);
    EXPECT_TRUE(tool.updateColumn().ok());
    EXPECT_EQ(tool.columns()[2], (Column{"ad", "REAL", false, false, true}));
    EXPECT_EQ(t.services.messages.size(), 4u);
    tool.chooseColumn(0);
    std::tie(e.type, e.notNull) = std::make_tuple(kText, true);
    EXPECT_FALSE(tool.updateColumn().ok());
    EXPECT_EQ(t.last(), Msg("Birincil anahtar üzerinde değişiklik yapamazsınız", "Uyarı",
                            MessageIcon::Warning));
    EXPECT_EQ(tool.columns()[0], (Column{"id", "INTEGER", true, false, false}));
    EXPECT_EQ(e.type, kInteger);  // the editor shows the column as it stayed
    EXPECT_FALSE(e.notNull);
    for (int i = 4; i <= 99; ++i) ASSERT_TRUE(t.add("h" + std::to_string(i), kText).ok());
    EXPECT_EQ(t.add("h100", kText).kind, Outcome::Kind::Refused);
    EXPECT_EQ(tool.countLabel(), "Toplam 99 hücre var");
    EXPECT_EQ(t.last(), Msg("Tabloya en fazla 99 hücre eklenebilir, yeni hücre eklenemedi.", "Hata",
                            MessageIcon::Error));
    EXPECT_EQ(tool.columnName, "h100");
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

TEST(DatabaseHelper, ClassTexts) {
    Tool t;
    t.name("com.zep.rehber", "RehberVT", "Kisiler");
    t.add("id", kInteger, true);
    t.add("ad", kText, false, true);
    t.add("tel", kText, false, false, true);
    EXPECT_TRUE(sameText(t.tool->classText(), readData("sqlite_tool/kisiler_class.bytes")));

    // Quotes and backslashes in names must not end the Java strings they stand in, nor a "*/"
    // the comment that holds one.
    Tool quoted;
    quoted.name("com.zep.rehber", "C:\\vt.db", "\"my */ table\"");
    quoted.add("id", kInteger, true);
    quoted.add("\"ad soyad\"", kText, false, true);
    EXPECT_TRUE(
        sameText(quoted.tool->classText(), readData("sqlite_tool/quoted_names_class.bytes")));

    Tool other("7");  // no version entry
    other.name("", "Okul.db", "Dersler");
    other.add("ad", kText, false, true, true);
    other.add("no", kInteger, true);
    EXPECT_TRUE(sameText(other.tool->classText(),
                         readData("sqlite_tool/key_second_no_version_class.bytes")));
    // An unlisted stored version selects nothing, and saving stores that nothing.
    EXPECT_EQ(other.tool->version(), std::nullopt);
    EXPECT_EQ(other.tool->versionText() + other.state.version, "7");
    EXPECT_EQ(other.tool->save().kind, Outcome::Kind::Cancelled);
    EXPECT_EQ(other.state.version, "");
}

TEST(DatabaseHelper, SavePress) {
    Tool t;
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
    EXPECT_EQ(t.services.dialogs[0].title, "Veritabanı Oluşturma Sınıfı - KAYDET");
    EXPECT_EQ(t.services.dialogs[0].filter, "Java Kaynak Kod (*.java)");
    EXPECT_EQ(t.services.messages.size(), 1u);
    EXPECT_TRUE(t.services.fs.files.empty());
    // Saved twice to one path over a longer file: the last save is all that is left.
    t.services.fs.files["/ev/DatabaseHelper.java"] = std::string(5000, 'x');
    t.services.savePaths = {"/ev/DatabaseHelper.java", "/ev/DatabaseHelper.java"};
    EXPECT_TRUE(tool.save().ok());
    tool.chooseVersion(2);
    EXPECT_EQ(t.state.version, "3");
    EXPECT_TRUE(tool.save().ok());
    EXPECT_TRUE(sameText(t.services.fs.files.at("/ev/DatabaseHelper.java"),
                         readData("sqlite_tool/ogrenciler_saved.bytes")));
    EXPECT_EQ(t.services.messages.size(), 3u);
    EXPECT_EQ(t.last(), Msg("Dosya Kaydedildi...", "Bilgi", MessageIcon::Information));
    EXPECT_TRUE(t.services.writeLog.empty());  // the version is kept in memory only
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
        {"Kisiler", "order", "near \"order\": syntax error"},
        {"Kisiler", "a-b", "near \"-\": syntax error"},
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
            EXPECT_EQ(m.caption, "Uyarı");
            EXPECT_EQ(m.icon, MessageIcon::Warning);
            EXPECT_EQ(m.buttons, MessageButtons::YesNo);
            EXPECT_NE(m.text.find(sqliteSays), std::string::npos) << m.text;
            EXPECT_NE(m.text.find("Yine de kaydetmek istiyor musunuz?"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace nakkas
