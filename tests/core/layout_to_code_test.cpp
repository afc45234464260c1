#include "tools/layout_to_code/layout_to_code.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "expected_files.h"
#include "fake_services.h"

namespace nakkas {
namespace {

using test::FakeServices;
using test::readDataCrLf;
using test::sameText;
using Strings = std::vector<std::string>;

std::string samplePath() {
    return test::dataPath("layout_to_code/sample/ana_ekran.xml").string();
}

// A folder of layouts held in memory, for faults that need no file of their own.
FileLoader memoryFolder(std::map<std::string, std::string> files) {
    return [files = std::move(files)](const std::string& path) -> std::optional<std::string> {
        const auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second;
    };
}

Strings listed(const LayoutScan& scan) {
    Strings out;
    for (const LayoutView& v : scan.views)
        out.push_back(v.className + " " + displayId(v) + " " + v.file);
    return out;
}

TEST(LayoutToCode, SampleTextsAreTheHandWrittenOnes) {
    struct Case {
        NamingStyle style;
        std::size_t access;
        bool listeners;
        const char* layout;
        std::size_t rows;
        const char* expected;
    };
    // The sample folder holds a merge root, an include whose id replaces its root's, a custom
    // view, <view class>, a framework id, a duplicate id and a view without one.
    // The second layout holds the class forms: a framework package, a custom class of a known
    // simple name, <view> with and without a class, a nested class, and framework ids on a
    // catalogue class and on others; fragments and malformed ids are not listed.
    for (const Case& c :
         {Case{NamingStyle::SameAsId, 0, true, "sample/ana_ekran.xml", 13,
               "ana_ekran_id_final.txt"},
          Case{NamingStyle::Camel, 5, false, "sample/ana_ekran.xml", 13, "ana_ekran_camel_bos.txt"},
          Case{NamingStyle::SameAsId, 0, true, "siniflar.xml", 9, "siniflar.txt"}}) {
        SCOPED_TRACE(c.expected);
        FakeServices services;
        LayoutOptions options{c.style, c.access, c.listeners};
        LayoutToCode model(services, options);
        ASSERT_TRUE(
            model.open(test::dataPath(std::string("layout_to_code/") + c.layout).string()).ok());
        EXPECT_TRUE(services.messages.empty());
        EXPECT_EQ(model.rows().size(), c.rows);
        ASSERT_TRUE(model.confirm());
        EXPECT_TRUE(sameText(model.resultText(),
                             readDataCrLf(std::string("layout_to_code/") + c.expected)));
    }
}

TEST(LayoutToCode, EditedNamesSurviveStyleChangesAndOnlyCheckedRowsAreWritten) {
    FakeServices services;
    LayoutOptions options;
    LayoutToCode model(services, options);
    ASSERT_TRUE(model.open(samplePath()).ok());
    EXPECT_EQ(model.summary(), "ana_ekran.xml: id verilmiş 13 görünüm");
    EXPECT_EQ(model.notes(),
              Strings{"Tekrarlanan 1 id atlandı; her id ilk geçtiği yerde listelenir."});
    model.setVariableName(4, "kaydet");
    model.setVariableName(3, "edit_ad");  // typed back to the proposal: still follows the style
    model.setStyle(NamingStyle::Camel);
    EXPECT_EQ(model.rows()[4].variableName, "kaydet");
    EXPECT_EQ(model.rows()[3].variableName, "editAd");
    model.setStyle(NamingStyle::MPrefix);
    EXPECT_EQ(model.rows()[3].variableName, "mEditAd");

    model.checkNone();
    EXPECT_FALSE(model.confirm());  // nothing to write must not wipe the panel
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.lastMessage().text, "Kod üretmek için listeden en az bir görünüm seçin.");
    EXPECT_EQ(services.lastMessage().caption, "Uyarı");
    EXPECT_EQ(services.lastMessage().icon, MessageIcon::Warning);

    model.setChecked(0, true);
    model.setChecked(4, true);
    model.selectAccess(1);
    model.setWriteListeners(false);
    ASSERT_TRUE(model.confirm());
    EXPECT_TRUE(
        sameText(model.resultText(), readDataCrLf("layout_to_code/ana_ekran_iki_satir.txt")));
    // The options stay in the tool state for the next opening.
    EXPECT_EQ(options.style, NamingStyle::MPrefix);
    EXPECT_EQ(options.accessIndex, 1u);
    EXPECT_FALSE(options.writeListeners);

