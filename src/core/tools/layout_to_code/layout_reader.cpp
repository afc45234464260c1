#include "layout_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <pugixml.hpp>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "text/android_namespace.h"
#include "text/utf8.h"

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

// An include names a layout of the same folder: "@layout/satir" is satir.xml beside the file.
// Anything else is not found there; a name with a path in it would step out of the folder.
LayoutFile::State includedFile(std::string_view layout, std::string& file) {
    constexpr std::string_view kPrefix = "@layout/";
    if (!layout.starts_with(kPrefix)) return LayoutFile::State::Missing;
    const std::string_view name = layout.substr(kPrefix.size());
    if (name.find_first_of("/\\") != std::string_view::npos) return LayoutFile::State::Outside;
    if (name.empty() || name.front() == '.') return LayoutFile::State::Missing;
    file = std::string(name) + ".xml";
    return LayoutFile::State::Read;
}

// A character XML allows in a document, written or referred to.
bool isXmlChar(long cp) {
    return cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF) ||
           (cp >= 0xE000 && cp <= 0xFFFD) || (cp >= 0x10000 && cp <= 0x10FFFF);
}

struct TextFault {
    std::size_t offset;
    std::string reason;
};

// The parser is lenient where XML is not: it keeps a bare "&" as text, takes any character
// reference (even "&#0;", which cuts an id short), and passes on bytes that are not UTF-8. This
// finds the first such fault in a file's text (UTF-8 by then, see asUtf8), so that it is refused
// like any other that is not well-formed. Comments, CDATA sections, processing instructions and
// the DOCTYPE hold no references; every byte is checked as a character.
class TextChecker {
public:
    explicit TextChecker(std::string_view utf8) : m_bytes(utf8) {}

    std::optional<TextFault> firstFault() {
        std::size_t i = m_bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
        while (i < m_bytes.size()) {
            if (m_bytes[i] == '<') {
                const std::size_t end = markupEnd(i);
                const auto fault = end != i ? characters(i, end) : tag(i);
                if (fault) return fault;
                i = std::max(i, end);
                continue;
            }
            if (auto fault = m_bytes[i] == '&' ? reference(i) : character(i)) return fault;
        }
        return std::nullopt;
    }

private:
    // A tag up to its '>', with its quoted attribute values: the parser takes a '<' inside a
    // value as text, so what looks like a comment there is none, and its references count. XML
    // allows no '<' in a value at all. A tag left open ends where the next one starts; the
    // parser reports it.
    std::optional<TextFault> tag(std::size_t& i) {
        for (++i; i < m_bytes.size() && m_bytes[i] != '<';) {
            const char c = m_bytes[i];
            if (c == '>') return ++i, std::nullopt;
            if (c != '"' && c != '\'') {
                if (auto fault = character(i)) return fault;
                continue;
            }
            for (++i; i < m_bytes.size() && m_bytes[i] != c;) {
                if (m_bytes[i] == '<') return TextFault{i, "öznitelik değerinde < işareti"};
                if (auto fault = m_bytes[i] == '&' ? reference(i) : character(i)) return fault;
            }
            ++i;
        }
        return std::nullopt;
    }

    // Where a comment, CDATA section, processing instruction or DOCTYPE that starts at i ends;
    // i itself for any other markup. One left open runs to the end (the parser reports it).
    std::size_t markupEnd(std::size_t i) const {
        const auto until = [&](std::string_view close, std::size_t from) {
            const auto at = m_bytes.find(close, from);
            return at == std::string_view::npos ? m_bytes.size() : at + close.size();
        };
        const std::string_view rest = m_bytes.substr(i);
        if (rest.starts_with("<!--")) return until("-->", i + 4);
        if (rest.starts_with("<![CDATA[")) return until("]]>", i + 9);
        if (rest.starts_with("<?")) return until("?>", i + 2);
        if (rest.starts_with("<!DOCTYPE")) {
            const auto subset = m_bytes.find_first_of("[>", i);
            if (subset != std::string_view::npos && m_bytes[subset] == '[')
                return until(">", until("]", subset));
            return until(">", i);
        }
        return i;
    }

