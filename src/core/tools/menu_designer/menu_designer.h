#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/menu_designer/menu_records.h"
#include "tools/outcome.h"

namespace nakkas {

class Services;

// Who opened the menu design dialog. The ribbon's menu designer ("Normal") lets the user edit
// titles only; the Tab Host wizard ("TabActi") also lets the user pick icons.
enum class MenuDesignMode { Normal, TabActi };

// "Menü Tasarım": the model behind the menu design dialog. It works directly on the shared
// records, so edits are visible to the opener at once and survive a cancel; only the count is
// taken back by a cancel. The opener prepares the records before it makes one of these.
class MenuDesigner {
public:
    enum class State { Counting, Listed, Editing, Closed };

    static constexpr std::string_view kTitle = "Menü Tasarım";
    static constexpr std::string_view kCountMessage =
        "Girdiğiniz değer 1 ile 6 arasında bir rakam olmalıdır.";
    static constexpr std::string_view kWarning =
        "Uyarı: Dosyaya isimleri dahil Türkçe karakter kullanmayın.\n Eclipse içerisinden "
        "karakterleri değiştirebilirsiniz.";
    static constexpr std::string_view kIconDialogTitle = "Menu için Simge Dosyası Seçin";

    MenuDesigner(Services& services, MenuRecords& records, MenuDesignMode mode);

    // "Toplam menu sayısı:", read by "Listele".
    std::string countText = "1";

    MenuDesignMode mode() const { return m_mode; }
    State state() const { return m_state; }
    const MenuRecords& records() const { return m_records; }
    // The item list's entries, "Menu Madde1" onward.
    const std::vector<std::string>& entries() const { return m_entries; }
    // 0-based position of the entry last chosen.
    std::optional<int> current() const { return m_current; }

    bool countEnabled() const { return m_state == State::Counting; }  // the box and "Listele"
    bool titleEnabled() const { return m_state == State::Editing; }
    bool iconEnabled() const;  // "Menü Simgesi:" and the icon button
    bool okEnabled() const { return m_state == State::Listed || m_state == State::Editing; }
    std::string_view okCaption() const;

    // What "Menu ID:", "Menü İsmi:" and "Menü Simgesi:" show: the current record, or nothing
    // before an entry was chosen.
    std::string menuIdText() const;
    std::string titleText() const;
    std::string iconNameText() const;

    // "Listele": refused with the count message unless the box holds exactly "1" to "6".
    // Refused without a message once listed: the count is fixed for this opening.
    Outcome list();
    // Choosing entry `entry` (0-based) of the item list.
    void choose(int entry);
    // Every change of "Menü İsmi:" / "Menü Simgesi:" stores the whole text.
    void editTitle(const std::string& text);
    void editIconName(const std::string& text);
    // The icon button: asks for a PNG file; cancelling changes nothing.
    Outcome pickIcon();
    // A chosen icon file: the record keeps the path and takes the bare file name as icon name.
    void setIconFile(const std::string& path);
    // The OK button: done when the dialog closes with a result.
    Outcome confirm();
    // "İptal" or the close box: the count goes back to 0; stored edits stay.
    void cancel();
    bool confirmed() const { return m_confirmed; }
    // After the dialog has gone, however it went: the design counts only when the dialog
    // closed with its OK button after a confirm; anything else cancels it.
    Outcome finish(bool closedWithOk);

private:
    MenuItemRecord* currentRecord();
    const MenuItemRecord* currentRecord() const;

    Services& m_services;
    MenuRecords& m_records;
    MenuDesignMode m_mode;
    State m_state = State::Counting;
    std::vector<std::string> m_entries;
    std::optional<int> m_current;
    bool m_confirmed = false;
};

}  // namespace nakkas
