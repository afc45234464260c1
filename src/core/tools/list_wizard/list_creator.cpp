#include "list_creator.h"

#include "text/escape.h"

#include "platform/services.h"

namespace nakkas {

namespace {
constexpr const char* kErrorCaption = "Hata";
constexpr const char* kEmptyEntryMessage = "Yazı kutusu boş, listeye eklenecek elemanı yazın";
constexpr const char* kEmptyListMessage = "Listede hiç eleman yok....";
}  // namespace

std::string ListCreator::countLabel() const {
    return "Toplam " + std::to_string(m_items.size()) + " eleman var";
}

Outcome ListCreator::add() {
    if (entry.empty())
        return showRefusal(m_services, kEmptyEntryMessage, kErrorCaption, MessageIcon::Warning);
    // Blanks go into the text as typed; what would end or change the string literal is escaped
    // when joined.
    m_items.push_back(std::move(entry));
    entry.clear();
    return Outcome::done();
}

void ListCreator::remove() {
    if (selected && *selected < m_items.size())
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(*selected));
    // The list box loses its selection when a row goes away, so nothing stays picked.
    selected.reset();
}

void ListCreator::clear() {
    m_items.clear();
    selected.reset();
}

Outcome ListCreator::confirm() {
    if (m_items.empty())
        return showRefusal(m_services, kEmptyListMessage, kErrorCaption, MessageIcon::Warning);
    m_listItemText = joinListItems(m_items, m_language);
    return Outcome::done();
}

std::string joinListItems(const std::vector<std::string>& items, Language language) {
    const auto literal = language == Language::Kotlin ? kotlinString : javaString;
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += ", ";
        text += '"';
        text += literal(items[i]);
        text += '"';
    }
    return text;
}

}  // namespace nakkas
