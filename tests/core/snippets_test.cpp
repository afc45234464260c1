#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "snippets/snippet_catalogue.h"

namespace nakkas {
namespace {

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
        const unsigned lead = static_cast<unsigned char>(text[i]);
        const size_t len = lead < 0x80       ? 1
                           : lead >> 5 == 6  ? 2
                           : lead >> 4 == 14 ? 3
                           : lead >> 3 == 30 ? 4
                                             : 0;
        if (len == 0 || i + len > text.size()) return false;
        for (size_t k = 1; k < len; ++k)
            if (static_cast<unsigned char>(text[i + k]) >> 6 != 2) return false;
        i += len;
    }
    return true;
}

TEST(SnippetCatalogue, RibbonOrderOfElementsAndLabels) {
    const std::pair<std::string_view, std::string_view> expected[] = {
        {"KPBtn01", "Tam Ekran"},
        {"KPBtn02", "Yatay Dikey"},
        {"KPBtn04", "İvme Sensör"},
        {"KPBtn06", "Ses Çal"},
        {"KPBtn115", "Ses Modu"},
        {"KPBtn07", "Video Aç"},
        {"KPBtn114", "Ekran Boyu"},
        {"KPBtn08", "WiFi Aç-Kapat"},
        {"KPBtn09", "Titreşim"},
        {"KPBtn10", "Pil Bilgisi"},
        {"KPBtn11", "Fotoğraf Çekme"},
        {"KPBtn12", "Numara Çevirme"},
        {"EPOSTA_GONDER", "E-Posta Gönder"},
        {"SMS_KIMLIK", "SMS Gönder"},
        {"KP_TARIHSAAT", "Tarih Saat"},
        {"KP_FLASHLAMBASI", "Flash Işığı"},
        {"KP_BARKOD", "Yazıtipi Değiştirme"},
        {"KP_CIHAZBILGILERI", "Cihaz Bilgisi"},
        {"KP_SIMBILGILERI", "Simkart Bilgisi"},
        {"KP_BELLEKBILGILERI", "Bellek Bilgisi"},
        {"KP_INTERNETEBAGLIMIYIM", "İnternete Bağlımıyım"},
    };
    const auto all = snippetCatalogue();
    ASSERT_EQ(all.size(), std::size(expected));
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].element, expected[i].first) << "row " << i + 1;
        EXPECT_EQ(all[i].label, expected[i].second) << "row " << i + 1;
    }
    // The first panel ends with the SMS snippet.
    EXPECT_EQ(all[kFirstPanelSnippetCount - 1].element, "SMS_KIMLIK");
}

TEST(SnippetCatalogue, NamesAreUniqueAcrossElementsAndLabels) {
    // findSnippet takes either, so an element may not equal another row's label either.
    std::set<std::string_view> names;
    for (const Snippet& s : snippetCatalogue()) {
        EXPECT_TRUE(names.insert(s.element).second) << s.element;
        EXPECT_TRUE(names.insert(s.label).second) << s.label;
    }
}

TEST(SnippetCatalogue, EveryTextIsNonEmptyUtf8WithOnlyCrLfBreaks) {
    for (const Snippet& s : snippetCatalogue()) {
        SCOPED_TRACE(s.element);
        EXPECT_FALSE(s.text.empty());
        EXPECT_TRUE(isUtf8(s.text));
        EXPECT_EQ(count(s.text, "\r"), count(s.text, "\r\n"));
        EXPECT_EQ(count(s.text, "\n"), count(s.text, "\r\n"));
    }
}

TEST(SnippetCatalogue, FindsByElementOrLabelExactly) {
    ASSERT_NE(findSnippet("KPBtn114"), nullptr);
    EXPECT_EQ(findSnippet("KPBtn114"), findSnippet("Ekran Boyu"));
    EXPECT_EQ(findSnippet("KP_BARKOD"), findSnippet("Yazıtipi Değiştirme"));
    for (std::string_view miss : {"kpbtn01", "tam ekran", "Tam Ekran ", "KPBtn0", "", "Barkod"})
        EXPECT_EQ(findSnippet(miss), nullptr) << miss;
    // KPBtn03 is a ribbon element too, but the menu designer's.
    EXPECT_EQ(findSnippet("KPBtn03"), nullptr);
}

