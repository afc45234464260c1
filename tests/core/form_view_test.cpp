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

// The window's dialogs, answered from a script.
struct FakeHost : DialogHost {
    explicit FakeHost(const FakeServices& s) : services(s) {}
    const FakeServices& services;
    std::vector<std::string> calls;
    TabHostHandover handover;
    int restartsAtClose = -1;

    bool runListCreator(ListCreator&) override {
        calls.push_back("list");
        return false;  // cancelled
    }
    std::function<void(SqliteTool&)> sqliteScript;  // leaves the dialog as a close box would
    void runSqliteTool(SqliteTool& tool) override {
        calls.push_back("sqlite");
        if (sqliteScript) sqliteScript(tool);
    }
    void runTabHostWizard(TabHostWizard& wizard) override {
        calls.push_back("tabhost");
        const TabHostStart& s = wizard.start();
        handover = {s.activityName, s.variableName, s.idName};
    }
    // What the user does in a tool dialog; without a script the dialog is cancelled.
    std::function<bool(DialogDesigner&)> dialogDesigner;
    std::function<bool(SettingSaver&)> settingSaver;
    bool runDialogDesigner(DialogDesigner& d) override {
        calls.push_back("dialog " + std::string(dialogTypeName(d.type())));
        return dialogDesigner ? dialogDesigner(d) : false;
    }
    bool runSettingSaver(SettingSaver& s) override {
        calls.push_back("prefs");
        return settingSaver ? settingSaver(s) : false;
    }
    // Plays the user's part in the menu design dialog; without a script the user cancels.
    std::function<bool(MenuDesigner&)> menuScript;
    bool runMenuDesigner(MenuDesigner& designer) override {
        calls.push_back("menu");
        return menuScript ? menuScript(designer) : false;
    }
    // Acts on the model as a user would, then confirms ("Oluştur") or cancels.
    std::function<bool(LayoutToCode&)> layoutAction = [](LayoutToCode&) { return false; };
    bool runLayoutToCode(LayoutToCode& model) override {
        calls.push_back("layout");
        return layoutAction(model);
    }
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
    std::set<CommandKind> seen;
    std::set<std::string> helpOpened;
    for (const RibbonElement* e : allCommandElements()) {
        SCOPED_TRACE(std::string(e->id) + " " + std::string(e->label));
        Shell shell;
        shell.view->setHelpFolder("/usr/share/nakkas/yardim");
        FormView& view = *shell.view;
        FakeServices& s = shell.services;
        const Command c = e->command;
        seen.insert(c.kind);
        view.run(c);
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
            case CommandKind::About:
                EXPECT_EQ(shell.host.calls, std::vector<std::string>{"about"});
                break;
            case CommandKind::ProgramSettings:
                EXPECT_EQ(shell.host.calls, std::vector<std::string>{"settings"});
                EXPECT_EQ(s.restarts, 0);  // the dialog closed without a restart
                break;
            case CommandKind::Help:
                ASSERT_EQ(s.opened.size(), 1u);
                EXPECT_EQ(s.opened[0], "/usr/share/nakkas/yardim/" +
                                           std::string(helpPages()[size_t(c.arg)].fileName));
                helpOpened.insert(s.opened.at(0));
                break;
            case CommandKind::Reset:
                EXPECT_EQ(s.restarts, 1);
                EXPECT_EQ(shell.host.calls, std::vector<std::string>{"close"});
                break;
            case CommandKind::DialogDesigner: {
                // Each of the five buttons opens the form in its own mode.
                static const std::map<std::string_view, std::string> modes{
                    {"DLGStandart", "Standart"},
                    {"DLGYukleniyor", "Yükleniyor"},
                    {"DLGBekleyin", "Bekleyin"},
                    {"DLGEvetHayir", "Evet-Hayır"},
                    {"DLGToast", "Toast Mesaj"}};
                EXPECT_EQ(shell.host.calls, std::vector<std::string>{"dialog " + modes.at(e->id)});
                EXPECT_EQ(view.panel().text(), bannerText());
                break;
            }
            case CommandKind::SettingSaver:
                EXPECT_EQ(shell.host.calls, std::vector<std::string>{"prefs"});
                EXPECT_EQ(view.panel().text(), bannerText());
                break;
            case CommandKind::SqliteTool:  // closed at once
                EXPECT_EQ(shell.host.calls, std::vector<std::string>{"sqlite"});
                EXPECT_EQ(view.panel().text(), bannerText());
                break;
            case CommandKind::MenuDesigner:  // cancelled
                EXPECT_EQ(shell.host.calls, std::vector<std::string>{"menu"});
                EXPECT_EQ(view.panel().text(), bannerText());
                break;
            case CommandKind::Exit:  // answered No
                EXPECT_EQ(s.lastMessage().caption, "Kapansın mı?");
                EXPECT_TRUE(shell.host.calls.empty());
                break;
            case CommandKind::LayoutToCode:  // the file dialog, answered with cancel
                ASSERT_EQ(s.dialogs.size(), 1u);
                EXPECT_EQ(s.dialogs[0].kind, "open");
                EXPECT_EQ(s.dialogs[0].title, "Layout Dosyası Seçin");
                EXPECT_EQ(s.dialogs[0].filter, "Android Layout (*.xml)");
                EXPECT_TRUE(shell.host.calls.empty());
                EXPECT_EQ(view.panel().text(), bannerText());
                break;
            default:  // tools that are not built yet
                EXPECT_TRUE(s.messages.empty());
                EXPECT_TRUE(shell.host.calls.empty());
                EXPECT_EQ(view.panel().text(), bannerText());
                EXPECT_EQ(view.definer().currentType(), "YOK");
        }
    }
    EXPECT_EQ(seen.size(), size_t(kCommandKindCount - 1));  // every kind but None
    EXPECT_FALSE(seen.count(CommandKind::None));
    EXPECT_EQ(helpOpened.size(), 4u);  // each help command its own page
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
    EXPECT_EQ(shell.host.calls, std::vector<std::string>{"close"});
    EXPECT_EQ(shell.host.restartsAtClose, 1);  // the new instance starts before the close
}

