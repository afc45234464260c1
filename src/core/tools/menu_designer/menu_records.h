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
};

}  // namespace nakkas
