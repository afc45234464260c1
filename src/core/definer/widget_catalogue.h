#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace nakkas {

// One Android layout object that the "Layout Nesneleri" category offers.
struct CatalogueEntry {
    std::string_view element;       // ribbon element, "ID_BUTTON2"
    std::string_view label;         // "TextView"
    std::string_view typeKey;       // "textView"
    std::string_view androidClass;  // "TextView"; empty for the Tab Host entry
    std::string_view idStem;        // "textView"
    std::string_view variableStem;  // "label_degisken"
};

// The 18 entries in ribbon order.
std::span<const CatalogueEntry> widgetCatalogue();

std::optional<std::size_t> findEntryByTypeKey(std::string_view typeKey);
std::optional<std::size_t> findEntryByLabel(std::string_view label);

// Entries that run the generator as soon as they are chosen.
bool generatesAtOnce(std::string_view typeKey);
bool needsListItems(std::string_view typeKey);  // spinner, gridView, listView

}  // namespace nakkas
