#include "app/form_view.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/ribbon.h"
#include "definer/widget_catalogue.h"
#include "fake_services.h"
#include "snippets/snippet_catalogue.h"
#include "tools/list_wizard/list_creator.h"

namespace nakkas {
namespace {

using test::FakeServices;

// The window's dialogs, answered from a script.
struct FakeHost : DialogHost {
    explicit FakeHost(const FakeServices& s) : services(s) {}
    const FakeServices& services;
    std::vector<std::string> calls;
    std::function<bool(ListCreator&)> listScript;  // unset: the creator is cancelled
    ProgramSettings::Outcome settingsOutcome = ProgramSettings::Outcome::Close;
    TabHostHandover handover;
    int restartsAtClose = -1;

    bool runListCreator(ListCreator& c) override {
        calls.push_back("list");
        return listScript && listScript(c);
    }
    void runTabHostWizard(const TabHostHandover& h) override {
        calls.push_back("tabhost");
        handover = h;
    }
    ProgramSettings::Outcome runProgramSettings(ProgramSettings&) override {
        calls.push_back("settings");
        return settingsOutcome;
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

const RibbonElement& elementById(std::string_view id) {
    for (const RibbonElement* e : allCommandElements())
        if (e->id == id) return *e;
    throw std::runtime_error("no element " + std::string(id));
}

std::size_t entryOf(std::string_view label) { return *findEntryByLabel(label); }

TEST(FormView, StartUpPanelIsTheBannerUnlessExactlyEvet) {
    EXPECT_EQ(Shell("EVET").view->panel().text(), "");
    for (const char* value : {"HAYIR", "evet", ""})
        EXPECT_EQ(Shell(value).view->panel().text(), bannerText()) << value;
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
        case CommandKind::Exit:  // answered No
            EXPECT_EQ(s.lastMessage().caption, "Kapansın mı?");
            EXPECT_TRUE(shell.host.calls.empty());
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
    view.definer().activityName = "Baska";
    view.chooseEntry(entryOf("Button"));
    view.generate();
    view.generate();
    view.chooseEntry(entryOf("TextView"));
    view.generate();
    view.panel().replace("kullanici metni");

    view.reset();
    for (std::size_t i = 0; i < widgetCatalogue().size(); ++i)
        EXPECT_EQ(view.definer().counter(i), 1);
    EXPECT_EQ(view.definer().currentType(), "YOK");
    EXPECT_EQ(view.definer().activityName, "MainActivity");
    EXPECT_EQ(view.definer().variableName, "");
    EXPECT_EQ(view.definer().idName, "");
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

TEST(FormView, ProgramSettingsRestartOnlyWhenAsked) {
    for (auto outcome : {ProgramSettings::Outcome::StayOpen, ProgramSettings::Outcome::Close,
                         ProgramSettings::Outcome::Restart}) {
        Shell shell;
        shell.host.settingsOutcome = outcome;
        shell.view->programSettings();
        const bool restart = outcome == ProgramSettings::Outcome::Restart;
        EXPECT_EQ(shell.services.restarts, restart ? 1 : 0);
        EXPECT_EQ(shell.host.calls.back(), restart ? "close" : "settings");
    }
}

TEST(FormView, TabHostHandsOverAndAdvancesWithoutTouchingThePanel) {
    Shell shell;
    shell.defaults.ActivityAdi = "Yoksayilir";  // the form's own field counts, not the record
    FormView& view = *shell.view;
    view.definer().activityName = "AnaEkran";
    view.run(elementById("WzActivityBtn").command);
    EXPECT_EQ(shell.host.calls, std::vector<std::string>{"tabhost"});
    EXPECT_EQ(shell.host.handover.activityName, "AnaEkran");
    EXPECT_EQ(shell.host.handover.variableName, "tabHost1");
    EXPECT_EQ(shell.host.handover.idName, "tabHost1");
    EXPECT_EQ(view.panel().text(), bannerText());
    EXPECT_EQ(view.definer().counter(entryOf("TabHost")), 2);

    view.definer().sameAsId = false;
    view.run(elementById("ID_BUTTON12").command);
    EXPECT_EQ(shell.host.handover.variableName, "tab_degisken2");
    EXPECT_EQ(shell.host.handover.idName, "tabHost2");
}

}  // namespace
}  // namespace nakkas
