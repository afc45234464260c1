#include "layout_code.h"

#include <algorithm>

#include "definer/widget_catalogue.h"

namespace nakkas {

namespace {

// Spinner, GridView and ListView get their items from the list item creator, so only their
// declaration is written here and the user is pointed to that tool.
constexpr std::string_view kListNote =
    "// Liste elemanlarını Liste Elemanı Oluşturucu ile ekleyin (Kod Araçları > Çoklu Nesne "
    "Aracı)\r\n";

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}
char upper(char c) {
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

std::string camelCase(std::string_view id) {
    std::string out;
    bool first = true;
    std::size_t start = 0;
    while (start <= id.size()) {
        std::size_t end = id.find('_', start);
        if (end == std::string_view::npos) end = id.size();
        std::string part(id.substr(start, end - start));
        if (!part.empty()) {
            part.front() = first ? lower(part.front()) : upper(part.front());
            out += part;
            first = false;
        }
        start = end + 1;
    }
    return out;
}

// The catalogue entry for a class written plainly or with the framework's widget package.
const CatalogueEntry* catalogueEntry(std::string_view className) {
    constexpr std::string_view kWidgetPackage = "android.widget.";
    if (className.starts_with(kWidgetPackage)) className.remove_prefix(kWidgetPackage.size());
    const auto catalogue = widgetCatalogue();
    const auto it = std::find_if(catalogue.begin(), catalogue.end(), [&](const CatalogueEntry& e) {
        return !e.androidClass.empty() && e.androidClass == className;
    });
    return it == catalogue.end() ? nullptr : &*it;
}

// "com.ornek.Dis$Ic" is declared as Ic.
std::string_view simpleName(std::string_view className) {
    const auto cut = className.find_last_of(".$");
    return cut == std::string_view::npos ? className : className.substr(cut + 1);
}

}  // namespace

std::string proposeName(std::string_view id, NamingStyle style) {
    if (style == NamingStyle::SameAsId) return std::string(id);
    std::string name = camelCase(id);
    if (name.empty()) return std::string(id);
    if (style == NamingStyle::MPrefix) {
        name.front() = upper(name.front());
        name.insert(name.begin(), 'm');
    }
    return name;
}

ObjectCode viewCode(const LayoutView& view, std::string_view variableName, std::string_view access,
                    bool writeListener, Language language) {
    GeneratorInput input;
    input.access = access;
    input.variableName = variableName;
    input.idName = view.id;
    input.language = language;
    input.frameworkId = view.frameworkId;
    const CatalogueEntry* entry = catalogueEntry(view.className);
    if (entry == nullptr) return declarationCode(simpleName(view.className), input);
    if (needsListItems(entry->typeKey)) {
        input.writeListener = false;
        ObjectCode code = objectCode(entry->typeKey, input);
        code.statements += kListNote;
        return code;
    }
    input.writeListener = writeListener;
    return objectCode(entry->typeKey, input);
}

std::string joinViewCodes(const std::vector<ObjectCode>& codes, std::string_view access,
                          Language language) {
    const MemberFrame frame = memberFrame(access, language);
    std::size_t members = 0;
    std::size_t size = frame.open.size() + frame.close.size();
    for (const ObjectCode& code : codes) {
        members += code.members.size();
        size += code.members.size() + code.statements.size() + 4;
    }
    std::string text;
    text.reserve(size);  // a layout of many views makes a text of many megabytes
    if (members > 0) {
        text += frame.open;
        for (const ObjectCode& code : codes) text += code.members;
        text += frame.close;
    }
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (i > 0) text += "\r\n\r\n";
        text += codes[i].statements;
    }
    return text;
}

}  // namespace nakkas
