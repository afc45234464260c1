// The ribbon, its key tips and the form view that runs its commands.

#include "app/form_view.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/key_tips.h"
#include "app/ribbon.h"
#include "definer/widget_catalogue.h"
#include "expected_files.h"
#include "message_checks.h"
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
    std::function<bool(ListCreator&)> listScript;

    template <class F, class M>
    bool play(std::string call, const F& script, M& model) {
        calls.push_back(std::move(call));
        return script ? script(model) : false;
    }
    bool runListCreator(ListCreator& c) override { return play("list", listScript, c); }
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
    void runProgramSettings(ProgramSettings& settings) override {
        calls.push_back("settings");  // restarting is the settings dialog's UI test
        settingsVersionIndex = settings.versionIndex;
    }
    void showAbout() override { calls.push_back("about"); }
    void closeMainWindow() override {
        calls.push_back("close");
        restartsAtClose = services.restarts;
    }
};

struct Shell {
    explicit Shell(std::string kodPaneli = "HAYIR") : defaults(Defaults::factory()) {
        defaults.KodPaneli = std::move(kodPaneli);
        view.emplace(services, host, defaults, text);
        view->setHelpFolder("/usr/share/nakkas/yardim");
    }
    FakeServices services;
    FakeHost host{services};
    Defaults defaults;
    StringPanelText text;
    std::optional<FormView> view;
};

struct FormViewTest : Shell, ::testing::Test {
    FormView& form = *view;
};

std::size_t entryOf(std::string_view label) {
    return *findEntryByLabel(label);
}

::testing::AssertionResult panelIs(FormView& view, const std::string& expectedFile) {
    return test::sameText(view.panel().text(), test::readDataCrLf(expectedFile));
}

TEST(FormView, EveryRibbonCommandReachesItsHandler) {
    using K = CommandKind;
    // clang-format off
    const std::map<std::string_view, std::string> dialogOf{{"ID_APP_ABOUT", "about"},
        {"LN_PROGRAMAYARLARI", "settings"}, {"DevicePermissinId", "prefs"}, {"KPBtn03", "menu"},
        {"KPBtn113", "sqlite"}, {"DLGStandart", "dialog Standart"},
        {"DLGYukleniyor", "dialog Yükleniyor"}, {"DLGBekleyin", "dialog Bekleyin"},
        {"DLGEvetHayir", "dialog Evet-Hayır"}, {"DLGToast", "dialog Toast Mesaj"}};
    // clang-format on
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
        const auto shown = [&](std::string_view text, std::string_view caption, MessageIcon icon,
                               MessageButtons buttons = MessageButtons::Ok) {
            ASSERT_EQ(s.messages.size(), 1u);
            test::expectMessage(s.messages[0], text, caption, icon, buttons);
        };
        switch (c.kind) {
            case K::ChooseEntry: {
                std::string_view label = e->label;
                if (label == "ListBox") label = "ListView";
                if (label == "Tab Host Proje Sihirbazı") label = "TabHost";
                EXPECT_EQ(view.definer().currentType(), widgetCatalogue()[entryOf(label)].typeKey);
                // The entries that need more than the form open their dialog at once.
                const std::map<std::string_view, std::string> atOnce{{"Spinner", "list"},
                                                                     {"GridView", "list"},
                                                                     {"ListView", "list"},
                                                                     {"TabHost", "tabhost"}};
                EXPECT_EQ(calls, atOnce.count(label) ? Calls{atOnce.at(label)} : Calls{});
                break;
            }
            case K::Generate:
                shown("Oluşturulacak hiçbir layout nesnesi seçilmemiş", "Hata", MessageIcon::Error);
                break;
            case K::Snippet:  // the button's own snippet
                EXPECT_EQ(snippetCatalogue()[size_t(c.arg)].element, e->id);
                EXPECT_EQ(view.panel().text(), snippetCatalogue()[size_t(c.arg)].java);
                break;
            case K::Help:
                EXPECT_EQ(helpPages()[size_t(c.arg)].element, e->id);
                EXPECT_EQ(s.opened, Calls{"/usr/share/nakkas/yardim/" +
                                          std::string(helpPages()[size_t(c.arg)].fileName)});
                break;
            case K::Reset:
                shown("Herşey sıfırlandı...", "Sıfırlandı", MessageIcon::Information);
                EXPECT_EQ(calls, Calls{"close"});
                EXPECT_EQ(shell.host.restartsAtClose, 1);  // the new instance starts first
                break;
            case K::Exit:  // answered No
                shown("Programdan çıkmak istediğinize emin misiniz?", "Kapansın mı?",
                      MessageIcon::Question, MessageButtons::YesNo);
                EXPECT_TRUE(calls.empty());
                break;
            case K::OutputLanguage:  // stored at once, with no dialog
                EXPECT_EQ(view.language(), kLanguages[c.arg]);
                EXPECT_EQ(s.writeLog,
                          c.arg == 0 ? Calls{} : Calls{"Varsayilanlar/CiktiDili=Kotlin"});
                EXPECT_TRUE(calls.empty());
                break;
            case K::LayoutToCode:  // the file dialog, answered with cancel
                ASSERT_EQ(s.dialogs.size(), 1u);
                EXPECT_EQ(
                    s.dialogs[0].kind + " | " + s.dialogs[0].title + " | " + s.dialogs[0].filter,
                    "open | Layout Dosyası Seçin | Android Layout (*.xml)");
                EXPECT_TRUE(calls.empty());
                break;
            default:
                EXPECT_EQ(calls, Calls{dialogOf.at(e->id)});
                EXPECT_TRUE(s.messages.empty());
        }
    }
}

