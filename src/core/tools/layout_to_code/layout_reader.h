#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace nakkas {

// One view of a layout that carries an id, in document order.
struct LayoutView {
    std::string className;     // as written: "Button", "com.ornek.OzelGorunum"
    std::string id;            // the bare name: "btn_kaydet" for "@+id/btn_kaydet"
    bool frameworkId = false;  // "@android:id/list": reached through android.R.id
    std::string file;          // the file it was found in, for the user
};

// What a layout file and its includes hold. When error is set, nothing else counts: the caller
// shows the message and keeps none of the views. Includes that were not read are listed by the
// name written, each once, by why.
struct LayoutScan {
    std::vector<LayoutView> views;
    std::size_t duplicates = 0;                   // ids dropped because they occurred before
    std::vector<std::string> missingIncludes;     // no such layout in the folder
    std::vector<std::string> unreadableIncludes;  // there, but a folder, a FIFO or not readable
    std::vector<std::string> outsideIncludes;     // leading out of the layout's folder
    std::string error;
};

// What reading one file gave.
struct LayoutFile {
    enum class State { Read, Missing, Unreadable, Outside, TooLarge };
    State state = State::Missing;
    std::string bytes;
};

// Reads the file at path, if it holds at most maxBytes. When folder is given, a file whose real
// path (every link resolved) is not inside the folder's real path is not even opened: an include
// must not read what lies outside the layout's folder. Tests and benchmarks hand in their own.
using FileLoader = std::function<LayoutFile(const std::string& path, const std::string& folder,
                                            std::size_t maxBytes)>;
LayoutFile readDiskFile(const std::string& path, const std::string& folder, std::size_t maxBytes);

// A layout file larger than file is refused before it is read, and so are includes once their
// sum would pass total: a huge file is no layout, and reading it would take the memory.
struct LayoutLimits {
    std::size_t file = std::size_t(16) << 20;
    std::size_t total = std::size_t(64) << 20;
};

// Includes deeper than this are refused: a layout tree that deep is a mistake, and the limit
// keeps a broken layout from running away.
inline constexpr int kMaxIncludeDepth = 16;
// Included documents read in all, however often the same file comes back.
inline constexpr std::size_t kMaxIncludedDocuments = 2000;

// Reads the layout at path and every layout it includes from the same folder.
LayoutScan readLayout(const std::string& path, const FileLoader& load = readDiskFile,
                      const LayoutLimits& limits = {});

// "list" for a plain id, "android:list" for a framework id: how the user sees and names one.
std::string displayId(const LayoutView& view);

}  // namespace nakkas
