#include "tools/list_wizard/list_creator.h"

#include <gtest/gtest.h>

#include "message_checks.h"

namespace nakkas {
namespace {

using test::FakeServices;

Outcome add(ListCreator& creator, std::string text) {
    creator.entry = std::move(text);
    return creator.add();
}

void expectWarning(const FakeServices::Message& m, std::string_view text) {
    test::expectMessage(m, text, "Hata", MessageIcon::Warning);
}

TEST(ListCreator, JoinsQuotedItemsWithCommaBlankAsTypedQuotesEscaped) {
    EXPECT_EQ(joinListItems({" ", "say \"hi\"", "C:\\yol", " "}),
              "\" \", \"say \\\"hi\\\"\", \"C:\\\\yol\", \" \"");
}

TEST(ListCreator, AddRemoveAndConfirmRefuseWhatIsEmpty) {
    FakeServices services;
    ListCreator creator(services);
    for (const char* s : {" elma ", "", "b", " elma "})
        EXPECT_EQ(add(creator, s).ok(), *s != '\0') << s;
    EXPECT_EQ(creator.entry, "");
    ASSERT_EQ(services.messages.size(), 1u);
    expectWarning(services.messages[0], "Yazı kutusu boş, listeye eklenecek elemanı yazın");
    EXPECT_EQ(creator.countLabel(), "Toplam 3 eleman var");

    creator.remove();  // nothing selected
    EXPECT_EQ(creator.items().size(), 3u);
    creator.selected = 1;
    creator.remove();
    EXPECT_EQ(creator.items(), (std::vector<std::string>{" elma ", " elma "}));
    EXPECT_FALSE(creator.selected);
    EXPECT_EQ(creator.countLabel(), "Toplam 2 eleman var");
    EXPECT_TRUE(creator.confirm().ok());
    EXPECT_EQ(creator.listItemText(), "\" elma \", \" elma \"");

    creator.clear();
    EXPECT_EQ(creator.countLabel(), "Toplam 0 eleman var");
    EXPECT_EQ(creator.confirm(), Outcome::refused("Listede hiç eleman yok...."));
    ASSERT_EQ(services.messages.size(), 2u);
    expectWarning(services.messages[1], "Listede hiç eleman yok....");
}

}  // namespace
}  // namespace nakkas
