// The Tab Host form and the project writer, on the in-memory file system of the test doubles.
//
// Each input line is one thing a user or the machine does, "verb rest":
//   form:     new, tabs TEXT, list, tab N, activity T, title T, icon T, iconfile PATH,
//             layout N, scroll 0|1, orientation N, fullscreen 0|1, menuflag 0|1, starttab N,
//             lifecycle N, target N, min N, appid T, wintitle T, package T, folder PATH,
//             pickfolder PATH, open 0|1, create, replace (create without the question)
//   opening:  start-activity T, start-icon T, start-package T, kotlin 1|0 (the next "new"
//             opens with them)
//   menu:     menu, then mcount T, mlist, mchoose N, mtitle T, micon T, miconfile PATH, and
//             ok or cancel to close the design
//   machine:  zep (an old project lies in the output folder), answer yes|no, fail-fresh,
//             fail-create REL, fail-copy REL (REL under the new tree), fail-trash,
//             fail-rename, race (another run puts its tree in place just before the rename)
//
// After every "create" it asserts that nothing outside <folder>/Zep and the fresh folder beside
// it was touched, that nothing was left changed when the run did not end done (the trash failed,
// a write failed), and that the outcome is a failure whenever a write failed. The XML the
// project is made of stays well-formed whatever was typed.

#include <pugixml.hpp>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "fake_services.h"
#include "fuzz_support.h"
#include "tools/menu_designer/menu_designer.h"
#include "tools/tabhost_wizard/project_writer.h"
#include "tools/tabhost_wizard/tabhost_wizard.h"

using namespace nakkas;
using nakkas::fuzz::require;
using nakkas::test::MemoryFileSystem;

namespace {

using Strings = std::vector<std::string>;

bool inside(std::string_view path, std::string_view base) {
    return path == base ||
           (path.starts_with(base) && path.size() > base.size() && path[base.size()] == '/');
}

// The components under base are plain names: none empty, "." or "..".
bool plainBelow(std::string_view path, std::string_view base) {
    std::string_view rest = path.substr(base.size());
    while (!rest.empty()) {
        rest.remove_prefix(1);  // the '/'
        const std::string_view part = rest.substr(0, rest.find('/'));
        if (part.empty() || part == "." || part == "..") return false;
        rest.remove_prefix(part.size());
    }
    return true;
}

// The fake desktop, watching what the writer asks of the file system.
class Watched : public test::FakeServices {
public:
    Strings touched;       // every path asked to be changed, in order
    Strings fresh;         // every fresh folder made
    Strings freshParents;  // the folders fresh ones were asked for in
    Strings written;       // files written or copied, by path
    bool failed = false;   // a folder, file, fresh folder, rename or trash failed
    bool trashFailed = false;
    bool race = false;
    std::string raceMarker;  // the file the other run wrote, once it has

    void startRun() {
        touched.clear();
        fresh.clear();
        freshParents.clear();
        written.clear();
        failed = trashFailed = false;
        raceMarker.clear();
    }

