#pragma once

#include <string>

#include "tools/outcome.h"

namespace nakkas {

class Services;

// The record command builders of the SQLite tool: four groups that each assemble a Java
// snippet in an editable result box, and the compile step that joins the included ones.
class RecordCommands {
public:
    enum Group { Insert, Update, Show, Delete };
    static constexpr int kGroupCount = 4;

    // What a group's controls hold. Insert, update and show use every field; delete only the
    // result box and the inclusion box.
    struct GroupState {
        std::string chosenColumn;  // last name chosen in the group's column list
        std::string variable;      // "Değişken yada Nesne Adı:"
        bool editText = false;     // "Bu bir EditText değeri"
        std::string result;        // the result box, hand edits included
        bool included = false;     // "... derlemeye dahil et"
        bool includeEnabled = false;
    };

    explicit RecordCommands(Services& services) : m_services(services) {}

    GroupState& group(Group g) { return m_groups[g]; }
    const GroupState& group(Group g) const { return m_groups[g]; }

    bool insertNotify = true;   // "Eklendiğinde kullanıcıya bilgi ver"
    bool insertClear = true;    // "Eklendiğinde nesnelerin içini temizle"
    bool updateNotify = true;   // "Güncellendiğinde kullanıcıya bilgi ver"
    bool deleteNotify = true;   // "Silindiğinde kullanıcıya bilgi ver"
    bool countRecords = false;  // "Toplam kaç kayıt var"

    // "Seçili Komutları Derle": enabled by the first click that leaves an inclusion box checked.
    bool compileEnabled() const { return m_compileEnabled; }

    void chooseColumn(Group g, std::string name) { m_groups[g].chosenColumn = std::move(name); }
    // "Bu bir EditText değeri": proposes editText1, or empties the variable box.
    void setEditText(Group g, bool checked);
    // A click on an inclusion box.
    void setIncluded(Group g, bool checked);

    // "Ekle ve Oluştur >>" of the insert, update or show group. The table and key names are
    // those of the designed table at the moment of the press.
    Outcome press(Group g, const std::string& tableName, const std::string& keyName);
    // "<< Oluştur" of the delete group.
    Outcome pressDelete(const std::string& tableName, const std::string& keyName);
    // "Sıfırla" of the insert, update or show group.
    void reset(Group g);

    // The compiled text: the introduction and every included group, in fixed order, then the
    // record count when it is checked.
    std::string compile(const std::string& tableName) const;

private:
    Services& m_services;
    GroupState m_groups[kGroupCount];
    bool m_compileEnabled = false;

    std::string m_insertPuts, m_insertClears;
    std::string m_updatePuts;
    std::string m_showColumns, m_showBody;
    bool m_showFirstColumn = true;
};

}  // namespace nakkas
