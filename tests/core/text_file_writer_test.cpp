#include "tools/sqlite_tool/text_file_writer.h"

#include <gtest/gtest.h>

#include "expected_files.h"
#include "message_checks.h"

namespace nakkas {
namespace {

using test::FakeServices;

TEST(TextFileWriter, WritesOneBytePerCharacterWithCrLf) {
    FakeServices s;
    // Turkish letters, Latin-1, the euro, an emoji, a stray byte and every line end.
    ASSERT_TRUE(writeTextFile(s, "/DatabaseHelper.java",
                              "a\r\nb\nc\rd ĞİŞğış çöüÇÖÜé €😀\xff"
                              "ÿ\n"));
    EXPECT_TRUE(test::sameText(s.fs.files.at("/DatabaseHelper.java"),
                               test::readData("sqlite_tool/writer_sample.bytes")));
    EXPECT_TRUE(s.messages.empty());
    EXPECT_EQ(textFileBytes(""), "");
}

// Kotlin sources are written as editors write them today: UTF-8 kept as it is, LF line ends, no
// byte order mark; broken bytes become U+FFFD without taking the next character with them.
TEST(TextFileWriter, WritesUtf8WithLf) {
    FakeServices s;
    ASSERT_TRUE(writeUtf8TextFile(s, "/DatabaseHelper.kt", "a\r\nb\nc\rd ĞİŞ €😀\xff\xc3\n\r\r\n"));
    EXPECT_EQ(s.fs.files.at("/DatabaseHelper.kt"),
              "a\nb\nc\nd \xC4\x9E\xC4\xB0\xC5\x9E \xE2\x82\xAC\xF0\x9F\x98\x80"
              "\xEF\xBF\xBD\xEF\xBF\xBD\n\n\n");
    EXPECT_TRUE(s.messages.empty());
    s.fs.cannotCreate.insert("/x.kt");
    EXPECT_FALSE(writeUtf8TextFile(s, "/x.kt", "a"));
    EXPECT_EQ(s.messages.size(), 1u);
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
        test::expectMessage(
            s.lastMessage(),
            "Dosya oluşturulamadı, klasör korumalı veya yerinde yok\nNOT:Eclipse ye ait projects "
            "dizinine kayıt yapmaya çalıştığınızda da bu hatayı alırsınız. Bu hatayı almamak için "
            "ZEP klasörü olarak belirleyeceğiniz yer bilgisayarınızda herhangibir korumasız "
            "klasör olmalıdır.",
            "Hata", MessageIcon::None);
    }
    EXPECT_TRUE(s.fs.files.empty());
    EXPECT_TRUE(s.fs.log.empty());
}

}  // namespace
}  // namespace nakkas
