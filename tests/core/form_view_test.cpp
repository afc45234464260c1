#include "app/form_view.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/ribbon.h"
#include "definer/widget_catalogue.h"
#include "expected_files.h"
#include "fake_services.h"
#include "snippets/snippet_catalogue.h"
#include "tools/dialog_designer/dialog_designer.h"
#include "tools/layout_to_code/layout_to_code.h"
#include "tools/list_wizard/list_creator.h"
#include "tools/menu_designer/menu_designer.h"
#include "tools/setting_saver/setting_saver.h"
#include "tools/sqlite_tool/sqlite_tool.h"
#include "tools/tabhost_wizard/tabhost_wizard.h"

namespace nakkas {
namespace {

using test::FakeServices;
using Calls = std::vector<std::string>;

// The window's dialogs, played from scripts; a dialog without a script is cancelled.
struct FakeHost : DialogHost {
    explicit FakeHost(const FakeServices& s) : services(s) {}
    const FakeServices& services;
    Calls calls;
    TabHostHandover handover;
    int restartsAtClose = -1;
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
        const TabHostStart& s = wizard.start();
        handover = {s.activityName, s.variableName, s.idName};
    }
    bool runDialogDesigner(DialogDesigner& d) override {
        return play("dialog " + std::string(dialogTypeName(d.type())), dialogDesigner, d);
    }
    bool runSettingSaver(SettingSaver& s) override { return play("prefs", settingSaver, s); }
    bool runMenuDesigner(MenuDesigner& d) override { return play("menu", menuScript, d); }
    bool runLayoutToCode(LayoutToCode& m) override { return play("layout", layoutAction, m); }
    ProgramSettings::Outcome runProgramSettings(ProgramSettings&) override {
        calls.push_back("settings");
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

TEST(FormView, StartUpPanelIsTheBannerUnlessExactlyEvet) {
    EXPECT_EQ(Shell("EVET").view->panel().text(), "");  // which values count: the Defaults test
    EXPECT_EQ(Shell("evet").view->panel().text(), bannerText());
}

TEST(FormView, EveryRibbonCommandReachesItsHandler) {
    // Dialogs that are cancelled open their own dialog and leave the panel as it was.
    using K = CommandKind;
    // clang-format off
    const std::map<K, std::string> dialogOf{{K::About, "about"}, {K::ProgramSettings, "settings"},
        {K::SettingSaver, "prefs"}, {K::SqliteTool, "sqlite"}, {K::MenuDesigner, "menu"}};
    // clang-format on
    const std::string dialogModes[] = {"Standart", "Yükleniyor", "Bekleyin", "Evet-Hayır",
                                       "Toast Mesaj"};
    std::set<CommandKind> seen;
    std::set<std::string> helpOpened;
    for (const RibbonElement* e : allCommandElements()) {
        SCOPED_TRACE(std::string(e->id) + " " + std::string(e->label));
        Shell shell;
        FormView& view = *shell.view;
        FakeServices& s = shell.services;
        const Calls& calls = shell.host.calls;
        const Command c = e->command;
        seen.insert(c.kind);
        view.run(c);
        EXPECT_EQ(s.restarts, c.kind == K::Reset ? 1 : 0);
        if (c.kind != K::Snippet) {
            EXPECT_EQ(view.panel().text(), bannerText());
        }
        switch (c.kind) {
            case CommandKind::ChooseEntry: {
                // The drop-down and the wizard button name their entries differently.
                std::string_view label = e->label;
                if (label == "ListBox") label = "ListView";
                if (label == "Tab Host Proje Sihirbazı") label = "TabHost";
                EXPECT_EQ(view.definer().currentType(), widgetCatalogue()[entryOf(label)].typeKey);
                break;
            }
            case CommandKind::Generate:
                ASSERT_EQ(s.messages.size(), 1u);
                EXPECT_EQ(s.lastMessage().text, "Oluşturulacak hiçbir layout nesnesi seçilmemiş");
                EXPECT_EQ(s.lastMessage().caption, "Hata");
                EXPECT_EQ(s.lastMessage().icon, MessageIcon::Error);
                break;
            case CommandKind::Snippet:
                EXPECT_EQ(snippetCatalogue()[size_t(c.arg)].label, e->label);
                EXPECT_EQ(view.panel().text(), snippetCatalogue()[size_t(c.arg)].text);
                break;
            case CommandKind::Help:
                ASSERT_EQ(s.opened.size(), 1u);
                EXPECT_EQ(s.opened[0], "/usr/share/nakkas/yardim/" +
                                           std::string(helpPages()[size_t(c.arg)].fileName));
                helpOpened.insert(s.opened[0]);
                break;
            case CommandKind::Reset:
                EXPECT_EQ(calls, Calls{"close"});
                break;
            case CommandKind::Exit:  // answered No
                EXPECT_EQ(s.lastMessage().caption, "Kapansın mı?");
                EXPECT_TRUE(calls.empty());
                break;
            case CommandKind::LayoutToCode:  // the file dialog, answered with cancel
                ASSERT_EQ(s.dialogs.size(), 1u);
                EXPECT_EQ(s.dialogs[0].kind, "open");
                EXPECT_EQ(s.dialogs[0].title, "Layout Dosyası Seçin");
                EXPECT_EQ(s.dialogs[0].filter, "Android Layout (*.xml)");
                EXPECT_TRUE(calls.empty());
                break;
            default:
                EXPECT_EQ(calls, Calls{c.kind == CommandKind::DialogDesigner
                                           ? "dialog " + dialogModes[c.arg]
                                           : dialogOf.at(c.kind)});
                EXPECT_TRUE(s.messages.empty());
        }
    }
    EXPECT_EQ(seen.size(), size_t(kCommandKindCount - 1));  // every kind but None
    EXPECT_EQ(helpOpened.size(), 4u);                       // each help command its own page
}

TEST(FormView, ResetClearsTheFormShowsTheBannerAndRestarts) {
    Shell shell("EVET");
    FormView& view = *shell.view;
    view.chooseEntry(entryOf("Button"));
    view.generate();
    view.panel().replace("kullanici metni");

    view.reset();  // what the form's own reset clears is the DefinerForm test
    EXPECT_EQ(view.definer().counter(entryOf("Button")), 1);
    EXPECT_EQ(view.definer().currentType(), "YOK");
    EXPECT_EQ(view.panel().text(), bannerText());  // whatever KodPaneli says
    ASSERT_EQ(shell.services.messages.size(), 1u);
    EXPECT_EQ(shell.services.lastMessage().text, "Herşey sıfırlandı...");
    EXPECT_EQ(shell.services.lastMessage().caption, "Sıfırlandı");
    EXPECT_EQ(shell.services.lastMessage().icon, MessageIcon::Information);
    EXPECT_EQ(shell.services.lastMessage().buttons, MessageButtons::Ok);
    EXPECT_EQ(shell.host.calls, Calls{"close"});
    EXPECT_EQ(shell.host.restartsAtClose, 1);  // the new instance starts before the close

    Shell failing;  // a failed restart keeps the window and says so
    failing.services.canRestart = false;
    failing.view->reset();
    EXPECT_TRUE(failing.host.calls.empty());
    ASSERT_EQ(failing.services.messages.size(), 2u);
    EXPECT_EQ(failing.services.lastMessage().caption, "Hata");
    EXPECT_EQ(failing.services.lastMessage().icon, MessageIcon::Error);
}

// The tools start from the definer form's own fields, not from the record.
TEST(FormView, TabHostDialogDesignerAndSettingSaverStartFromTheFormAndFillThePanel) {
    Shell shell;
    shell.defaults.ActivityAdi = "Yoksayilir";
    shell.defaults.SimgeAdi = "simge";
    FormView& view = *shell.view;
    const TabHostHandover& h = shell.host.handover;
    view.definer().activityName = "AnaEkran";
    view.chooseEntry(entryOf("TabHost"));
    EXPECT_EQ(shell.host.calls, Calls{"tabhost"});
    EXPECT_EQ(h.activityName, "AnaEkran");
    EXPECT_EQ(h.variableName, "tabHost1");
    EXPECT_EQ(h.idName, "tabHost1");

    view.definer().sameAsId = false;
    view.chooseEntry(entryOf("TabHost"));
    EXPECT_EQ(h.variableName, "tab_degisken2");
    EXPECT_EQ(h.idName, "tabHost2");

    view.definer().advance = false;  // the wizard still opens, the counter stays
    view.chooseEntry(entryOf("TabHost"));
    view.chooseEntry(entryOf("TabHost"));
    EXPECT_EQ(shell.host.calls.size(), 4u);
    EXPECT_EQ(h.idName, "tabHost3");
    EXPECT_EQ(view.definer().counter(entryOf("TabHost")), 3);

    // The toast flag chosen in a cancelled dialog holds for later openings.
    const Command toast{CommandKind::DialogDesigner, 4};
    shell.host.dialogDesigner = [](DialogDesigner& d) {
        EXPECT_EQ(d.fields.activityName, "AnaEkran");
        EXPECT_EQ(d.fields.icon, "R.drawable.simge");
        d.selectToastFlag(0);  // LENGTH_LONG, then "İptal Et"
        return false;
    };
    view.run(toast);
    EXPECT_EQ(view.panel().text(), bannerText());
    shell.host.dialogDesigner = [](DialogDesigner& d) {
        EXPECT_FALSE(d.toastSelection());  // the list shows nothing, the flag holds
        return d.create().ok();
    };
    view.run(toast);
    EXPECT_TRUE(shell.services.messages.empty());
    EXPECT_TRUE(
        test::sameText(view.panel().text(), test::readDataCrLf("dialog_designer/toast_long.txt")));

    shell.host.settingSaver = [](SettingSaver& s) {
        s.openHelp();  // its link opens the lesson
        s.selectDataType(0);
        s.selectAccessMode(0);
        return s.confirm().ok();
    };
    view.run({CommandKind::SettingSaver, 0});
    EXPECT_EQ(shell.services.opened, Calls{"/usr/share/nakkas/yardim/ayar-kaydetme.html"});
    EXPECT_TRUE(
        test::sameText(view.panel().text(), test::readDataCrLf("setting_saver/tamsayi_ikisi.txt")));
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
    EXPECT_EQ(view.panel().text(), "eski metin");
    EXPECT_EQ(shell.defaults.VTVersiyon, "3");
    EXPECT_TRUE(shell.services.writeLog.empty());

    std::string compiled;
    shell.host.sqliteScript = [&](SqliteTool& tool) {
        EXPECT_EQ(tool.version(), 2u);
        tool.commands.countRecords = true;
        tool.compile();
        compiled = tool.resultText();
    };
    view.sqliteTool();
    EXPECT_TRUE(compiled.starts_with("// *** Öncelikle"));
    EXPECT_EQ(view.panel().text(), compiled);

    // Layout to code: confirming reaches the panel in the dialog's UI test; here the ways that
    // must not.
    FakeServices& s = shell.services;
    s.openFiles = {
        OpenedFile{test::dataPath("layout_to_code/sample/ana_ekran.xml").string(), "ana_ekran.xml"},
        OpenedFile{test::dataPath("layout_to_code/bozuk.xml").string(), "bozuk.xml"}};
    shell.host.layoutAction = [](LayoutToCode& model) {
        model.confirm();  // the text is built, then the dialog is closed without it
        return false;
    };
    view.run({CommandKind::LayoutToCode});
    EXPECT_EQ(shell.host.calls, (Calls{"sqlite", "sqlite", "layout"}));
    EXPECT_EQ(view.panel().text(), compiled);

    view.run({CommandKind::LayoutToCode});  // a file that cannot be read never opens the dialog
    EXPECT_EQ(shell.host.calls.size(), 3u);
    EXPECT_EQ(s.messages.size(), 1u);  // its text is the LayoutToCode test's
    EXPECT_EQ(view.panel().text(), compiled);
}

// Lists `count` items, renames the chosen ones and presses OK (or the close box), as a user would.
std::function<bool(MenuDesigner&)> designMenu(std::string count,
                                              std::vector<std::pair<int, std::string>> titles,
                                              bool ok = true) {
    return [=](MenuDesigner& d) {
        EXPECT_EQ(d.mode(), MenuDesignMode::Normal);
        d.countText = count;
        d.list();
        for (const auto& [entry, title] : titles) {
            d.choose(entry);
            d.editTitle(title);
        }
        return ok && d.confirm();
    };
}

TEST(FormView, MenuDesignerWritesOnlyTheDesignJustSavedAndNothingWhenCancelled) {
    Shell shell;
    FormView& view = *shell.view;
    shell.defaults.SimgeAdi = "menu_simge";
    shell.host.menuScript = designMenu("6", {{5, "Çıkış"}});
    view.menuDesigner();
    EXPECT_TRUE(
        test::sameText(view.panel().text(), test::readDataCrLf("menu_designer/six_items.txt")));
    EXPECT_EQ(view.tools().menu.count, 6);

    // The second run starts from fresh titles and icon names and knows nothing of the first.
    shell.defaults.SimgeAdi = "ic_launcher";
    shell.host.menuScript = designMenu("1", {});
    view.menuDesigner();
    EXPECT_TRUE(
        test::sameText(view.panel().text(), test::readDataCrLf("menu_designer/one_item.txt")));
    EXPECT_EQ(view.tools().menu.count, 1);
    EXPECT_EQ(view.tools().menu.items[5].title, "Menu ismi 6");

    // A cancelled design leaves the panel and zeroes the count.
    view.panel().replace("kullanici metni");
    view.tools().menu.items[1].iconSourcePath = "/simgeler/iki.png";   // the wizard's, kept
    shell.host.menuScript = designMenu("3", {{1, "Ayarlar"}}, false);  // never saw "İptal"
    view.menuDesigner();
    EXPECT_EQ(view.panel().text(), "kullanici metni");
    EXPECT_EQ(view.tools().menu.count, 0);
    EXPECT_EQ(view.tools().menu.items[1].title, "Ayarlar");

    // A host that reports OK for a design that was never listed generates nothing.
    shell.host.menuScript = [](MenuDesigner& d) {
        EXPECT_EQ(d.records().items[1].title, "Menu ismi 2");  // reset before the opening
        return true;
    };
    view.menuDesigner();
    EXPECT_EQ(view.panel().text(), "kullanici metni");
    EXPECT_EQ(view.tools().menu.count, 0);
    EXPECT_EQ(view.tools().menu.items[1].iconSourcePath, "/simgeler/iki.png");
}

}  // namespace
}  // namespace nakkas
