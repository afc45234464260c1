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