    std::optional<TextFault> characters(std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to;)
            if (auto fault = character(i)) return fault;
        return std::nullopt;
    }

    std::optional<TextFault> character(std::size_t& i) {
        const std::size_t at = i;
        const auto cp = decodeUtf8(m_bytes, i);
        if (!cp) return TextFault{at, "geçerli UTF-8 olmayan bayt"};
        if (!isXmlChar(*cp)) return TextFault{at, "XML'de yeri olmayan bir karakter"};
        return std::nullopt;
    }

    // "&lt;" and its kin, or a character reference to a character XML allows.
    std::optional<TextFault> reference(std::size_t& i) {
        const std::size_t at = i;
        const std::size_t semicolon = m_bytes.find(';', at);
        const std::string_view body = semicolon == std::string_view::npos
                                          ? std::string_view()
                                          : m_bytes.substr(at + 1, semicolon - at - 1);
        // Only what could be a reference is named as one: text like "& Jerry;" is a bare "&",
        // and the message never quotes bytes that are not characters.
        const auto delimiter = [](char c) {
            return static_cast<unsigned char>(c) <= 0x20 || c == 0x7F ||
                   std::string_view("<>&\"'=;/").find(c) != std::string_view::npos;
        };
        if (body.empty() || body.size() > 16 || !isUtf8(body) ||
            std::any_of(body.begin(), body.end(), delimiter))
            return TextFault{at, "tek başına & işareti (&amp; yazılmalı)"};
        if (body.front() != '#') {
            for (const std::string_view known : {"lt", "gt", "amp", "apos", "quot"})
                if (body == known) {
                    i = semicolon + 1;
                    return std::nullopt;
                }
            return TextFault{at, "bilinmeyen başvuru: &" + std::string(body) + ";"};
        }
        const bool hex = body.size() > 1 && body[1] == 'x';
        const std::string_view digits = body.substr(hex ? 2 : 1);
        long cp = 0;
        for (const char c : digits) {
            const int d = c >= '0' && c <= '9'          ? c - '0'
                          : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                        : -1;
            if (d < 0 || cp > 0x10FFFF) {
                cp = -1;
                break;
            }
            cp = cp * (hex ? 16 : 10) + d;
        }
        if (digits.empty() || !isXmlChar(cp))
            return TextFault{at, "geçersiz karakter başvurusu: &" + std::string(body) + ";"};
        i = semicolon + 1;
        return std::nullopt;
    }

    std::string_view m_bytes;
};

// The encoding named in the XML declaration, in lower case; empty when none is named.
std::string declaredEncoding(std::string_view bytes) {
    if (!bytes.starts_with("<?xml")) return {};
    const std::string_view declaration = bytes.substr(0, bytes.find("?>"));
    const auto at = declaration.find("encoding");
    if (at == std::string_view::npos) return {};
    const auto quote = declaration.find_first_of("\"'", at);
    if (quote == std::string_view::npos) return {};
    const auto close = declaration.find(declaration[quote], quote + 1);
    if (close == std::string_view::npos) return {};
    std::string name(declaration.substr(quote + 1, close - quote - 1));
    for (char& c : name) c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return name;
}

// A file's text as UTF-8. Layouts are UTF-8 almost always; a byte order mark makes one UTF-16,
// and a declaration may name Latin-1. Converting here, rather than leaving it to the parser,
// puts every file through the same checks, and the parser's guess of the encoding (which stops
// at the first oddity in the declaration and then takes Latin-1 bytes for UTF-8) never decides
// what reaches the code. Any other encoding named is read as UTF-8, so a file of plain ASCII
// still reads. A UTF-16 file that breaks off gives a fault at that point of the text.
struct Utf8Text {
    std::string text;
    std::optional<TextFault> fault;
};

