#include "platform/text/gbk.h"

#include <gtest/gtest.h>

#include "platform/text/trim.h"

TEST(Gbk, ConvertsBothWaysWithoutLoss) {
    // 起床 is c6f0 b4b2 in GBK; ☆ begins every tip; the last is outside GBK
    // but inside GB18030, so a file name with it survives the round trip.
    EXPECT_EQ(text::gbkFromUtf8("起床"), "\xc6\xf0\xb4\xb2");
    EXPECT_EQ(text::utf8FromGbk("\xc6\xf0\xb4\xb2"), "起床");
    for (const char* s : {"  ☆ 停播时间留空", "D:\\广播\\早操音乐.mp3", "😀.wav", ""}) {
        EXPECT_EQ(text::utf8FromGbk(text::gbkFromUtf8(s)), s);
    }
}

TEST(Gbk, RefusesBrokenInput) {
    EXPECT_THROW(text::gbkFromUtf8("\xff\xfe"), text::ConversionError);
    EXPECT_THROW(text::utf8FromGbk("\xc6"), text::ConversionError);  // half a character
}

TEST(Gbk, ProgramTextsAreConvertedOnce) {
    const std::string& first = text::gbk("信息");
    EXPECT_EQ(first, "\xd0\xc5\xcf\xa2");
    EXPECT_EQ(&text::gbk("信息"), &first);
}

TEST(Trim, RemovesBlanksAndControlCharactersOnly) {
    EXPECT_EQ(text::trimBlanks(" \t\r\n\x01 12:00 \x1f"), "12:00");
    EXPECT_EQ(text::trimBlanks("\xb0\xa1 "), "\xb0\xa1");
    EXPECT_EQ(text::trimBlanks(std::string(3, '\0')), "");
    EXPECT_EQ(text::trimBlanks("a b"), "a b");
}
