#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "text/language.h"
#include "tools/outcome.h"

namespace nakkas {

class Services;

// What outlives one opening of the setting saver.
struct SettingSaverState {
    std::string outputText;  // of the last successful "Tamam"
};

// "Sistem Ayar Kaydedici" (SistemAyar): one opening of the form. Every opening starts from the
// same values.
class SettingSaver {
public:
    static constexpr std::string_view kMissingChoiceMessage =
        "Listeden bir veri türü ve Kayıt şekli seçmelisiniz";

    // Writes the code in the given language; helpAddress: what "Konu Hakkında Video Yardım"
    // opens.
    SettingSaver(SettingSaverState& state, Services& services, Language language,
                 std::string helpAddress);

    std::string variableName = "DegiskenAdi";  // "Değişken Adı:"
    std::string key = "AnahtarAdi";            // "Kayıt Anahtarı:"
    std::string fileName = "ProgramAyarlari";  // "Kayıt Dosya Adı:"
    bool writeBlock = true;                    // "Kayıt Yazma kodunu oluştur"
    bool readBlock = true;                     // "Kayıt Okuma kodunu oluştur"

    // A pick can be changed but not undone.
    void selectDataType(std::size_t entry);
    void selectAccessMode(std::size_t entry);
    std::optional<std::size_t> dataType() const { return m_dataType; }
    std::optional<std::size_t> accessMode() const { return m_accessMode; }
    // The disabled fields beneath the lists: empty until something is picked.
    std::string_view javaTypeField() const;
    std::string_view storageModeField() const;

    void openHelp();
    // "Tamam": builds the code and keeps it as the setting code text.
    Outcome confirm();

    const std::string& resultText() const { return m_state.outputText; }

private:
    SettingSaverState& m_state;
    Services& m_services;
    Language m_language;
    std::string m_helpAddress;
    std::optional<std::size_t> m_dataType;
    std::optional<std::size_t> m_accessMode;
};

}  // namespace nakkas
