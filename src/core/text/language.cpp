#include "text/language.h"

namespace nakkas {

std::string_view languageName(Language language) {
    switch (language) {
        case Language::Java:
            return "Java";
        case Language::Kotlin:
            return "Kotlin";
    }
    return "Java";
}

Language languageFromName(std::string_view name) {
    return name == languageName(Language::Kotlin) ? Language::Kotlin : Language::Java;
}

}  // namespace nakkas
