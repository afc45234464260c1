#pragma once

#include <optional>
#include <string>
#include <vector>

#include "text/language.h"
#include "tools/outcome.h"

namespace nakkas {

class Services;

// "Liste Elemanı Oluşturucu": collects the entries of a Spinner, GridView or ListView adapter.
// A new one is made for each opening.
class ListCreator {
public:
    // The items are written as string literals of the language.
    explicit ListCreator(Services& services, Language language = Language::Java)
        : m_services(services), m_language(language) {}

    std::string entry;  // the one-line field
    std::optional<std::size_t> selected;

    const std::vector<std::string>& items() const { return m_items; }
    std::string countLabel() const;  // "Toplam N eleman var"

    // "Ekle": refused with a warning while the field is empty.
    Outcome add();
    void remove();  // "&Kaldır"
    void clear();   // "&Temizle"
    // "&Oluştur": done when the form closes with a result; refused while the list is empty.
    Outcome confirm();

    // Each item as a string literal, joined by ", ".
    const std::string& listItemText() const { return m_listItemText; }

private:
    Services& m_services;
    Language m_language;
    std::vector<std::string> m_items;
    std::string m_listItemText;
};

// The list item text for the given items.
std::string joinListItems(const std::vector<std::string>& items,
                          Language language = Language::Java);

}  // namespace nakkas
