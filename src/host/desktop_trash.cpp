#include "desktop_trash.h"

#include <dlfcn.h>

namespace nakkas {

namespace {

// GIO is loaded when something is first trashed, not at start: linking it costs every start of
// the window and the command line about a megabyte and a few milliseconds, for a rare action.
// The few calls are declared here with GLib's own signatures.
using GFilePtr = void*;
struct GError;
struct Gio {
    GFilePtr (*newForPath)(const char*) = nullptr;
    int (*trash)(GFilePtr, void* cancellable, GError** error) = nullptr;
    void (*freeError)(GError*) = nullptr;
    void (*unref)(void*) = nullptr;

    bool loaded() const { return newForPath && trash && freeError && unref; }
};

const Gio& gio() {
    static const Gio loaded = [] {
        Gio g;
        void* library = dlopen("libgio-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library) return g;
        g.newForPath =
            reinterpret_cast<decltype(g.newForPath)>(dlsym(library, "g_file_new_for_path"));
        g.trash = reinterpret_cast<decltype(g.trash)>(dlsym(library, "g_file_trash"));
        g.freeError = reinterpret_cast<decltype(g.freeError)>(dlsym(library, "g_error_free"));
        g.unref = reinterpret_cast<decltype(g.unref)>(dlsym(library, "g_object_unref"));
        return g;
    }();
    return loaded;
}

}  // namespace

bool moveToDesktopTrash(const char* nativePath) {
    // Qt's own move loops for ever when the trash cannot take an info file, and falls back to
    // the current folder when the home trash cannot be made. GIO fails cleanly in both cases.
    const Gio& g = gio();
    if (!g.loaded()) return false;  // without GIO nothing is moved, as with a trash that fails
    GFilePtr file = g.newForPath(nativePath);
    GError* error = nullptr;
    const bool moved = g.trash(file, nullptr, &error) != 0;
    if (error) g.freeError(error);
    g.unref(file);
    return moved;
}

}  // namespace nakkas
