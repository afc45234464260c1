#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"
#include "tools/outcome.h"
#include "tools/sqlite_tool/database_helper.h"
#include "tools/sqlite_tool/record_commands.h"

namespace nakkas {

// The result text of a dialog that ended without compiling.
inline constexpr std::string_view kSqliteCancelMarker = "IPTAL";

// What outlives one opening of the SQLite tool: the version text. It starts as the stored
// VTVersiyon and follows every pick and save, in memory only.
struct SqliteToolState {
    std::string version;
};

// The stored defaults a new opening starts from.
struct SqliteStart {
    std::string tableName;     // TabloAdi
    std::string databaseName;  // Veritabani
    std::string packageName;   // PaketAdi
};

// "SQLite - Veritabanı Aracı": the table designer, the DatabaseHelper save and the record
// command builders, writing Java or Kotlin. A new one is made for each opening; only the state
// outlives it.
class SqliteTool {
public:
    static constexpr std::size_t kMaxColumns = 99;
    static constexpr std::string_view kVideoAddress =
        "https://www.youtube.com/results?search_query=android+sqlite+SQLiteOpenHelper+ders";

    SqliteTool(Services& services, SqliteToolState& state, SqliteStart start,
               Language language = Language::Java);

    // Field texts, as the dialog's boxes hold them.
    std::string tableName;     // "Tablo Adı:"
    std::string columnName;    // "Hücre Adı:"
    std::string databaseName;  // "Veritabanı Adı:"
    std::string packageName;   // "Paket Adı:"

    // The new column's check boxes.
    bool primaryKeyBox = false;  // "Birincil Anahtar"
    bool notNullBox = false;     // "Boş Geçemez"
    bool uniqueBox = false;      // "Eşsiz Değer"
    bool notNullEnabled() const { return m_flagsEnabled; }
    bool uniqueEnabled() const { return m_flagsEnabled; }

    // The new column type list: its selection, and the user's own choice of an entry.
    std::optional<std::size_t> newType() const { return m_newType; }
    void chooseNewType(std::size_t index);
    // The user checks or unchecks the new column's "Birincil Anahtar". Refused with a warning
    // (and the box unchecked again) once the table has its key.
    Outcome setPrimaryKeyBox(bool checked);
    // "Listeye Ekle".
    Outcome addColumn();

    const std::vector<Column>& columns() const { return m_columns; }
    const std::string& primaryKeyName() const { return m_primaryKeyName; }
    std::string columnListCaption() const;  // follows tableName
    const std::string& countLabel() const { return m_countLabel; }
    bool saveEnabled() const { return !m_columns.empty(); }

    // The selected column editor ("Seçili Hücre Bilgisi").
    struct Editor {
        std::optional<std::size_t> column;  // the column list's selection
        std::optional<std::size_t> type;
        bool primaryKey = false;
        bool notNull = false;
        bool unique = false;
        bool enabled = false;  // its type list, two boxes and "Hücreyi Güncelle"
    };
    Editor editor;
    // Choosing a column in the column list loads the editor from it.
    void chooseColumn(std::size_t index);
    // "Hücreyi Güncelle".
    Outcome updateColumn();

    // "Versiyon:": the selected entry, if any. A pick writes the state's version.
    std::optional<std::size_t> version() const { return m_version; }
    void chooseVersion(std::size_t index);
    std::string versionText() const;

    // "DatabaseHelper.java KAYDET" (.kt in Kotlin): builds the class, has SQLite check the table
    // (asking whether to go on when SQLite refuses it), asks for the path and writes the file.
    Outcome save();
    // The file name the class is proposed and saved as: DatabaseHelper.java or .kt.
    std::string helperFileName() const;
    // Writes the built class to the path in its language's file form (the Java writer's bytes,
    // or UTF-8 with LF); false, after the writer's message, when it cannot.
    bool writeBuilt(const std::string& path);
    // The part of the save before SQLite is asked: refuses an empty table, writes the version
    // into the state and builds the class text (builtText).
    Outcome buildHelper();
    const std::string& builtText() const { return m_classText; }

    // What the save press builds, from the fields as they stand.
    HelperInput helperInput() const;
    std::string classText() const { return databaseHelperText(helperInput()); }
    // The warning when SQLite refuses the statement onCreate will run, or makes another table
    // of it than the one designed; without the question the dialog adds to it.
    std::optional<std::string> tableWarning() const;

    // The record command builders, fed with the table and key names when pressed.
    RecordCommands commands;
    Outcome pressCommand(RecordCommands::Group group);
    // "Seçili Komutları Derle": sets the result text; the dialog then ends.
    void compile();
    // "Konu Hakkında Video Yardım".
    void openHelpVideo();

    // "İptal" or the close box.
    void cancel() { m_resultText = std::string(kSqliteCancelMarker); }
    // The compiled text, or the cancel marker.
    const std::string& resultText() const { return m_resultText; }

private:
    Services& m_services;
    SqliteToolState& m_state;
    Language m_language;
    std::vector<Column> m_columns;
    std::optional<std::size_t> m_newType;
    bool m_typeChosen = false;
    bool m_primaryKeySet = false;
    std::string m_primaryKeyName;
    bool m_flagsEnabled = true;
    std::string m_countLabel = "Toplam 0 hücre var";
    std::optional<std::size_t> m_version;
    std::string m_classText;
    // Any way out but compiling leaves the panel alone, so the marker is there from the start.
    std::string m_resultText{kSqliteCancelMarker};
};

}  // namespace nakkas