    bool createFolder(const std::string& p) override {
        touched.push_back(p);
        return noted(FakeServices::createFolder(p));
    }
    bool writeFile(const std::string& p, const std::string& bytes) override {
        touched.push_back(p);
        const bool ok = FakeServices::writeFile(p, bytes);
        if (ok) written.push_back(p);
        return noted(ok);
    }
    // A copy that fails is skipped by design; it is not a failed write.
    bool copyFileNoOverwrite(const std::string& source, const std::string& target) override {
        touched.push_back(target);
        const bool ok = FakeServices::copyFileNoOverwrite(source, target);
        if (ok) written.push_back(target);
        return ok;
    }
    bool moveFolderToTrash(const std::string& p) override {
        touched.push_back(p);
        const bool ok = FakeServices::moveFolderToTrash(p);
        trashFailed = trashFailed || !ok;
        return noted(ok);
    }
    std::optional<std::string> createFreshFolder(const std::string& parent,
                                                 const std::string& prefix) override {
        freshParents.push_back(parent);
        auto made = FakeServices::createFreshFolder(parent, prefix);
        if (made) fresh.push_back(*made);
        noted(made.has_value());
        return made;
    }
    bool renameFolder(const std::string& from, const std::string& to) override {
        touched.push_back(from);
        touched.push_back(to);
        if (race && fs.folders.count(MemoryFileSystem::parentOf(to)) && !fs.exists(to)) {
            fs.folders.insert(to);
            raceMarker = to + "/diger.txt";
            fs.files[raceMarker] = "diger";
        }
        return noted(FakeServices::renameFolder(from, to));
    }
    bool removeTree(const std::string& p) override {
        touched.push_back(p);
        return FakeServices::removeTree(p);
    }

private:
    bool noted(bool ok) {
        failed = failed || !ok;
        return ok;
    }
};

// --- The XML the project is made of ---------------------------------------------------------

// Element and attribute names in document order: what typed text must never change.
std::string skeleton(const std::string& xml, std::string_view what) {
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed = doc.load_buffer(xml.data(), xml.size());
    require(bool(parsed), "generated XML is not well-formed", std::string(what) + "\n" + xml);
    std::string out;
    for (pugi::xml_node n = doc.first_child(); n;) {
        if (n.type() == pugi::node_element) {
            out += "<" + std::string(n.name());
            for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute())
                out += " " + std::string(a.name());
            out += ">";
        }
        if (n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n && !n.next_sibling()) {
            n = n.parent();
            if (n) out += "</>";
        }
        if (n) n = n.next_sibling();
    }
    // The parser keeps a bare '&' as text; XML does not allow one.
    for (std::size_t at = xml.find('&'); at != std::string::npos; at = xml.find('&', at + 1)) {
        const std::string_view rest = std::string_view(xml).substr(at + 1);
        require(rest.starts_with("amp;") || rest.starts_with("lt;") || rest.starts_with("gt;") ||
                    rest.starts_with("quot;") || rest.starts_with("apos;"),
                "generated XML holds a bare &", std::string(what) + "\n" + xml);
    }
    return out;
}

void sameShape(const std::string& typed, const std::string& plain, std::string_view what) {
    require(skeleton(typed, what) == skeleton(plain, what),
            "typed text changed the elements of generated XML", std::string(what) + "\n" + typed);
}

std::string neutral(const std::string& text) {
    return text.empty() ? text : "x";
}

void checkXml(const TabHostProject& p, const MenuRecords& menu) {
    const int count = std::clamp(p.tabCount, 1, kMaxTabs);
    std::array<TabRecord, kMaxTabs> plainTabs = p.tabs;
    for (int k = 0; k < count; ++k) {
        TabRecord& t = plainTabs[size_t(k)];
        t.activityName = neutral(t.activityName);
        t.title = neutral(t.title);
        t.iconName = neutral(t.iconName);
        sameShape(tabIconSelector(p.tabs[size_t(k)]), tabIconSelector(t), "tab icon selector");
        sameShape(tabPageLayout(p.tabs[size_t(k)]), tabPageLayout(t), "tab page layout");
    }
    const std::span<const TabRecord> tabs(p.tabs.data(), size_t(count));
    const std::span<const TabRecord> plain(plainTabs.data(), size_t(count));
    const std::string pkg = neutral(p.packageName), icon = neutral(p.appIcon),
                      app = neutral(p.applicationId), main = neutral(p.mainActivity),
                      title = neutral(p.windowTitle);
    sameShape(manifest({p.packageName, p.minVersion, p.targetVersion, p.appIcon, p.applicationId,
                        p.mainActivity, p.windowTitle, tabs}),
              manifest({pkg, p.minVersion, p.targetVersion, icon, app, main, title, plain}),
              "manifest");
    MenuRecords plainMenu = menu;
    for (MenuItemRecord& item : plainMenu.items) {
        item.title = neutral(item.title);
        item.iconName = neutral(item.iconName);
    }
    sameShape(menuResource(menu), menuResource(plainMenu), "menu resource");
}

