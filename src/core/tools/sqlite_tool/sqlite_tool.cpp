#include "tools/sqlite_tool/sqlite_tool.h"

#include "tools/sqlite_tool/sql_check.h"
#include "tools/sqlite_tool/sqlite_templates.h"
#include "tools/sqlite_tool/text_file_writer.h"

namespace nakkas {

namespace {

constexpr const char* kAddRefused = "Hücre adı boş veya hücre tipi seçilmemiş !";
constexpr const char* kTableFull = "Tabloya en fazla 99 hücre eklenebilir, yeni hücre eklenemedi.";
constexpr const char* kSecondKey =
    "Birincil anahtar zaten belirlenmiş, tekrar birincil anahtar oluşturamazsınız";
constexpr const char* kKeyUnchangeable = "Birincil anahtar üzerinde değişiklik yapamazsınız";
constexpr const char* kNoColumns = "Listede hiç hücre yok...";
constexpr const char* kSaved = "Dosya Kaydedildi...";

}  // namespace

SqliteTool::SqliteTool(Services& services, SqliteToolState& state, SqliteStart start,
                       Language language)
    : tableName(std::move(start.tableName)),
      databaseName(std::move(start.databaseName)),
      packageName(std::move(start.packageName)),
      commands(services, language),
      m_services(services),
      m_state(state),
      m_language(language),
      m_version(databaseVersionIndex(state.version)) {}

void SqliteTool::chooseNewType(std::size_t index) {
    if (index >= kColumnTypes.size()) return;
    m_newType = index;
    m_typeChosen = true;
}

Outcome SqliteTool::setPrimaryKeyBox(bool checked) {
    // A key column is never "not null" or "unique" of its own.
    notNullBox = false;
    uniqueBox = false;
    if (m_primaryKeySet) {
        primaryKeyBox = false;
        return showRefusal(m_services, kSecondKey, "Uyarı", MessageIcon::Warning);
    }
    primaryKeyBox = checked;
    m_flagsEnabled = !checked;
    return Outcome::done();
}

Outcome SqliteTool::addColumn() {
    Outcome outcome = Outcome::done();
    if (primaryKeyBox) m_newType = 0;  // a key is an INTEGER; this does not count as a choice
    if (columnName.empty() || columnName == " " || !m_typeChosen) {
        outcome = showRefusal(m_services, kAddRefused);
    } else if (m_columns.size() >= kMaxColumns) {
        outcome = showRefusal(m_services, kTableFull);
    } else {
        Column c;
        c.name = columnName;
        c.type = std::string(kColumnTypes[*m_newType]);
        if (!m_primaryKeySet && primaryKeyBox) {
            c.primaryKey = true;
            m_primaryKeySet = true;
            m_primaryKeyName = c.name;
        }
        c.notNull = notNullBox;
        c.unique = uniqueBox;
        m_columns.push_back(std::move(c));
        columnName.clear();
        primaryKeyBox = notNullBox = uniqueBox = false;
        m_flagsEnabled = true;
    }
    m_countLabel = "Toplam " + std::to_string(m_columns.size()) + " hücre var";
    return outcome;
}

std::string SqliteTool::columnListCaption() const {
    return "\"" + tableName + "\" tablosu hücreleri:";
}

void SqliteTool::chooseColumn(std::size_t index) {
    if (index >= m_columns.size()) return;
    const Column& c = m_columns[index];
    editor.column = index;
    editor.enabled = true;
    editor.primaryKey = c.primaryKey;
    editor.notNull = c.notNull;
    editor.unique = c.unique;
    editor.type = columnTypeIndex(c.type);
}

Outcome SqliteTool::updateColumn() {
    if (!editor.column || *editor.column >= m_columns.size()) return Outcome::cancelled();
    if (editor.primaryKey) {
        const Outcome o = showRefusal(m_services, kKeyUnchangeable, "Uyarı", MessageIcon::Warning);
        chooseColumn(*editor.column);  // throws the edits away
        return o;
    }
    Column& c = m_columns[*editor.column];
    if (editor.type && *editor.type < kColumnTypes.size())
        c.type = std::string(kColumnTypes[*editor.type]);
    c.notNull = editor.notNull;
    c.unique = editor.unique;
    return Outcome::done();
}

void SqliteTool::chooseVersion(std::size_t index) {
    if (index >= kDatabaseVersions.size()) return;
    m_version = index;
    m_state.version = std::string(kDatabaseVersions[index]);
}

std::string SqliteTool::versionText() const {
    return m_version ? std::string(kDatabaseVersions[*m_version]) : std::string();
}

HelperInput SqliteTool::helperInput() const {
    return {m_columns, packageName, databaseName, tableName, versionText(), m_language};
}

std::optional<std::string> SqliteTool::tableWarning() const {
    const TableCheck check = checkTable(tableName, m_columns);
    switch (check.verdict) {
        case TableCheck::Verdict::Accepted:
            return std::nullopt;
        case TableCheck::Verdict::Refused:
            return "SQLite bu tabloyu kabul etmiyor: " + check.message +
                   "\nBu sınıf telefonda veritabanı ilk oluşturulurken (onCreate) hata verecek. "
                   "Tablo ve hücre adlarında boşluk, tire gibi işaretler ya da SQL komut "
                   "sözcükleri (order, group, select...) olmamalı.";
        case TableCheck::Verdict::Differs:
            return "SQLite bu tabloyu tasarımdan farklı okuyor: " + check.message +
                   "\nTelefonda oluşacak tablo tasarladığınız tablo olmayacak. Tablo ve hücre "
                   "adlarında boşluk, parantez, tire gibi işaretler olmamalı.";
    }
    return std::nullopt;
}

Outcome SqliteTool::buildHelper() {
    if (m_columns.empty()) return showRefusal(m_services, kNoColumns, "Hata", MessageIcon::Warning);
    const HelperInput input = helperInput();
    m_state.version = input.version;
    m_classText = databaseHelperText(input);
    return Outcome::done();
}

Outcome SqliteTool::save() {
    if (const Outcome built = buildHelper(); !built.ok()) return built;
    if (const auto warning = tableWarning()) {
        const MessageAnswer answer =
            m_services.messageBox(*warning + "\n\nYine de kaydetmek istiyor musunuz?", "Uyarı",
                                  MessageIcon::Warning, MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes) return Outcome::cancelled();
    }
    const HelperTemplates& file = sqliteTemplates(m_language).helper;
    const auto path = m_services.saveFileDialog("Veritabanı Oluşturma Sınıfı - KAYDET",
                                                std::string(file.fileFilter), "DatabaseHelper",
                                                std::string(file.fileSuffix));
    if (!path) return Outcome::cancelled();
    if (!writeBuilt(*path)) return Outcome::refused(std::string(kTextFileWriterError));
    m_services.messageBox(kSaved, "Bilgi", MessageIcon::Information, MessageButtons::Ok);
    return Outcome::done();
}

std::string SqliteTool::helperFileName() const {
    return "DatabaseHelper." + std::string(sqliteTemplates(m_language).helper.fileSuffix);
}

bool SqliteTool::writeBuilt(const std::string& path) {
    return sqliteTemplates(m_language).helper.write(m_services, path, m_classText);
}

Outcome SqliteTool::pressCommand(RecordCommands::Group group) {
    return commands.press(group, tableName, m_primaryKeyName);
}

void SqliteTool::openHelpVideo() {
    m_services.openDesktop(std::string(kVideoAddress));
}

void SqliteTool::compile() {
    m_resultText = commands.compile(tableName);
}

}  // namespace nakkas