Utf8Text asUtf8(std::string_view bytes) {
    Utf8Text out;
    const bool little = bytes.starts_with("\xFF\xFE"), big = bytes.starts_with("\xFE\xFF");
    if (little || big) {
        const auto unit = [&](std::size_t at) {
            const auto b0 = static_cast<unsigned char>(bytes[at]);
            const auto b1 = static_cast<unsigned char>(bytes[at + 1]);
            return char32_t(little ? b0 | (b1 << 8) : (b0 << 8) | b1);
        };
        for (std::size_t at = 2; at < bytes.size(); at += 2) {
            char32_t cp = at + 1 < bytes.size() ? unit(at) : 0xD800;  // half a unit at the end
            if (cp >= 0xD800 && cp <= 0xDBFF && at + 3 < bytes.size() && unit(at + 2) >= 0xDC00 &&
                unit(at + 2) <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(at + 2) - 0xDC00);
                at += 2;
            } else if (cp >= 0xD800 && cp <= 0xDFFF) {
                out.fault = TextFault{out.text.size(), "geçerli UTF-16 olmayan karakter"};
                return out;
            }
            appendUtf8(out.text, cp);
        }
        return out;
    }
    const std::string encoding = declaredEncoding(bytes);
    if (encoding == "iso-8859-1" || encoding == "latin1") {
        for (const char c : bytes) appendUtf8(out.text, static_cast<unsigned char>(c));
        return out;
    }
    out.text = std::string(bytes);
    return out;
}

// The parser accepts an attribute written twice; XML does not. Names are collected in a set so
// that an element with a huge number of attributes costs no more than its size.
const char* repeatedAttribute(const pugi::xml_node& element) {
    std::unordered_set<std::string_view> names;
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute())
        if (!names.insert(a.name()).second) return a.name();
    return nullptr;
}

class Reader {
public:
    Reader(const FileLoader& load, std::string folder, const LayoutLimits& limits)
        : m_load(load), m_folder(std::move(folder)), m_limits(limits) {}

    LayoutScan scan;

    bool readDocument(const std::string& name, const std::string& fileBytes,
                      const std::optional<ParsedId>& rootId) {
        Utf8Text decoded = asUtf8(fileBytes);
        const std::string& bytes = decoded.text;
        if (!decoded.fault) decoded.fault = TextChecker(bytes).firstFault();
        if (const auto& fault = decoded.fault)
            return malformed(name, bytes, std::ptrdiff_t(fault->offset), fault->reason);
        pugi::xml_document doc;
        const pugi::xml_parse_result parsed =
            doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_utf8);
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
        std::string file;
        const LayoutFile::State where = includedFile(layout, file);
        if (where != LayoutFile::State::Read) return note(where, layout);
        if (std::find(m_chain.begin(), m_chain.end(), file) != m_chain.end()) {
            std::string path;
            for (const std::string& f : m_chain) path += f + " → ";
            return fail("Layout dosyaları birbirini içeriyor, okuma durduruldu: " + path + file);
        }
        if (m_chain.size() > std::size_t(kMaxIncludeDepth))
            return fail("Include'lar en fazla " + std::to_string(kMaxIncludeDepth) +
                        " kat iç içe olabilir; " + file + " daha derinde kalıyor");
        // Includes that fan out at every level multiply; a layout that needs this many
        // documents is a mistake, and reading on would freeze the program.
        if (++m_documents > kMaxIncludedDocuments)
            return fail("Layout çok fazla include içeriyor (en fazla " +
                        std::to_string(kMaxIncludedDocuments) + " dosya okunur); okuma durduruldu");
        const LayoutFile& loaded = loadOnce(file);
        switch (loaded.state) {
            case LayoutFile::State::Read:
                return readDocument(file, loaded.bytes, id);
            case LayoutFile::State::TooLarge:
                return fail(m_limits.total - m_included < m_limits.file
                                ? "Include edilen layout'lar toplam " + megabytes(m_limits.total) +
                                      " sınırını aşıyor; okuma durduruldu"
                                : file + " çok büyük (bir layout dosyası en fazla " +
                                      megabytes(m_limits.file) + " olabilir); okuma durduruldu");
            default:
                return note(loaded.state, layout);
        }
    }

    static std::string megabytes(std::size_t bytes) { return std::to_string(bytes >> 20) + " MB"; }

    // An include that is not read is named in its note, once, by what is written after
    // "@layout/".
    bool note(LayoutFile::State why, const std::string& layout) {
        std::vector<std::string>& list = why == LayoutFile::State::Outside ? scan.outsideIncludes
                                         : why == LayoutFile::State::Unreadable
                                             ? scan.unreadableIncludes
                                             : scan.missingIncludes;
        const std::string shown = layout.starts_with("@layout/") ? layout.substr(8) : layout;
        if (std::find(list.begin(), list.end(), shown) == list.end()) list.push_back(shown);
        return true;
    }

    // A layout included in many places is read from the disk once, and counts once towards
    // the limit of all included bytes.
    const LayoutFile& loadOnce(const std::string& file) {
        const auto found = m_loaded.find(file);
        if (found != m_loaded.end()) return found->second;
        const std::size_t room = std::min(m_limits.file, m_limits.total - m_included);
        LayoutFile loaded = m_load(m_folder + file, m_folder, room);
        if (loaded.state == LayoutFile::State::Read) m_included += loaded.bytes.size();
        return m_loaded.emplace(file, std::move(loaded)).first->second;
    }

    const FileLoader& m_load;
    std::string m_folder;
    const LayoutLimits& m_limits;
    std::unordered_map<std::string, LayoutFile> m_loaded;
    std::size_t m_included = 0;        // bytes of included files read so far
    std::size_t m_documents = 0;       // included documents read so far
    std::vector<std::string> m_chain;  // the files being read, outermost first
    std::unordered_set<std::string> m_seen;
    std::unordered_set<std::string> m_androidPrefixes{"android"};
};

}  // namespace

