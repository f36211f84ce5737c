#include "core/text_helpers.h"

#include <gtest/gtest.h>

using namespace tallyrix;

namespace {

struct FieldCase {
    const char* text;
    const char* separator;
    int n;
    const char* expected;
};

TEST(TextHelpers, FieldAt) {
    const FieldCase cases[] = {
        {"z,小口,営業部,5000,", ",", 3, "営業部"},
        {"z,小口,営業部,5000,", ",", 4, "5000"},
        {"z,小口,営業部,5000,", ",", 5, ""},
        {"g,100000,4,1,2015,", ",", 5, "2015"},
        {"g,100000,4,1,", ",", 5, ""},
        {"a,b,c,", ",", 3, "c"},
        {"a,b,c", ",", 3, ""},
        {"a,b,c", ",", 0, ""},
        {"a,b,c", ",", -1, ""},
        {",,x,", ",", 1, ""},
        {"1;2;;4;", ";", 3, ""},
        {"1;2;;4;", ";", 4, "4"},
        {"", ",", 1, ""},
    };
    for (const FieldCase& c : cases) {
        EXPECT_EQ(fieldAt(QString::fromUtf8(c.text), QString::fromUtf8(c.separator), c.n),
                  QString::fromUtf8(c.expected))
            << c.text << " n=" << c.n;
    }
}

TEST(TextHelpers, ReplaceAllDoesNotRescanReplacedText) {
    EXPECT_EQ(replaceAll("aaa", "a", "aa"), QStringLiteral("aaaaaa"));
    EXPECT_EQ(replaceAll("#M月#M", "#M", "12"), QStringLiteral("12月12"));
    EXPECT_EQ(replaceAll("abAB", "ab", "x"), QStringLiteral("xAB"));
    EXPECT_EQ(replaceAll("abc", "", "x"), QStringLiteral("abc"));
}

TEST(TextHelpers, LabelCleanups) {
    const struct {
        QString (*fn)(const QString&);
        const char* in;
        const char* out;
    } cases[] = {
        {cutAtParen, "通信費(電話)", "通信費"},
        {cutAtParen, "通信費", "通信費"},
        {cutAtParen, "(x)", ""},
        {monthDayNumber, "12月", "12"},
        {monthDayNumber, "5日", "5"},
        {monthDayNumber, "月", "0"},
        {monthDayNumber, "日", "0"},
        {monthDayNumber, "", "0"},
        {dayOfLabel, "7月15日", "15"},
        {dayOfLabel, "15日", "15"},
        {dayOfLabel, "12月", ""},
        {stripCommas, "1,234,567", "1234567"},
        {stripCommas, "", "0"},
        {stripCommas, ",,", "0"},
        {stripCommas, "-1,500", "-1500"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.fn(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
    }
}

TEST(TextHelpers, ParseFloatOr) {
    EXPECT_DOUBLE_EQ(parseFloatOr("12.5", -1), 12.5);
    EXPECT_DOUBLE_EQ(parseFloatOr("-1.6", 0), -1.6);
    EXPECT_DOUBLE_EQ(parseFloatOr("abc", -1), -1);
    EXPECT_DOUBLE_EQ(parseFloatOr("", 7), 7);
    EXPECT_DOUBLE_EQ(parseFloatOr("1,000", 3), 3);
    EXPECT_DOUBLE_EQ(parseFloatOr("inf", 3), 3);
    EXPECT_DOUBLE_EQ(parseFloatOr("0x10", 3), 3);
}

}  // namespace
