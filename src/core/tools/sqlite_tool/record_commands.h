#pragma once

#include <string>

#include "text/language.h"
#include "tools/outcome.h"

namespace nakkas {

class Services;
struct RecordTemplates;

// The record command builders of the SQLite tool: four groups that each assemble a snippet in
// an editable result box, and the compile step that joins the included ones.
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

    explicit RecordCommands(Services& services, Language language = Language::Java);

    // A group's controls. Its result box is brought up to date here, so that a run of presses
    // costs the lines they add rather than the whole box each time.
    GroupState& group(Group g);
    const GroupState& group(Group g) const;
    // "Değişken yada Nesne Adı:", without bringing the result box up to date.
    void setVariable(Group g, std::string text) { m_groups[g].variable = std::move(text); }

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
    // The result box of an insert, update or show group as its last press left it.
    std::string build(Group g) const;
    void refresh(Group g) const;

    // What the result box of a group is built with, as it was at the group's last press.
    struct Press {
        std::string table, key;
        bool notify = false, clear = false;
    };

    Services& m_services;
    const RecordTemplates& m_texts;
    mutable GroupState m_groups[kGroupCount];
    mutable bool m_stale[kGroupCount] = {};
    Press m_pressed[kGroupCount];
    bool m_compileEnabled = false;

    std::string m_insertPuts, m_insertClears;
    std::string m_updatePuts;
    std::string m_showColumns, m_showBody;
    bool m_showFirstColumn = true;
};

}  // namespace nakkas
