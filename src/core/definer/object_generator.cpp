#include "object_generator.h"

#include <algorithm>

#include "definer/object_templates.h"
#include "definer/widget_catalogue.h"

namespace nakkas {

namespace {

using namespace objects;

// The one place the language is chosen: every text below is written from the set it picks.
const Templates& templatesFor(Language language) {
    return language == Language::Kotlin ? kotlinTemplates() : javaTemplates();
}

// Where the access modifier puts the view; null for a local.
const AccessHome* homeOf(const Templates& templates, std::string_view access) {
    const auto it = std::find_if(templates.homes.begin(), templates.homes.end(),
                                 [&](const AccessHome& h) { return h.access == access; });
    return it == templates.homes.end() ? nullptr : &*it;
}

// What one text is written from.
struct Context {
    const Templates& templates;
    const GeneratorInput& input;
    std::string_view className;
    const AccessHome* home;
};

void append(std::string& out, const Piece& piece, const Context& c) {
    switch (piece.insert) {
        case Insert::None:
            out += piece.text;
            break;
        case Insert::Variable:
            out += c.input.variableName;
            break;
        case Insert::ListItems:
            out += c.input.listItemText;
            break;
        case Insert::WebAddress:
            out += kWebViewAddress;
            break;
        case Insert::VideoAddress:
            out += kVideoResourceAddress;
            break;
        case Insert::Access:
            out += c.input.access;
            break;
        case Insert::ClassName:
            out += c.className;
            break;
        case Insert::IdReference:
            out += c.input.frameworkId ? "android.R.id." : "R.id.";
            out += c.input.idName;
            break;
        case Insert::Visibility:
            if (c.home != nullptr) out += c.home->visibility;
            break;
        case Insert::MemberIndent:
            if (c.home != nullptr && c.home->home == Home::Companion)
                out += c.templates.companionIndent;
            break;
    }
}

void appendAll(std::string& out, std::span<const Piece> pieces, const Context& c) {
    for (const Piece& piece : pieces) append(out, piece, c);
}

void appendDeclaration(ObjectCode& code, const Context& c, bool blankLine) {
    if (c.home == nullptr) {
        appendAll(code.statements, c.templates.local, c);
    } else {
        appendAll(code.members, c.templates.member, c);
        appendAll(code.statements, c.templates.binding, c);
    }
    if (blankLine) code.statements += "\r\n";
}

}  // namespace

ObjectCode objectCode(std::string_view typeKey, const GeneratorInput& input) {
    ObjectCode code;
    const Templates& templates = templatesFor(input.language);
    const auto object = std::find_if(templates.objects.begin(), templates.objects.end(),
                                     [&](const ObjectText& o) { return o.typeKey == typeKey; });
    const auto entry = findEntryByTypeKey(typeKey);
    if (object == templates.objects.end() || !entry) return code;  // the Tab Host entry

    const Context c{templates, input, widgetCatalogue()[*entry].androidClass,
                    homeOf(templates, input.access)};
    if (input.writeDeclaration) appendDeclaration(code, c, object->blankLineAfterDeclaration);
    if (input.writeListener)
        for (const auto& run : object->listener) appendAll(code.statements, run, c);
    return code;
}

ObjectCode declarationCode(std::string_view className, const GeneratorInput& input) {
    ObjectCode code;
    const Templates& templates = templatesFor(input.language);
    appendDeclaration(code, {templates, input, className, homeOf(templates, input.access)}, false);
    return code;
}

MemberFrame memberFrame(std::string_view access, Language language) {
    const Templates& templates = templatesFor(language);
    const AccessHome* home = homeOf(templates, access);
    if (home != nullptr && home->home == Home::Companion)
        return {templates.companionOpen, templates.companionCloseAndMarker};
    return {{}, templates.onCreateMarker};
}

std::string pasteText(ObjectCode code, std::string_view access, Language language) {
    if (code.members.empty()) return std::move(code.statements);
    const MemberFrame frame = memberFrame(access, language);
    std::string text;
    text.reserve(frame.open.size() + code.members.size() + frame.close.size() +
                 code.statements.size());
    text += frame.open;
    text += code.members;
    text += frame.close;
    text += code.statements;
    return text;
}

std::string generateObjectText(std::string_view typeKey, const GeneratorInput& input) {
    return pasteText(objectCode(typeKey, input), input.access, input.language);
}

}  // namespace nakkas
