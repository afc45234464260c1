#include "app/form_view.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "app/ribbon.h"
#include "definer/widget_catalogue.h"
#include "expected_files.h"
#include "fake_services.h"
#include "snippets/snippet_catalogue.h"
#include "tools/dialog_designer/dialog_designer.h"
#include "tools/layout_to_code/layout_to_code.h"
#include "tools/menu_designer/menu_designer.h"
#include "tools/setting_saver/setting_saver.h"
#include "tools/sqlite_tool/sqlite_tool.h"
#include "tools/tabhost_wizard/tabhost_wizard.h"

namespace nakkas {
namespace {

using test::FakeServices;
using Calls = std::vector<std::string>;

// A dialog without a script is cancelled.
struct FakeHost : DialogHost {
    explicit FakeHost(const FakeServices& s) : services(s) {}
    const FakeServices& services;
    Calls calls;
    std::optional<TabHostStart> tabHostStart;
    int restartsAtClose = -1;
    int settingsVersionIndex = -2;  // the version entry the settings dialog opened on
    std::function<void(SqliteTool&)> sqliteScript;
    std::function<bool(DialogDesigner&)> dialogDesigner;
    std::function<bool(SettingSaver&)> settingSaver;
    std::function<bool(MenuDesigner&)> menuScript;
    std::function<bool(LayoutToCode&)> layoutAction;

