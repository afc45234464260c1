#include "definer/object_generator.h"

#include <gtest/gtest.h>

#include <string>

namespace nakkas {
namespace {

GeneratorInput input(std::string_view variable, std::string_view id, bool declare = true,
                     bool listener = true) {
    return {"final", variable, id, declare, listener, {}};
}

std::size_t occurrences(const std::string& text, std::string_view part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(ObjectGenerator, TextViewWithEveryBoxCheckedGivesTheNineLines) {
    EXPECT_EQ(generateObjectText("textView", input("textView1", "textView1")),
              "final TextView textView1 = (TextView) findViewById(R.id.textView1);\r\n"
              "textView1.setOnClickListener(new OnClickListener()\r\n"
              "{\r\n"
              "  public void onClick(View V)\r\n"
              "  {\r\n"
              "    // Tiklandiginda yapılacaklari buraya yazin\r\n"
              "    // NOT: Nesneyi textView1. yazarak kullanacaksınız\r\n"
              "  }\r\n"
              "});");
}

TEST(ObjectGenerator, DeclarationLines) {
    const std::pair<std::string_view, std::string> rows[] = {
        {"textView", "TextView"}, {"button", "Button"}, {"checkBox", "CheckBox"},
        {"radioButton", "RadioButton"}, {"toggle", "ToggleButton"}, {"spinner", "Spinner"},
        {"gridView", "GridView"}, {"editText", "EditText"}, {"imageButton", "ImageButton"},
        {"imageView", "ImageView"}, {"webView", "WebView"}, {"videoView", "VideoView"},
        {"listView", "ListView"}, {"seekBar", "SeekBar"}, {"ratingBar", "RatingBar"},
        {"datePicker", "DatePicker"}};
    for (const auto& [key, cls] : rows)
        EXPECT_EQ(generateObjectText(key, input("v1", "i1", true, false)),
                  "final " + cls + " v1 = (" + cls + ") findViewById(R.id.i1);\r\n")
            << key;

    GeneratorInput blank = input("a\"b\\ ", "", true, false);
    blank.access = "";  // "--Boş--": the line starts with a blank; names go in as typed
    EXPECT_EQ(generateObjectText("button", blank),
              " Button a\"b\\  = (Button) findViewById(R.id.);\r\n");
    // A DatePicker has no listener block, so the box changes nothing.
    EXPECT_EQ(generateObjectText("datePicker", input("d", "d")),
              "final DatePicker d = (DatePicker) findViewById(R.id.d);\r\n");
}

TEST(ObjectGenerator, ProgressBarHintsNameProgressBar1WhateverTheVariable) {
    EXPECT_EQ(generateObjectText("progressBar", input("cubuk", "pb")),
              "final ProgressBar cubuk = (ProgressBar) findViewById(R.id.pb);\r\n"
              "\r\n"
              "//Bu nesne aşağıdaki gibi kontrol edilebilir.\r\n"
              "//progressBar1.setMax(1000); ile En fazla nekadar olduğu belirlenir\r\n"
              "//progressBar1.setProgress(10); ile nekadarının dolu olacağı kararlaştırılır.");
}

TEST(ObjectGenerator, ListenerOnlyBlocks) {
    const auto listener = [](std::string_view key, std::string_view variable) {
        return generateObjectText(key, input(variable, "unused", false, true));
    };
    EXPECT_TRUE(listener("webView", "w").starts_with("\r\n//Tanımlı bu objeyi"));
    EXPECT_TRUE(listener("videoView", "v").starts_with("\r\n//Projenin res klasörünün"));
    EXPECT_TRUE(listener("seekBar", "s").starts_with("\r\ns.setOnSeekBarChangeListener( new"));
    EXPECT_NE(listener("toggle", "t").find(
                  "    // Örneğin: t.setText('Açık'); veya if(t.isChecked()==true)\r\n  }\r\n});"),
              std::string::npos);
    EXPECT_NE(listener("ratingBar", "puan").find(
                  "  public void onRatingChanged(RatingBar puan, float rating, boolean fromUser)\r\n"),
              std::string::npos);

    const std::string video = listener("videoView", "film");
    // The isPlaying statement stands inside the comment that opens the line.
    EXPECT_NE(video.find("\r\n// Videoyunun Oynayıp oynamadığını kontrol etmek için ise;boolean "
                         "Oynuyormu = videoView.isPlaying(); //Dönen değer true ise evet oynuyor "
                         "anlamında\r\n\r\n"),
              std::string::npos);
    EXPECT_NE(video.find("Uri.parse(\"" + std::string(kVideoResourceAddress) +
                         "\" + R.raw.videodosyam);\r\nfilm.setVideoURI(VideoYolu);\r\n"),
              std::string::npos);
    EXPECT_EQ(occurrences(video, kVideoResourceAddress), 1u);
    EXPECT_TRUE(video.ends_with("film.clearFocus();\r\n"));

    const std::string web = listener("webView", "w");
    EXPECT_TRUE(web.ends_with("w.loadUrl(\"" + std::string(kWebViewAddress) + "\"); //Siteye git\r\n"));
    EXPECT_EQ(occurrences(web, kWebViewAddress), 1u);
}

TEST(ObjectGenerator, BothBoxesOffGiveTheEmptyText) {
    for (std::string_view key : {"textView", "progressBar", "spinner", "webView", "datePicker"})
        EXPECT_EQ(generateObjectText(key, input("x", "y", false, false)), "") << key;
}

TEST(ObjectGenerator, ListItemTextFillsTheArrayLine) {
    GeneratorInput in = input("s", "unused", false, true);
    in.listItemText = "\"a\", \"b\"";
    const std::string spinner = generateObjectText("spinner", in);
    EXPECT_TRUE(spinner.starts_with("String[] ElemanDizisi={\"a\", \"b\"};\r\n"));
    EXPECT_TRUE(spinner.ends_with("(AdapterView<?> arg0)\r\n {  } } );"));
    EXPECT_TRUE(generateObjectText("listView", in).starts_with("String[] ElemanDizisi={\"a\", \"b\"};\r\n"));
    EXPECT_TRUE(generateObjectText("gridView", in)
                    .starts_with("final String[] Hucreler = new String[] { \"a\", \"b\" } ;\r\n"));
}

}  // namespace
}  // namespace nakkas
