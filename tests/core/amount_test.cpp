#include "core/amount.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/errors.h"

using namespace tallyrix;

namespace {

TEST(Amount, ParseMoneyReadsThePlainForm) {
    const struct {
        const char* text;
        std::int64_t units;
    } cases[] = {
        {"", 0},
        {"0", 0},
        {"1500", 15000000},
        {"-200", -2000000},
        {"12.5", 125000},
        {"-0.0001", -1},
        {"0.00005", 1},  // rounded to four decimals, half away from zero
        {"0.00004", 0},
        {".5", 5000},
        {"7.", 70000},
        {"+3", 30000},
        {"922337203685477.5807", 9223372036854775807LL},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseMoney(QString::fromUtf8(c.text)).units(), c.units) << c.text;
    }
}

TEST(Amount, ParseMoneyRejectsWhatIsNotANumber) {
    for (const char* text : {"abc", "1,500", "12a", "-", ".", "1.2.3", " ", "１５００", "1e3",
                             "922337203685477.5808", "99999999999999999999"}) {
        try {
            parseMoney(QString::fromUtf8(text));
            ADD_FAILURE() << "accepted " << text;
        } catch (const ConversionError& error) {
            EXPECT_TRUE(error.message().contains(QString::fromUtf8(text))) << text;
        }
    }
}

TEST(Amount, Forms) {
    const struct {
        const char* text;
        const char* plain;
        const char* display;
        const char* currency;
    } cases[] = {
        {"0", "0", "0", "\\0"},
        {"1500", "1500", "1,500", "\\1,500"},
        {"-1500", "-1500", "-1,500", "\\-1,500"},
        {"1234567", "1234567", "1,234,567", "\\1,234,567"},
        {"-999", "-999", "-999", "\\-999"},
        {"12.5", "12.5", "13", "\\13"},
        {"-12.5", "-12.5", "-13", "\\-13"},
        {"0.25", "0.25", "0", "\\0"},
        {"100000.0100", "100000.01", "100,000", "\\100,000"},
    };
    for (const auto& c : cases) {
        const Amount amount = parseMoney(QString::fromUtf8(c.text));
        EXPECT_EQ(amount.toPlainString(), QString::fromUtf8(c.plain)) << c.text;
        EXPECT_EQ(amount.toDisplayString(), QString::fromUtf8(c.display)) << c.text;
        EXPECT_EQ(amount.toCurrencyString(), QString::fromUtf8(c.currency)) << c.text;
    }
    EXPECT_EQ(Amount::fromYen(-1500).toYenString(), QString::fromUtf8("¥-1,500"));
}

TEST(Amount, SumsAreExact) {
    Amount sum;
    const Amount tenth = parseMoney(QStringLiteral("0.1"));
    for (int i = 0; i < 100000; ++i) {
        sum += tenth;
    }
    EXPECT_EQ(sum, Amount::fromYen(10000));
    EXPECT_EQ((Amount::fromYen(5) - Amount::fromYen(8)).toPlainString(), QStringLiteral("-3"));
    EXPECT_LT(Amount::fromYen(-1), Amount());
}

TEST(Amount, SumsOutOfRangeRaiseInsteadOfWrapping) {
    const Amount big = parseMoney(QStringLiteral("900000000000000"));
    EXPECT_THROW(big + big, ConversionError);
    EXPECT_THROW(-big - big, ConversionError);
    Amount sum = big;
    EXPECT_THROW(sum += big, ConversionError);
    EXPECT_EQ(sum, big);  // left as it was
    EXPECT_THROW(-Amount::fromUnits(std::numeric_limits<std::int64_t>::min()), ConversionError);
    EXPECT_EQ((big - big + big).toPlainString(), QStringLiteral("900000000000000"));
}

}  // namespace
