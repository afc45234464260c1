#pragma once

#include <string_view>

namespace nakkas {

// The language the generators write: Java, as always, or Kotlin.
enum class Language { Java, Kotlin };

inline constexpr Language kLanguages[] = {Language::Java, Language::Kotlin};

// "Java" or "Kotlin", as the ribbon shows it and the store keeps it.
std::string_view languageName(Language language);
// The language a stored or typed name stands for; anything but "Kotlin" reads as Java, so that a
// damaged store never leaves the program without a language.
Language languageFromName(std::string_view name);

}  // namespace nakkas
