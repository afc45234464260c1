#include "tools/sqlite_tool/record_commands.h"

#include "platform/services.h"
#include "tools/sqlite_tool/sqlite_templates.h"

namespace nakkas {

namespace {

constexpr const char* kNoColumnOrVariable =
    "Kullanılacak hücre seçilmemiş veya Degisken/Nesne adı boş bırakılmış";
constexpr const char* kDeleteNeedsKey =
    "Sil örneklemesi için birincil anahtara sahip bir tablo olması gerekiyor";

}  // namespace

RecordCommands::RecordCommands(Services& services, Language language)
    : m_services(services), m_texts(sqliteTemplates(language).records) {}

void RecordCommands::setEditText(Group g, bool checked) {
    m_groups[g].editText = checked;
    m_groups[g].variable = checked ? "editText1" : "";
}

void RecordCommands::setIncluded(Group g, bool checked) {
    m_groups[g].included = checked;
    if (checked) m_compileEnabled = true;
}

RecordCommands::GroupState& RecordCommands::group(Group g) {
    refresh(g);
    return m_groups[g];
}

const RecordCommands::GroupState& RecordCommands::group(Group g) const {
    refresh(g);
    return m_groups[g];
}

void RecordCommands::refresh(Group g) const {
    if (!m_stale[g]) return;
    m_groups[g].result = build(g);
    m_stale[g] = false;
}

Outcome RecordCommands::press(Group which, const std::string& tableName,
                              const std::string& keyName) {
    if (which == Delete) return pressDelete(tableName, keyName);
    GroupState& g = m_groups[which];
    if (g.chosenColumn.empty() || g.variable.empty())
        return showRefusal(m_services, kNoColumnOrVariable);
    const RecordTemplates& t = m_texts;
    // Names stand in string literals, except where the column names a variable.
    const std::string q = t.quote(g.chosenColumn);
    const std::string& v = g.variable;
    std::string value;
    appendFilled(value, g.editText ? t.editTextValue : t.plainValue, {{'v', v}});
    switch (which) {
        case Insert:
            appendFilled(m_insertClears, t.insertClear, {{'v', v}});
            appendFilled(m_insertPuts, t.insertPut, {{'q', q}, {'x', value}});
            m_pressed[which] = {tableName, keyName, insertNotify, insertClear};
            break;
        case Update:
            appendFilled(m_updatePuts, t.updatePut, {{'q', q}, {'x', value}});
            m_pressed[which] = {tableName, keyName, updateNotify, false};
            break;
        case Show:
            appendFilled(m_showColumns, m_showFirstColumn ? t.showFirstColumn : t.showNextColumn,
                         {{'q', q}});
            m_showFirstColumn = false;
            // The EditText box only fills the variable box here: setText is the same either way.
            appendFilled(m_showBody, t.showBody, {{'c', g.chosenColumn}, {'q', q}, {'v', v}});
            m_pressed[which] = {tableName, keyName, false, false};
            break;
        case Delete:
            break;
    }
    m_stale[which] = true;
    g.includeEnabled = true;
    return Outcome::done();
}

std::string RecordCommands::build(Group which) const {
    const RecordTemplates& t = m_texts;
    const Press& p = m_pressed[which];
    const std::string table = t.quote(p.table), key = t.quote(p.key);
    const std::initializer_list<Hole> names = {{'t', table}, {'k', key}};
    std::string r;
    switch (which) {
        case Insert:
            r.reserve(m_insertPuts.size() + m_insertClears.size() + 400);
            r += t.insertHead;
            r += m_insertPuts;
            r += t.insertCall;
            if (p.clear) r += m_insertClears;
            r += t.insertCatch;
            if (p.notify) r += t.insertNotify;
            r += t.insertEnd;
            break;
        case Update:
            r.reserve(m_updatePuts.size() + 400);
            r += t.updateHead;
            r += m_updatePuts;
            appendFilled(r, t.updateCall, names);
            if (p.notify) r += t.updateNotify;
            r += t.updateEnd;
            break;
        case Show:
            r.reserve(m_showColumns.size() + m_showBody.size() + 400);
            r += t.showHead;
            r += m_showColumns;
            appendFilled(r, t.showQuery, names);
            r += m_showBody;
            r += t.showEnd;
            break;
        case Delete:
            return m_groups[Delete].result;
    }
    return r;
}

Outcome RecordCommands::pressDelete(const std::string& tableName, const std::string& keyName) {
    if (keyName.empty()) return showRefusal(m_services, kDeleteNeedsKey);
    const RecordTemplates& t = m_texts;
    GroupState& g = m_groups[Delete];
    g.includeEnabled = true;
    std::string r;
    appendFilled(r, t.deleteCall, {{'t', t.quote(tableName)}, {'k', t.quote(keyName)}});
    if (deleteNotify) r += t.deleteNotify;
    r += t.deleteEnd;
    g.result = std::move(r);
    return Outcome::done();
}

void RecordCommands::reset(Group which) {
    GroupState& g = m_groups[which];
    switch (which) {
        case Insert:
            m_insertPuts.clear();
            m_insertClears.clear();
            break;
        case Update:
            m_updatePuts.clear();
            break;
        case Show:
            m_showColumns.clear();
            m_showBody.clear();
            m_showFirstColumn = true;
            break;
        case Delete:
            return;  // the delete group has no reset
    }
    m_stale[which] = false;
    g.result.clear();
    g.variable.clear();
    g.editText = false;
    // Disabled but still checked: a checked box keeps including its (now empty) result box.
    g.includeEnabled = false;
}

std::string RecordCommands::compile(const std::string& tableName) const {
    std::string text(m_texts.intro);
    for (int g = 0; g < kGroupCount; ++g) {
        if (!m_groups[g].included) continue;
        text += m_texts.headings[g];
        text += group(Group(g)).result;
    }
    if (countRecords) appendFilled(text, m_texts.count, {{'t', m_texts.quote(tableName)}});
    return text;
}

}  // namespace nakkas
