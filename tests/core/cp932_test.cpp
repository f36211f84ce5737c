#include "core/cp932.h"

#include <gtest/gtest.h>

using namespace tallyrix;

namespace {

TEST(Cp932, WindowsMappingsOfTheProgramsOwnTexts) {
    // 0x5C and 0x7E stay ASCII; 0x8160 / 0x817C are the full-width tilde and minus.
    EXPECT_EQ(decodeCp932(QByteArray("\\~")), QStringLiteral("\\~"));
    EXPECT_EQ(decodeCp932(QByteArray("\x81\x60\x81\x7c")), QString::fromUtf16(u"\uFF5E\uFF0D"));
    EXPECT_EQ(encodeCp932(QString::fromUtf16(u"\uFF5E\uFF0D\u2460")),
              QByteArray("\x81\x60\x81\x7c\x87\x40"));
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

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// The tables must agree with the codec itself on every character it converts.
TEST(Cp932, TablesAgreeWithTheCodec) {
    QStringEncoder encoder("windows-31j", QStringConverter::Flag::Stateless);
    int checked = 0;
    for (char32_t c = 0x20; c < 0x10000; ++c) {    // NOLINT
        if (QChar::isSurrogate(c) || c == 0x7F) {  // the codec swaps 0x7F with IBM controls
            continue;
        }
        const QString text(QChar(static_cast<char16_t>(c)));
        QStringEncoder one("windows-31j", QStringConverter::Flag::Stateless);
        const QByteArray expected = one.encode(text);
        if (one.hasError()) {
            EXPECT_EQ(encodeCp932(text), QByteArray("?")) << std::hex << static_cast<unsigned>(c);
            continue;
        }
        ASSERT_EQ(encodeCp932(text), expected) << std::hex << static_cast<unsigned>(c);
        QStringDecoder back("windows-31j", QStringConverter::Flag::Stateless);
        const QString decoded = back.decode(expected);
        EXPECT_EQ(decodeCp932(expected), decoded) << std::hex << static_cast<unsigned>(c);
        ++checked;
    }
    EXPECT_GT(checked, 7000);
}

TEST(Cp932, BadBytesBecomeReplacementCharacters) {
    const QString r(QChar(QChar::ReplacementCharacter));
    EXPECT_EQ(decodeCp932(QByteArray("\x81\x20"
                                     "a")),
              r + QStringLiteral(" a"));
    EXPECT_EQ(decodeCp932(QByteArray("ab\x81")), QStringLiteral("ab") + r);
    EXPECT_EQ(decodeCp932(QByteArray("\x1a")), QString(QChar(u'\x1a')));
    EXPECT_EQ(decodeCp932(QByteArray("\x85\x40\x8c\xbb")), r + QStringLiteral("@現"));
    EXPECT_EQ(decodeCp932(QByteArray("\x80\xa0\xfd")), r + r + r);
    EXPECT_EQ(encodeCp932(QStringLiteral("\x1a\x1c\x7f")), QByteArray("\x1a\x1c\x7f"));
}

}  // namespace

namespace {

TEST(Cp932, CutsToAByteBudgetWithoutSplittingACharacter) {
    const struct {
        const char* text;
        int bytes;
        const char* cut;
    } cases[] = {
        {"旅費交通費旅費交通費", 16, "旅費交通費旅費交"},  // 9 full-width characters keep 8
        {"営業部営業部営業部営業", 20, "営業部営業部営業部営"},
        {"abcdefghijklmnopq", 16, "abcdefghijklmnop"},
        {"a旅費交通費旅費交通", 16, "a旅費交通費旅費"},  // the ninth byte pair would be split
        {"ｱｲｳ", 2, "ｱｲ"},                                // half-width katakana is one byte
        {"", 16, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cutToCp932Bytes(QString::fromUtf8(c.text), c.bytes), QString::fromUtf8(c.cut))
            << c.text;
    }
    EXPECT_EQ(cp932ByteLength(QStringLiteral("a旅ｱ")), 4);
}

}  // namespace

#include "core/text_checks.h"

namespace {

TEST(TextChecks, NamesTheCharacterThatCannotBeSaved) {
    EXPECT_FALSE(unsavableCharacterMessage(QStringLiteral("電車代　東京－大阪①")).has_value());
    EXPECT_EQ(unsavableCharacterMessage(QString::fromUtf8("ランチ🍣代")),
              QString::fromUtf8("「🍣」は保存できない文字です。別の文字に置き換えてください。"));
}

}  // namespace