TEST(SnippetTexts, BeginningsAndEndings) {
    // An ending given without CR LF means the text has no line break after its last line.
    const struct {
        std::string_view element, begins, ends;
    } cases[] = {
        {"KPBtn01", "//Dikkat:", "WindowManager.LayoutParams.FLAG_FULLSCREEN);"},
        {"KPBtn02", "Aşağıdaki int Oryantasyon;",
         "LANDSCAPE;\r\nsetRequestedOrientation(Oryantasyon);"},
        {"KPBtn04", "// *** Öncelikle layout",
         "\r\n  SensorYoneticisi.unregisterListener(SensorDinleyici);\r\n}\r\n"},
        {"KPBtn06", "//Öncelikle projemizdeki res", "\r\nSesKontrol.start();"},
        {"KPBtn115", "final AudioManager TelefonModu", "(AudioManager.RINGER_MODE_NORMAL);"},
        {"KPBtn07", "startActivity(new Intent(Intent.ACTION_VIEW, Uri.parse(\"", "\")));"},
        {"KPBtn08", "// *** Öncelikle aşağıdaki 2", "\r\n{\r\ne.printStackTrace();\r\n}\r\n"},
        {"KPBtn09", "// Öncelikle Titresim", "\r\nTitresim.cancel();"},
        {"KPBtn10", "//Aşağıdaki BroadcastReceiver'i", "(Intent.ACTION_BATTERY_CHANGED));\r\n"},
        {"KPBtn11", "// *** Aşağıdaki satırı", "imageView1.setImageBitmap(Resim);\r\n}\r\n}\r\n"},
        {"KPBtn12", "String Numara = \"tel:", "\r\n//.ACTION_CALL aramayı başlatır"},
        {"EPOSTA_GONDER", "//Aşağıdaki kodları örneğin", "istemcisi seçin: \"));\r\n"},
        {"SMS_KIMLIK", "//Öncelikle telefondan SMS", "Toast.LENGTH_LONG).show();\r\n}\r\n"},
        {"KP_TARIHSAAT", "//Aşağıdaki kod satırını", "(Tarih.format(\"%k:%M:%S\")));\r\n"},
        {"KP_FLASHLAMBASI", "//Öncelikle AndroidManifest", "\r\ncamera.stopPreview();\r\n"},
        {"KP_BARKOD", "//Mesela elimizde", "\r\ntextVeiw1.setTypeface(YTipi); \r\n"},
        {"KP_CIHAZBILGILERI", "//Aşağıdaki izni",
         "String IslemciTipi = android.os.Build.CPU_ABI;\r\n"},
        {"KP_SIMBILGILERI", "//Aşağıdaki izni", "TelefonYonetimi.getSimSerialNumber();\r\n"},
        {"KP_BELLEKBILGILERI", "//Aşağıdaki fonksiyonları",
         "String.valueOf(KullanilanBellek());\r\n"},
        {"KP_INTERNETEBAGLIMIYIM", "//Bağlantı durumunu", "Toast.LENGTH_SHORT).show();\r\n}\r\n"},
    };
    for (const auto& c : cases) {
        const auto t = textOf(c.element);
        EXPECT_TRUE(t.starts_with(c.begins)) << c.element;
        EXPECT_TRUE(t.ends_with(c.ends)) << c.element;
        EXPECT_FALSE(t.ends_with("\r\n\r\n")) << c.element;
    }
}

