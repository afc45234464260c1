#include "tools/sqlite_tool/text_file_writer.h"

#include <gtest/gtest.h>

#include "expected_files.h"
#include "fake_services.h"

namespace nakkas {
namespace {

using test::FakeServices;
using test::readData;
using test::sameText;

TEST(TextFileWriter, WritesOneBytePerCharacterWithCrLf) {
    FakeServices s;
    const std::string text =
        "a\r\nb\nc\rd "
        "ĞİŞğış"
        " çöüÇÖÜé "
        "€"
        "😀"
        "\xff"
        "ÿ\n";
    ASSERT_TRUE(writeTextFile(s, "/DatabaseHelper.java", text));
    EXPECT_TRUE(sameText(s.fs.files.at("/DatabaseHelper.java"),
                         readData("sqlite_tool/writer_sample.bytes")));
    EXPECT_TRUE(s.messages.empty());
    EXPECT_EQ(textFileBytes(""), "");
}

TEST(TextFileWriter, AFileThatCannotBeCreatedIsReportedAndNothingIsWritten) {
    FakeServices s;
    s.fs.folders.insert("/korumali");
    s.fs.cannotCreate.insert("/korumali/DatabaseHelper.java");
    for (const char* path : {"/yok/DatabaseHelper.java", "/korumali/DatabaseHelper.java"}) {
        SCOPED_TRACE(path);
        s.messages.clear();
        EXPECT_FALSE(writeTextFile(s, path, "package a;\n"));
        ASSERT_EQ(s.messages.size(), 1u);
        EXPECT_EQ(s.lastMessage().text,
                  "Dosya oluşturulamadı, klasör korumalı veya yerinde yok\nNOT:Eclipse ye ait "
                  "projects dizinine kayıt yapmaya çalıştığınızda da bu hatayı alırsınız. Bu "
                  "hatayı almamak için ZEP klasörü olarak belirleyeceğiniz yer bilgisayarınızda "
                  "herhangibir korumasız klasör olmalıdır.");
        EXPECT_EQ(s.lastMessage().caption, "Hata");
        EXPECT_EQ(s.lastMessage().icon, MessageIcon::None);
        EXPECT_EQ(s.lastMessage().buttons, MessageButtons::Ok);
    }
    EXPECT_TRUE(s.fs.files.empty());
    EXPECT_TRUE(s.fs.log.empty());
}

}  // namespace
}  // namespace nakkas
