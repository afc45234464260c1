#include "layout_reader.h"

#include <pugixml.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "text/android_namespace.h"

namespace nakkas {

namespace {

// The parser's own words are English; the user reads these instead.
std::string_view reasonFor(pugi::xml_parse_status status) {
    switch (status) {
        case pugi::status_bad_pi:
            return "hatalı işlem komutu (<? ?>)";
        case pugi::status_bad_comment:
            return "yorum hatalı ya da kapanmamış";
        case pugi::status_bad_cdata:
            return "CDATA bölümü hatalı";
        case pugi::status_bad_doctype:
            return "DOCTYPE bildirimi hatalı";
        case pugi::status_bad_pcdata:
            return "metin içeriği hatalı";
        case pugi::status_bad_start_element:
            return "açılış etiketi hatalı";
        case pugi::status_bad_attribute:
            return "öznitelik hatalı";
        case pugi::status_bad_end_element:
            return "kapanış etiketi hatalı";
        case pugi::status_end_element_mismatch:
            return "açılış ve kapanış etiketleri eşleşmiyor";
        case pugi::status_no_document_element:
            return "dosyada hiç öğe yok";
        case pugi::status_unrecognized_tag:
            return "tanınmayan etiket";
        default:
            return "dosya XML olarak okunamadı";
    }
}

// Line and column (both from 1, the column in characters) of a byte offset.
std::pair<std::size_t, std::size_t> position(std::string_view bytes, std::ptrdiff_t offset) {
    const std::size_t end =
        std::min(bytes.size(), std::size_t(std::max<std::ptrdiff_t>(offset, 0)));
    std::size_t line = 1, lineStart = 0;
    for (std::size_t i = 0; i < end; ++i)
        if (bytes[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    if (lineStart == 0 && bytes.starts_with("\xEF\xBB\xBF"))
        lineStart = std::min<std::size_t>(3, end);
    std::size_t column = 1;
    for (std::size_t i = lineStart; i < end; ++i)
        if ((static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80)
            ++column;  // not a continuation byte
    return {line, column};
}

// Where an element's tag opens: the parser points at its name, one past the '<'.
std::ptrdiff_t tagOffset(const pugi::xml_node& element) {
    return std::max<std::ptrdiff_t>(element.offset_debug() - 1, 0);
}

struct ParsedId {
    std::string name;
    bool framework = false;
};

// "@+id/x", "@id/x" and the framework's "@android:id/x"; anything else is not an id a
// findViewById call can reach.
std::optional<ParsedId> parseId(std::string_view value) {
    static constexpr std::pair<std::string_view, bool> kForms[] = {
        {"@+id/", false}, {"@id/", false}, {"@android:id/", true}, {"@+android:id/", true}};
    for (const auto& [prefix, framework] : kForms)
        if (value.starts_with(prefix) && value.size() > prefix.size())
            return ParsedId{std::string(value.substr(prefix.size())), framework};
    return std::nullopt;
}

// Views are written with a class name: a capital first letter or a package. Lower-case tags
// (merge, include, requestFocus, tag, fragment, data binding's layout and data) are not views,
// though the views under them are.
bool isViewTag(std::string_view tag) {
    if (tag == "view") return true;
    if (tag.empty()) return false;
    return (tag.front() >= 'A' && tag.front() <= 'Z') || tag.find('.') != std::string_view::npos;
}

std::string classOf(const pugi::xml_node& element) {
    const std::string_view tag = element.name();
    if (tag != "view") return std::string(tag);
    const std::string_view written = element.attribute("class").value();
    return written.empty() ? std::string("View") : std::string(written);
}

// An include names a layout of the same folder; a name that would step out of it is treated as
// not found rather than read.
std::optional<std::string> includedFileName(std::string_view layout) {
    constexpr std::string_view kPrefix = "@layout/";
    if (!layout.starts_with(kPrefix)) return std::nullopt;
    const std::string_view name = layout.substr(kPrefix.size());
    if (name.empty() || name.front() == '.' || name.find_first_of("/\\") != std::string_view::npos)
        return std::nullopt;
    return std::string(name) + ".xml";
}

// The parser accepts an attribute written twice; XML does not. Names are collected in a set so
// that an element with a huge number of attributes costs no more than its size.
const char* repeatedAttribute(const pugi::xml_node& element) {
    std::unordered_set<std::string_view> names;
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute())
        if (!names.insert(a.name()).second) return a.name();
    return nullptr;
}

const std::optional<std::string> kNotRead;

class Reader {
public:
    Reader(const FileLoader& load, std::string folder)
        : m_load(load), m_folder(std::move(folder)) {}

    LayoutScan scan;

    bool readDocument(const std::string& name, const std::string& bytes,
                      const std::optional<ParsedId>& rootId) {
        pugi::xml_document doc;
        const pugi::xml_parse_result parsed = doc.load_buffer(bytes.data(), bytes.size());
        if (!parsed) return malformed(name, bytes, parsed.offset, reasonFor(parsed.status));
        pugi::xml_node root;
        for (pugi::xml_node child = doc.first_child(); child; child = child.next_sibling()) {
            if (child.type() != pugi::node_element) continue;
            if (root) return malformed(name, bytes, tagOffset(child), "birden çok kök öğe var");
            root = child;
        }
        m_chain.push_back(name);
        const bool ok = walk(root, rootId, name, bytes);
        m_chain.pop_back();
        return ok;
    }

private:
    bool fail(std::string message) {
        scan.error = std::move(message);
        return false;
    }

    bool malformed(const std::string& name, std::string_view bytes, std::ptrdiff_t offset,
                   std::string_view reason) {
        const auto [line, column] = position(bytes, offset);
        return fail(name + " geçerli bir XML dosyası değil: satır " + std::to_string(line) +
                    ", sütun " + std::to_string(column) + " (" + std::string(reason) + ")");
    }

    // Depth-first in document order, without recursion, so that a deeply nested file cannot
    // exhaust the stack.
    bool walk(const pugi::xml_node& root, const std::optional<ParsedId>& rootId,
              const std::string& name, std::string_view bytes) {
        pugi::xml_node node = root;
        while (node) {
            bool descend = true;
            if (node.type() == pugi::node_element) {
                if (!visit(node, node == root ? rootId : std::nullopt, name, bytes, descend))
                    return false;
            }
            if (descend && node.first_child()) {
                node = node.first_child();
                continue;
            }
            while (node != root && !node.next_sibling()) node = node.parent();
            if (node == root) break;
            node = node.next_sibling();
        }
        return true;
    }

    bool visit(const pugi::xml_node& element, const std::optional<ParsedId>& replacedId,
               const std::string& name, std::string_view bytes, bool& descend) {
        std::optional<ParsedId> id;
        if (const char* twice = repeatedAttribute(element))
            return malformed(name, bytes, tagOffset(element),
                             "aynı öznitelik iki kez yazılmış: " + std::string(twice));
        for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
            const std::string_view attr = a.name();
            if (attr.starts_with("xmlns:") && a.value() == kAndroidNamespace)
                m_androidPrefixes.insert(std::string(attr.substr(6)));
            const auto colon = attr.find(':');
            if (colon != std::string_view::npos && attr.substr(colon + 1) == "id" &&
                (attr.substr(0, colon) == "android" ||
                 m_androidPrefixes.count(std::string(attr.substr(0, colon)))))
                id = parseId(a.value());
        }

        const std::string_view tag = element.name();
        if (tag == "include") {
            descend = false;
            return include(element, id);
        }
        if (!isViewTag(tag)) return true;
        if (replacedId) id = replacedId;  // the include tag's id wins over the root's own
        if (!id) return true;
        std::string key = id->framework ? "android:" + id->name : id->name;
        if (!m_seen.insert(std::move(key)).second) {
            ++scan.duplicates;
            return true;
        }
        scan.views.push_back({classOf(element), std::move(id->name), id->framework, name});
        return true;
    }

    bool include(const pugi::xml_node& element, const std::optional<ParsedId>& id) {
        const std::string layout = element.attribute("layout").value();
        const std::optional<std::string> file = includedFileName(layout);
        const std::optional<std::string>* bytes = &kNotRead;
        if (file) {
            if (std::find(m_chain.begin(), m_chain.end(), *file) != m_chain.end()) {
                std::string path;
                for (const std::string& f : m_chain) path += f + " → ";
                return fail("Layout dosyaları birbirini içeriyor, okuma durduruldu: " + path +
                            *file);
            }
            if (m_chain.size() > std::size_t(kMaxIncludeDepth))
                return fail("Include'lar en fazla " + std::to_string(kMaxIncludeDepth) +
                            " kat iç içe olabilir; " + *file + " daha derinde kalıyor");
            // Includes that fan out at every level multiply; a layout that needs this many
            // documents is a mistake, and reading on would freeze the program.
            if (++m_documents > kMaxIncludedDocuments)
                return fail("Layout çok fazla include içeriyor (en fazla " +
                            std::to_string(kMaxIncludedDocuments) +
                            " dosya okunur); okuma durduruldu");
            bytes = &loadOnce(*file);
        }
        if (!*bytes) {
            const std::string shown = layout.starts_with("@layout/") ? layout.substr(8) : layout;
            if (std::find(scan.missingIncludes.begin(), scan.missingIncludes.end(), shown) ==
                scan.missingIncludes.end())
                scan.missingIncludes.push_back(shown);
            return true;
        }
        return readDocument(*file, **bytes, id);
    }

    // A layout included in many places is read from the disk once.
    const std::optional<std::string>& loadOnce(const std::string& file) {
        const auto found = m_loaded.find(file);
        if (found != m_loaded.end()) return found->second;
        return m_loaded.emplace(file, m_load(m_folder + file)).first->second;
    }

    const FileLoader& m_load;
    std::string m_folder;
    std::unordered_map<std::string, std::optional<std::string>> m_loaded;
    std::size_t m_documents = 0;       // included documents read so far
    std::vector<std::string> m_chain;  // the files being read, outermost first
    std::unordered_set<std::string> m_seen;
    std::unordered_set<std::string> m_androidPrefixes{"android"};
};

}  // namespace

std::optional<std::string> readDiskFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), {}};
    if (in.bad()) return std::nullopt;
    return bytes;
}

LayoutScan readLayout(const std::string& path, const FileLoader& load) {
    const auto slash = path.find_last_of('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    Reader reader(load, folder);
    const std::optional<std::string> bytes = load(path);
    if (!bytes) {
        reader.scan.error = "Layout dosyası okunamadı: " + path;
        return std::move(reader.scan);
    }
    if (!reader.readDocument(name, *bytes, std::nullopt)) {
        // No partial output: what was found before the fault is dropped with it.
        LayoutScan failed;
        failed.error = std::move(reader.scan.error);
        return failed;
    }
    return std::move(reader.scan);
}

std::string displayId(const LayoutView& view) {
    return view.frameworkId ? "android:" + view.id : view.id;
}

}  // namespace nakkas