// --- One run of "Oluştur" --------------------------------------------------------------------

struct Snapshot {
    std::set<std::string> folders;
    std::map<std::string, std::string> files;
    std::size_t messages = 0, opened = 0, trashed = 0;
};

Snapshot snapshot(const Watched& s) {
    return {s.fs.folders, s.fs.files, s.messages.size(), s.opened.size(), s.fs.trashed.size()};
}

void checkRun(Watched& s, const Snapshot& before, const TabHostProject& p, const Outcome& outcome,
              bool listed) {
    const std::string root = projectFolders(p.outputFolder, p.packageName).root;
    for (const std::string& parent : s.freshParents)
        require(parent == p.outputFolder, "a fresh folder is made outside the output folder",
                parent);
    for (const std::string& path : s.touched) {
        bool allowed = inside(path, root) && plainBelow(path, root);
        for (const std::string& f : s.fresh)
            allowed = allowed || (inside(path, f) && plainBelow(path, f));
        require(allowed, "a path outside the project folder was touched", path);
    }
    for (const std::string& f : s.fresh) require(!s.fs.exists(f), "a fresh folder was left", f);
    if (s.failed) require(!outcome.ok(), "a write failed yet the run says done");
    if (s.trashFailed) require(!outcome.ok(), "the trash failed yet the run says done");

    bool doneMessage = false;
    for (std::size_t i = before.messages; i < s.messages.size(); ++i)
        doneMessage = doneMessage || s.messages[i].text == "Dosyalar Oluşturuldu...";
    if (!outcome.ok()) {
        require(!doneMessage, "a run that was not done says the files were made");
        require(s.opened.size() == before.opened, "a run that was not done opened something");
        // What may differ: an old project that went to the trash before the rename failed
        // (restorable, and the user was told), and what another run put in place meanwhile.
        Snapshot expected = before;
        if (s.fs.trashed.size() > before.trashed) {
            require(s.fs.trashed.size() == before.trashed + 1 && s.fs.trashed.back() == root,
                    "a run that was not done moved something else to the trash");
            std::erase_if(expected.folders, [&](const std::string& f) { return inside(f, root); });
            std::erase_if(expected.files, [&](const auto& f) { return inside(f.first, root); });
        }
        if (!s.raceMarker.empty()) {
            expected.folders.insert(MemoryFileSystem::parentOf(s.raceMarker));
            expected.files[s.raceMarker] = "diger";
        }
        require(s.fs.folders == expected.folders && s.fs.files == expected.files,
                "a run that was not done left the file system changed");
        return;
    }
    require(listed, "create was done before the form was listed");
    require(doneMessage && s.messages.back().text == "Dosyalar Oluşturuldu...",
            "a done run does not end with its message");
    require(s.opened.size() == before.opened + (p.openWhenDone ? 1 : 0) &&
                (!p.openWhenDone || s.opened.back() == root),
            "a done run opened the wrong thing");
    require(s.fs.folders.count(root) > 0, "a done run left no project folder", root);
    if (before.folders.count(root))
        require(s.fs.trashed.size() == before.trashed + 1 && s.fs.trashed.back() == root,
                "the old project did not go to the trash");
    // The new tree is exactly what this run wrote: nothing of an old one is mixed in.
    require(s.fresh.size() == 1, "a done run made more than one fresh folder");
    std::set<std::string> expected;
    for (const std::string& w : s.written) expected.insert(root + w.substr(s.fresh[0].size()));
    std::set<std::string> found;
    for (const auto& [path, bytes] : s.fs.files)
        if (inside(path, root)) found.insert(path);
    require(found == expected, "the project tree is not what the run wrote");
    for (const auto& [path, bytes] : before.files)
        if (!inside(path, root))
            require(s.fs.files.count(path) && s.fs.files.at(path) == bytes,
                    "a file outside the project changed", path);
}