TEST(FormView, FailedRestartKeepsTheWindowAndSaysSo) {
    Shell shell;
    shell.services.canRestart = false;
    shell.view->reset();
    EXPECT_TRUE(shell.host.calls.empty());
    ASSERT_EQ(shell.services.messages.size(), 2u);
    EXPECT_EQ(shell.services.lastMessage().caption, "Hata");
    EXPECT_EQ(shell.services.lastMessage().icon, MessageIcon::Error);
}

TEST(FormView, TabHostHandsOverAndAdvancesWithoutTouchingThePanel) {
    Shell shell;
    shell.defaults.ActivityAdi = "Yoksayilir";  // the form's own field counts, not the record
    FormView& view = *shell.view;
    view.definer().activityName = "AnaEkran";
    view.chooseEntry(entryOf("TabHost"));  // both ribbon buttons choose it
    EXPECT_EQ(shell.host.calls, std::vector<std::string>{"tabhost"});
    EXPECT_EQ(shell.host.handover.activityName, "AnaEkran");
    EXPECT_EQ(shell.host.handover.variableName, "tabHost1");
    EXPECT_EQ(shell.host.handover.idName, "tabHost1");
    EXPECT_EQ(view.panel().text(), bannerText());
    EXPECT_EQ(view.definer().counter(entryOf("TabHost")), 2);

    view.definer().sameAsId = false;
    view.chooseEntry(entryOf("TabHost"));
    EXPECT_EQ(shell.host.handover.variableName, "tab_degisken2");
    EXPECT_EQ(shell.host.handover.idName, "tabHost2");

    // "Nesne sayısını  1 arttır" unchecked: the wizard opens, the counter stays.
    view.definer().advance = false;
    view.chooseEntry(entryOf("TabHost"));
    view.chooseEntry(entryOf("TabHost"));
    EXPECT_EQ(shell.host.calls.size(), 4u);
    EXPECT_EQ(shell.host.handover.idName, "tabHost3");
    EXPECT_EQ(view.definer().counter(entryOf("TabHost")), 3);
}

TEST(FormView, DialogDesignerStartsFromTheFormAndKeepsTheToastFlagForLaterOpenings) {
    Shell shell;
    shell.defaults.ActivityAdi = "Yoksayilir";  // the definer form's field counts
    shell.defaults.SimgeAdi = "simge";
    FormView& view = *shell.view;
    view.definer().activityName = "AnaEkran";
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
}

