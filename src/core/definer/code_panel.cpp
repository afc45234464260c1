#include "code_panel.h"

#include <stdexcept>

namespace nakkas {

namespace {

// Kept piece by piece so each line can be compared with the text the panel must show; the
// trailing blank after "Tanımlama" and the two blanks after "Yordam" belong to it.
constexpr std::string_view kBannerPieces[] = {
    "/*\r\n",
    "  Nakkas 2012\r\n",
    "\r\n",
    "  Bu program Android için yazılım geliştiren programcıların Tanımlama \r\n",
    "  ve Standart Yordam  kodlarını pratik bir şekilde oluşturması içindir.\r\n",
    "\r\n",
    "\r\n",
    "\r\n",
    "<intent-filter >\r\n",
    "   <action android:name=\"android.intent.action.MAIN\" />\r\n",
    "   <category android:name=\"android.intent.category.LAUNCHER\" />\r\n",
    "</intent-filter>\r\n",
    "\r\n",
    "Not: AndroidManifest.xml dosyasındaki <activity tagının içine yazılacak\r\n",
    "*/",
};

std::string joinBanner() {
    std::string text;
    for (std::string_view piece : kBannerPieces) text += piece;
    return text;
}

void checkSlot(int index) {
    if (index < 0 || index >= CodePanel::kSlotCount)
        throw std::out_of_range("code slot index out of range");
}

}  // namespace

namespace {

// Every line break (CR LF, lone LF, lone CR) becomes the given one.
std::string withLineBreaks(std::string_view text, std::string_view lineBreak) {
    // Pasted and generated texts can run to megabytes: one pass, one allocation.
    std::size_t breaks = 0;
    for (char c : text) breaks += (c == '\n' || c == '\r');
    std::string out;
    out.reserve(text.size() + breaks * (lineBreak.size() - 1));
    const std::size_t n = text.size();
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        out.append(text.data() + runStart, i - runStart);
        out += lineBreak;
        if (c == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
        runStart = i + 1;
    }
    out.append(text.data() + runStart, n - runStart);
    return out;
}

}  // namespace

std::string toCrLf(std::string_view text) {
    return withLineBreaks(text, "\r\n");
}

std::string toLf(std::string_view text) {
    return withLineBreaks(text, "\n");
}

bool hasOnlyCrLf(std::string_view text) {
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (text[i] == '\r') {
            if (i + 1 >= n || text[i + 1] != '\n') return false;
            ++i;
        } else if (text[i] == '\n') {
            return false;
        }
    }
    return true;
}

std::string_view bannerText() {
    static const std::string banner = joinBanner();
    return banner;
}

std::string CodePanel::slotLabel(int index) {
    checkSlot(index);
    const int number = index + 1;
    // The selector squeezes the two-digit number against the word: "Kod Alanı10".
    return std::string(number < 10 ? "Kod Alanı " : "Kod Alanı") + std::to_string(number);
}

void CodePanel::selectSlot(int index) {
    checkSlot(index);
    m_selected = index;
    show();
}

void CodePanel::store() {
    m_slots[static_cast<size_t>(m_selected)] = m_text.text();
}

// Replaces the panel even with an empty slot: unsaved panel text is lost on purpose.
void CodePanel::show() {
    m_text.replace(m_slots[static_cast<size_t>(m_selected)]);
}

void CodePanel::erase() {
    m_slots[static_cast<size_t>(m_selected)].clear();
}

void CodePanel::eraseAll() {
    for (auto& s : m_slots) s.clear();
}

void CodePanel::previous() {
    selectSlot(m_selected > 0 ? m_selected - 1 : m_selected);
}

void CodePanel::next() {
    selectSlot(m_selected < kSlotCount - 1 ? m_selected + 1 : m_selected);
}

}  // namespace nakkas