LayoutFile readDiskFile(const std::string& path, const std::string& folder, std::size_t maxBytes) {
    namespace fs = std::filesystem;
    using State = LayoutFile::State;
    std::error_code error;
    if (!folder.empty()) {
        const fs::path real = fs::canonical(path, error);
        if (error)
            return {
                error == std::errc::no_such_file_or_directory ? State::Missing : State::Unreadable,
                {}};
        const fs::path base = fs::canonical(folder, error);
        if (error) return {State::Unreadable, {}};
        const auto [b, r] = std::mismatch(base.begin(), base.end(), real.begin(), real.end());
        if (b != base.end() || r == real.end()) return {State::Outside, {}};
    }
    // A FIFO opens at once without a writer and is then refused like every other path that is
    // not a regular file; so are folders and devices.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {errno == ENOENT || errno == ENOTDIR ? State::Missing : State::Unreadable, {}};
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return {State::Unreadable, {}};
    if (std::size_t(status.st_size) > maxBytes) return {State::TooLarge, {}};
    // Files under /proc say they are empty and are not; the limit holds however much comes.
    LayoutFile file{State::Read, {}};
    file.bytes.resize(std::min(std::size_t(status.st_size), maxBytes) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == file.bytes.size()) {
            if (used > maxBytes) return {State::TooLarge, {}};
            file.bytes.resize(std::min(used * 2, maxBytes + 1));
        }
        const ssize_t got = ::read(fd, file.bytes.data() + used, file.bytes.size() - used);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return {State::Unreadable, {}};
        if (got == 0) break;
        used += std::size_t(got);
    }
    if (used > maxBytes) return {State::TooLarge, {}};
    file.bytes.resize(used);
    return file;
}

LayoutScan readLayout(const std::string& path, const FileLoader& load, const LayoutLimits& limits) {
    const auto slash = path.find_last_of('/');
    // Includes come from the folder the file was opened from; the file itself may be a link.
    const std::string folder = slash == std::string::npos ? "./" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    Reader reader(load, folder, limits);
    const LayoutFile file = load(path, {}, limits.file);
    if (file.state == LayoutFile::State::TooLarge) {
        reader.scan.error = "Layout dosyası çok büyük (en fazla " +
                            std::to_string(limits.file >> 20) + " MB okunur): " + path;
        return std::move(reader.scan);
    }
    if (file.state != LayoutFile::State::Read) {
        reader.scan.error = "Layout dosyası okunamadı: " + path;
        return std::move(reader.scan);
    }
    if (!reader.readDocument(name, file.bytes, std::nullopt)) {
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