TEST(FormView, SettingSaverWritesOnTamamAndItsLinkOpensTheLesson) {
    Shell shell;
    shell.view->setHelpFolder("/usr/share/nakkas/yardim");
    shell.host.settingSaver = [](SettingSaver& s) {
        s.openHelp();
        s.selectDataType(0);
        s.selectAccessMode(0);
        return s.confirm().ok();
    };
    shell.view->run({CommandKind::SettingSaver, 0});
    EXPECT_EQ(shell.services.opened,
              std::vector<std::string>{"/usr/share/nakkas/yardim/ayar-kaydetme.html"});
    EXPECT_TRUE(test::sameText(shell.view->panel().text(),
                               test::readDataCrLf("setting_saver/tamsayi_ikisi.txt")));
}

TEST(FormView, SqliteToolHandsOverOnlyACompiledText) {
    Shell shell;
    FormView& view = *shell.view;
    view.panel().replace("eski metin");
    std::string tableSeen;
    shell.host.sqliteScript = [&](SqliteTool& tool) {
        tableSeen = tool.tableName;
        tool.chooseVersion(2);  // outlives the dialog, in memory only
        tool.cancel();
    };
    view.sqliteTool();
    EXPECT_EQ(tableSeen, shell.defaults.TabloAdi);
    EXPECT_EQ(view.panel().text(), "eski metin");
    EXPECT_EQ(shell.defaults.VTVersiyon, "3");
    EXPECT_TRUE(shell.services.writeLog.empty());

    std::optional<std::size_t> versionAtOpening;
    std::string compiled;
    shell.host.sqliteScript = [&](SqliteTool& tool) {
        versionAtOpening = tool.version();
        tool.commands.countRecords = true;
        tool.compile();
        compiled = tool.resultText();
    };
    view.sqliteTool();
    EXPECT_EQ(versionAtOpening, 2u);
    EXPECT_TRUE(compiled.starts_with("// *** Öncelikle"));
    EXPECT_EQ(view.panel().text(), compiled);
}

// Confirming reaches the panel in the dialog's UI test; here the ways that must not.
TEST(FormView, LayoutToCodeCancelledOrRefusedLeavesThePanel) {
    Shell shell;
    FormView& view = *shell.view;
    FakeServices& s = shell.services;
    s.openFiles = {
        OpenedFile{test::dataPath("layout_to_code/sample/ana_ekran.xml").string(), "ana_ekran.xml"},
        OpenedFile{test::dataPath("layout_to_code/bozuk.xml").string(), "bozuk.xml"}};
    shell.host.layoutAction = [](LayoutToCode& model) {
        model.confirm();  // the text is built, then the dialog is closed without it
        return false;
    };
    view.run({CommandKind::LayoutToCode});
    EXPECT_EQ(shell.host.calls, std::vector<std::string>{"layout"});
    EXPECT_EQ(view.panel().text(), bannerText());

    view.run({CommandKind::LayoutToCode});  // a file that cannot be read never opens the dialog
    EXPECT_EQ(shell.host.calls.size(), 1u);
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.lastMessage().text,
              "bozuk.xml geçerli bir XML dosyası değil: satır 7, sütun 3 "
              "(açılış ve kapanış etiketleri eşleşmiyor)");
    EXPECT_EQ(view.panel().text(), bannerText());
}

// Lists `count` items, renames the chosen ones and presses OK, as a user would.
std::function<bool(MenuDesigner&)> designMenu(std::string count,
                                              std::vector<std::pair<int, std::string>> titles) {
    return [count, titles](MenuDesigner& d) {
        EXPECT_EQ(d.mode(), MenuDesignMode::Normal);
        d.countText = count;
        d.list();
        for (const auto& [entry, title] : titles) {
            d.choose(entry);
            d.editTitle(title);
        }
        return d.confirm();
    };
}

TEST(FormView, MenuDesignerWritesOnlyTheDesignJustSaved) {
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
}

TEST(FormView, CancelledMenuDesignLeavesThePanelAndZeroesTheCount) {
    Shell shell;
    FormView& view = *shell.view;
    view.panel().replace("kullanici metni");
    view.tools().menu.items[1].iconSourcePath = "/simgeler/iki.png";  // the wizard's, kept
    shell.host.menuScript = [](MenuDesigner& d) {
        d.countText = "3";
        d.list();
        d.choose(1);
        d.editTitle("Ayarlar");
        return false;  // the close box: the dialog never saw "İptal"
    };
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
