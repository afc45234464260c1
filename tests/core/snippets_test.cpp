#include <gtest/gtest.h>

#include <bit>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "expected_files.h"
#include "snippets/snippet_catalogue.h"

namespace nakkas {
namespace {

using Strings = std::vector<std::string_view>;

std::string_view textOf(std::string_view name) {
    const Snippet* s = findSnippet(name);
    EXPECT_NE(s, nullptr) << name;
    return s ? s->text : std::string_view{};
}

size_t count(std::string_view text, std::string_view needle) {
    size_t n = 0;
    for (size_t at = text.find(needle); at != text.npos; at = text.find(needle, at + 1)) ++n;
    return n;
}

// A stray escape in a literal (a hex escape swallowing the next letter) leaves broken UTF-8.
bool isUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const int ones = std::countl_one(static_cast<unsigned char>(text[i]));
        const size_t len = ones == 0 ? 1 : size_t(ones);
        if (ones == 1 || ones > 4 || i + len > text.size()) return false;
        for (size_t k = 1; k < len; ++k)
            if (static_cast<unsigned char>(text[i + k]) >> 6 != 2) return false;
        i += len;
    }
    return true;
}

// The elements' order is the ribbon test's.
TEST(SnippetCatalogue, OrderNamesAndWellFormedTexts) {
    Strings labels;
    std::set<std::string_view> names;  // findSnippet takes either, so none may repeat
    for (const Snippet& s : snippetCatalogue()) {
        SCOPED_TRACE(s.element);
        labels.push_back(s.label);
        EXPECT_TRUE(names.insert(s.element).second);
        EXPECT_TRUE(names.insert(s.label).second);
        EXPECT_TRUE(!s.text.empty() && isUtf8(s.text));
        EXPECT_EQ(count(s.text, "\r") + count(s.text, "\n"), 2 * count(s.text, "\r\n"));
    }
    // clang-format off
    EXPECT_EQ(labels, (Strings{"Tam Ekran", "Yatay Dikey", "İvme Sensör", "Ses Çal", "Ses Modu",
        "Video Aç", "Ekran Boyu", "WiFi Aç-Kapat", "Titreşim", "Pil Bilgisi", "Fotoğraf Çekme",
        "Numara Çevirme", "E-Posta Gönder", "SMS Gönder", "Tarih Saat", "Flash Işığı",
        "Yazıtipi Değiştirme", "Cihaz Bilgisi", "Simkart Bilgisi", "Bellek Bilgisi",
        "İnternete Bağlımıyım"}));
    // clang-format on
    EXPECT_EQ(findSnippet("KPBtn114"), findSnippet("Ekran Boyu"));
    // KPBtn03 is a ribbon element too, but the menu designer's.
    for (std::string_view miss :
         {"kpbtn01", "tam ekran", "Tam Ekran ", "KPBtn0", "", "Barkod", "KPBtn03"})
        EXPECT_EQ(findSnippet(miss), nullptr) << miss;
}