// Which stored values start empty is the Defaults test; the banner comes back whatever it says.
TEST(FormView, ResetShowsTheBannerWhateverTheSettingAndRestarts) {
    Shell shell("EVET");
    FormView& view = *shell.view;
    EXPECT_EQ(view.panel().text(), "");
    view.chooseEntry(entryOf("Button"));
    view.generate();
    view.reset();
    EXPECT_EQ(view.definer().counter(entryOf("Button")), 1);
    EXPECT_EQ(view.panel().text(), bannerText());
    EXPECT_EQ(shell.host.calls, Calls{"close"});
}

TEST(FormView, AFailedRestartKeepsTheWindowAndSaysSo) {
    Shell failing;
    failing.services.canRestart = false;
    const std::string message =
        "Program yeniden başlatılamadı. Değişiklikler bir sonraki açılışta geçerli olacak; "
        "programı kendiniz kapatıp yeniden açabilirsiniz.";
    EXPECT_EQ(failing.view->restart(), Outcome::refused(message));
    EXPECT_TRUE(failing.host.calls.empty());
    ASSERT_EQ(failing.services.messages.size(), 1u);
    test::expectMessage(failing.services.messages[0], message, "Hata", MessageIcon::Error);
}

// The tools start from the definer form's own fields, not from the record.
TEST_F(FormViewTest, TheTabHostWizardStartsFromTheFormsNames) {
    defaults.ActivityAdi = "Yoksayilir";
    form.definer().activityName = "AnaEkran";
    const auto expectHandedOver = [&](const char* variable, const char* id, Language language) {
        form.chooseEntry(entryOf("TabHost"));
        const TabHostStart& h = *host.tabHostStart;
        EXPECT_EQ("activity=" + h.activityName + " variable=" + h.variableName + " id=" + h.idName,
                  std::string("activity=AnaEkran variable=") + variable + " id=" + id);
        EXPECT_EQ(h.language, language);
    };
    form.definer().sameAsId = false;
    expectHandedOver("tab_degisken1", "tabHost1", Language::Java);
    form.definer().advance = false;  // the wizard still opens, the counter stays
    form.chooseLanguage(Language::Kotlin);
    expectHandedOver("tab_degisken2", "tabHost2", Language::Kotlin);
    EXPECT_EQ(host.calls, Calls(2, "tabhost"));
    EXPECT_EQ(form.definer().counter(entryOf("TabHost")), 2);
}

// The toast flag chosen in a cancelled dialog holds for later openings.
TEST_F(FormViewTest, TheDialogDesignerStartsFromTheFormAndKeepsTheToastFlag) {
    defaults.ActivityAdi = "Yoksayilir";
    defaults.SimgeAdi = "simge";
    form.definer().activityName = "AnaEkran";
    const Command toast{CommandKind::DialogDesigner, 4};
    host.dialogDesigner = [](DialogDesigner& d) {
        EXPECT_EQ(d.fields.activityName, "AnaEkran");
        EXPECT_EQ(d.fields.icon, "R.drawable.simge");
        d.selectToastFlag(0);
        return false;
    };
    form.run(toast);
    EXPECT_EQ(form.panel().text(), bannerText());
    host.dialogDesigner = [](DialogDesigner& d) { return d.create().ok(); };
    form.run(toast);
    EXPECT_TRUE(panelIs(form, "dialog_designer/toast_long.txt"));
}

