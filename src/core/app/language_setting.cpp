#include "app/language_setting.h"

#include <string>

#include "app/defaults.h"
#include "app/program_settings.h"
#include "platform/services.h"

namespace nakkas {

LanguageSetting::LanguageSetting(Services& services)
    : m_services(services),
      m_language(languageFromName(
          services.readString(std::string(kDefaultsSection), std::string(kLanguageKey))
              .value_or(std::string(languageName(Language::Java))))) {}

bool LanguageSetting::choose(Language language) {
    if (language == m_language) return false;
    m_language = language;
    return true;
}

Outcome LanguageSetting::store() {
    m_services.writeString(std::string(kDefaultsSection), std::string(kLanguageKey),
                           std::string(languageName(m_language)));
    if (m_services.commitSettings()) return Outcome::done();
    return showRefusal(m_services, settingsWriteFailedText(m_services.settingsLocation()));
}

}  // namespace nakkas