// --- The input ---------------------------------------------------------------------------------

constexpr std::string_view kHome = "/ev/projeler";

class Session {
public:
    explicit Session(std::string_view input) : m_lines(fuzz::lines(input)) {
        m_s.fs.folders.insert({"/ev", "/ev/projeler", "/ev/resimler"});
        m_s.fs.files["/ev/resimler/kedi.png"] = "PNG kedi";
        m_s.fs.files["/ev/resimler/simge.png"] = "PNG simge";
        m_start = {"AnaEkran", "tabHost1", "tabHost1", "ic_launcher", "com.firma.uyg"};
    }

    void run() {
        while (m_at < m_lines.size()) step(fuzz::event(m_lines[m_at++]));
    }

private:
    TabHostWizard& wizard() {
        if (!m_wizard) open();
        return *m_wizard;
    }
    void open() {
        m_wizard.reset();
        m_wizard.emplace(m_s, m_project, m_menu, m_start);
        // The output folder is where the machine's projects are until the input picks another.
        m_wizard->setOutputFolder(std::string(kHome));
    }
    std::string folderNow() { return wizard().project().outputFolder; }
    std::string nextFresh() {
        const std::string out = folderNow();
        return (out == "/" ? "" : out) + "/.Zep-" + std::to_string(m_s.fs.freshFolders + 1);
    }

    struct Arg {
        std::string text;
        int n;  // the text as a small number, or -1
    };
    using Handler = void (*)(Session&, const Arg&);

    // What each verb does.
    static const std::map<std::string_view, Handler>& events() {
        using S = Session;
        using A = const Arg&;
        static const std::map<std::string_view, Handler> table = {
            {"new", [](S& s, A) { s.open(); }},
            {"start-activity", [](S& s, A a) { s.m_start.activityName = a.text; }},
            {"start-icon", [](S& s, A a) { s.m_start.iconName = a.text; }},
            {"start-package", [](S& s, A a) { s.m_start.packageName = a.text; }},
            {"kotlin", [](S& s, A a) { s.m_start.language = a.n == 1 ? Language::Kotlin : Language::Java; }},
            {"tabs", [](S& s, A a) { s.wizard().tabCountText = a.text; }},
            {"list", [](S& s, A) { s.wizard().list(); }},
            {"tab", [](S& s, A a) { s.wizard().chooseTab(a.n); }},
            {"activity", [](S& s, A a) { s.wizard().setActivityName(a.text); }},
            {"title", [](S& s, A a) { s.wizard().setTitle(a.text); }},
            {"icon", [](S& s, A a) { s.wizard().setIconName(a.text); }},
            {"iconfile", [](S& s, A a) { s.wizard().setIconFile(a.text); }},
            {"layout", [](S& s, A a) { s.wizard().chooseLayout(a.n); }},
            {"scroll", [](S& s, A a) { s.wizard().setScroll(a.n == 1); }},
            {"orientation", [](S& s, A a) { s.wizard().chooseOrientation(a.n); }},
            {"fullscreen", [](S& s, A a) { s.wizard().setFullScreen(a.n == 1); }},
            {"menuflag", [](S& s, A a) { s.wizard().setMenuFlag(a.n == 1); }},
            {"starttab", [](S& s, A a) { s.wizard().chooseStartTab(a.n); }},
            {"lifecycle",
             [](S& s, A a) {
                 if (a.n >= 0 && a.n < kLifecycleCount)
                     s.wizard().setLifecycle(Lifecycle(a.n), true);
             }},
            {"target", [](S& s, A a) { s.wizard().chooseTargetVersion(a.n); }},
            {"min", [](S& s, A a) { s.wizard().chooseMinVersion(a.n); }},
            {"appid", [](S& s, A a) { s.wizard().setApplicationId(a.text); }},
            {"wintitle", [](S& s, A a) { s.wizard().setWindowTitle(a.text); }},
            {"package", [](S& s, A a) { s.wizard().setPackageName(a.text); }},
            {"folder", [](S& s, A a) { s.wizard().setOutputFolder(a.text); }},
            {"pickfolder",
             [](S& s, A a) {
                 s.m_s.folders.push_back(a.text);
                 s.wizard().chooseFolderOption();
                 s.wizard().pickFolder();
                 s.m_s.folders.clear();
             }},
            {"open", [](S& s, A a) { s.wizard().setOpenWhenDone(a.n == 1); }},
            {"menu",
             [](S& s, A) { s.wizard().designMenu([&](MenuDesigner& d) { return s.design(d); }); }},
            {"zep", [](S& s, A) { s.oldProject(); }},
            {"answer",
             [](S& s, A a) {
                 s.m_s.answers.push_back(a.text == "yes" ? MessageAnswer::Yes : MessageAnswer::No);
             }},
            {"fail-fresh", [](S& s, A) { s.m_s.fs.cannotCreate.insert(s.nextFresh()); }},
            {"fail-create",
             [](S& s, A a) { s.m_s.fs.cannotCreate.insert(s.nextFresh() + "/" + a.text); }},
            {"fail-copy",
             [](S& s, A a) { s.m_s.fs.cannotCopy.insert(s.nextFresh() + "/" + a.text); }},
            {"fail-trash", [](S& s, A) { s.m_s.fs.trashFails.insert(s.root()); }},
            {"fail-rename", [](S& s, A) { s.m_s.fs.cannotRename.insert(s.root()); }},
            {"race", [](S& s, A) { s.m_s.race = true; }},
            {"create", [](S& s, A) { s.create(false); }},
            {"replace", [](S& s, A) { s.create(true); }},
        };
        return table;
    }