TEST_F(FormViewTest, SqliteHandsOverOnlyACompiledText) {
    form.panel().replace("eski metin");
    host.sqliteScript = [&](SqliteTool& tool) {
        EXPECT_EQ(tool.tableName, defaults.TabloAdi);
        tool.chooseVersion(2);  // outlives the dialog, in memory only
        tool.cancel();
    };
    form.sqliteTool();
    EXPECT_EQ(form.panel().text(), "eski metin");
    EXPECT_TRUE(services.writeLog.empty());
    form.programSettings();  // which offers the version the program now runs with
    EXPECT_EQ(host.settingsVersionIndex, 2);

    std::string compiled;
    host.sqliteScript = [&](SqliteTool& tool) {
        EXPECT_EQ(tool.version(), 2u);
        tool.commands.countRecords = true;
        tool.compile();
        compiled = tool.resultText();
    };
    form.sqliteTool();
    EXPECT_EQ(form.panel().text(), compiled);
    EXPECT_EQ(host.calls, (Calls{"sqlite", "settings", "sqlite"}));
}

// Confirmed, then closed without it; then a file that cannot be read never opens the dialog.
TEST_F(FormViewTest, LayoutToCodeHandsOverNothingUnconfirmed) {
    form.panel().replace("eski metin");
    services.openFiles = {
        OpenedFile{test::dataPath("layout_to_code/sample/ana_ekran.xml").string(), "ana_ekran.xml"},
        OpenedFile{test::dataPath("layout_to_code/bozuk.xml").string(), "bozuk.xml"}};
    host.layoutAction = [](LayoutToCode& model) { return model.confirm(), false; };
    form.run({CommandKind::LayoutToCode});
    form.run({CommandKind::LayoutToCode});
    EXPECT_EQ(host.calls, Calls{"layout"});
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(form.panel().text(), "eski metin");
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

// The language chosen on the ribbon reaches every generator: the snippets, the objects with the
// string literals of their list items, layout to code and each tool's dialog; the setting saver
// opens its help page from the installed ones.
TEST_F(FormViewTest, KotlinReachesEveryGenerator) {
    host.listScript = [](ListCreator& c) {
        for (const char* item : {"Ali \"Veli\"", "C:\\yol", "$fiyat TL", "${x}", "Şeker"}) {
            c.entry = item;
            EXPECT_TRUE(c.add().ok());
        }
        return c.confirm().ok();
    };
    host.layoutAction = [](LayoutToCode& model) { return model.confirm().ok(); };
    host.dialogDesigner = [](DialogDesigner& d) { return d.create().ok(); };
    host.settingSaver = [](SettingSaver& s) {
        s.openHelp();
        s.selectDataType(0);
        s.selectAccessMode(0);
        return s.confirm().ok();
    };
    host.sqliteScript = [](SqliteTool& tool) { tool.compile(); };
    host.menuScript = designMenu("1", 0, "Menu ismi 1");
    services.openFiles = {OpenedFile{test::dataPath("layout_to_code/sample/ana_ekran.xml").string(),
                                     "ana_ekran.xml"}};
    form.definer().sameAsId = false;
    form.definer().selectAccess(2);  // "private"
    using K = CommandKind;
    const std::pair<Command, const char*> runs[] = {
        {{K::Snippet, int(findSnippet("KPBtn114") - snippetCatalogue().data())},
         "snippets/KPBtn114.txt"},
        {{K::ChooseEntry, int(entryOf("ListView"))}, "objects/ListView_kacis.kt"},
        {{K::LayoutToCode}, "layout_to_code/ana_ekran_id_final.kt"},
        {{K::DialogDesigner, 0}, "dialog_designer/standart.txt"},
        {{K::SettingSaver}, "setting_saver/tamsayi_ikisi.txt"},
        {{K::SqliteTool}, "sqlite_tool/compile_intro.txt"},
        {{K::MenuDesigner}, "menu_designer/one_item.txt"},
    };
    form.run({K::OutputLanguage, 1});
    for (const auto& [command, file] : runs) {
        form.run(command);
        EXPECT_TRUE(panelIs(form, std::string("kotlin/") + file)) << file;
    }
    EXPECT_EQ(services.opened, Calls{"/usr/share/nakkas/yardim/ayar-kaydetme.html"});
}

TEST_F(FormViewTest, MenuDesignerWritesOnlyTheDesignJustSavedAndNothingWhenCancelled) {
    auto& menu = form.tools().menu;
    defaults.SimgeAdi = "menu_simge";
    host.menuScript = designMenu("6", 5, "Çıkış");
    form.menuDesigner();
    EXPECT_TRUE(panelIs(form, "menu_designer/six_items.txt"));

    // The second run starts from fresh titles and icon names and knows nothing of the first.
    defaults.SimgeAdi = "ic_launcher";
    host.menuScript = designMenu("1", 0, "Menu ismi 1");
    form.menuDesigner();
    EXPECT_TRUE(panelIs(form, "menu_designer/one_item.txt"));

    form.panel().replace("kullanici metni");
    menu.items[1].iconSourcePath = "/simgeler/iki.png";      // the wizard's, kept
    host.menuScript = designMenu("3", 1, "Ayarlar", false);  // cancelled
    form.menuDesigner();
    EXPECT_EQ(menu.count, 0);
    host.menuScript = [](MenuDesigner& d) {  // OK for a design that was never listed
        EXPECT_EQ(d.records().items[1].title, "Menu ismi 2");
        return true;
    };
    form.menuDesigner();
    EXPECT_EQ(form.panel().text(), "kullanici metni");
    EXPECT_EQ(menu.count, 0);
    EXPECT_EQ(menu.items[1].iconSourcePath, "/simgeler/iki.png");
}

// The tables themselves are the ribbon's; what they must keep is that each tip can be typed
// without ambiguity and that no button lacks its label, icon or half of its tip.
TEST(Ribbon, KeyTipsAreUniqueWhereTheyAreTyped) {
    const Ribbon& r = ribbon();
    std::set<std::string_view> first{r.applicationKeyTip};
    for (const auto& e : r.tabRowChoices) EXPECT_TRUE(first.insert(e.keyTip).second) << e.keyTip;
    for (const auto& c : r.categories) {
        EXPECT_TRUE(c.keyTip.empty() || first.insert(c.keyTip).second) << c.keyTip;
        std::set<std::string_view> inside;
        for (const auto& p : c.panels)
            for (const auto& e : p.elements)
                EXPECT_TRUE(e.keyTip.empty() || inside.insert(e.keyTip).second) << e.keyTip;
    }
}

TEST(Ribbon, EachElementHasItsLabelIconAndTip) {
    std::vector<const RibbonElement*> all = allCommandElements();
    all.push_back(&ribbon().categories[1].panels[2].elements.at(0));  // the drop-down button
    for (const RibbonElement* e : all) {
        SCOPED_TRACE(std::string(e->id));
        EXPECT_FALSE(e->label.empty());
        EXPECT_FALSE(e->icon.empty());
        EXPECT_EQ(e->tipTitle.empty(), e->tipText.empty());
    }
}

TEST(KeyTips, WalksFromCategoriesToElements) {
    KeyTips keys(ribbon());
    EXPECT_FALSE(keys.type("2").handled);  // nothing shown yet
    keys.alt();
    for (const char* tip : {"", "9", "V"}) EXPECT_FALSE(keys.type(tip).handled) << tip;
    EXPECT_EQ(keys.type("2").openCategory, 1);
    EXPECT_FALSE(keys.type("O").handled);  // belongs to another category
    const auto run = keys.type("v");
    ASSERT_NE(run.element, nullptr);
    EXPECT_EQ(run.element->id, "KPBtn113");

    keys.alt();
    EXPECT_EQ(keys.type("3").openCategory, 3);  // Escape is the widget's KeyTips test
    keys.escape();
    keys.escape();
    keys.alt();
    const auto menu = keys.type("q");
    EXPECT_TRUE(menu.openApplicationMenu);
    EXPECT_EQ(keys.mode(), KeyTips::Mode::Off);
    keys.alt();
    keys.alt();
    EXPECT_EQ(keys.mode(), KeyTips::Mode::Off);

    // The output language is chosen from the first level, whatever category is open.
    keys.alt();
    const auto kotlin = keys.type("k");
    ASSERT_NE(kotlin.element, nullptr);
    EXPECT_EQ(kotlin.element->id, "CiktiKotlin");
    EXPECT_EQ(keys.mode(), KeyTips::Mode::Off);
}

}  // namespace
}  // namespace nakkas
