#include "setting_saver.h"

#include "platform/services.h"
#include "tools/setting_saver/setting_code.h"

namespace nakkas {

SettingSaver::SettingSaver(SettingSaverState& state, Services& services, Language language,
                           std::string helpAddress)
    : m_state(state),
      m_services(services),
      m_language(language),
      m_helpAddress(std::move(helpAddress)) {}

void SettingSaver::selectDataType(std::size_t entry) {
    if (entry < settingDataTypes().size()) m_dataType = entry;
}

void SettingSaver::selectAccessMode(std::size_t entry) {
    if (entry < settingAccessModes().size()) m_accessMode = entry;
}

std::string_view SettingSaver::javaTypeField() const {
    return m_dataType ? settingDataTypes()[*m_dataType].javaType : std::string_view();
}

std::string_view SettingSaver::storageModeField() const {
    return m_accessMode ? settingAccessModes()[*m_accessMode].constant : std::string_view();
}

void SettingSaver::openHelp() {
    m_services.openDesktop(m_helpAddress);
}

Outcome SettingSaver::confirm() {
    const auto type = findJavaType(javaTypeField());
    if (!type || storageModeField().empty())
        return showRefusal(m_services, std::string(kMissingChoiceMessage), "Hata",
                           MessageIcon::Warning);
    SettingInput in;
    in.javaType = javaTypeField();
    in.storageMode = storageModeField();
    in.variableName = variableName;
    in.key = key;
    in.fileName = fileName;
    in.writeBlock = writeBlock;
    in.readBlock = readBlock;
    m_state.outputText = settingCode(in, *type, m_language);
    return Outcome::done();
}

}  // namespace nakkas
