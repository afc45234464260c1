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
// shows the message and keeps none of the views.
struct LayoutScan {
    std::vector<LayoutView> views;
    std::size_t duplicates = 0;                // ids dropped because they occurred before
    std::vector<std::string> missingIncludes;  // layout names that could not be found
    std::string error;
};

// Reads a file's bytes; nullopt when it cannot be read. Tests and benchmarks hand in their own.
using FileLoader = std::function<std::optional<std::string>(const std::string& path)>;
std::optional<std::string> readDiskFile(const std::string& path);

// Includes deeper than this are refused: a layout tree that deep is a mistake, and the limit
// keeps a broken layout from running away.
inline constexpr int kMaxIncludeDepth = 16;
// Included documents read in all, however often the same file comes back.
inline constexpr std::size_t kMaxIncludedDocuments = 2000;

// Reads the layout at path and every layout it includes from the same folder.
LayoutScan readLayout(const std::string& path, const FileLoader& load = readDiskFile);

// "list" for a plain id, "android:list" for a framework id: how the user sees and names one.
std::string displayId(const LayoutView& view);

}  // namespace nakkas
