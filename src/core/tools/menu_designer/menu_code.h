#pragma once

#include <string>

#include "text/language.h"
#include "tools/menu_designer/menu_records.h"

namespace nakkas {

// Where a menu's texts go. The code panel's copy has CR LF ends, tells the reader where to paste
// it and ends with a dashed line; the Tab Host project's copy has LF ends and neither. Their case
// comments differ by one word as well ("vuraya" in the panel, "buraya" in the project).
enum class MenuTarget { CodePanel, Project };

// The activity's onCreateOptionsMenu and onOptionsItemSelected for records 1 to count. In a
// project the Kotlin methods stand one indent deep, as members of the class they are written in.
std::string menuMethods(const MenuRecords& records, MenuTarget target, Language language);

// zep_menu.xml: the declaration and the menu element around one <item> per record 1 to count.
// The items keep their CR LF line ends in both targets.
std::string menuXml(const MenuRecords& records, MenuTarget target);

// What the menu designer puts into the code panel: the methods, instructions, then zep_menu.xml,
// which is the same whatever the language.
std::string menuCode(const MenuRecords& records, Language language);

}  // namespace nakkas
