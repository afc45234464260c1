#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "text/language.h"
#include "text/no_choice.h"
#include "tools/dialog_designer/dialog_text.h"
#include "tools/outcome.h"

namespace nakkas {

class Services;

// What outlives one opening of the dialog designer.
struct DialogDesignerState {
    // kNoChoice until the user picks a length; never reset, so a pick made in one opening of the
    // form holds for every later one in the run.
    std::string toastFlag{kNoChoice};
    std::string outputText;  // of the last successful "Oluştur"
};

// The controls whose enabled state depends on the dialog type.
enum class DesignerControl {
    VariableName,
    ActivityName,
    Title,
    Message,
    Button1,
    Button2,
    Icon,
    ToastFlag,
    Preview,  // "Mesaj Taklidi Yap"
};

// "Dialog Tasarımı" (DialogTasarimi): one opening of the form in one mode. The text fields are
// plain members that the view writes as the user types.
class DialogDesigner {
public:
    // "Dialog Tipi:" lists the types alphabetically.
    static constexpr std::array<std::string_view, 5> kTypeEntries{
        "Bekleyin", "Evet-Hayır", "Standart", "Toast Mesaj", "Yükleniyor"};
    static constexpr std::array<std::string_view, 2> kToastFlags{"LENGTH_LONG", "LENGTH_SHORT"};

    // Starts from the definer form's Activity name and the stored icon name; writes the text in
    // the given language.
    DialogDesigner(DialogDesignerState& state, Services& services, DialogType type,
                   Language language, std::string activityName, std::string_view iconName);

    DialogFields fields;

    DialogType type() const { return m_type; }
    // The entry of "Dialog Tipi:" that shows the type.
    std::size_t typeEntry() const;
    // Set once for the type; a disabled field keeps its text.
    bool enabled(DesignerControl control) const;

    // The row picked in "Toast Bayrağı:" during this opening; the list starts with none even
    // when an earlier opening chose a flag.
    std::optional<std::size_t> toastSelection() const { return m_toastSelection; }
    const std::string& toastFlag() const { return m_state.toastFlag; }
    void selectToastFlag(std::size_t entry);

    // "Tümünü Temizle": the seven text fields, enabled or not; the toast flag stays.
    void clearAll();
    // "Mesaj Taklidi Yap": the yes/no box as the user will see it; the answer does not matter.
    void preview();
    // "Oluştur": builds the text and keeps it as the designer output text.
    Outcome create();

    const std::string& resultText() const { return m_state.outputText; }

private:
    DialogDesignerState& m_state;
    Services& m_services;
    DialogType m_type;
    Language m_language;
    std::optional<std::size_t> m_toastSelection;
};

}  // namespace nakkas
