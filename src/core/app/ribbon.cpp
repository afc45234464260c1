#include "app/ribbon.h"

#include <algorithm>
#include <cctype>
#include <deque>
#include <string>

#include "definer/widget_catalogue.h"
#include "snippets/snippet_catalogue.h"
#include "text/language.h"
#include "tools/dialog_designer/dialog_text.h"

namespace nakkas {

namespace {

// The buttons of "Dialoglar ve Mesajlar", each with the dialog type it opens.
struct DialogButton {
    std::string_view id, label, icon;
    DialogType type;
};
constexpr DialogButton kDialogButtons[] = {
    {"DLGStandart", "Standart", "dialog-standard", DialogType::Standart},
    {"DLGYukleniyor", "Yükleniyor", "dialog-loading", DialogType::Yukleniyor},
    {"DLGBekleyin", "Bekleyin", "dialog-wait", DialogType::Bekleyin},
    {"DLGEvetHayir", "Evet-Hayır", "dialog-yesno", DialogType::EvetHayir},
    {"DLGToast", "Tost Mesajı", "toast", DialogType::ToastMesaj},
};

RibbonElement element(std::string_view id, std::string_view label, std::string_view keyTip,
                      std::string_view icon, Command command, std::string_view tipTitle = {},
                      std::string_view tipText = {}) {
    RibbonElement e;
    e.id = id;
    e.label = label;
    e.keyTip = keyTip;
    e.icon = icon;
    e.command = command;
    e.tipTitle = tipTitle;
    e.tipText = tipText;
    return e;
}

RibbonElement separator() {
    RibbonElement e;
    e.separator = true;
    return e;
}

// Elements that open the same command in several places share their tooltip.
constexpr std::string_view kGenerateTitle = "Kod Oluştur";
constexpr std::string_view kGenerateText =
    "Seçili nesne ile ilgili tanımlama veya fonksiyonel kodu oluşturur";
constexpr std::string_view kSettingsTitle = "Program Ayarları";
constexpr std::string_view kSettingsText =
    "Programın varsayılan ayarlarını buradan ayarlayabilirsiniz";
constexpr std::string_view kAboutTitle = "Program Hakkında";
constexpr std::string_view kAboutText =
    "Hakkında kutusunu açarak size program hakkında bilgi verir.";

// The output language: one pressed button of two.
struct LanguageButton {
    std::string_view id;
    Language language;
    std::string_view keyTip;
    std::string_view icon;
    std::string_view tip;
};
constexpr LanguageButton kLanguageButtons[] = {
    {"CiktiJava", Language::Java, "J", "java", "Kodlar Java olarak oluşturulur"},
    {"CiktiKotlin", Language::Kotlin, "K", "kotlin", "Kodlar Kotlin olarak oluşturulur"},
};

Command cmd(CommandKind kind, int arg = 0) {
    return Command{kind, arg};
}

Ribbon build() {
    static std::deque<std::string> iconNames;  // owns the lower-cased object icon names
    Ribbon r;

    // "Layout Nesneleri"
    RibbonCategory layout{"Layout Nesneleri", "1", {}};
    RibbonPanel objects{"Nesneler", {}};
    const auto catalogue = widgetCatalogue();
    for (size_t i = 0; i < catalogue.size(); ++i) {
        std::string icon(catalogue[i].typeKey);
        for (char& c : icon) c = char(std::tolower(static_cast<unsigned char>(c)));
        iconNames.push_back(std::move(icon));
        objects.elements.push_back(element(catalogue[i].element, catalogue[i].label, {},
                                           iconNames.back(),
                                           cmd(CommandKind::ChooseEntry, int(i))));
    }
    layout.panels.push_back(std::move(objects));
    layout.panels.push_back({"Oluşturma",
                             {element("ID_BUTTON18", "OLUŞTUR", "O", "generate",
                                      cmd(CommandKind::Generate), kGenerateTitle, kGenerateText)}});
    layout.panels.push_back(
        {"ZEP Ayarlar",
         {element("LN_PROGRAMAYARLARI", "Program Ayarları", "A", "settings",
                  cmd(CommandKind::ProgramSettings), kSettingsTitle, kSettingsText)}});
    layout.panels.push_back({"Hakkında",
                             {element("ID_APP_ABOUT", "Hakkında", "H", "about",
                                      cmd(CommandKind::About), kAboutTitle, kAboutText)}});
    r.categories.push_back(std::move(layout));

    // "Kod Araçları"
    const auto entry = [](std::string_view label) {
        return cmd(CommandKind::ChooseEntry, int(*findEntryByLabel(label)));
    };
    RibbonCategory tools{"Kod Araçları", "2", {}};
    tools.panels.push_back({"Tab Host Projesi",
                            {element("WzActivityBtn", "Tab Host Proje Sihirbazı", "T", "tabwizard",
                                     entry("TabHost"))}});
    tools.panels.push_back(
        {"Menü Tasarım",
         {element("KPBtn03", "Menü Tasarımı", "M", "menu", cmd(CommandKind::MenuDesigner))}});
    RibbonElement multi = element("RBCokluListeKutusu", "Çoklu Nesne Aracı", "L", "multilist",
                                  cmd(CommandKind::None));
    multi.dropDown = {element("CokluListe01", "Spinner", {}, "spinner", entry("Spinner")),
                      element("CokluListe02", "GridView", {}, "gridview", entry("GridView")),
                      element("CokluListe03", "ListBox", {}, "listview", entry("ListView"))};
    tools.panels.push_back({"Liste Sihirbazı", {multi}});
    tools.panels.push_back({"Sistem Ayarları",
                            {element("DevicePermissinId", "Ayar Kaydet", "R", "savesetting",
                                     cmd(CommandKind::SettingSaver))}});
    tools.panels.push_back({"SQLite",
                            {element("KPBtn113", "Veritabanı Oluştur", "V", "database",
                                     cmd(CommandKind::SqliteTool))}});
    RibbonPanel dialogs{"Dialoglar ve Mesajlar", {}};
    for (const DialogButton& b : kDialogButtons) {
        // The command names the type by its place in the designer's list of types.
        const auto at = std::find(kDialogTypes.begin(), kDialogTypes.end(), b.type);
        dialogs.elements.push_back(
            element(b.id, b.label, {}, b.icon,
                    cmd(CommandKind::DialogDesigner, int(at - kDialogTypes.begin()))));
    }
    tools.panels.push_back(std::move(dialogs));
    tools.panels.push_back(
        {"Layout XML",
         {element("LayoutXmlKod", "Layout'tan Kod", "X", "layoutxml",
                  cmd(CommandKind::LayoutToCode), "Layout'tan Kod Üret",
                  "Bir layout XML dosyasını okur ve id verilmiş bütün nesnelerin tanımlama ve olay "
                  "kodlarını tek seferde oluşturur")}});
    r.categories.push_back(std::move(tools));

    // "Yardım Konuları"
    RibbonCategory help{"Yardım Konuları", {}, {}};
    RibbonPanel helpPanel{"Yardım Konuları", {}};
    const auto& pages = helpPages();
    for (std::size_t i = 0; i < pages.size(); ++i)
        helpPanel.elements.push_back(element(pages[i].element, pages[i].title, {}, "help",
                                             cmd(CommandKind::Help, int(i)), pages[i].tipTitle,
                                             pages[i].tipText));
    help.panels.push_back(std::move(helpPanel));
    r.categories.push_back(std::move(help));

    // The two "Kod Parçaları" categories.
    RibbonCategory snippets1{"Kod Parçaları", "3", {{"Kod Parçaları", {}}}};
    RibbonCategory snippets2{"Kod Parçaları", {}, {{"Kod Parçaları 2", {}}}};
    const auto snippets = snippetCatalogue();
    for (size_t i = 0; i < snippets.size(); ++i) {
        auto& panel = i < kFirstPanelSnippetCount ? snippets1.panels[0] : snippets2.panels[0];
        panel.elements.push_back(element(snippets[i].element, snippets[i].label, {},
                                         snippets[i].icon, cmd(CommandKind::Snippet, int(i))));
    }
    r.categories.push_back(std::move(snippets1));
    r.categories.push_back(std::move(snippets2));

    r.applicationMenu = {
        element("IDC_BUTTON2A", "Sıfırla", {}, "reset", cmd(CommandKind::Reset), "Programı Sıfırla",
                "Programı yeniden başlamış gibi sıfırlar"),
        separator(),
        element("ID_BUTTON18", "Oluştur", {}, "generate", cmd(CommandKind::Generate),
                kGenerateTitle, kGenerateText),
        element("LN_PROGRAMAYARLARI", "Ayarlar", {}, "settings", cmd(CommandKind::ProgramSettings),
                kSettingsTitle, kSettingsText),
        element("ID_APP_ABOUT", "Hakkında", {}, "about", cmd(CommandKind::About), kAboutTitle,
                kAboutText),
        separator(),
        element("IDC_BUTTON3A", "Çıkış", {}, "exit", cmd(CommandKind::Exit), "Programı Kapat",
                "Program kapanır ve Windowsa dönersiniz"),
    };
    r.tabRowElement = element("ID_APP_ABOUT", "Hakkında", {}, "about", cmd(CommandKind::About),
                              kAboutTitle, kAboutText);
    for (const LanguageButton& b : kLanguageButtons) {
        RibbonElement e =
            element(b.id, languageName(b.language), b.keyTip, b.icon,
                    cmd(CommandKind::OutputLanguage, int(b.language)), "Çıktı Dili", b.tip);
        e.checkable = true;
        r.tabRowChoices.push_back(std::move(e));
    }
    r.applicationKeyTip = "Q";
    return r;
}

void collect(const RibbonElement& e, std::vector<const RibbonElement*>& out) {
    if (e.separator) return;
    if (e.command.kind != CommandKind::None) out.push_back(&e);
    for (const auto& d : e.dropDown) collect(d, out);
}

}  // namespace

const Ribbon& ribbon() {
    static const Ribbon r = build();
    return r;
}

std::vector<const RibbonElement*> allCommandElements() {
    std::vector<const RibbonElement*> out;
    const Ribbon& r = ribbon();
    for (const auto& c : r.categories)
        for (const auto& p : c.panels)
            for (const auto& e : p.elements) collect(e, out);
    for (const auto& e : r.applicationMenu) collect(e, out);
    collect(r.tabRowElement, out);
    for (const auto& e : r.tabRowChoices) collect(e, out);
    return out;
}

const std::vector<HelpPage>& helpPages() {
    static const std::vector<HelpPage> pages{
        {"temel-bilgiler.html", "ZEP Nasıl Kullanılır", "YARDIM_BIR", "Temel Bilgiler",
         "ZEP kullanımına ilişkin temel bilgileri buradan öğrenebilirsiniz"},
        {"tab-menu-projesi.html", "ZEP ile Tab Menü Projesi", "YARDIM_IKI", "Tab Projesi",
         "ZEP ile Tab ve Menü projesi oluşturma ve kullanım hakkında detaylı bilgileri buradan "
         "öğrenebilirsiniz"},
        {"ayar-kaydetme.html", "ZEP ile Ayar Kaydetme Dersi", "YARDIM_UC", "Ayar Kaydetme",
         "ZEP ile programınızın ayarlarını nasıl kolayca kaydedebileceğinizi bu ders ile "
         "öğrenebilirsiniz"},
        {"sqlite-dersi.html", "ZEP ile SQLite Dersi", "YARDIM_DORT", "Veritabanı",
         "ZEP ile SQLite veritabanı kullanımı ile ilgili gayet detaylı bir dersi burada "
         "bulabilirsiniz"},
    };
    return pages;
}

}  // namespace nakkas
