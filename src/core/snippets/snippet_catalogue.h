#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "text/language.h"

namespace nakkas {

// One ready-made code snippet of the "Kod Parçaları" categories.
struct Snippet {
    std::string_view element;  // ribbon element, "KPBtn01"
    std::string_view label;    // "Tam Ekran"
    std::string_view icon;     // picture of its ribbon button
    std::string_view java;     // the whole text, CR LF line breaks
    std::string_view kotlin;   // the same in Kotlin, CR LF line breaks

    // The one place the output language picks a text.
    std::string_view text(Language language) const {
        return language == Language::Kotlin ? kotlin : java;
    }
};

// The 21 snippets in ribbon order; the first 14 form the panel "Kod Parçaları", the rest
// "Kod Parçaları 2".
std::span<const Snippet> snippetCatalogue();
inline constexpr std::size_t kFirstPanelSnippetCount = 14;

// By ribbon element or by label.
const Snippet* findSnippet(std::string_view elementOrLabel);

// The address of the "Video Aç" sample video page and the "E-Posta Gönder" recipient.
inline constexpr std::string_view kSampleVideoAddress =
    "https://www.youtube.com/@AndroidDevelopers/videos";
inline constexpr std::string_view kSampleMailRecipient = "alici@example.com";

}  // namespace nakkas
