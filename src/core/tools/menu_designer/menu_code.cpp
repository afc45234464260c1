#include "tools/menu_designer/menu_code.h"

#include <span>

#include "text/android_namespace.h"
#include "text/escape.h"

namespace nakkas {

namespace {

using Lines = std::span<const std::string_view>;

// What the two languages write differently. The comments around and inside the methods are the
// same in both, so a reader finds the same guidance whichever language was chosen.
struct MenuMethodsTemplate {
    Lines head;  // from onCreateOptionsMenu up to the first item
    std::string_view caseBeforeId, caseAfterId;
    std::string_view commentIndent;  // before the item's "// " comment
    Lines caseEnd;
    Lines tail;
    std::string_view projectIndent;  // before every line written into a project's class body
};

constexpr std::string_view kJavaHead[] = {
    "public boolean onCreateOptionsMenu(Menu menu)",
    "{",
    "MenuInflater MenuObjesi = getMenuInflater();",
    "MenuObjesi.inflate(R.layout.zep_menu, menu);",
    "return true;",
    "}",
    "",
    "public boolean onOptionsItemSelected(MenuItem item) {",
    "switch (item.getItemId()) {",
};
constexpr std::string_view kJavaCaseEnd[] = {"return true;"};
constexpr std::string_view kJavaTail[] = {
    "default:",
    "return super.onOptionsItemSelected(item);",
    "}",
    "}",
};
constexpr MenuMethodsTemplate kJava{kJavaHead, "case R.id.", ":", "", kJavaCaseEnd, kJavaTail, ""};

constexpr std::string_view kKotlinHead[] = {
    "override fun onCreateOptionsMenu(menu: Menu): Boolean {",
    "    menuInflater.inflate(R.layout.zep_menu, menu)",
    "    return true",
    "}",
    "",
    "override fun onOptionsItemSelected(item: MenuItem): Boolean {",
    "    return when (item.itemId) {",
};
constexpr std::string_view kKotlinCaseEnd[] = {"            true", "        }"};
constexpr std::string_view kKotlinTail[] = {
    "        else -> super.onOptionsItemSelected(item)",
    "    }",
    "}",
};
constexpr MenuMethodsTemplate kKotlin{kKotlinHead,    "        R.id.", " -> {", "            ",
                                      kKotlinCaseEnd, kKotlinTail,     "    "};

const MenuMethodsTemplate& menuMethodsTemplate(Language language) {
    return language == Language::Kotlin ? kKotlin : kJava;
}

std::string_view lineEnd(MenuTarget target) {
    return target == MenuTarget::CodePanel ? "\r\n" : "\n";
}

constexpr std::string_view kInstructions =
    "\r\n\r\n\r\n\r\n"
    "//*** zep_menu.xml *** menu dosyası\r\n"
    "//Eclipse projenizdeki res\\layout\\ klasörünün içine zep_menu.xml adlı bir dosya "
    "oluşturun\r\n"
    "//Aşağıdaki kodları ise oluşturduğunuz zep_menu.xml dosyasına kaydedin\r\n"
    "//Varsayılan olarak ic_launcher olan menu simgelerini kendi simgelerinizle "
    "değiştirebilirsiniz\r\n"
    "\r\n\r\n";

// One <item> element per record; its line ends are CR LF wherever the menu goes.
std::string menuItemXml(const MenuRecords& records) {
    std::string xml;
    for (int i = 0; i < records.usedCount(); ++i) {
        const MenuItemRecord& item = records.items[std::size_t(i)];
        xml += "<item android:id=\"@+id/";
        xml += xmlAttribute(item.menuId);
        xml += "\"\r\nandroid:icon=\"@drawable/";
        xml += xmlAttribute(item.iconName);
        xml += "\"\r\nandroid:title=\"";
        xml += xmlAttribute(item.title);
        xml += "\" />\r\n";
    }
    return xml;
}

}  // namespace

std::string menuMethods(const MenuRecords& records, MenuTarget target, Language language) {
    const MenuMethodsTemplate& t = menuMethodsTemplate(language);
    const bool panel = target == MenuTarget::CodePanel;
    const std::string_view indent = panel ? std::string_view() : t.projectIndent;
    const std::string_view nl = lineEnd(target);
    std::string text;
    // An empty line gets no indent, so that no line ends in blanks.
    const auto add = [&](std::string_view line) {
        if (!line.empty()) text += indent;
        text += line;
    };
    const auto addLine = [&](std::string_view line) {
        add(line);
        text += nl;
    };
    addLine("// Menu Olusturma Kodlari buradan basliyor");
    if (panel) addLine("//Bu kısmı Activity'nize ait class'ın içerisine yazmalısınız.");
    for (const std::string_view line : t.head) addLine(line);
    for (int i = 0; i < records.usedCount(); ++i) {
        const MenuItemRecord& item = records.items[std::size_t(i)];
        addLine(std::string(t.caseBeforeId) + item.menuId + std::string(t.caseAfterId));
        addLine(std::string(t.commentIndent) + "// " + item.title +
                (panel ? " isimli menuye basildiginda olacak olaylari vuraya yazin"
                       : " isimli menuye basildiginda olacak olaylari buraya yazin"));
        for (const std::string_view line : t.caseEnd) addLine(line);
    }
    for (const std::string_view line : t.tail) addLine(line);
    add("//Menu Olusturma kodu burada bitti");
    if (panel) text += "\r\n\r\n\r\n//------------------------------------------------------------";
    return text;
}

std::string menuXml(const MenuRecords& records, MenuTarget target) {
    const std::string_view nl = lineEnd(target);
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";
    text += nl;
    text += "<menu xmlns:android=\"";
    text += kAndroidNamespace;
    text += "\">";
    text += nl;
    text += menuItemXml(records);
    text += "</menu>";
    text += nl;
    text += nl;
    return text;
}

std::string menuCode(const MenuRecords& records, Language language) {
    return menuMethods(records, MenuTarget::CodePanel, language) + std::string(kInstructions) +
           menuXml(records, MenuTarget::CodePanel);
}

}  // namespace nakkas
