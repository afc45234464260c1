#include "desktop_trash.h"

// Kept apart from the Qt headers: GLib's use a name that Qt defines as a macro.
#include <gio/gio.h>

namespace nakkas {

bool moveToDesktopTrash(const char* nativePath) {
    // Qt's own move loops for ever when the trash cannot take an info file, and falls back to
    // the current folder when the home trash cannot be made. GIO fails cleanly in both cases.
    GFile* file = g_file_new_for_path(nativePath);
    GError* error = nullptr;
    const bool moved = g_file_trash(file, nullptr, &error);
    g_clear_error(&error);
    g_object_unref(file);
    return moved;
}

}  // namespace nakkas