    template <class F, class M>
    bool play(std::string call, const F& script, M& model) {
        calls.push_back(std::move(call));
        return script ? script(model) : false;
    }
    bool runListCreator(ListCreator&) override {
        calls.push_back("list");
        return false;
    }
    void runSqliteTool(SqliteTool& tool) override {
        calls.push_back("sqlite");
        if (sqliteScript) sqliteScript(tool);
    }
    void runTabHostWizard(TabHostWizard& wizard) override {
        calls.push_back("tabhost");
        tabHostStart = wizard.start();
    }
    bool runDialogDesigner(DialogDesigner& d) override {
        return play("dialog " + std::string(dialogTypeName(d.type())), dialogDesigner, d);
    }
    bool runSettingSaver(SettingSaver& s) override { return play("prefs", settingSaver, s); }
    bool runMenuDesigner(MenuDesigner& d) override { return play("menu", menuScript, d); }
    bool runLayoutToCode(LayoutToCode& m) override { return play("layout", layoutAction, m); }
    ProgramSettings::Outcome runProgramSettings(ProgramSettings& settings) override {
        calls.push_back("settings");
        settingsVersionIndex = settings.versionIndex;
        return ProgramSettings::Outcome::Close;  // restarting is the settings dialog's UI test
    }
    void showAbout() override { calls.push_back("about"); }
    void closeMainWindow() override {
        calls.push_back("close");
        restartsAtClose = services.restarts;
    }
};

struct Shell {
    explicit Shell(std::string kodPaneli = "HAYIR") {
        defaults.KodPaneli = std::move(kodPaneli);
        view.emplace(services, host, defaults, text);
        view->setHelpFolder("/usr/share/nakkas/yardim");
    }
    FakeServices services;
    FakeHost host{services};
    Defaults defaults = Defaults::factory();
    StringPanelText text;
    std::optional<FormView> view;
};

std::size_t entryOf(std::string_view label) {
    return *findEntryByLabel(label);
}

::testing::AssertionResult panelIs(FormView& view, const std::string& expectedFile) {
    return test::sameText(view.panel().text(), test::readDataCrLf(expectedFile));
}

void expectMessage(const FakeServices& s, std::string_view text, std::string_view caption,
                   MessageIcon icon, MessageButtons buttons) {
    ASSERT_FALSE(s.messages.empty());
    const auto& m = s.messages.back();
    EXPECT_EQ(std::tie(m.text, m.caption, m.icon, m.buttons),
              std::tie(text, caption, icon, buttons));
}

TEST(FormView, EveryRibbonCommandReachesItsHandler) {
    using K = CommandKind;
    // clang-format off
    const std::map<K, std::string> dialogOf{{K::About, "about"}, {K::ProgramSettings, "settings"},
        {K::SettingSaver, "prefs"}, {K::SqliteTool, "sqlite"}, {K::MenuDesigner, "menu"}};
    // clang-format on
    const std::string dialogModes[] = {"Standart", "Yükleniyor", "Bekleyin", "Evet-Hayır",
                                       "Toast Mesaj"};
    for (const RibbonElement* e : allCommandElements()) {
        SCOPED_TRACE(std::string(e->id) + " " + std::string(e->label));
        Shell shell;
        FormView& view = *shell.view;
        FakeServices& s = shell.services;
        const Calls& calls = shell.host.calls;
        const Command c = e->command;
        view.run(c);
        EXPECT_EQ(s.restarts, c.kind == K::Reset ? 1 : 0);
        if (c.kind != K::Snippet) {
            EXPECT_EQ(view.panel().text(), bannerText());
        }
        switch (c.kind) {
            case CommandKind::ChooseEntry: {
                std::string_view label = e->label;
                if (label == "ListBox") label = "ListView";
                if (label == "Tab Host Proje Sihirbazı") label = "TabHost";
                EXPECT_EQ(view.definer().currentType(), widgetCatalogue()[entryOf(label)].typeKey);
                break;
            }
            case CommandKind::Generate:
                expectMessage(s, "Oluşturulacak hiçbir layout nesnesi seçilmemiş", "Hata",
                              MessageIcon::Error, MessageButtons::Ok);
                break;
            case CommandKind::Snippet:
                EXPECT_EQ(view.panel().text(), snippetCatalogue()[size_t(c.arg)].text);
                break;
            case CommandKind::Help:
                EXPECT_EQ(s.opened, Calls{"/usr/share/nakkas/yardim/" +
                                          std::string(helpPages()[size_t(c.arg)].fileName)});
                break;
            case CommandKind::Reset:
                expectMessage(s, "Herşey sıfırlandı...", "Sıfırlandı", MessageIcon::Information,
                              MessageButtons::Ok);
                EXPECT_EQ(calls, Calls{"close"});
                EXPECT_EQ(shell.host.restartsAtClose, 1);  // the new instance starts first
                break;
            case CommandKind::Exit:  // answered No
                expectMessage(s, "Programdan çıkmak istediğinize emin misiniz?", "Kapansın mı?",
                              MessageIcon::Question, MessageButtons::YesNo);
                EXPECT_TRUE(calls.empty());
                break;
            case CommandKind::LayoutToCode:  // the file dialog, answered with cancel
                ASSERT_EQ(s.dialogs.size(), 1u);
                EXPECT_EQ(std::tie(s.dialogs[0].kind, s.dialogs[0].title, s.dialogs[0].filter),
                          std::tie("open", "Layout Dosyası Seçin", "Android Layout (*.xml)"));
                EXPECT_TRUE(calls.empty());
                break;
            default:
                EXPECT_EQ(calls, Calls{c.kind == CommandKind::DialogDesigner
                                           ? "dialog " + dialogModes[c.arg]
                                           : dialogOf.at(c.kind)});
                EXPECT_TRUE(s.messages.empty());
        }
    }
}

TEST(FormView, StartUpPanelIsTheBannerUnlessExactlyEvetAndResetShowsItAnyway) {
    Shell shell("EVET");
    FormView& view = *shell.view;
    EXPECT_EQ(view.panel().text(), "");  // which values count: the Defaults test
    view.chooseEntry(entryOf("Button"));
    view.generate();
    view.panel().replace("kullanici metni");

    view.reset();
    EXPECT_EQ(view.definer().counter(entryOf("Button")), 1);
    EXPECT_EQ(view.panel().text(), bannerText());  // whatever KodPaneli says

    Shell failing("evet");
    EXPECT_EQ(failing.view->panel().text(), bannerText());
    // A failed restart keeps the window and says so.
    failing.services.canRestart = false;
    failing.view->reset();
    EXPECT_TRUE(failing.host.calls.empty());
    EXPECT_EQ(failing.services.messages.size(), 2u);
    EXPECT_EQ(failing.services.lastMessage().icon, MessageIcon::Error);
}

// The tools start from the definer form's own fields, not from the record.
TEST(FormView, TabHostDialogDesignerAndSettingSaverStartFromTheFormAndFillThePanel) {
    Shell shell;
    shell.defaults.ActivityAdi = "Yoksayilir";
    shell.defaults.SimgeAdi = "simge";
    FormView& view = *shell.view;
    view.definer().activityName = "AnaEkran";
    const auto tabHost = [&] {
        view.chooseEntry(entryOf("TabHost"));
        const TabHostStart& h = *shell.host.tabHostStart;
        return h.activityName + " " + h.variableName + " " + h.idName;
    };
    EXPECT_EQ(tabHost(), "AnaEkran tabHost1 tabHost1");
    view.definer().sameAsId = false;
    EXPECT_EQ(tabHost(), "AnaEkran tab_degisken2 tabHost2");
    view.definer().advance = false;  // the wizard still opens, the counter stays
    tabHost();
    EXPECT_EQ(tabHost(), "AnaEkran tab_degisken3 tabHost3");
    EXPECT_EQ(shell.host.calls, Calls(4, "tabhost"));
    EXPECT_EQ(view.definer().counter(entryOf("TabHost")), 3);

    // The toast flag chosen in a cancelled dialog holds for later openings.
    const Command toast{CommandKind::DialogDesigner, 4};
    shell.host.dialogDesigner = [](DialogDesigner& d) {
        EXPECT_EQ(d.fields.activityName + " " + d.fields.icon, "AnaEkran R.drawable.simge");
        d.selectToastFlag(0);
        return false;
    };
    view.run(toast);
    EXPECT_EQ(view.panel().text(), bannerText());
    shell.host.dialogDesigner = [](DialogDesigner& d) {
        EXPECT_FALSE(d.toastSelection());
        return d.create().ok();
    };
    view.run(toast);
    EXPECT_TRUE(panelIs(view, "dialog_designer/toast_long.txt"));

    shell.host.settingSaver = [](SettingSaver& s) {
        s.openHelp();
        s.selectDataType(0);
        s.selectAccessMode(0);
        return s.confirm().ok();
    };
    view.run({CommandKind::SettingSaver, 0});
    EXPECT_EQ(shell.services.opened, Calls{"/usr/share/nakkas/yardim/ayar-kaydetme.html"});
    EXPECT_TRUE(panelIs(view, "setting_saver/tamsayi_ikisi.txt"));
    EXPECT_TRUE(shell.services.messages.empty());
}

TEST(FormView, SqliteHandsOverOnlyACompiledTextAndLayoutToCodeNothingUnconfirmed) {
    Shell shell;
    FormView& view = *shell.view;
    view.panel().replace("eski metin");
    shell.host.sqliteScript = [&](SqliteTool& tool) {
        EXPECT_EQ(tool.tableName, shell.defaults.TabloAdi);
        tool.chooseVersion(2);  // outlives the dialog, in memory only
        tool.cancel();
    };
    view.sqliteTool();
    EXPECT_EQ(view.panel().text() + view.tools().sqlite.version, "eski metin3");
    EXPECT_TRUE(shell.services.writeLog.empty());
    view.programSettings();  // which offers the version the program now runs with
    EXPECT_EQ(shell.host.settingsVersionIndex, 2);

    std::string compiled;
    shell.host.sqliteScript = [&](SqliteTool& tool) {
        EXPECT_EQ(tool.version(), 2u);
        tool.commands.countRecords = true;
        tool.compile();
        compiled = tool.resultText();
    };
    view.sqliteTool();
    EXPECT_EQ(view.panel().text(), compiled);

    // Confirmed, then closed without it; then a file that cannot be read never opens the dialog.
    shell.services.openFiles = {
        OpenedFile{test::dataPath("layout_to_code/sample/ana_ekran.xml").string(), "ana_ekran.xml"},
        OpenedFile{test::dataPath("layout_to_code/bozuk.xml").string(), "bozuk.xml"}};
    shell.host.layoutAction = [](LayoutToCode& model) { return model.confirm(), false; };
    view.run({CommandKind::LayoutToCode});
    view.run({CommandKind::LayoutToCode});
    EXPECT_EQ(shell.host.calls, (Calls{"sqlite", "settings", "sqlite", "layout"}));
    EXPECT_EQ(shell.services.messages.size(), 1u);
    EXPECT_EQ(view.panel().text(), compiled);
}

// Lists `count` items, renames one and presses OK (or the close box).
std::function<bool(MenuDesigner&)> designMenu(std::string count, int entry, std::string title,
                                              bool ok = true) {
    return [=](MenuDesigner& d) {
        EXPECT_EQ(d.mode(), MenuDesignMode::Normal);
        d.countText = count;
        d.list();
        d.choose(entry);
        d.editTitle(title);
        return ok && d.confirm().ok();
    };
}

TEST(FormView, MenuDesignerWritesOnlyTheDesignJustSavedAndNothingWhenCancelled) {
    Shell shell;
    FormView& view = *shell.view;
    auto& menu = view.tools().menu;
    shell.defaults.SimgeAdi = "menu_simge";
    shell.host.menuScript = designMenu("6", 5, "Çıkış");
    view.menuDesigner();
    EXPECT_TRUE(panelIs(view, "menu_designer/six_items.txt"));

    // The second run starts from fresh titles and icon names and knows nothing of the first.
    shell.defaults.SimgeAdi = "ic_launcher";
    shell.host.menuScript = designMenu("1", 0, "Menu ismi 1");
    view.menuDesigner();
    EXPECT_TRUE(panelIs(view, "menu_designer/one_item.txt"));
    EXPECT_EQ(menu.items[5].title, "Menu ismi 6");

    view.panel().replace("kullanici metni");
    menu.items[1].iconSourcePath = "/simgeler/iki.png";            // the wizard's, kept
    shell.host.menuScript = designMenu("3", 1, "Ayarlar", false);  // cancelled
    view.menuDesigner();
    EXPECT_EQ(menu.count, 0);
    EXPECT_EQ(menu.items[1].title, "Ayarlar");
    shell.host.menuScript = [](MenuDesigner& d) {  // OK for a design that was never listed
        EXPECT_EQ(d.records().items[1].title, "Menu ismi 2");
        return true;
    };
    view.menuDesigner();
    EXPECT_EQ(view.panel().text(), "kullanici metni");
    EXPECT_EQ(menu.count, 0);
    EXPECT_EQ(menu.items[1].iconSourcePath, "/simgeler/iki.png");
}

}  // namespace
}  // namespace nakkas
