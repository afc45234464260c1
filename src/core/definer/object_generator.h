#pragma once

#include <string>
#include <string_view>

namespace nakkas {

// The page that the WebView hint opens and the resource address prefix of the VideoView hint.
inline constexpr std::string_view kWebViewAddress = "https://developer.android.com/";
inline constexpr std::string_view kVideoResourceAddress =
    "android.resource://com.example.uygulamaadiniz/";

struct GeneratorInput {
    std::string_view access;  // empty after "--Boş--"
    std::string_view variableName;
    std::string_view idName;
    bool writeDeclaration = true;
    bool writeListener = true;
    std::string_view listItemText;  // Spinner, GridView, ListView only
};

// The declaration and listener text for one of the 17 text-writing entries (not "tabHost").
std::string generateObjectText(std::string_view typeKey, const GeneratorInput& input);

}  // namespace nakkas