    void step(const fuzz::Event& e) {
        const auto found = events().find(e.verb);
        if (found == events().end()) return;
        found->second(*this, {std::string(e.rest), fuzz::number(e.rest).value_or(-1)});
    }

    std::string root() { return projectFolders(folderNow(), wizard().project().packageName).root; }

    void oldProject() {
        const std::string r = root();
        if (!m_s.fs.folders.count(MemoryFileSystem::parentOf(r))) return;
        m_s.fs.folders.insert({r, r + "/src"});
        m_s.fs.files[r + "/src/Eski.java"] = "eski";
    }

    // The menu design dialog, driven by the lines up to its "ok" or "cancel".
    bool design(MenuDesigner& d) {
        while (m_at < m_lines.size()) {
            const fuzz::Event e = fuzz::event(m_lines[m_at++]);
            const std::string rest(e.rest);
            if (e.verb == "ok") return d.confirm().ok();
            if (e.verb == "cancel") return d.cancel(), false;
            if (e.verb == "mcount") d.countText = rest;
            if (e.verb == "mlist") d.list();
            if (e.verb == "mchoose") d.choose(fuzz::number(e.rest).value_or(-1));
            if (e.verb == "mtitle") d.editTitle(rest);
            if (e.verb == "micon") d.editIconName(rest);
            if (e.verb == "miconfile") d.setIconFile(rest);
        }
        return false;
    }

    void create(bool replace) {
        // A few runs say all that many would, at a fraction of the time.
        if (++m_runs > 6) return;
        TabHostWizard& w = wizard();
        checkXml(w.project(), m_menu);
        const Snapshot before = snapshot(m_s);
        m_s.startRun();
        const Outcome outcome = w.create(replace ? ReplacePolicy::Replace : ReplacePolicy::Ask);
        checkRun(m_s, before, w.project(), outcome, w.listed());
        m_s.race = false;
    }

    std::vector<std::string_view> m_lines;
    std::size_t m_at = 0;
    Watched m_s;
    TabHostProject m_project;
    MenuRecords m_menu;
    TabHostStart m_start;
    std::optional<TabHostWizard> m_wizard;
    int m_runs = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A run that long says nothing new and only slows the search.
    if (size > 4096) return 0;
    Session(fuzz::bytesOf(data, size)).run();
    return 0;
}
