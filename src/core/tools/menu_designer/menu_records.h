#pragma once

#include <array>
#include <string>

namespace nakkas {

// One option-menu item as the menu design dialog edits it.
struct MenuItemRecord {
    std::string menuId;
    std::string title;
    std::string iconName;
    std::string iconSourcePath;  // full path of a chosen PNG; empty unless one was chosen
};

// The six menu item records and the count of the last saved design. Shared by the menu designer
// and the Tab Host wizard for the whole run; only records 1 to count are used.
struct MenuRecords {
    static constexpr int kMaxItems = 6;
    std::array<MenuItemRecord, kMaxItems> items;
    int count = 0;

    // The count, clamped so that records left in a strange state never read past six.
    int usedCount() const { return count < 0 ? 0 : count > kMaxItems ? kMaxItems : count; }
};

// Gives the six records their starting ids ("zep1_menu" ...), titles ("Menu ismi 1" ...) and
// the icon name. Icon source paths and the count are left alone: an opener that wants the paths
// cleared says so itself.
inline void resetMenuItems(MenuRecords& records, const std::string& iconName) {
    for (int i = 0; i < MenuRecords::kMaxItems; ++i) {
        MenuItemRecord& item = records.items[std::size_t(i)];
        const std::string number = std::to_string(i + 1);
        item.menuId = "zep" + number + "_menu";
        item.title = "Menu ismi " + number;
        item.iconName = iconName;
    }
}

}  // namespace nakkas
