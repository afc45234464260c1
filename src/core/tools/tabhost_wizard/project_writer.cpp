#include "tools/tabhost_wizard/project_writer.h"

#include <algorithm>
#include <optional>
#include <span>
#include <vector>

#include "platform/services.h"
#include "tools/sqlite_tool/text_file_writer.h"

namespace nakkas {

namespace {

// The fresh folder the tree is built in is hidden beside Zep, so that a file manager showing the
// output folder does not offer a half-written tree.
constexpr std::string_view kFreshFolderPrefix = ".Zep-";

std::string join(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.empty() || path.back() != '/') path += '/';
    return path + std::string(name);
}

ProjectFolders foldersUnder(const std::string& root, std::string_view packageName) {
    ProjectFolders f;
    f.root = root;
    f.resources = join(f.root, "res");
    f.drawables = join(f.resources, "drawable-hdpi");
    f.layouts = join(f.resources, "layout");
    f.sources = join(f.root, "src");
    f.package = join(f.sources, packageName);
    return f;
}

void info(Services& s, const std::string& text, const std::string& caption) {
    s.messageBox(text, caption, MessageIcon::Information, MessageButtons::Ok);
}

// The writer's own message, then everything that could not be made.
std::string notWrittenMessage(const std::vector<std::string>& failed, bool replacing) {
    std::string text(kTextFileWriterError);
    text += "\n\nOluşturulamayanlar:";
    for (const std::string& path : failed) text += "\n" + path;
    text += replacing ? "\n\nEski dosyalarınız yerinde duruyor, hiçbir dosya yazılmadı."
                      : "\n\nHiçbir dosya yazılmadı.";
    return text;
}

// One run of the writer: builds the tree in the fresh folder and notes what could not be made,
// by the path it was to have in the project. A folder that failed is noted once; what belongs in
// it is not tried.
class Run {
public:
    Run(Services& services, const TabHostProject& project, const MenuRecords& menu,
        Language language, const std::string& fresh, const std::string& root)
        : m_services(services),
          m_project(project),
          m_menu(menu),
          m_language(language),
          m_folders(foldersUnder(fresh, project.packageName)),
          m_fresh(fresh),
          m_root(root) {}

    std::vector<std::string> write() {
        const bool resources = folder(m_folders.resources);
        const bool drawables = resources && folder(m_folders.drawables);
        const bool layouts = resources && folder(m_folders.layouts);
        const bool sources = folder(m_folders.sources);
        const bool package =
            sources && folder(m_folders.package, isSafePathComponent(m_project.packageName));

        const std::span<const TabRecord> tabs(m_project.tabs.data(), size_t(m_project.tabCount));
        if (drawables) {
            for (const TabRecord& tab : tabs) copyIcon(tab.iconName, tab.iconSourcePath);
            for (int j = 0; j < m_menu.usedCount(); ++j)
                copyIcon(m_menu.items[size_t(j)].iconName, m_menu.items[size_t(j)].iconSourcePath);
            for (int k = 1; k <= m_project.tabCount; ++k)
                file(m_folders.drawables, "simge_tab" + std::to_string(k) + ".xml",
                     tabIconSelector(tabs[size_t(k - 1)]));
        }
        const bool withMenu = menuIncluded(m_project, m_menu);
        if (layouts) {
            for (int k = 1; k <= m_project.tabCount; ++k)
                file(m_folders.layouts, "tab" + std::to_string(k) + "_layout.xml",
                     tabPageLayout(tabs[size_t(k - 1)]));
            if (withMenu) file(m_folders.layouts, "zep_menu.xml", menuResource(m_menu));
            file(m_folders.layouts, "activity_main.xml", tabHostLayout());
        }
        const TabHostProject& p = m_project;
        file(m_folders.root, "AndroidManifest.xml",
             manifest({p.packageName, p.minVersion, p.targetVersion, p.appIcon, p.applicationId,
                       p.mainActivity, p.windowTitle, tabs}));
        if (!package) return std::move(m_failed);
        for (int k = 1; k <= p.tabCount; ++k) {
            const TabRecord& tab = tabs[size_t(k - 1)];
            sourceFile(tab.activityName, tabActivity(k, p.packageName, tab, m_language));
        }
        MainActivityInput main;
        main.packageName = p.packageName;
        main.activityName = p.mainActivity;
        main.tabs = tabs;
        main.startTab = p.startTab;
        main.fullScreen = p.fullScreen;
        main.orientation = p.orientation;
        main.lifecycle = p.lifecycle;
        main.menu = withMenu ? &m_menu : nullptr;
        main.language = m_language;
        sourceFile(p.mainActivity, mainActivity(main));
        return std::move(m_failed);
    }

private:
    // The path as the user will know it, under Zep rather than the fresh folder.
    std::string shown(const std::string& path) const {
        return m_root + path.substr(m_fresh.size());
    }

    bool failed(const std::string& path) {
        m_failed.push_back(shown(path));
        return false;
    }

