// The definer form, the object texts it generates and the code panel they go to.

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "definer/code_panel.h"
#include "definer/definer_form.h"
#include "definer/object_generator.h"
#include "definer/widget_catalogue.h"
#include "expected_files.h"

namespace nakkas {
namespace {

using test::readDataCrLf;
using test::sameText;

std::size_t entry(std::string_view label) {
    return findEntryByLabel(label).value();
}

TEST(WidgetCatalogue, LooksUpExactLabelsAndTypeKeys) {
    EXPECT_EQ(widgetCatalogue()[*findEntryByTypeKey("toggle")].label, "Toggle");
    EXPECT_EQ(widgetCatalogue()[entry("ImageBtn")].typeKey, "imageButton");
    EXPECT_FALSE(findEntryByLabel("textview"));  // exact, case-sensitive
    EXPECT_FALSE(findEntryByTypeKey("YOK"));
}

TEST(DefinerForm, ChoosingProposesNamesFromStemsAndEachEntrysUncappedCounter) {
    DefinerForm form("MainActivity");
    form.variableName = "yazilan";
    form.choose(entry("TextView"));
    EXPECT_EQ(form.variableName, "textView1");
    EXPECT_EQ(form.idName, "textView1");

    form.sameAsId = false;
    const std::tuple<std::string_view, std::string, std::string, std::string> rows[] = {
        {"TextView", "label_degisken1", "textView1", "textView"},
        {"Toggle", "toggle_degisken1", "toggleButton1", "toggle"},
        {"DatePicker", "date_degisken1", "datePicker1", "datePicker"},
        {"RatingBar", "rating_degisken1", "ratingBar1", "ratingBar"}};
    for (const auto& [label, variable, id, type] : rows) {
        form.choose(entry(label));
        EXPECT_EQ(form.variableName, variable);
        EXPECT_EQ(form.idName, id);
        EXPECT_EQ(form.currentType(), type);
    }
    EXPECT_EQ(form.counter(entry("Toggle")), 1);  // choosing never advances

    for (int i = 0; i < 10; ++i) form.advanceCounter(entry("TextView"));
    form.choose(entry("Button"));
    EXPECT_EQ(form.idName, "button1");
    form.choose(entry("TextView"));
    EXPECT_EQ(form.idName, "textView11");
}

// "Sıfırla" brings back the start, apart from the boxes and the access entry.
TEST(DefinerForm, ResetKeepsTheBoxesAndTheAccessEntry) {
    DefinerForm form("AnaEkran");
    EXPECT_EQ(form.currentType(), "YOK");
    EXPECT_EQ(form.accessModifier(), "final");
    form.selectAccess(5);  // "--Boş--"
    EXPECT_EQ(form.accessModifier(), "");
    form.selectAccess(4);
    EXPECT_EQ(form.accessModifier(), "static");

    form.choose(entry("SeekBar"));
    form.advanceCounter(entry("SeekBar"));
    form.advanceCounter(entry("Button"));
    form.writeDeclaration = false;
    form.reset();
    for (std::size_t i = 0; i < 18; ++i) EXPECT_EQ(form.counter(i), 1) << i;  // as at the start
    EXPECT_EQ("type=" + form.currentType() + " activity=" + form.activityName + " variable=" +
                  form.variableName + " id=" + form.idName + " access=" + form.accessModifier() +
                  (form.writeDeclaration ? " declaration" : "") +
                  (form.writeListener ? " listener" : ""),
              "type=YOK activity=MainActivity variable= id= access=static listener");
}

// The expected files stand for the two addresses the program chooses itself by these marks.
std::string expectedObjectText(const std::string& file) {
    std::string text = readDataCrLf(file);
    for (const auto& [mark, value] :
         {std::pair{std::string_view("@WEB_ADDRESS@"), kWebViewAddress},
          std::pair{std::string_view("@VIDEO_ADDRESS@"), kVideoResourceAddress}})
        if (const auto at = text.find(mark); at != std::string::npos)
            text.replace(at, mark.size(), value);
    return text;
}

// The end of the first n lines, CR LF included.
std::size_t afterLines(const std::string& text, int n) {
    std::size_t at = 0;
    for (int i = 0; i < n; ++i) {
        const auto crlf = text.find("\r\n", at);
        if (crlf == std::string::npos) return text.size();
        at = crlf + 2;
    }
    return at;
}

// Every text-writing entry, with the names the form proposes when "Nesne ismi ile aynı olsun"
// is unchecked, so that a variable put where the id belongs (or the reverse) shows. The
// declaration takes its first lines (in Kotlin, with the member and the marker line where the
// modifier makes the view a member); the rest is the listener block.
TEST(ObjectGenerator, WholeTextPerObjectType) {
    const struct {
        std::string_view label, typeKey, access, variable, id;
        int javaDeclarationLines, kotlinDeclarationLines;
    } cases[] = {
        {"TextView", "textView", "final", "label_degisken1", "textView1", 1, 1},
        {"Button", "button", "final", "button_degisken1", "button1", 1, 1},
        {"CheckBox", "checkBox", "final", "check_degisken1", "checkBox1", 1, 1},
        {"RadioButton", "radioButton", "public", "radio_degisken1", "radioButton1", 1, 3},
        {"Toggle", "toggle", "final", "toggle_degisken1", "toggleButton1", 1, 1},
        {"ProgressBar", "progressBar", "final", "progress_degisken2", "progressBar2", 2, 2},
        {"Spinner", "spinner", "final", "spinner_degisken1", "spinner1", 1, 1},
        {"GridView", "gridView", "final", "grid_degisken1", "gridView1", 1, 1},
        {"EditText", "editText", "private", "edit_degisken1", "editText1", 1, 3},
        {"ImageBtn", "imageButton", "final", "iBtn_degisken1", "imageButton1", 1, 1},
        {"ImageView", "imageView", "protected", "image_degisken1", "imageView1", 1, 3},
        {"WebView", "webView", "final", "web_degisken1", "webView1", 1, 1},
        {"VideoView", "videoView", "final", "video_degisken1", "videoView1", 1, 1},
        {"ListView", "listView", "static", "list_degisken1", "listView1", 1, 5},
        {"SeekBar", "seekBar", "final", "seek_degisken1", "seekBar1", 1, 1},
        {"RatingBar", "ratingBar", "final", "rating_degisken1", "ratingBar1", 1, 1},
        {"DatePicker", "datePicker", "", "date_degisken1", "datePicker1", 1, 1},  // "--Boş--"
    };
    for (const Language language : kLanguages)
        for (const auto& c : cases) {
            const bool kotlin = language == Language::Kotlin;
            const std::string file = kotlin ? "kotlin/objects/" + std::string(c.label) + ".kt"
                                            : "objects/" + std::string(c.label) + ".txt";
            SCOPED_TRACE(file);
            const std::string expected = expectedObjectText(file);
            ASSERT_FALSE(expected.empty());
            GeneratorInput in{c.access, c.variable, c.id, true, true, "\"a\", \"b c\"", language};
            EXPECT_TRUE(sameText(generateObjectText(c.typeKey, in), expected));

            const std::size_t split =
                afterLines(expected, kotlin ? c.kotlinDeclarationLines : c.javaDeclarationLines);
            in.writeListener = false;
            EXPECT_TRUE(sameText(generateObjectText(c.typeKey, in), expected.substr(0, split)));
            in.writeListener = true;
            in.writeDeclaration = false;
            EXPECT_TRUE(sameText(generateObjectText(c.typeKey, in), expected.substr(split)));
            in.writeListener = false;
            EXPECT_EQ(generateObjectText(c.typeKey, in), "");
        }
    // Addresses that keep the Java and Kotlin string literals around them whole.
    EXPECT_TRUE(kWebViewAddress.starts_with("https://"));
    EXPECT_TRUE(kVideoResourceAddress.starts_with("android.resource://"));
    EXPECT_TRUE(kVideoResourceAddress.ends_with("/"));
    for (std::string_view address : {kWebViewAddress, kVideoResourceAddress})
        EXPECT_EQ(address.find_first_of("\" \r\n\\$"), std::string_view::npos) << address;
}

TEST(ObjectGenerator, NamesGoInAsTypedAndTabHostWritesNothing) {
    const GeneratorInput odd{"", "a\"b\\ ", "", true, false, {}};
    EXPECT_EQ(generateObjectText("button", odd),
              " Button a\"b\\  = (Button) findViewById(R.id.);\r\n");
    for (const Language language : kLanguages)
        EXPECT_EQ(generateObjectText("tabHost",
                                     {"static", "tabHost1", "tabHost1", true, true, {}, language}),
                  "");
}

TEST(CodePanel, BannerWhole) {
    EXPECT_TRUE(
        test::sameText(std::string(bannerText()), test::readDataCrLf("code_panel/banner.txt")));
}

TEST(CodePanel, SlotsStoreShowEraseAndNavigationStopsAtBothEnds) {
    EXPECT_EQ(CodePanel::slotLabel(8), "Kod Alanı 9");
    EXPECT_EQ(CodePanel::slotLabel(9), "Kod Alanı10");
    StringPanelText text;
    CodePanel panel(text);
    panel.replace("ilk");
    panel.store();
    panel.replace("kaybolur");
    const auto shown = [&] { return std::to_string(panel.selectedSlot()) + ":" + panel.text(); };
    panel.previous();  // stays on the first slot and shows it
    EXPECT_EQ(shown(), "0:ilk");
    panel.next();  // an empty slot empties the panel at once
    EXPECT_EQ(shown(), "1:");

    panel.selectSlot(2);
    panel.replace("üç");
    panel.store();
    panel.erase();  // only the selected slot; the panel keeps its text
    EXPECT_EQ(panel.text(), "üç");
    EXPECT_EQ(panel.slot(0), "ilk");
    panel.show();
    EXPECT_EQ(panel.text(), "");

    panel.selectSlot(9);
    panel.replace("son");
    panel.store();
    panel.replace("kaybolur");
    panel.next();
    EXPECT_EQ(shown(), "9:son");
    panel.eraseAll();
    EXPECT_EQ(panel.text(), "son");
    for (int i = 0; i < CodePanel::kSlotCount; ++i) EXPECT_EQ(panel.slot(i), "") << i;
}

TEST(CodePanel, LineBreakConversions) {
    const struct {
        std::string_view text, crlf, lf;
    } cases[] = {
        {"", "", ""},
        {"a\nb\rc\r\nd", "a\r\nb\r\nc\r\nd", "a\nb\nc\nd"},
        {"a\n\rb", "a\r\n\r\nb", "a\n\nb"},  // LF then CR: two breaks
        {"a\r\r\n\n", "a\r\n\r\n\r\n", "a\n\n\n"},
        {"son\r", "son\r\n", "son\n"},
        {"a\r\nb\r\n", "a\r\nb\r\n", "a\nb\n"},  // a CR LF that ends the text
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toCrLf(c.text), c.crlf);
        EXPECT_EQ(toLf(c.text), c.lf);
    }
}

}  // namespace
}  // namespace nakkas
