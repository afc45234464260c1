#include "definer/object_generator.h"

#include <gtest/gtest.h>

#include <string>

#include "expected_files.h"

namespace nakkas {
namespace {

using test::readDataCrLf;
using test::sameText;

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

}  // namespace
}  // namespace nakkas
