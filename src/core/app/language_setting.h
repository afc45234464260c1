#pragma once

#include <string_view>

#include "text/language.h"
#include "tools/outcome.h"

namespace nakkas {

class Services;

// Stored beside the seven defaults, in the same section.
inline constexpr std::string_view kLanguageKey = "CiktiDili";

// The output language: read once, and stored again each time the user picks the other one. It
// takes effect at once; nothing is restarted.
class LanguageSetting {
public:
    explicit LanguageSetting(Services& services);

    Language current() const { return m_language; }

    // Makes a language the current one; true when that changed it.
    bool choose(Language language);
    // Stores the current language. When the store cannot be written the language is still used
    // for this run, and the refusal carries the message shown.
    Outcome store();

private:
    Services& m_services;
    Language m_language;
};

}  // namespace nakkas