    model.checkAll();
    EXPECT_EQ(model.checkedCount(), 13u);
}

TEST(LayoutToCode, NamingStyles) {
    struct Case {
        const char* id;
        const char* camel;
        const char* m;
    };
    const Case cases[] = {
        {"btn_kaydet", "btnKaydet", "mBtnKaydet"},
        {"Btn_Kaydet", "btnKaydet", "mBtnKaydet"},
        {"URL_ADRESI", "uRLADRESI", "mURLADRESI"},
        {"text_view_1", "textView1", "mTextView1"},
        {"adim_2b", "adim2b", "mAdim2b"},
        {"2_adim", "2Adim", "m2Adim"},
        {"btn__iki", "btnIki", "mBtnIki"},
        {"_gizli_alan", "gizliAlan", "mGizliAlan"},
        {"son_", "son", "mSon"},
        {"a", "a", "mA"},
        {"çizgi_ölçü", "çizgiölçü", "mçizgiölçü"},  // only ASCII letters change case
        {"nokta.ad_x", "nokta.adX", "mNokta.adX"},
        {"___", "___", "___"},  // no part left: the id as it is
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(proposeName(c.id, NamingStyle::SameAsId), c.id);
        EXPECT_EQ(proposeName(c.id, NamingStyle::Camel), c.camel);
        EXPECT_EQ(proposeName(c.id, NamingStyle::MPrefix), c.m);
    }
}

TEST(LayoutReader, MalformedXmlIsRefusedWithFileLineAndColumn) {
    struct Case {
        const char* xml;
        const char* message;
    };
    const Case cases[] = {
        {"<LinearLayout>\n  <Button>\n</LinearLayout>\n",
         "x.xml geçerli bir XML dosyası değil: satır 3, sütun 3 (açılış ve kapanış etiketleri "
         "eşleşmiyor)"},
        {"<LinearLayout>\n  <Button android:id=\"@+id/a\" android:text=>\n</LinearLayout>",
         "x.xml geçerli bir XML dosyası değil: satır 2, sütun 44 (öznitelik hatalı)"},
        // Columns count characters, not bytes.
        {"<a>\n<b t=\"çğ\"></c>\n</a>",
         "x.xml geçerli bir XML dosyası değil: satır 2, sütun 13 (açılış ve kapanış etiketleri "
         "eşleşmiyor)"},
        {"<a/>\n  <b/>",
         "x.xml geçerli bir XML dosyası değil: satır 2, sütun 3 (birden çok kök öğe var)"},
        {"<a>\n\n  <Button android:id=\"@+id/x\" android:id=\"@+id/y\"/>\n</a>",
         "x.xml geçerli bir XML dosyası değil: satır 3, sütun 3 (aynı öznitelik iki kez yazılmış: "
         "android:id)"},
        {"", "x.xml geçerli bir XML dosyası değil: satır 1, sütun 1 (dosyada hiç öğe yok)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xml);
        const LayoutScan scan = readLayout("/p/x.xml", memoryFolder({{"/p/x.xml", c.xml}}));
        EXPECT_EQ(scan.error, c.message);
        EXPECT_TRUE(scan.views.empty());
    }

    // A fault in an included file names that file and drops what was read before it.
    const LayoutScan scan =
        readLayout("/p/ana.xml",
                   memoryFolder({{"/p/ana.xml",
                                  "<LinearLayout>\n<Button android:id=\"@+id/b\"/>\n"
                                  "<include layout=\"@layout/bozuk\"/>\n</LinearLayout>"},
                                 {"/p/bozuk.xml", "<FrameLayout>\n\n<TextView>\n</FrameLayout>"}}));
    EXPECT_EQ(scan.error,
              "bozuk.xml geçerli bir XML dosyası değil: satır 4, sütun 3 (açılış ve "
              "kapanış etiketleri eşleşmiyor)");
    EXPECT_TRUE(scan.views.empty());
}

// A layout whose root includes the next one, each root with an id of its own.
std::map<std::string, std::string> includeChain(int files) {
    std::map<std::string, std::string> out;
    for (int i = 0; i < files; ++i) {
        std::string xml = "<FrameLayout android:id=\"@+id/k" + std::to_string(i) + "\">";
        if (i + 1 < files) xml += "<include layout=\"@layout/k" + std::to_string(i + 1) + "\"/>";
        out["/p/k" + std::to_string(i) + ".xml"] = xml + "</FrameLayout>";
    }
    return out;
}

TEST(LayoutReader, CyclesAndTooDeepIncludesAreRefusedMissingOnesNoted) {
    LayoutScan cycle = readLayout(
        "/p/a.xml",
        memoryFolder(
            {{"/p/a.xml",
              "<merge><Button android:id=\"@+id/x\"/><include layout=\"@layout/b\"/></merge>"},
             {"/p/b.xml", "<FrameLayout><include layout=\"@layout/a\"/></FrameLayout>"}}));
    EXPECT_EQ(cycle.error,
              "Layout dosyaları birbirini içeriyor, okuma durduruldu: a.xml → b.xml → a.xml");
    EXPECT_TRUE(cycle.views.empty());

    // The main file and 16 nested includes are read; one more is refused.
    EXPECT_EQ(readLayout("/p/k0.xml", memoryFolder(includeChain(17))).views.size(), 17u);
    const LayoutScan deep = readLayout("/p/k0.xml", memoryFolder(includeChain(18)));
    EXPECT_EQ(deep.error,
              "Include'lar en fazla 16 kat iç içe olabilir; k17.xml daha derinde kalıyor");

    // Three includes of the next layout on each of eight levels would be thousands of documents.
    std::map<std::string, std::string> fan;
    for (int i = 0; i < 8; ++i) {
        const std::string next = "<include layout=\"@layout/f" + std::to_string(i + 1) + "\"/>";
        fan["/p/f" + std::to_string(i) + ".xml"] = "<merge>" + next + next + next + "</merge>";
    }
    fan["/p/f8.xml"] = "<Button android:id=\"@+id/son\"/>";
    EXPECT_EQ(readLayout("/p/f0.xml", memoryFolder(fan)).error,
              "Layout çok fazla include içeriyor (en fazla 2000 dosya okunur); okuma durduruldu");

    // Includes that cannot be read are noted once each, by the name written; a name that would
    // leave the folder is not looked up. The same layout twice is no cycle.
    const LayoutScan missing = readLayout(
        "/p/ana.xml",
        memoryFolder({{"/p/ana.xml",
                       "<LinearLayout xmlns:a=\"http://schemas.android.com/apk/res/android\">"
                       "<include layout=\"@layout/yok\"/><EditText a:id=\"@+id/e\"/>"
                       "<include layout=\"@layout/../gizli\"/><include layout=\"@layout/satir\"/>"
                       "<include layout=\"@android:layout/simple_list_item_1\"/>"
                       "<include layout=\"@layout/satir\" a:id=\"@+id/ikinci\"/>"
                       "<include layout=\"@layout/yok\"/></LinearLayout>"},
                      {"/p/../gizli.xml", "<Button android:id=\"@+id/gizli\"/>"},
                      {"/p/satir.xml", "<TextView android:id=\"@+id/satir\"/>"}}));
    EXPECT_EQ(missing.error, "");
    EXPECT_EQ(missing.missingIncludes,
              (Strings{"yok", "../gizli", "@android:layout/simple_list_item_1"}));
    EXPECT_EQ(listed(missing), (Strings{"EditText e ana.xml", "TextView satir satir.xml",
                                        "TextView ikinci satir.xml"}));
}

TEST(LayoutToCode, FaultsAreShownAndNothingOpens) {
    struct Case {
        std::string xml;
        std::string message, caption;
        MessageIcon icon;
    };
    const Case cases[] = {
        {"<LinearLayout><TextView/></LinearLayout>",
         "bos.xml dosyasında id verilmiş hiçbir görünüm yok.", "Bilgi", MessageIcon::Information},
        {"<LinearLayout><include layout=\"@layout/liste\"/></LinearLayout>",
         "bos.xml dosyasında id verilmiş hiçbir görünüm yok. Bulunamayan include: liste", "Bilgi",
         MessageIcon::Information},
        {"<LinearLayout>\n",
         "bos.xml geçerli bir XML dosyası değil: satır 1, sütun 15 (açılış ve "
         "kapanış etiketleri eşleşmiyor)",
         "Hata", MessageIcon::Error},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xml);
        FakeServices services;
        LayoutOptions options;
        LayoutToCode model(services, options);
        const Outcome outcome = model.open("/p/bos.xml", memoryFolder({{"/p/bos.xml", c.xml}}));
        EXPECT_EQ(outcome, Outcome::refused(c.message));
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.lastMessage().text, c.message);
        EXPECT_EQ(services.lastMessage().caption, c.caption);
        EXPECT_EQ(services.lastMessage().icon, c.icon);
        EXPECT_TRUE(model.rows().empty());
    }
    FakeServices services;
    LayoutOptions options;
    LayoutToCode model(services, options);
    EXPECT_EQ(model.open("/yok/ana.xml").message, "Layout dosyası okunamadı: /yok/ana.xml");
}

}  // namespace
}  // namespace nakkas
