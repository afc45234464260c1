#pragma once

#include <string>

#include "tools/dialog_designer/dialog_designer.h"
#include "tools/layout_to_code/layout_to_code.h"
#include "tools/menu_designer/menu_records.h"
#include "tools/setting_saver/setting_saver.h"
#include "tools/sqlite_tool/sqlite_tool.h"
#include "tools/tabhost_wizard/tabhost_wizard.h"

namespace nakkas {

// Tool state that outlives one opening of a dialog, owned by the form view for the whole run.
// Each tool keeps its model here and its dialog is handed that model.
struct ToolState {
    MenuRecords menu;                    // shared by the menu designer and the Tab Host wizard
    DialogDesignerState dialogDesigner;  // the toast flag outlives every opening
    SettingSaverState settingSaver;
    SqliteToolState sqlite;  // the version, which starts as the stored VTVersiyon
    TabHostProject tabHost;
    LayoutOptions layout;      // the choices of "Layout'tan Kod Üret"
    std::string listItemText;  // of the last confirmed list item creator
};

}  // namespace nakkas
