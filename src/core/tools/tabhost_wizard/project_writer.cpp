#include "tools/tabhost_wizard/project_writer.h"

#include <algorithm>
#include <span>

#include "platform/services.h"
#include "tools/sqlite_tool/text_file_writer.h"

namespace nakkas {

namespace {

std::string join(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.empty() || path.back() != '/') path += '/';
    return path + std::string(name);
}

void info(Services& s, const std::string& text, const std::string& caption) {
    s.messageBox(text, caption, MessageIcon::Information, MessageButtons::Ok);
}

Outcome refuse(Services& s, const std::string& text, const std::string& caption) {
    s.messageBox(text, caption, MessageIcon::Error, MessageButtons::Ok);
    return Outcome::refused(text);
}

// One run of the writer: the folders and the project's texts.
class Run {
public:
    Run(Services& s, const TabHostProject& p, const MenuRecords& m)
        : s(s),
          p(p),
          m(m),
          folders(projectFolders(p.outputFolder, p.packageName)),
          packageOk(isSafePathComponent(p.packageName)) {}

    void write() {
        for (const std::string* folder : {&folders.root, &folders.resources, &folders.drawables,
                                          &folders.layouts, &folders.sources})
            s.createFolder(*folder);
        if (packageOk) s.createFolder(folders.package);

        const std::span<const TabRecord> tabs(p.tabs.data(), size_t(p.tabCount));
        for (const TabRecord& tab : tabs) copyIcon(tab.iconName, tab.iconSourcePath);
        for (int j = 0; j < m.usedCount(); ++j)
            copyIcon(m.items[size_t(j)].iconName, m.items[size_t(j)].iconSourcePath);

        for (int k = 1; k <= p.tabCount; ++k)
            file(folders.drawables, "simge_tab" + std::to_string(k) + ".xml",
                 tabIconSelector(tabs[size_t(k - 1)]));
        for (int k = 1; k <= p.tabCount; ++k)
            file(folders.layouts, "tab" + std::to_string(k) + "_layout.xml",
                 tabPageLayout(tabs[size_t(k - 1)]));
        const bool withMenu = menuIncluded(p, m);
        if (withMenu) file(folders.layouts, "zep_menu.xml", menuResource(m));
        file(folders.layouts, "activity_main.xml", tabHostLayout());
        file(folders.root, "AndroidManifest.xml",
             manifest({p.packageName, p.minVersion, p.targetVersion, p.appIcon, p.applicationId,
                       p.mainActivity, p.windowTitle, tabs}));
        for (int k = 1; k <= p.tabCount; ++k) {
            const TabRecord& tab = tabs[size_t(k - 1)];
            sourceFile(tab.activityName, tabActivity(k, p.packageName, tab));
        }
        MainActivityInput main;
        main.packageName = p.packageName;
        main.activityName = p.mainActivity;
        main.tabs = tabs;
        main.startTab = p.startTab;
        main.fullScreen = p.fullScreen;
        main.orientation = p.orientation;
        main.lifecycle = p.lifecycle;
        main.menu = withMenu ? &m : nullptr;
        sourceFile(p.mainActivity, mainActivity(main));
    }

private:
    // Icons equal to the stored default need no copy; a failed copy (no file chosen, the target
    // there already) goes unreported, as does a name that would leave the drawables folder.
    void copyIcon(const std::string& iconName, const std::string& source) {
        if (iconName == p.appIcon || !isSafePathComponent(iconName)) return;
        s.copyFileNoOverwrite(source, join(folders.drawables, iconName + ".png"));
    }

    // A name that would put the file outside its folder fails like a file that cannot be
    // created: the writer's message, and the run goes on.
    void file(const std::string& folder, const std::string& name, const std::string& text,
              bool folderOk = true) {
        if (!folderOk || !isSafePathComponent(name)) {
            s.messageBox(std::string(kTextFileWriterError), "Hata", MessageIcon::None,
                         MessageButtons::Ok);
            return;
        }
        writeTextFile(s, join(folder, name), text);
    }

    void sourceFile(const std::string& className, const std::string& text) {
        file(folders.package, className + ".java", text,
             packageOk && isSafePathComponent(className));
    }

    Services& s;
    const TabHostProject& p;
    const MenuRecords& m;
    const ProjectFolders folders;
    const bool packageOk;
};

}  // namespace

ProjectFolders projectFolders(std::string_view outputFolder, std::string_view packageName) {
    ProjectFolders f;
    f.root = join(outputFolder, "Zep");
    f.resources = join(f.root, "res");
    f.drawables = join(f.resources, "drawable-hdpi");
    f.layouts = join(f.resources, "layout");
    f.sources = join(f.root, "src");
    f.package = join(f.sources, packageName);
    return f;
}

bool isSafePathComponent(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

Outcome writeTabHostProject(Services& services, TabHostProject& project, MenuRecords& menu,
                            ReplacePolicy policy) {
    project.tabCount = std::clamp(project.tabCount, 1, kMaxTabs);
    project.windowTitle = foldTurkish(project.windowTitle);
    for (TabRecord& tab : project.tabs) tab.title = foldTurkish(tab.title);
    for (MenuItemRecord& item : menu.items) item.title = foldTurkish(item.title);

    // An empty folder would put the project at the file-system root.
    if (project.outputFolder == kNoChoice || project.outputFolder.empty())
        return refuse(services, "Kaydedilecek Proje Klasörü seçilmemiş", "Proje Klasörü Nerede?");
    if (project.packageName == kExamplePackage)
        return refuse(services, "Uygulama paket adınız yazılmamış", "Peket Adı Yok");

    const std::string root = projectFolders(project.outputFolder, project.packageName).root;
    if (services.pathExists(root)) {
        if (policy == ReplacePolicy::Ask &&
            services.messageBox(root +
                                    "\r\nAdlı klasör zaten mevcut, Klasörü Geri Dönüşüm Kutusuna "
                                    "gönderip, Dosyaları yeniden oluşturmamı istermisiniz?",
                                "Klasör Zaten Var...", MessageIcon::Warning,
                                MessageButtons::YesNo) != MessageAnswer::Yes)
            return Outcome::cancelled();
        // Writing over a folder that is still there would mix the old files with the new ones
        // and lose the user's work, so a failed move stops the run.
        if (!services.moveFolderToTrash(root))
            return refuse(services,
                          root +
                              "\r\nAdlı klasör Geri Dönüşüm Kutusuna gönderilemedi. Eski "
                              "dosyalarınız yerinde duruyor, hiçbir dosya yazılmadı.",
                          "Hata");
        info(services, "Klasör silindi..", "Silme işlemi");
    }

    Run(services, project, menu).write();
    info(services, "Dosyalar Oluşturuldu...", "Tamam");
    if (project.openWhenDone) services.openDesktop(root);
    return Outcome::done();
}

}  // namespace nakkas
