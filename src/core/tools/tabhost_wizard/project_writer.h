#pragma once

#include <string>
#include <string_view>

#include "text/language.h"
#include "text/no_choice.h"
#include "tools/menu_designer/menu_records.h"
#include "tools/outcome.h"
#include "tools/tabhost_wizard/tabhost_wizard.h"

namespace nakkas {

class Services;

// The folders of a project under its output folder. The package stays one folder, dots included.
struct ProjectFolders {
    std::string root, resources, drawables, layouts, sources, package;
};
ProjectFolders projectFolders(std::string_view outputFolder, std::string_view packageName);

// True for a name that can stand as one path component: not empty, not "." or "..", and without
// a folder separator. Names typed by the user are checked before they become part of a path so
// that nothing lands outside the project folder.
bool isSafePathComponent(std::string_view name);

// "Oluştur": checks the form, then writes the whole project tree as <output folder>/Zep, all or
// nothing. The tree is built in a fresh folder beside Zep and renamed into place only when every
// folder and file of it was written; an old Zep goes to the trash just before that.
//
// Done once the tree is in place. Refused after a check message; when anything of the tree could
// not be written (one message names all of it); when the old folder could not be moved to the
// trash; or when another run took the place meanwhile. Cancelled when the user declined to
// replace the old folder. Unless the outcome is Done, nothing was left behind and an old Zep is
// where it was. The project and the menu keep what the user typed; titles are folded only in
// what is written. The activities are written in the language given; every other file is the
// same in both.
Outcome writeTabHostProject(Services& services, const TabHostProject& project,
                            const MenuRecords& menu, ReplacePolicy policy,
                            Language language = Language::Java);

// The menu goes into the project when a design was saved or the menu box is checked.
inline bool menuIncluded(const TabHostProject& project, const MenuRecords& menu) {
    return menu.count != 0 || project.menuFlag;
}

}  // namespace nakkas