    // A name that would put the folder outside its parent fails like one that cannot be made.
    bool folder(const std::string& path, bool nameOk = true) {
        if (!nameOk || !m_services.createFolder(path)) return failed(path);
        return true;
    }

    // Icons equal to the stored default need no copy; a copy that fails (no file chosen, the
    // target there already, not a regular file) is skipped without a word, as is a name that
    // would leave the drawables folder.
    void copyIcon(const std::string& iconName, const std::string& source) {
        if (iconName == m_project.appIcon || !isSafePathComponent(iconName)) return;
        m_services.copyFileNoOverwrite(source, join(m_folders.drawables, iconName + ".png"));
    }

    void file(const std::string& folder, const std::string& name, const std::string& text,
              bool nameOk = true) {
        writeBytes(join(folder, name), textFileBytes(text), nameOk && isSafePathComponent(name));
    }

    void writeBytes(const std::string& path, const std::string& bytes, bool nameOk) {
        if (!nameOk || !m_services.writeFile(path, bytes)) failed(path);
    }

    // A class name that is no name of its own ("", "..") is no file name either.
    void sourceFile(const std::string& className, const std::string& text) {
        const ActivityFileForm form = activityFileForm(m_language);
        const std::string name = className + std::string(form.extension);
        writeBytes(join(m_folders.package, name), form.bytes(text),
                   isSafePathComponent(className) && isSafePathComponent(name));
    }

    Services& m_services;
    const TabHostProject& m_project;
    const MenuRecords& m_menu;
    const Language m_language;
    const ProjectFolders m_folders;
    const std::string m_fresh;
    const std::string m_root;
    std::vector<std::string> m_failed;
};

}  // namespace

ProjectFolders projectFolders(std::string_view outputFolder, std::string_view packageName) {
    return foldersUnder(join(outputFolder, "Zep"), packageName);
}

bool isSafePathComponent(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

Outcome writeTabHostProject(Services& services, const TabHostProject& typed,
                            const MenuRecords& typedMenu, ReplacePolicy policy, Language language) {
    // An empty folder would put the project at the file-system root.
    if (typed.outputFolder == kNoChoice || typed.outputFolder.empty())
        return showRefusal(services, "Kaydedilecek Proje Klasörü seçilmemiş",
                           "Proje Klasörü Nerede?");
    if (typed.packageName == kExamplePackage)
        return showRefusal(services, "Uygulama paket adınız yazılmamış", "Peket Adı Yok");

    // A refused run leaves the form as the user typed it, so only a copy is folded.
    TabHostProject project = typed;
    MenuRecords menu = typedMenu;
    project.tabCount = std::clamp(project.tabCount, 1, kMaxTabs);
    project.windowTitle = foldTurkish(project.windowTitle);
    for (TabRecord& tab : project.tabs) tab.title = foldTurkish(tab.title);
    for (MenuItemRecord& item : menu.items) item.title = foldTurkish(item.title);

    const std::string root = projectFolders(project.outputFolder, project.packageName).root;
    const bool replacing = services.pathExists(root);
    if (replacing && policy == ReplacePolicy::Ask &&
        services.messageBox(root + "\r\nAdlı klasör zaten mevcut, Klasörü Geri Dönüşüm Kutusuna "
                                   "gönderip, Dosyaları yeniden oluşturmamı istermisiniz?",
                            "Klasör Zaten Var...", MessageIcon::Warning,
                            MessageButtons::YesNo) != MessageAnswer::Yes)
        return Outcome::cancelled();

    const std::optional<std::string> fresh =
        services.createFreshFolder(project.outputFolder, std::string(kFreshFolderPrefix));
    const std::vector<std::string> failed =
        fresh ? Run(services, project, menu, language, *fresh, root).write() : std::vector{root};
    if (!failed.empty()) {
        if (fresh) services.removeTree(*fresh);
        return showRefusal(services, notWrittenMessage(failed, replacing), "Hata",
                           MessageIcon::None);
    }
    if (replacing) {
        // The old tree goes only now that the new one is whole, and stays when it cannot go.
        if (!services.moveFolderToTrash(root)) {
            services.removeTree(*fresh);
            return showRefusal(services,
                               root +
                                   "\r\nAdlı klasör Geri Dönüşüm Kutusuna gönderilemedi. Eski "
                                   "dosyalarınız yerinde duruyor, hiçbir dosya yazılmadı.",
                               "Hata");
        }
        info(services, "Klasör silindi..", "Silme işlemi");
    }
    // The rename is the commit: it never replaces what another run put there meanwhile.
    if (!services.renameFolder(*fresh, root)) {
        services.removeTree(*fresh);
        return showRefusal(services,
                           root +
                               "\r\nAdlı klasör yerine konamadı; bu sırada aynı yere başka bir "
                               "işlem yazmış olabilir. Hiçbir dosya yazılmadı.",
                           "Hata");
    }
    info(services, "Dosyalar Oluşturuldu...", "Tamam");
    if (project.openWhenDone) services.openDesktop(root);
    return Outcome::done();
}

}  // namespace nakkas
