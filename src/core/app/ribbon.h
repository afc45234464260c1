#pragma once

#include <string_view>
#include <vector>

#include "app/commands.h"

namespace nakkas {

// One button of the ribbon or one entry of a menu.
struct RibbonElement {
    std::string_view id;        // "ID_BUTTON18"
    std::string_view label;     // "OLUŞTUR"
    std::string_view keyTip;    // "O"; empty when none
    std::string_view tipTitle;  // bold first line of the tooltip; empty when none
    std::string_view tipText;   // description under it
    std::string_view icon;      // icon resource name
    Command command;
    std::vector<RibbonElement> dropDown;  // entries of a menu button
    bool separator = false;               // a separator line in a menu
    // Shows as pressed while the program's state equals its command: of the elements with the
    // same command kind, exactly one is pressed.
    bool checkable = false;
};

struct RibbonPanel {
    std::string_view title;
    std::vector<RibbonElement> elements;
};

struct RibbonCategory {
    std::string_view title;
    std::string_view keyTip;
    std::vector<RibbonPanel> panels;
};

struct Ribbon {
    std::vector<RibbonCategory> categories;
    std::vector<RibbonElement> applicationMenu;  // with separators
    RibbonElement tabRowElement;                 // "Hakkında" at the right end of the tab row
    // The output language, pressed one of two, in the tab row before "Hakkında": seen whatever
    // category is open. Their key tips stand beside the categories'.
    std::vector<RibbonElement> tabRowChoices;
    std::string_view applicationKeyTip;  // "Q"
};

// The whole ribbon, built once from its tables and the widget and snippet catalogues.
const Ribbon& ribbon();

// Every element that carries a command, drop-down entries and menu entries included.
std::vector<const RibbonElement*> allCommandElements();

// The help pages, in the order of the help commands, with the ribbon buttons that open them.
struct HelpPage {
    std::string_view fileName;
    std::string_view title;
    std::string_view element;   // "YARDIM_BIR"
    std::string_view tipTitle;  // the button's tooltip
    std::string_view tipText;
};
const std::vector<HelpPage>& helpPages();

// The About box links.
inline constexpr std::string_view kMakerWebSite = "https://www.example.com/nakkas";
inline constexpr std::string_view kMakerMail = "mailto:nakkas@example.com?subject=Nakkas%202012";

}  // namespace nakkas
