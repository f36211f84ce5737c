#include "core/cp932.h"

#include <gtest/gtest.h>

using namespace tallyrix;

namespace {

TEST(Cp932, WindowsMappingsOfTheProgramsOwnTexts) {
    // 0x5C and 0x7E stay ASCII; 0x8160 / 0x817C are the full-width tilde and minus.
    EXPECT_EQ(decodeCp932(QByteArray("\\~")), QStringLiteral("\\~"));
    EXPECT_EQ(decodeCp932(QByteArray("\x81\x60\x81\x7c")), QString::fromUtf16(u"\uFF5E\uFF0D"));
    EXPECT_EQ(encodeCp932(QString::fromUtf16(u"\uFF5E\uFF0D\u2460")), QByteArray("\x81\x60\x81\x7c\x87\x40"));
    EXPECT_EQ(encodeCp932(QStringLiteral("ｱｲｳ")), QByteArray("\xb1\xb2\xb3"));
}

TEST(Cp932, NamesTheFirstCharacterItCannotHold) {
    EXPECT_TRUE(isCp932Encodable(QStringLiteral("現金出納帳　（株）①～")));
    EXPECT_FALSE(isCp932Encodable(QString::fromUtf8("ok€")));
    EXPECT_EQ(firstNonCp932Character(QString::fromUtf8("a😀b€")), QString::fromUtf8("😀"));
    EXPECT_EQ(firstNonCp932Character(QStringLiteral("abc")), QString());
}

TEST(Cp932, LoneSurrogateIsReplacedNotCrashed) {
    const QString broken = QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b");
    EXPECT_EQ(encodeCp932(broken), QByteArray("a?b"));
}

}  // namespace