TEST(SnippetTexts, ShortTextsWhole) {
    EXPECT_EQ(textOf("Ekran Boyu"),
              "int Yukseklik, Genislik;\r\n"
              "DisplayMetrics EkranCozunurlugu = new DisplayMetrics();\r\n"
              "getWindowManager().getDefaultDisplay().getMetrics(EkranCozunurlugu);\r\n"
              "Yukseklik = EkranCozunurlugu.heightPixels;\r\n"
              "Genislik = EkranCozunurlugu.widthPixels;");
    EXPECT_EQ(textOf("Numara Çevirme"),
              "String Numara = \"tel:+90212XXXXXXX\";\r\n"
              "Intent Arama = new Intent(Intent.ACTION_DIAL, Uri.parse(Numara));\r\n"
              "startActivity(Arama);\r\n\r\n"
              "//.ACTION_DIAL numarayı çevirir\r\n"
              "//.ACTION_CALL aramayı başlatır");
}

TEST(SnippetTexts, BlanksThatAreEasyToLose) {
    const auto sensor = textOf("İvme Sensör");
    EXPECT_NE(sensor.find("göstereceğiz)\r\n\r\n\r\n\r\n//Aşağıdaki"), sensor.npos);
    EXPECT_EQ(sensor.find("\r\n"), sensor.find("\r\n\r\n\r\n\r\n"));
    EXPECT_NE(textOf("KPBtn08").find("\r\ntry \r\n{\r\n"), std::string_view::npos);
    EXPECT_NE(textOf("KPBtn11").find(" onCreate  metodunun altında"), std::string_view::npos);
    const auto sms = textOf("SMS Gönder");
    EXPECT_NE(sms.find("(getApplicationContext(), \"SMS Gönderildi...\""), sms.npos);
    EXPECT_NE(sms.find("(getApplicationContext(),\"SMS Gönderimi başarısız"), sms.npos);
    EXPECT_EQ(count(textOf("Bellek Bilgisi"), "  = "), 3u);
}

TEST(SnippetTexts, VibrationRhythm) {
    const auto t = textOf("Titreşim");
    EXPECT_NE(t.find("{0L,150L,300L,800L,350L,400L};\r\nTitresim.vibrate(TitresimRitmi,2);"),
              t.npos);
}

TEST(SnippetTexts, VideoAddressSitsOnceInItsPlace) {
    const auto t = textOf("Video Aç");
    EXPECT_EQ(t, "startActivity(new Intent(Intent.ACTION_VIEW, Uri.parse(\"" +
                     std::string(kSampleVideoAddress) + "\")));");
    EXPECT_EQ(count(t, kSampleVideoAddress), 1u);
    EXPECT_TRUE(kSampleVideoAddress.starts_with("https://"));
    EXPECT_GT(kSampleVideoAddress.size(), 8u);
    EXPECT_EQ(kSampleVideoAddress.find_first_of(" \"\r\n"), std::string_view::npos);
}

TEST(SnippetTexts, MailRecipientSitsOnceInItsPlace) {
    const auto t = textOf("E-Posta Gönder");
    EXPECT_NE(t.find("new String[]{\"" + std::string(kSampleMailRecipient) + "\"});\r\n"), t.npos);
    EXPECT_EQ(count(t, kSampleMailRecipient), 1u);
    const auto at = kSampleMailRecipient.find('@');
    ASSERT_NE(at, std::string_view::npos);
    EXPECT_GT(at, 0u);
    EXPECT_EQ(count(kSampleMailRecipient, "@"), 1u);
    const auto domain = kSampleMailRecipient.substr(at + 1);
    EXPECT_GT(domain.find('.'), 0u);
    EXPECT_LT(domain.find('.') + 1, domain.size());
    EXPECT_EQ(kSampleMailRecipient.find_first_of(" \"\r\n"), std::string_view::npos);
}

TEST(SnippetTexts, DeviceAndSimShareTheirFirstFourLines) {
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

TEST(SnippetTexts, StorageAndNetworkDetails) {
    EXPECT_EQ(count(textOf("Bellek Bilgisi"), "1048576"), 4u);
    const auto net = textOf("İnternete Bağlımıyım");
    EXPECT_EQ(count(net, "Toast.makeText(FormActivity.this, "), 2u);
}

}  // namespace
}  // namespace nakkas
