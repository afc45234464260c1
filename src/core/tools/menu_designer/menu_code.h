#pragma once

#include <string>
#include <string_view>

#include "text/android_namespace.h"
#include "tools/menu_designer/menu_records.h"

namespace nakkas {

// One <item> element (id, icon, title lines, CR LF ends) per record 1 to count. The Tab Host
// project's menu resource is built from the same items.
std::string menuItemXml(const MenuRecords& records);

// What the menu designer puts into the code panel for records 1 to count: the activity's
// onCreateOptionsMenu and onOptionsItemSelected, instructions, then zep_menu.xml.
std::string menuCode(const MenuRecords& records);

}  // namespace nakkas
