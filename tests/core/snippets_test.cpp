#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "expected_files.h"
#include "snippets/snippet_catalogue.h"

namespace nakkas {
namespace {

// The catalogue's order and labels are compared whole where the command line lists them.
TEST(SnippetCatalogue, FindsBySpelledElementOrLabelOnly) {
    ASSERT_NE(findSnippet("KPBtn114"), nullptr);
    EXPECT_EQ(findSnippet("KPBtn114"), findSnippet("Ekran Boyu"));
    EXPECT_EQ(findSnippet("İnternete Bağlımıyım"), &snippetCatalogue().back());
    // KPBtn03 is a ribbon element too, but the menu designer's.
    for (std::string_view miss :
         {"kpbtn01", "tam ekran", "Tam Ekran ", "KPBtn0", "", "Barkod", "KPBtn03"})
        EXPECT_EQ(findSnippet(miss), nullptr) << miss;
}

// Each text whole, in both languages, from the file named after its element. The sample video
// page and the mail recipient are the program's own choice; the files mark where they stand.
//
// Where each Kotlin text is pasted ("split": class members above the line "// onCreate içinde:",
// statements below it):
//   statements  KPBtn01 KPBtn06 KPBtn115 KPBtn07 KPBtn114 KPBtn12 EPOSTA_GONDER SMS_KIMLIK
//               KP_BARKOD KP_CIHAZBILGILERI KP_SIMBILGILERI KP_INTERNETEBAGLIMIYIM
//   split       KPBtn02 KPBtn04 KPBtn08 KPBtn09 KPBtn10 KPBtn11 KP_TARIHSAAT KP_FLASHLAMBASI
//               KP_BELLEKBILGILERI
//   members     none
TEST(SnippetTexts, EveryTextWhole) {
    ASSERT_EQ(snippetCatalogue().size(), 21u);
    for (const auto& [language, folder] : {std::pair{Language::Java, "snippets/"},
                                           std::pair{Language::Kotlin, "kotlin/snippets/"}}) {
        for (const Snippet& s : snippetCatalogue()) {
            std::string expected = test::readDataCrLf(folder + std::string(s.element) + ".txt");
            for (const auto& [mark, value] : {std::pair{"@VIDEO_PAGE@", kSampleVideoAddress},
                                              std::pair{"@MAIL@", kSampleMailRecipient}})
                if (const auto at = expected.find(mark); at != std::string::npos)
                    expected.replace(at, std::string_view(mark).size(), value);
            EXPECT_TRUE(test::sameText(std::string(s.text(language)), expected))
                << languageName(language) << " " << s.element;
        }
    }
}

}  // namespace
}  // namespace nakkas
