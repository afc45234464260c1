#pragma once

#include <string>
#include <string_view>

#include "text/language.h"

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
    std::string_view listItemText;  // Spinner, GridView, ListView only, in the language's quotes
    Language language = Language::Java;
    bool frameworkId = false;  // the id is one of android.R.id
};

// A view's code in the two places it can take. A Kotlin view held as a member is declared in
// the class body and bound in onCreate; everything else is statements.
struct ObjectCode {
    std::string members;
    std::string statements;
};

// The declaration and listener code for one of the 17 text-writing entries (not "tabHost").
ObjectCode objectCode(std::string_view typeKey, const GeneratorInput& input);
// The declaration of a view whose class is not in the catalogue, named as given ("OzelGorunum").
ObjectCode declarationCode(std::string_view className, const GeneratorInput& input);

// What stands around the members of a text that has any: the companion object's frame for
// "static", and the marker line between the members and the statements.
struct MemberFrame {
    std::string_view open;
    std::string_view close;  // the marker line included
};
MemberFrame memberFrame(std::string_view access, Language language);

// The text to paste: the statements alone, or the members in their frame, then the statements.
std::string pasteText(ObjectCode code, std::string_view access, Language language);

// The text of objectCode, ready to paste.
std::string generateObjectText(std::string_view typeKey, const GeneratorInput& input);

}  // namespace nakkas
