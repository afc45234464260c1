#include "tools/menu_designer/menu_code.h"

#include "text/android_namespace.h"
#include "text/escape.h"

namespace nakkas {

namespace {

std::string_view lineEnd(MenuTarget target) {
    return target == MenuTarget::CodePanel ? "\r\n" : "\n";
}

// The lines of the Java part up to the first case, each followed by the target's line end.
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

constexpr std::string_view kJavaTail[] = {
    "default:",
    "return super.onOptionsItemSelected(item);",
    "}",
    "}",
};

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

std::string menuJava(const MenuRecords& records, MenuTarget target) {
    const std::string_view nl = lineEnd(target);
    const bool panel = target == MenuTarget::CodePanel;
    std::string text = "// Menu Olusturma Kodlari buradan basliyor";
    text += nl;
    if (panel) {
        text += "//Bu kısmı Activity'nize ait class'ın içerisine yazmalısınız.";
        text += nl;
    }
    for (const std::string_view line : kJavaHead) {
        text += line;
        text += nl;
    }
    for (int i = 0; i < records.usedCount(); ++i) {
        const MenuItemRecord& item = records.items[std::size_t(i)];
        text += "case R.id.";
        text += item.menuId;
        text += ":";
        text += nl;
        text += "// ";
        text += item.title;
        text += panel ? " isimli menuye basildiginda olacak olaylari vuraya yazin"
                      : " isimli menuye basildiginda olacak olaylari buraya yazin";
        text += nl;
        text += "return true;";
        text += nl;
    }
    for (const std::string_view line : kJavaTail) {
        text += line;
        text += nl;
    }
    text += panel ? "//Menu Olusturma kodu burada bitti\r\n\r\n\r\n"
                    "//------------------------------------------------------------"
                  : "//Menu Olusturma kodu burada bitti";
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

std::string menuCode(const MenuRecords& records) {
    return menuJava(records, MenuTarget::CodePanel) + std::string(kInstructions) +
           menuXml(records, MenuTarget::CodePanel);
}

}  // namespace nakkas
