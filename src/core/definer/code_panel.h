#pragma once

#include <array>
#include <string>
#include <string_view>

namespace nakkas {

// The text the code panel holds, with CR LF line breaks. The window backs it with its editor so
// that big texts are not copied on every keystroke; tests and the command line use StringPanelText.
class PanelText {
public:
    virtual ~PanelText() = default;
    virtual const std::string& text() const = 0;
    virtual void replace(std::string text) = 0;
};

class StringPanelText final : public PanelText {
public:
    const std::string& text() const override { return m_text; }
    void replace(std::string text) override { m_text = std::move(text); }

private:
    std::string m_text;
};

// Turns every line break (CR LF, lone LF, lone CR) into CR LF.
std::string toCrLf(std::string_view text);
// Turns every line break into LF, the editor's own.
std::string toLf(std::string_view text);
// True when every line break already is CR LF.
bool hasOnlyCrLf(std::string_view text);

// The comment the panel shows at start and after a reset.
std::string_view bannerText();

// The code panel with its ten in-memory slots.
class CodePanel {
public:
    static constexpr int kSlotCount = 10;

    explicit CodePanel(PanelText& text) : m_text(text) {}

    const std::string& text() const { return m_text.text(); }
    // The panel's one write operation: replaces the whole text.
    void replace(std::string text) { m_text.replace(std::move(text)); }

    // "Kod Alanı 1" ... "Kod Alanı 9", "Kod Alanı10".
    static std::string slotLabel(int index);

    int selectedSlot() const { return m_selected; }
    const std::string& slot(int index) const { return m_slots.at(static_cast<size_t>(index)); }

    // Selection changed in "Kod Paneli:": shows the new slot.
    void selectSlot(int index);
    void store();     // "Sakla"
    void show();      // "Göster"
    void erase();     // "Sil"
    void eraseAll();  // "Hepsini Sil"
    void previous();  // "<"
    void next();      // ">"

private:
    PanelText& m_text;
    std::array<std::string, kSlotCount> m_slots{};
    int m_selected = 0;
};

}  // namespace nakkas
