#include "tools/layout_to_code/layout_to_code.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "expected_files.h"
#include "fake_services.h"

namespace nakkas {
namespace {

using test::readDataCrLf;
using test::sameText;
using Strings = std::vector<std::string>;
using Files = std::map<std::string, std::string>;
using Msg = std::tuple<std::string, std::string, MessageIcon>;

constexpr const char* kData = "layout_to_code/";
std::string path(const std::string& name) {
    return test::dataPath(kData + name).string();
}

// A folder of layouts held in memory, for faults that need no file of their own.
FileLoader memoryFolder(Files files) {
    return [files = std::move(files)](const std::string& path) -> std::optional<std::string> {
        const auto it = files.find(path);
        return it == files.end() ? std::nullopt : std::optional(it->second);
    };
}

struct Tool {
    explicit Tool(LayoutOptions o = {}) : options(o) {}
    test::FakeServices services;
    LayoutOptions options;
    LayoutToCode model{services, options};
    Msg last() const {
        const auto m = services.lastMessage();
        return {m.text, m.caption, m.icon};
    }
};

// sample/ holds merge, include, custom and framework views and a duplicate id; siniflar.xml
// the class forms, fragments and malformed ids.
TEST(LayoutToCode, SampleTextsAreTheHandWrittenOnes) {
    const std::tuple<LayoutOptions, const char*, const char*> cases[] = {
        {{}, "sample/ana_ekran.xml", "ana_ekran_id_final.txt"},
        {{NamingStyle::Camel, 5, false}, "sample/ana_ekran.xml", "ana_ekran_camel_bos.txt"},
        {{}, "siniflar.xml", "siniflar.txt"}};
    for (const auto& [options, layout, expected] : cases) {
        SCOPED_TRACE(expected);
        Tool t(options);
        ASSERT_TRUE(t.model.open(path(layout)).ok());
        EXPECT_TRUE(t.services.messages.empty());
        ASSERT_TRUE(t.model.confirm());
        EXPECT_TRUE(sameText(t.model.resultText(), readDataCrLf(std::string(kData) + expected)));
    }
}

TEST(LayoutToCode, EditedNamesSurviveStyleChangesAndOnlyCheckedRowsAreWritten) {
    Tool t;
    auto& [services, options, model] = t;
    ASSERT_TRUE(model.open(path("sample/ana_ekran.xml")).ok());
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
    EXPECT_EQ(t.last(), Msg("Kod üretmek için listeden en az bir görünüm seçin.", "Uyarı",
                            MessageIcon::Warning));

    model.setChecked(0, true);
    model.setChecked(4, true);
    model.selectAccess(1);
    model.setWriteListeners(false);
    ASSERT_TRUE(model.confirm());
    EXPECT_TRUE(
        sameText(model.resultText(), readDataCrLf(std::string(kData) + "ana_ekran_iki_satir.txt")));
    // The options stay in the tool state for the next opening.
    EXPECT_EQ(std::tie(options.style, options.accessIndex, options.writeListeners),
              std::make_tuple(NamingStyle::MPrefix, 1u, false));
}

TEST(LayoutToCode, NamingStyles) {
    const std::array<const char*, 3> cases[] = {
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
    for (const auto& [id, camel, m] : cases) {
        SCOPED_TRACE(id);
        EXPECT_EQ(proposeName(id, NamingStyle::SameAsId), id);
        EXPECT_EQ(proposeName(id, NamingStyle::Camel), camel);
        EXPECT_EQ(proposeName(id, NamingStyle::MPrefix), m);
    }
}

// A layout whose root includes the next one, each root with an id of its own.
Files includeChain(int files) {
    Files out;
    for (int i = 0; i < files; ++i) {
        std::string xml = "<FrameLayout android:id=\"@+id/k" + std::to_string(i) + "\">";
        if (i + 1 < files) xml += "<include layout=\"@layout/k" + std::to_string(i + 1) + "\"/>";
        out["/p/k" + std::to_string(i) + ".xml"] = xml + "</FrameLayout>";
    }
    return out;
}

// Reading stops at the first fault and keeps none of the views read before it.
TEST(LayoutReader, FaultsAreRefusedWithWhereTheyAre) {
    const std::string bad = "x.xml geçerli bir XML dosyası değil: satır ";
    const std::string mismatch = " (açılış ve kapanış etiketleri eşleşmiyor)";
    const std::pair<const char*, std::string> malformed[] = {
        {"<LinearLayout>\n  <Button>\n</LinearLayout>\n", "3, sütun 3" + mismatch},
        {"<LinearLayout>\n  <Button android:id=\"@+id/a\" android:text=>\n</LinearLayout>",
         "2, sütun 44 (öznitelik hatalı)"},
        {"<a>\n<b t=\"çğ\"></c>\n</a>", "2, sütun 13" + mismatch},  // characters, not bytes
        {"<a/>\n  <b/>", "2, sütun 3 (birden çok kök öğe var)"},
        {"<a>\n\n  <Button android:id=\"@+id/x\" android:id=\"@+id/y\"/>\n</a>",
         "3, sütun 3 (aynı öznitelik iki kez yazılmış: android:id)"},
        {"", "1, sütun 1 (dosyada hiç öğe yok)"},
    };
    for (const auto& [xml, where] : malformed) {
        SCOPED_TRACE(xml);
        const LayoutScan scan = readLayout("/p/x.xml", memoryFolder({{"/p/x.xml", xml}}));
        EXPECT_EQ(scan.error, bad + where);
        EXPECT_TRUE(scan.views.empty());
    }

    // Three includes of the next layout on each of eight levels would be thousands of documents.
    Files fan{{"/p/f8.xml", "<Button android:id=\"@+id/son\"/>"}};
    for (int i = 0; i < 8; ++i) {
        const std::string next = "<include layout=\"@layout/f" + std::to_string(i + 1) + "\"/>";
        fan["/p/f" + std::to_string(i) + ".xml"] = "<merge>" + next + next + next + "</merge>";
    }
    const std::tuple<const char*, Files, std::string> included[] = {
        {"/p/ana.xml",
         {{"/p/ana.xml",
           "<LinearLayout>\n<Button android:id=\"@+id/b\"/>\n"
           "<include layout=\"@layout/bozuk\"/>\n</LinearLayout>"},
          {"/p/bozuk.xml", "<FrameLayout>\n\n<TextView>\n</FrameLayout>"}},
         "bozuk.xml geçerli bir XML dosyası değil: satır 4, sütun 3" + mismatch},
        {"/p/a.xml",
         {{"/p/a.xml",
           "<merge><Button android:id=\"@+id/x\"/><include layout=\"@layout/b\"/></merge>"},
          {"/p/b.xml", "<FrameLayout><include layout=\"@layout/a\"/></FrameLayout>"}},
         "Layout dosyaları birbirini içeriyor, okuma durduruldu: a.xml → b.xml → a.xml"},
        // The main file and 16 nested includes are read; one more is refused.
        {"/p/k0.xml", includeChain(18),
         "Include'lar en fazla 16 kat iç içe olabilir; k17.xml daha derinde kalıyor"},
        {"/p/f0.xml", fan,
         "Layout çok fazla include içeriyor (en fazla 2000 dosya okunur); okuma durduruldu"},
    };
    for (const auto& [main, files, error] : included) {
        SCOPED_TRACE(main);
        const LayoutScan scan = readLayout(main, memoryFolder(files));
        EXPECT_EQ(scan.error, error);
        EXPECT_TRUE(scan.views.empty());
    }
    EXPECT_EQ(readLayout("/p/k0.xml", memoryFolder(includeChain(17))).views.size(), 17u);
}

// Includes that cannot be read are noted once each, by the name written; a name that would
// leave the folder is not looked up. The same layout twice is no cycle.
TEST(LayoutReader, MissingIncludesAreNoted) {
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
    Strings listed;
    for (const LayoutView& v : missing.views)
        listed.push_back(v.className + " " + displayId(v) + " " + v.file);
    EXPECT_EQ(listed, (Strings{"EditText e ana.xml", "TextView satir satir.xml",
                               "TextView ikinci satir.xml"}));
}

TEST(LayoutToCode, FaultsAreShownAndNothingOpens) {
    const std::pair<std::string, Msg> cases[] = {
        {"<LinearLayout><TextView/></LinearLayout>",
         {"bos.xml dosyasında id verilmiş hiçbir görünüm yok.", "Bilgi", MessageIcon::Information}},
        {"<LinearLayout><include layout=\"@layout/liste\"/></LinearLayout>",
         {"bos.xml dosyasında id verilmiş hiçbir görünüm yok. Bulunamayan include: liste", "Bilgi",
          MessageIcon::Information}},
        {"<LinearLayout>\n",
         {"bos.xml geçerli bir XML dosyası değil: satır 1, sütun 15 (açılış ve kapanış etiketleri "
          "eşleşmiyor)",
          "Hata", MessageIcon::Error}},
    };
    for (const auto& [xml, message] : cases) {
        SCOPED_TRACE(xml);
        Tool t;
        const Outcome outcome = t.model.open("/p/bos.xml", memoryFolder({{"/p/bos.xml", xml}}));
        EXPECT_EQ(outcome, Outcome::refused(std::get<0>(message)));
        ASSERT_EQ(t.services.messages.size(), 1u);
        EXPECT_EQ(t.last(), message);
        EXPECT_TRUE(t.model.rows().empty());
    }
    EXPECT_EQ(Tool().model.open("/yok/ana.xml").message, "Layout dosyası okunamadı: /yok/ana.xml");
}

}  // namespace
}  // namespace nakkas
