#include "definer_form.h"

#include <algorithm>

#include "text/no_choice.h"
#include "widget_catalogue.h"

namespace nakkas {

namespace {
constexpr std::string_view kEmptyAccessEntry = "--Boş--";
constexpr std::string_view kResetActivity = "MainActivity";
}  // namespace

DefinerForm::DefinerForm(std::string activityName)
    : activityName(std::move(activityName)),
      m_currentType(kNoChoice),
      m_counters(widgetCatalogue().size(), 1),
      m_access(kAccessEntries[0]) {}

void DefinerForm::choose(std::size_t entry) {
    const CatalogueEntry& e = widgetCatalogue()[entry];
    const std::string number = std::to_string(m_counters.at(entry));
    // The box only matters at the moment of choosing; toggling it later changes nothing shown.
    variableName = std::string(sameAsId ? e.idStem : e.variableStem) + number;
    idName = std::string(e.idStem) + number;
    m_currentType = e.typeKey;
}

std::string DefinerForm::accessModifierOf(std::size_t index) {
    const std::string_view entry = kAccessEntries.at(index);
    return entry == kEmptyAccessEntry ? std::string() : std::string(entry);
}

std::optional<std::size_t> DefinerForm::findAccessEntry(std::string_view text) {
    const auto it = std::find(kAccessEntries.begin(), kAccessEntries.end(), text);
    if (it == kAccessEntries.end()) return std::nullopt;
    return static_cast<std::size_t>(it - kAccessEntries.begin());
}

void DefinerForm::selectAccess(std::size_t index) {
    m_access = accessModifierOf(index);
    m_accessIndex = index;
}

GeneratorInput DefinerForm::generatorInput(std::string_view listItemText, Language language) const {
    return {m_access,      variableName, idName,  writeDeclaration,
            writeListener, listItemText, language};
}

void DefinerForm::reset() {
    m_counters.assign(widgetCatalogue().size(), 1);
    m_currentType = kNoChoice;
    activityName = kResetActivity;
    variableName.clear();
    idName.clear();
}

}  // namespace nakkas