TEST(SnippetTexts, BeginningsAndEndings) {
    // An ending given without CR LF means the text has no line break after its last line.
    // clang-format off
    const struct { std::string_view element, begins, ends; } cases[] = {
        {"KPBtn01", "//Dikkat:", "WindowManager.LayoutParams.FLAG_FULLSCREEN);"},
        {"KPBtn02", "Aşağıdaki int Oryantasyon;", "LANDSCAPE;\r\nsetRequestedOrientation(Oryantasyon);"},
        {"KPBtn06", "//Öncelikle projemizdeki res", "\r\nSesKontrol.start();"},
        {"KPBtn115", "final AudioManager TelefonModu", "(AudioManager.RINGER_MODE_NORMAL);"},
        {"KPBtn09", "// Öncelikle Titresim", "\r\nTitresim.cancel();"},
        {"KPBtn10", "//Aşağıdaki BroadcastReceiver'i", "(Intent.ACTION_BATTERY_CHANGED));\r\n"},
        {"KPBtn11", "// *** Aşağıdaki satırı", "imageView1.setImageBitmap(Resim);\r\n}\r\n}\r\n"},
        {"EPOSTA_GONDER", "//Aşağıdaki kodları örneğin", "istemcisi seçin: \"));\r\n"},
        {"SMS_KIMLIK", "//Öncelikle telefondan SMS", "Toast.LENGTH_LONG).show();\r\n}\r\n"},
        {"KP_TARIHSAAT", "//Aşağıdaki kod satırını", "(Tarih.format(\"%k:%M:%S\")));\r\n"},
        {"KP_FLASHLAMBASI", "//Öncelikle AndroidManifest", "\r\ncamera.stopPreview();\r\n"},
        {"KP_CIHAZBILGILERI", "//Aşağıdaki izni", "String IslemciTipi = android.os.Build.CPU_ABI;\r\n"},
        {"KP_SIMBILGILERI", "//Aşağıdaki izni", "TelefonYonetimi.getSimSerialNumber();\r\n"},
        {"KP_BELLEKBILGILERI", "//Aşağıdaki fonksiyonları", "String.valueOf(KullanilanBellek());\r\n"},
        {"KP_INTERNETEBAGLIMIYIM", "//Bağlantı durumunu", "Toast.LENGTH_SHORT).show();\r\n}\r\n"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto t = textOf(c.element);
        EXPECT_TRUE(t.starts_with(c.begins) && t.ends_with(c.ends) && !t.ends_with("\r\n\r\n"))
            << c.element;
    }
}

// Texts with runs of blank lines, a blank before a line break, quotes and the sample address,
// compared whole. "Ekran Boyu" is compared whole where the CLI prints it.
TEST(SnippetTexts, WholeTexts) {
    for (std::string_view element : {"KPBtn04", "KPBtn07", "KPBtn08", "KP_BARKOD"}) {
        std::string expected = test::readDataCrLf("snippets/" + std::string(element) + ".txt");
        const std::string_view mark = "@VIDEO_PAGE@";
        if (const auto at = expected.find(mark); at != std::string::npos)
            expected.replace(at, mark.size(), kSampleVideoAddress);
        EXPECT_TRUE(test::sameText(std::string(textOf(element)), expected)) << element;
    }
    EXPECT_EQ(textOf("Numara Çevirme"),
              "String Numara = \"tel:+90212XXXXXXX\";\r\n"
              "Intent Arama = new Intent(Intent.ACTION_DIAL, Uri.parse(Numara));\r\n"
              "startActivity(Arama);\r\n\r\n"
              "//.ACTION_DIAL numarayı çevirir\r\n"
              "//.ACTION_CALL aramayı başlatır");
}

TEST(SnippetTexts, DetailsThatAreEasyToLose) {
    const std::string mailLine =
        "new String[]{\"" + std::string(kSampleMailRecipient) + "\"});\r\n";
    // clang-format off
    const struct { std::string_view element, part; size_t times; } cases[] = {
        {"KPBtn11", " onCreate  metodunun altında", 1},
        {"SMS Gönder", "(getApplicationContext(), \"SMS Gönderildi...\"", 1},
        {"SMS Gönder", "(getApplicationContext(),\"SMS Gönderimi başarısız", 1},
        {"Bellek Bilgisi", "  = ", 3},
        {"Bellek Bilgisi", "1048576", 4},
        {"İnternete Bağlımıyım", "Toast.makeText(FormActivity.this, ", 2},
        {"Titreşim", "{0L,150L,300L,800L,350L,400L};\r\nTitresim.vibrate(TitresimRitmi,2);", 1},
        {"E-Posta Gönder", mailLine, 1},
        {"E-Posta Gönder", kSampleMailRecipient, 1},
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(count(textOf(c.element), c.part), c.times) << c.part;

    const auto device = textOf("Cihaz Bilgisi");
    const auto sim = textOf("Simkart Bilgisi");
    const std::string_view shared = "getSystemService(Context.TELEPHONY_SERVICE);\r\n";
    const size_t end = device.find(shared) + shared.size();
    ASSERT_EQ(sim.find(shared) + shared.size(), end);
    EXPECT_EQ(device.substr(0, end), sim.substr(0, end));
    EXPECT_EQ(count(device.substr(0, end), "\r\n"), 5u);  // one blank line after the permission
    EXPECT_TRUE(device.substr(end).starts_with("String ImeiNumarasi"));
    EXPECT_TRUE(sim.substr(end).starts_with("String SimKartOperatorAdi"));
}

}  // namespace
}  // namespace nakkas
