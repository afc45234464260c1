#pragma once

namespace nakkas {

// What a ribbon element asks the form view to do. The argument picks the catalogue entry, the
// snippet, the dialog type or the help page.
enum class CommandKind {
    None,         // opens a drop-down only
    ChooseEntry,  // arg: widget catalogue index
    Generate,
    ProgramSettings,
    About,
    Snippet,  // arg: snippet catalogue index
    MenuDesigner,
    SettingSaver,
    SqliteTool,
    DialogDesigner,  // arg: dialog type index
    LayoutToCode,
    Help,  // arg: help page index
    Reset,
    Exit,
    OutputLanguage,  // arg: Language
};
inline constexpr int kCommandKindCount = static_cast<int>(CommandKind::OutputLanguage) + 1;

struct Command {
    CommandKind kind = CommandKind::None;
    int arg = 0;

    bool operator==(const Command&) const = default;
};

}  // namespace nakkas
