#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "definer/object_generator.h"

namespace nakkas {

// The definer form's state: what the generator reads and what the choice of an entry proposes.
class DefinerForm {
public:
    static constexpr std::array<std::string_view, 6> kAccessEntries{
        "final", "public", "private", "protected", "static", "--Boş--"};

    // The modifier an entry stands for ("--Boş--" stands for none), and the entry that reads
    // as the given text, if any.
    static std::string accessModifierOf(std::size_t index);
    static std::optional<std::size_t> findAccessEntry(std::string_view text);

    explicit DefinerForm(std::string activityName);

    // Choose catalogue entry: proposes names and sets the current object type. Does not generate.
    void choose(std::size_t entry);

    const std::string& currentType() const { return m_currentType; }
    int counter(std::size_t entry) const { return m_counters.at(entry); }
    void advanceCounter(std::size_t entry) { ++m_counters.at(entry); }

    std::size_t accessIndex() const { return m_accessIndex; }
    void selectAccess(std::size_t index);
    // The empty text for "--Boş--".
    const std::string& accessModifier() const { return m_access; }

    // Field texts exactly as they stand.
    std::string variableName;
    std::string idName;
    std::string activityName;  // "Activity Adı:", mirrored as the shared Activity name

    bool sameAsId = true;          // "Nesne ismi ile aynı olsun"
    bool advance = true;           // "Nesne sayısını  1 arttır"
    bool writeListener = true;     // "Olay Dinleyiciyi Oluştur"
    bool writeDeclaration = true;  // "Nesneyi Tanımla"

    // What the generator reads from the form. It refers to the form's own texts, so it is used
    // at once, while the form and the list item text still stand.
    GeneratorInput generatorInput(std::string_view listItemText = {},
                                  Language language = Language::Java) const;

    // "Sıfırla": counters to 1, type to "YOK", Activity to "MainActivity", names emptied.
    void reset();

private:
    std::string m_currentType;
    std::vector<int> m_counters;
    std::size_t m_accessIndex = 0;
    std::string m_access;
};

}  // namespace nakkas
