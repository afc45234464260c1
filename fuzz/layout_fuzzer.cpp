// The layout reader and layout-to-code, on a folder of layouts that the input fills.
//
// The input is the main layout, then up to four included ones, each after a line
// "%%%%NAME" that names it (NAME is the file name, "baslik.xml"). A name that starts with '?'
// is a file that is there but cannot be read; one that starts with '^' is a link out of the
// folder. The folder answers as the disk would, sizes included, with small limits so that the
// size checks are reached.

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "fake_services.h"
#include "fuzz_support.h"
#include "tools/layout_to_code/layout_to_code.h"

using namespace nakkas;
using nakkas::fuzz::require;

namespace {

constexpr std::string_view kFolder = "/proje/res/layout/";
constexpr std::string_view kSeparator = "\n%%%%";
constexpr std::size_t kMaxIncludes = 4;
const LayoutLimits kLimits{4096, 6144};

struct Folder {
    std::string main;
    std::map<std::string, LayoutFile> files;  // by file name
};

Folder folderOf(std::string_view input) {
    Folder folder;
    auto cut = input.find(kSeparator);
    folder.main = std::string(input.substr(0, cut));
    while (cut != std::string_view::npos && folder.files.size() < kMaxIncludes) {
        input.remove_prefix(cut + kSeparator.size());
        const auto lf = input.find('\n');
        std::string name(input.substr(0, lf));
        input.remove_prefix(lf == std::string_view::npos ? input.size() : lf + 1);
        cut = input.find(kSeparator);
        LayoutFile file{LayoutFile::State::Read, std::string(input.substr(0, cut))};
        if (name.starts_with('?') || name.starts_with('^')) {
            file.state =
                name[0] == '?' ? LayoutFile::State::Unreadable : LayoutFile::State::Outside;
            name.erase(0, 1);
        }
        folder.files.emplace(std::move(name), std::move(file));
    }
    return folder;
}

// The file names the reader may ask for: a plain name of the folder with the layout extension.
bool plainLayoutName(std::string_view name) {
    return name.size() > 4 && name.ends_with(".xml") && name.front() != '.' &&
           name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

// A loader over the folder that checks how the reader uses it.
class Loader {
public:
    explicit Loader(const Folder& folder) : m_folder(folder) {}

    LayoutFile operator()(const std::string& path, const std::string& folder,
                          std::size_t maxBytes) {
        require(maxBytes <= kLimits.file, "a file is read with more room than one file may have");
        const std::string main = std::string(kFolder) + "ana.xml";
        if (path == main && folder.empty())
            return sized(LayoutFile{LayoutFile::State::Read, m_folder.main}, maxBytes);
        require(folder == kFolder, "an include is read from another folder", folder);
        require(path.starts_with(kFolder), "an include path leaves the folder", path);
        const std::string name = path.substr(kFolder.size());
        require(plainLayoutName(name), "an include is asked for by a name that is no layout", name);
        require(m_asked.insert(name).second, "an include is read from the disk twice", name);
        const auto found = m_folder.files.find(name);
        if (found == m_folder.files.end()) return {LayoutFile::State::Missing, {}};
        LayoutFile file = sized(found->second, maxBytes);
        if (file.state == LayoutFile::State::Read) {
            m_included += file.bytes.size();
            require(m_included <= kLimits.total, "includes read past the total limit");
        }
        return file;
    }

private:
    static LayoutFile sized(LayoutFile file, std::size_t maxBytes) {
        if (file.state == LayoutFile::State::Read && file.bytes.size() > maxBytes)
            return {LayoutFile::State::TooLarge, {}};
        return file;
    }

    const Folder& m_folder;
    std::set<std::string> m_asked;
    std::size_t m_included = 0;
};

void checkScan(const LayoutScan& scan, const Folder& folder) {
    if (!scan.error.empty()) {
        require(scan.views.empty() && scan.duplicates == 0, "a refused layout still gives views");
        require(fuzz::wellFormedUtf8(scan.error), "the refusal is not UTF-8", scan.error);
        return;
    }
    std::set<std::string> keys;
    for (const LayoutView& v : scan.views) {
        require(!v.id.empty() && !v.className.empty(), "a view without an id or a class");
        // Whatever the file's encoding, what reaches the code is UTF-8 and holds no character
        // that a file cannot hold (a NUL would cut the id short).
        require(fuzz::wellFormedUtf8(v.id) && fuzz::wellFormedUtf8(v.className),
                "an id or class that is not UTF-8", v.id);
        require(v.id.find('\0') == std::string::npos, "an id holds a NUL");
        require(keys.insert(displayId(v)).second, "an id is listed twice", displayId(v));
        require(v.file == "ana.xml" || folder.files.count(v.file) > 0,
                "a view comes from a file that is not in the folder", v.file);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Folder folder = folderOf(fuzz::bytesOf(data, size));
    const std::string path = std::string(kFolder) + "ana.xml";

    Loader scanLoader(folder);
    const LayoutScan scan = readLayout(path, std::ref(scanLoader), kLimits);
    checkScan(scan, folder);

    // The tool reads through the same folder with the program's own limits, which this folder
    // never reaches; what it lists must be what the reader found.
    test::FakeServices services;
    LayoutOptions options;
    options.accessIndex = size % 7;
    options.writeListeners = size % 2 == 0;
    LayoutToCode tool(services, options, size % 3 == 0 ? Language::Kotlin : Language::Java);
    Loader toolLoader(folder);
    const FileLoader load = [&](const std::string& p, const std::string& f, std::size_t max) {
        return toolLoader(p, f, std::min(max, kLimits.file));
    };
    const Outcome opened = tool.open(path, load);
    if (!opened.ok()) {
        require(tool.rows().empty(), "a refused layout still has rows");
        require(services.messages.size() == 1, "a refusal without exactly one message");
        return 0;
    }
    require(scan.error.empty() && tool.rows().size() == scan.views.size(),
            "the tool lists other views than the reader found");
    for (const NamingStyle style :
         {NamingStyle::Camel, NamingStyle::MPrefix, NamingStyle::SameAsId}) {
        tool.setStyle(style);
        for (const LayoutRow& row : tool.rows())
            require(fuzz::wellFormedUtf8(row.variableName), "a proposed name is not UTF-8",
                    row.variableName);
        require(fuzz::wellFormedUtf8(tool.text()), "the code is not UTF-8");
    }
    for (std::size_t i = 0; i < tool.rows().size(); ++i) {
        const std::string id = displayId(tool.rows()[i].view);
        const std::vector<std::size_t>& found = tool.rowsWithId(id);
        require(std::find(found.begin(), found.end(), i) != found.end(),
                "a listed view cannot be found by its id", id);
    }
    tool.checkNone();
    require(!tool.confirm().ok(), "nothing checked yet code was written");
    tool.checkAll();
    require(tool.confirm().ok() && tool.resultText() == tool.text(),
            "the result is not the code shown");
    return 0;
}
