#include "tools/menu_designer/menu_code.h"

#include "text/escape.h"

namespace nakkas {

namespace {

// The count is clamped so that a record set left in a strange state never reads past six.
int usedCount(const MenuRecords& records) {
    if (records.count < 0) return 0;
    return records.count > MenuRecords::kMaxItems ? MenuRecords::kMaxItems : records.count;
}

constexpr std::string_view kJavaHead =
    "// Menu Olusturma Kodlari buradan basliyor\r\n"
    "//Bu kısmı Activity'nize ait class'ın içerisine yazmalısınız.\r\n"
    "public boolean onCreateOptionsMenu(Menu menu)\r\n"
    "{\r\n"
    "MenuInflater MenuObjesi = getMenuInflater();\r\n"
    "MenuObjesi.inflate(R.layout.zep_menu, menu);\r\n"
    "return true;\r\n"
    "}\r\n"
    "\r\n"
    "public boolean onOptionsItemSelected(MenuItem item) {\r\n"
    "switch (item.getItemId()) {\r\n";

constexpr std::string_view kJavaTail =
    "default:\r\n"
    "return super.onOptionsItemSelected(item);\r\n"
    "}\r\n"
    "}\r\n"
    "//Menu Olusturma kodu burada bitti\r\n"
    "\r\n"
    "\r\n"
    "//------------------------------------------------------------";

constexpr std::string_view kInstructions =
    "\r\n\r\n\r\n\r\n"
    "//*** zep_menu.xml *** menu dosyası\r\n"
    "//Eclipse projenizdeki res\\layout\\ klasörünün içine zep_menu.xml adlı bir dosya "
    "oluşturun\r\n"
    "//Aşağıdaki kodları ise oluşturduğunuz zep_menu.xml dosyasına kaydedin\r\n"
    "//Varsayılan olarak ic_launcher olan menu simgelerini kendi simgelerinizle "
    "değiştirebilirsiniz\r\n"
    "\r\n\r\n";

}  // namespace

std::string menuItemXml(const MenuRecords& records) {
    std::string xml;
    for (int i = 0; i < usedCount(records); ++i) {
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

std::string menuCode(const MenuRecords& records) {
    std::string text(kJavaHead);
    for (int i = 0; i < usedCount(records); ++i) {
        const MenuItemRecord& item = records.items[std::size_t(i)];
        text += "case R.id.";
        text += item.menuId;
        text += ":\r\n// ";
        text += item.title;
        text += " isimli menuye basildiginda olacak olaylari vuraya yazin\r\nreturn true;\r\n";
    }
    text += kJavaTail;
    text += kInstructions;
    text += "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<menu xmlns:android=\"";
    text += kAndroidNamespace;
    text += "\">\r\n";
    text += menuItemXml(records);
    text += "</menu>\r\n\r\n";
    return text;
}

}  // namespace nakkas
