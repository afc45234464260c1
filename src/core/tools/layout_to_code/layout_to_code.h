#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "tools/layout_to_code/layout_code.h"
#include "tools/layout_to_code/layout_reader.h"
#include "tools/outcome.h"

namespace nakkas {

class Services;

// The choices of "Layout'tan Kod Üret" that stay from one opening to the next.
struct LayoutOptions {
    NamingStyle style = NamingStyle::SameAsId;
    std::size_t accessIndex = 0;  // into DefinerForm::kAccessEntries
    bool writeListeners = true;   // "Olay Dinleyicilerini Oluştur"
};

// One row of the dialog: a view and the variable it is given.
struct LayoutRow {
    LayoutView view;
    bool checked = true;
    std::string variableName;
    bool edited =
        false;  // the name differs from what the style proposes, so a style change keeps it
};

// Rows for the views, each checked and named in the style.
std::vector<LayoutRow> rowsFor(std::vector<LayoutView> views, NamingStyle style);

// The texts of the checked rows, joined, with the members of all of them first.
std::string layoutText(const std::vector<LayoutRow>& rows, std::string_view access,
                       bool writeListeners, Language language = Language::Java);

// "Layout'tan Kod Üret": the views of one layout file and what is written for them. A new one is
// made for each opening; the options live in the tool state.
class LayoutToCode {
public:
    LayoutToCode(Services& services, LayoutOptions& options, Language language = Language::Java);

    // Reads the file. A fault, or a layout without a single id, is shown in a message box and
    // refused; then there are no rows and the dialog does not open.
    Outcome open(const std::string& path, const FileLoader& load = readDiskFile);

    const std::string& fileName() const { return m_fileName; }
    const std::vector<LayoutRow>& rows() const { return m_rows; }
    std::size_t duplicates() const { return m_duplicates; }
    // "7 görünüm" line over the list, and the notes on dropped duplicates and on includes that
    // were not read (not found, not readable, outside the folder), one line each.
    std::string summary() const;
    std::vector<std::string> notes() const;

    // The rows of the view with this id, as the user names it ("list", "android:list").
    const std::vector<std::size_t>& rowsWithId(const std::string& id) const;

    const LayoutOptions& options() const { return m_options; }
    void setStyle(NamingStyle style);  // re-proposes every name the user has not edited
    void selectAccess(std::size_t index);
    const std::string& accessModifier() const { return m_access; }  // empty for "--Boş--"
    void setWriteListeners(bool on) { m_options.writeListeners = on; }

    void setChecked(std::size_t row, bool checked);
    void setVariableName(std::size_t row, std::string name);
    void checkAll();   // "Tümünü Seç"
    void checkNone();  // "Hiçbirini Seçme"
    std::size_t checkedCount() const;

    // The text "Oluştur" would write now.
    std::string text() const;
    // "Oluştur": done when the dialog closes with a result; refused while nothing is checked.
    Outcome confirm();
    const std::string& resultText() const { return m_result; }

private:
    Services& m_services;
    LayoutOptions& m_options;
    Language m_language;
    std::string m_access;
    std::string m_fileName;
    std::vector<LayoutRow> m_rows;
    std::size_t m_duplicates = 0;
    std::vector<std::string> m_includeNotes;
    std::unordered_map<std::string, std::vector<std::size_t>> m_rowsById;
    std::string m_result;
};

}  // namespace nakkas
