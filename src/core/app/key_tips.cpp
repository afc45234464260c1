#include "app/key_tips.h"

#include <cctype>

namespace nakkas {

namespace {

bool same(std::string_view a, std::string_view b) {
    if (a.size() != b.size() || a.empty()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

void KeyTips::alt() {
    m_mode = m_mode == Mode::Off ? Mode::Categories : Mode::Off;
}

KeyTips::Effect KeyTips::type(std::string_view tip) {
    Effect out;
    if (m_mode == Mode::Categories) {
        if (same(tip, m_ribbon.applicationKeyTip)) {
            m_mode = Mode::Off;
            out.handled = true;
            out.openApplicationMenu = true;
            return out;
        }
        for (const auto& e : m_ribbon.tabRowChoices) {
            if (same(tip, e.keyTip)) {
                m_mode = Mode::Off;
                out.handled = true;
                out.element = &e;
                return out;
            }
        }
        for (size_t i = 0; i < m_ribbon.categories.size(); ++i) {
            if (same(tip, m_ribbon.categories[i].keyTip)) {
                m_mode = Mode::Elements;
                m_category = int(i);
                out.handled = true;
                out.openCategory = int(i);
                return out;
            }
        }
    } else if (m_mode == Mode::Elements) {
        for (const auto& panel : m_ribbon.categories[size_t(m_category)].panels) {
            for (const auto& e : panel.elements) {
                if (same(tip, e.keyTip)) {
                    m_mode = Mode::Off;
                    out.handled = true;
                    out.element = &e;
                    return out;
                }
            }
        }
    }
    return out;
}

void KeyTips::escape() {
    if (m_mode == Mode::Elements)
        m_mode = Mode::Categories;
    else
        m_mode = Mode::Off;
}

}  // namespace nakkas
