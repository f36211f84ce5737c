#include "core/typed_amount.h"

#include <gtest/gtest.h>

using namespace tallyrix;

namespace {

using Status = TypedAmount::Status;

TEST(TypedAmountTest, DigitsKanjiNumeralsAndATrailingYenReadAsTheirNumber) {
    const struct {
        const char* typed;
        qint64 yen;
    } cases[] = {
        {"", 0},
        {"　", 0},
        {"1200", 1200},
        {"１２００", 1200},
        {"12,800", 12800},
        {"１２，８００", 12800},
        {"5000円", 5000},
        {"５０００　円", 5000},
        {"千二百", 1200},
        {"三万五千", 35000},
        {"三万五千円", 35000},
        {"十二", 12},
        {"二十万", 200000},
        {"一千万", 10000000},
        {"百万", 1000000},
        {"千二百五十", 1250},
        {"二千三", 2003},
        {"一二〇〇", 1200},  // digit by digit, as some converters offer it
        {"1万2千", 12000},
        {"３万５０００円", 35000},
        {"1,200万", 12000000},
        {"1億2000万", 120000000},
        {"〇", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const TypedAmount read = readTypedAmount(QString::fromUtf8(c.typed), 9);
        EXPECT_EQ(read.status, Status::Read);
        EXPECT_EQ(read.value, Amount::fromYen(c.yen));
    }
}

TEST(TypedAmountTest, TextThatNamesNoAmountIsNotRead) {
    for (const char* typed :
         {"５０００えｎ", "えん",   "円",       "5000円円",   "千千", "百千", "二十三十",
          "万",           "千1500", "3万50000", "1億20000万", "万億", "12百", "-500",
          "12.5",         ",100",   "100,",     "1,,000",     "abc",  "〇千", "千 二百"}) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(readTypedAmount(QString::fromUtf8(typed), 9).status, Status::NotAnAmount);
    }
}

TEST(TypedAmountTest, AValueBeyondTheDigitsIsTooLarge) {
    EXPECT_EQ(readTypedAmount(u"999,999,999", 9).value, Amount::fromYen(999999999));
    for (const char* typed : {"十億", "1000000000", "一兆", "九千九百九十九兆九千億"}) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(readTypedAmount(QString::fromUtf8(typed), 9).status, Status::TooLarge);
    }
    EXPECT_EQ(readTypedAmount(u"9999", 3).status, Status::TooLarge);
    EXPECT_EQ(readTypedAmount(u"一兆", 14).value, Amount::fromYen(1000000000000));
}

}  // namespace
