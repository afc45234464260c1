#include "tools/layout_to_code/layout_to_code.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "expected_files.h"
#include "fake_services.h"

namespace nakkas {
namespace {

using test::sameText;
using Strings = std::vector<std::string>;
using Files = std::map<std::string, std::string>;
using Msg = std::tuple<std::string, std::string, MessageIcon>;

const auto path = [](const std::string& n) {
    return test::dataPath("layout_to_code/" + n).string();
};
const auto text = [](const std::string& n) { return test::readDataCrLf("layout_to_code/" + n); };

// A folder of layouts held in memory, for faults that need no file of their own.
FileLoader memoryFolder(Files files) {
    return [files = std::move(files)](const std::string& path, const std::string&,
                                      std::size_t maxBytes) {
        const auto it = files.find(path);
        if (it == files.end()) return LayoutFile{LayoutFile::State::Missing, {}};
        if (it->second.size() > maxBytes) return LayoutFile{LayoutFile::State::TooLarge, {}};
        return LayoutFile{LayoutFile::State::Read, it->second};
    };
}

struct Tool {
    explicit Tool(LayoutOptions o = {}, Language language = Language::Java)
        : options(o), model(services, options, language) {}
    test::FakeServices services;
    LayoutOptions options;
    LayoutToCode model;
    Msg last() const {
        const auto m = services.lastMessage();
        return {m.text, m.caption, m.icon};
    }
};

// Between them the layouts hold every kind of view, id and include the reader knows. In Kotlin,
// the members of all the views come before the statements of all of them.
TEST(LayoutToCode, SampleTextsAreTheHandWrittenOnes) {
    constexpr Language java = Language::Java;
    const std::tuple<LayoutOptions, Language, const char*, std::string> cases[] = {
        {{}, java, "sample/ana_ekran.xml", "layout_to_code/ana_ekran_id_final.txt"},
        {{NamingStyle::Camel, 5, false},
         java,
         "sample/ana_ekran.xml",
         "layout_to_code/ana_ekran_camel_bos.txt"},
        {{}, java, "siniflar.xml", "layout_to_code/siniflar.txt"},
        {{NamingStyle::Camel, 3, true}, java, "eksik/ekran.xml", "layout_to_code/eksik_ekran.txt"},
        {{NamingStyle::Camel, 2, false},
         Language::Kotlin,
         "sample/ana_ekran.xml",
         "kotlin/layout_to_code/ana_ekran_camel_private.kt"}};
    for (const auto& [options, language, layout, expected] : cases) {
        SCOPED_TRACE(expected);
        Tool t(options, language);
        ASSERT_TRUE(t.model.open(path(layout)).ok());
        ASSERT_TRUE(t.model.confirm().ok());
        EXPECT_TRUE(sameText(t.model.resultText(), test::readDataCrLf(expected)));
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
    model.setVariableName(3, "edit_ad");  // typed back to the proposal
    model.setStyle(NamingStyle::MPrefix);
    EXPECT_EQ(model.rows()[3].variableName, "mEditAd");

    model.checkNone();
    EXPECT_EQ(model.confirm().kind, Outcome::Kind::Refused);
    EXPECT_EQ(t.last(), Msg("Kod üretmek için listeden en az bir görünüm seçin.", "Uyarı",
                            MessageIcon::Warning));

    model.setChecked(0, true);
    model.setChecked(4, true);
    model.selectAccess(1);
    model.setWriteListeners(false);
    ASSERT_TRUE(model.confirm().ok());
    EXPECT_TRUE(sameText(model.resultText(), text("ana_ekran_iki_satir.txt")));
    EXPECT_EQ(std::tie(options.style, options.accessIndex, options.writeListeners),
              std::make_tuple(NamingStyle::MPrefix, 1u, false));  // kept for the next opening
}

TEST(LayoutToCode, NamingStyles) {
    const std::array<const char*, 3> cases[] = {
        {"btn_kaydet", "btnKaydet", "mBtnKaydet"},
        {"URL_ADRESI", "uRLADRESI", "mURLADRESI"},
        {"adim_2b", "adim2b", "mAdim2b"},
        {"btn__iki", "btnIki", "mBtnIki"},
        {"_gizli_alan", "gizliAlan", "mGizliAlan"},
        {"çizgi_ölçü", "çizgiölçü", "mçizgiölçü"},  // only ASCII letters change case
        {"nokta.ad_x", "nokta.adX", "mNokta.adX"},
        {"___", "___", "___"},
    };
    for (const auto& [id, camel, m] : cases) {
        SCOPED_TRACE(id);
        EXPECT_EQ(proposeName(id, NamingStyle::SameAsId), id);
        EXPECT_EQ(proposeName(id, NamingStyle::Camel), camel);
        EXPECT_EQ(proposeName(id, NamingStyle::MPrefix), m);
    }
}

// Layout i includes layout i+1 `fan` times; the last one holds a button.
Files nested(const std::string& name, int levels, int fan) {
    const auto file = [&](int i) { return "/p/" + name + std::to_string(i) + ".xml"; };
    Files out{{file(levels), "<Button android:id=\"@+id/son\"/>"}};
    for (int i = 0; i < levels; ++i) {
        std::string xml = "<merge>";
        for (int k = 0; k < fan; ++k)
            xml += "<include layout=\"@layout/" + name + std::to_string(i + 1) + "\"/>";
        out[file(i)] = xml + "</merge>";
    }
    return out;
}

// The bytes of a UTF-16 file with its byte order mark.
std::string utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = char(unit >> 8), low = char(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

// Reading stops at the first fault, or at a limit, and keeps none of the views read before it.
// What XML allows reads whole, in UTF-16 or Latin-1 too, whatever else the declaration holds.
TEST(LayoutReader, FaultsAreRefusedWithWhereTheyAre) {
    const std::string bad = "x.xml geçerli bir XML dosyası değil: satır ";
    const std::string mismatch = " (açılış ve kapanış etiketleri eşleşmiyor)";
    const auto x = [](const char* xml) { return Files{{"/p/x.xml", xml}}; };
    const std::string big(std::size_t(1) << 20, ' '), part = "<merge/>" + big.substr(200000);
    const auto sized = [&](const char* id) {
        return "<Button android:id=\"@+id/" + std::string(id) + "\"/>" + big;
    };
    const std::string three =
        "<a><include layout=\"@layout/b\"/><include layout=\"@layout/c\"/>"
        "<include layout=\"@layout/d\"/></a>";
    struct Case {
        Files files;
        std::string error, ids = {};  // ids: those of the views read, when there is no error
    };
    const Case cases[] = {
        {x("<LinearLayout>\n  <Button>\n</LinearLayout>\n"), bad + "3, sütun 3" + mismatch},
        {x("<LinearLayout>\n  <Button android:id=\"@+id/a\" android:text=>\n</LinearLayout>"),
         bad + "2, sütun 44 (öznitelik hatalı)"},
        {x("<a>\n<b t=\"çğ\"></c>\n</a>"), bad + "2, sütun 13" + mismatch},
        {x("<a/>\n  <b/>"), bad + "2, sütun 3 (birden çok kök öğe var)"},
        {x("<a>\n\n  <Button android:id=\"@+id/x\" android:id=\"@+id/y\"/>\n</a>"),
         bad + "3, sütun 3 (aynı öznitelik iki kez yazılmış: android:id)"},
        {x(""), bad + "1, sütun 1 (dosyada hiç öğe yok)"},
        {{{"/p/ana.xml",
           "<LinearLayout>\n<Button android:id=\"@+id/b\"/>\n"
           "<include layout=\"@layout/bozuk\"/>\n</LinearLayout>"},
          {"/p/bozuk.xml", "<FrameLayout>\n\n<TextView>\n</FrameLayout>"}},
         "bozuk.xml geçerli bir XML dosyası değil: satır 4, sütun 3" + mismatch},
        {{{"/p/a.xml",
           "<merge><Button android:id=\"@+id/x\"/><include layout=\"@layout/b\"/></merge>"},
          {"/p/b.xml", "<FrameLayout><include layout=\"@layout/a\"/></FrameLayout>"}},
         "Layout dosyaları birbirini içeriyor, okuma durduruldu: a.xml → b.xml → a.xml"},
        {nested("k", 17, 1),
         "Include'lar en fazla 16 kat iç içe olabilir; k17.xml daha derinde kalıyor"},
        {nested("f", 8, 3),
         "Layout çok fazla include içeriyor (en fazla 2000 dosya okunur); okuma durduruldu"},
        // What the parser lets through: a bare "&", references to no character XML allows,
        // bytes that are not UTF-8, control characters.
        {x("<a b=\"x & y\"/>"), bad + "1, sütun 9 (tek başına & işareti (&amp; yazılmalı))"},
        {x("<a>\n<Button android:id=\"@+id/x&#0;y\"/>\n</a>"),
         bad + "2, sütun 27 (geçersiz karakter başvurusu: &#0;)"},
        {x("<a>\n<Button android:id=\"@+id/x&#x110000;\"/>\n</a>"),
         bad + "2, sütun 27 (geçersiz karakter başvurusu: &#x110000;)"},
        {x("<a>\n  <b android:id=\"@+id/\xff\"/>\n</a>"),
         bad + "2, sütun 23 (geçerli UTF-8 olmayan bayt)"},
        {x("<a t=\"ş\x1b\"/>"), bad + "1, sütun 8 (XML'de yeri olmayan bir karakter)"},
        {x("<a>&nbsp;</a>"), bad + "1, sütun 4 (bilinmeyen başvuru: &nbsp;)"},
        // A layout file, or all its includes together, past the limits is refused before it
        // is read.
        {{{"/p/a.xml", sized("a")}}, "Layout dosyası çok büyük (en fazla 1 MB okunur): /p/a.xml"},
        {{{"/p/a.xml", "<a><include layout=\"@layout/b\"/></a>"}, {"/p/b.xml", sized("b")}},
         "b.xml çok büyük (bir layout dosyası en fazla 1 MB olabilir); okuma durduruldu"},
        {{{"/p/a.xml", three}, {"/p/b.xml", part}, {"/p/c.xml", part}, {"/p/d.xml", part}},
         "Include edilen layout'lar toplam 2 MB sınırını aşıyor; okuma durduruldu"},
        // No '<' in a value, where the parser would take a comment for text and decode it.
        {x("<a>\n<b c=\"<!-- &#0; -->\"/></a>"),
         bad + "2, sütun 7 (öznitelik değerinde < işareti)"},
        // What cannot be a name is a bare "&", and bytes that are not characters are not quoted.
        {x("<a b=\"&x=\xff;\"/>"), bad + "1, sütun 7 (tek başına & işareti (&amp; yazılmalı))"},
        {Files{{"/p/x.xml", utf16(u"<a>\n<b/>\xD800</a>", false)}},
         bad + "2, sütun 5 (geçerli UTF-16 olmayan karakter)"},
        {nested("k", 16, 1), "", "son"},
        // References and characters that XML allows, and the places where "&" is plain text.
        {x("\xEF\xBB\xBF<?xml version=\"1.0\"?><!DOCTYPE a [<!-- & -->]>"
           "<a t=\"&amp;&lt;&#x1F600;&#233;&quot;\" u='&apos;&gt;'>"
           "<!-- & --><![CDATA[ & ]]><?pi & ?>ağaç\t𝄞</a>"),
         ""},
        {Files{{"/p/x.xml", utf16(u"<?xml version=\"1.0\" encoding=\"utf-16\"?><a><Button "
                                  u"android:id=\"@+id/ağaç\xD834\xDD1E\"/></a>",
                                  true)}},
         "", "ağaç𝄞"},
        {x("<?xml version=\"?\" encoding=\"ISO-8859-1\"?><a><Button "
           "android:id=\"@+id/d\xfcgme\"/></a>"),
         "", "dügme"},
    };
    const LayoutLimits limits{std::size_t(1) << 20, std::size_t(2) << 20};
    for (const auto& [files, error, ids] : cases) {
        SCOPED_TRACE(error + ids);
        const LayoutScan scan = readLayout(files.begin()->first, memoryFolder(files), limits);
        EXPECT_EQ(scan.error, error);
        std::string read;
        for (const LayoutView& v : scan.views) read += v.id;
        EXPECT_EQ(read, ids);
    }
}

// Includes that cannot be read are noted once each, by the name written; a name that would
// leave the folder is not looked up. The same layout twice is no cycle.
TEST(LayoutReader, IncludesThatAreNotReadAreNoted) {
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
    EXPECT_EQ(missing.missingIncludes, (Strings{"yok", "@android:layout/simple_list_item_1"}));
    EXPECT_EQ(missing.outsideIncludes, Strings{"../gizli"});
    Strings listed;
    for (const LayoutView& v : missing.views)
        listed.push_back(v.className + " " + displayId(v) + " " + v.file);
    EXPECT_EQ(listed, (Strings{"EditText e ana.xml", "TextView satir satir.xml",
                               "TextView ikinci satir.xml"}));
}

// On disk every include is resolved, links and all: what leads out of the layout's folder is
// never opened, and a folder, a FIFO or /proc/self/mem is noted or refused, never read whole.
TEST(LayoutToCode, IncludesOnDiskStayInTheFolder) {
    namespace fs = std::filesystem;
    char pattern[] = "/tmp/nakkas-layout-XXXXXX";
    const fs::path root = mkdtemp(pattern);
    const fs::path layout = root / "layout";
    fs::create_directories(layout / "alt");
    fs::create_directories(root / "gizli");
    fs::create_directories(layout / "klasor.xml");
    const auto write = [](const fs::path& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    };
    std::string ana = "<LinearLayout><Button android:id=\"@+id/ana\"/>";
    for (const char* name :
         {"ic", "disari", "sifre", "bellek", "klasor", "fifo", "yok", "kopuk", "yukari"})
        ana += "<include layout=\"@layout/" + std::string(name) + "\"/>";
    write(layout / "ana.xml", ana + "</LinearLayout>");
    write(layout / "alt" / "ic.xml", "<TextView android:id=\"@+id/ic\"/>");
    write(root / "gizli" / "x.xml", "<Button android:id=\"@+id/gizli\"/>");
    fs::create_symlink("alt/ic.xml", layout / "ic.xml");
    fs::create_symlink("../gizli/x.xml", layout / "disari.xml");
    fs::create_symlink("/etc/passwd", layout / "sifre.xml");
    fs::create_symlink("/proc/self/mem", layout / "bellek.xml");
    fs::create_symlink("yok_hic.xml", layout / "kopuk.xml");
    fs::create_symlink("..", layout / "yukari.xml");
    ASSERT_EQ(mkfifo((layout / "fifo.xml").c_str(), 0600), 0);
    // A layout past the size limit, without its bytes on the disk.
    fs::resize_file((write(layout / "dev.xml", ""), layout / "dev.xml"), (16u << 20) + 1);

    Tool t;
    ASSERT_TRUE(t.model.open((layout / "ana.xml").string()).ok());
    Strings ids;
    for (const LayoutRow& r : t.model.rows()) ids.push_back(r.view.id);
    EXPECT_EQ(ids, (Strings{"ana", "ic"}));
    EXPECT_EQ(t.model.notes(),
              (Strings{"Bulunamayan include: yok, kopuk", "Okunamayan include: klasor, fifo",
                       "Layout klasörünün dışına çıktığı için okunmayan include: disari, sifre, "
                       "bellek, yukari"}));

    const std::pair<std::string, std::string> refused[] = {
        {"/proc/self/mem", "Layout dosyası okunamadı: /proc/self/mem"},
        {(layout / "fifo.xml").string(),
         "Layout dosyası okunamadı: " + (layout / "fifo.xml").string()},
        {(layout / "dev.xml").string(),
         "Layout dosyası çok büyük (en fazla 16 MB okunur): " + (layout / "dev.xml").string()},
    };
    for (const auto& [file, message] : refused) {
        Tool r;
        EXPECT_EQ(r.model.open(file), Outcome::refused(message));
    }
    fs::remove_all(root);
}

TEST(LayoutToCode, FaultsAreShownAndNothingOpens) {
    const std::string none = " dosyasında id verilmiş hiçbir görünüm yok.";
    const FileLoader folder = memoryFolder({{"/p/bos.xml", "<a><TextView/></a>"},
                                            {"/p/eksik.xml",
                                             "<a><include layout=\"@layout/liste\"/><include "
                                             "layout=\"@layout/../liste\"/></a>"}});
    const std::pair<const char*, Msg> cases[] = {
        {"/p/bos.xml", {"bos.xml" + none, "Bilgi", MessageIcon::Information}},
        {"/p/eksik.xml",
         {"eksik.xml" + none +
              " Bulunamayan include: liste Layout klasörünün dışına çıktığı "
              "için okunmayan include: ../liste",
          "Bilgi", MessageIcon::Information}},
        {"/p/yok.xml", {"Layout dosyası okunamadı: /p/yok.xml", "Hata", MessageIcon::Error}},
    };
    for (const auto& [file, message] : cases) {
        SCOPED_TRACE(file);
        Tool t;
        EXPECT_EQ(t.model.open(file, folder), Outcome::refused(std::get<0>(message)));
        ASSERT_EQ(t.services.messages.size(), 1u);
        EXPECT_EQ(t.last(), message);
        EXPECT_TRUE(t.model.rows().empty());
    }
}

}  // namespace
}  // namespace nakkas
