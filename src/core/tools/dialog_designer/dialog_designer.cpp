#include "dialog_designer.h"

#include <algorithm>

#include "platform/services.h"

namespace nakkas {

namespace {

constexpr const char* kNoToastFlagMessage = "Toast Bayrağı parametresini seçmemişsiniz.";

using C = DesignerControl;

// Which controls each type enables. Columns in the order of kDialogTypes: Standart, Yükleniyor,
// Bekleyin, Evet-Hayır, Toast Mesaj.
struct Enablement {
    DesignerControl control;
    std::array<bool, kDialogTypes.size()> on;
};

constexpr Enablement kEnablement[] = {
    {C::VariableName, {true, true, true, true, false}},
    {C::ActivityName, {true, false, true, true, true}},
    {C::Title, {true, true, true, true, true}},
    {C::Message, {false, false, true, true, false}},
    {C::Button1, {false, false, false, true, false}},
    {C::Button2, {false, false, false, true, false}},
    {C::Icon, {false, false, false, true, false}},
    {C::ToastFlag, {false, false, false, false, true}},
    {C::Preview, {false, false, false, true, false}},
};

}  // namespace

DialogDesigner::DialogDesigner(DialogDesignerState& state, Services& services, DialogType type,
                               Language language, std::string activityName,
                               std::string_view iconName)
    : m_state(state), m_services(services), m_type(type), m_language(language) {
    fields.variableName = "MsgDlgDegiskenim";
    fields.activityName = std::move(activityName);
    fields.title = "Başlığı Girin";
    fields.message = "Mesajı buraya yazın";
    fields.button1 = "Evet";
    fields.button2 = "Hayır";
    fields.icon = "R.drawable." + std::string(iconName);
}

std::size_t DialogDesigner::typeEntry() const {
    const auto it = std::find(kTypeEntries.begin(), kTypeEntries.end(), dialogTypeName(m_type));
    return std::size_t(it - kTypeEntries.begin());
}

bool DialogDesigner::enabled(DesignerControl control) const {
    for (const Enablement& row : kEnablement)
        if (row.control == control) return row.on[std::size_t(m_type)];
    return false;
}

void DialogDesigner::selectToastFlag(std::size_t entry) {
    if (!enabled(C::ToastFlag) || entry >= kToastFlags.size()) return;
    m_toastSelection = entry;
    m_state.toastFlag = kToastFlags[entry];
}

void DialogDesigner::clearAll() {
    fields = DialogFields{};
}

void DialogDesigner::preview() {
    if (!enabled(C::Preview)) return;
    m_services.messageBox(fields.message, fields.title, MessageIcon::None, MessageButtons::YesNo);
}

Outcome DialogDesigner::create() {
    if (m_type == DialogType::ToastMesaj && m_state.toastFlag == kNoChoice)
        return showRefusal(m_services, kNoToastFlagMessage);
    m_state.outputText = dialogText(m_type, fields, m_state.toastFlag, m_language);
    return Outcome::done();
}

}  // namespace nakkas
