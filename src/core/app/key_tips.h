#pragma once

#include <optional>
#include <string_view>

#include "app/ribbon.h"

namespace nakkas {

// Keyboard access to the ribbon: Alt shows the tips of the categories, of the application button
// and of the tab row's choices; a category's tip opens it and shows its elements' tips, an
// element's or a choice's tip runs it.
class KeyTips {
public:
    enum class Mode { Off, Categories, Elements };

    // What one typed tip does.
    struct Effect {
        bool handled = false;
        std::optional<int> openCategory;         // switch to this category
        const RibbonElement* element = nullptr;  // run it (or open its drop-down)
        bool openApplicationMenu = false;
    };

    explicit KeyTips(const Ribbon& ribbon) : m_ribbon(ribbon) {}

    Mode mode() const { return m_mode; }
    int category() const { return m_category; }

    // Alt alone: shows the category tips, or leaves when they are shown.
    void alt();
    // One typed tip, case-insensitive.
    Effect type(std::string_view tip);
    // Escape: one level back.
    void escape();
    void leave() { m_mode = Mode::Off; }

private:
    const Ribbon& m_ribbon;
    Mode m_mode = Mode::Off;
    int m_category = -1;
};

}  // namespace nakkas
