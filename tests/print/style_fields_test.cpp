#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/format_settings.h"
#include "print/decimal4.h"
#include "print/style_fields.h"

using namespace tallyrix;

namespace {

TEST(StyleFields, SplitsAtEverySemicolonAndKeepsTheRest) {
    EXPECT_EQ(splitStyleFields("a;b;c"), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(splitStyleFields("a;b;"), (QStringList{"a", "b", ""}));
    EXPECT_EQ(splitStyleFields(";;"), (QStringList{"", "", ""}));
    const StyleFields fields("1;0;0;0;line;10");
    EXPECT_EQ(fields.text(5), QStringLiteral("line"));
    EXPECT_EQ(fields.text(6), QStringLiteral("10"));
    EXPECT_EQ(fields.text(7), QString());
    EXPECT_EQ(fields.text(0), QString());
}

TEST(StyleFields, ReadsNumbersInTheirFourWays) {
    fixFormatSettings();
    const struct {
        const char* text;
        const char* decimal;  // nullptr: a conversion error
        bool integerOk;
        int integer;
        int integerOr0;
        bool flagOk;
        int flag;
    } cases[] = {
        {"12", "12", true, 12, 12, true, 12},
        {"-2.5", "-2.5", false, 0, 0, false, 0},
        {"0.0001", "0.0001", false, 0, 0, false, 0},
        {"1.23456", "1.2346", false, 0, 0, false, 0},
        {"", nullptr, false, 0, 0, true, 0},
        {"abc", nullptr, false, 0, 0, false, 0},
        {"枠", nullptr, false, 0, 0, false, 0},
        {" 7 ", "7", true, 7, 7, true, 7},
        {"+3", "3", true, 3, 3, true, 3},
        // Far beyond any sheet: held at a billion millimetres.
        {"99999999999", "1000000000", false, 0, 0, false, 0},
        {"1,5", nullptr, false, 0, 0, false, 0},
    };
    for (const auto& c : cases) {
        const StyleFields fields(QString::fromUtf8(c.text) + ";");
        if (c.decimal) {
            EXPECT_EQ(fields.decimal(1).toString(), QString::fromUtf8(c.decimal)) << c.text;
        } else {
            EXPECT_THROW(fields.decimal(1), ConversionError) << c.text;
        }
        if (c.integerOk) {
            EXPECT_EQ(fields.integer(1), c.integer) << c.text;
        } else {
            EXPECT_THROW(fields.integer(1), ConversionError) << c.text;
        }
        EXPECT_EQ(fields.integerOr0(1), c.integerOr0) << c.text;
        if (c.flagOk) {
            EXPECT_EQ(fields.flag(1), c.flag) << c.text;
        } else {
            EXPECT_THROW(fields.flag(1), ConversionError) << c.text;
        }
    }
}

TEST(StyleFields, ConversionErrorsNameTheText) {
    const StyleFields fields("1;0;0;0;line;1O;");
    try {
        fields.decimal(6);
        FAIL();
    } catch (const ConversionError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("'1O'")))
            << error.message().toStdString();
    }
}

TEST(Decimal4, TimesAScaleTruncatesExactly) {
    const auto d = [](const char* text) { return *Decimal4::parse(QString::fromUtf8(text)); };
    const Decimal4 screen = Decimal4::fromUnits(37795);  // 96 dpi
    EXPECT_EQ(d("10").timesTruncated(screen), 37);
    EXPECT_EQ(d("0.0001").timesTruncated(screen), 0);
    EXPECT_EQ(d("-10").timesTruncated(screen), -37);  // toward zero
    // 2.5 × 4 is exactly 10, not 9.999...
    EXPECT_EQ(d("2.5").timesTruncated(d("4")), 10);
    EXPECT_EQ(d("0.1").timesTruncated(d("30")), 3);
    EXPECT_EQ(d("100000000").timesTruncated(d("100000")), kDeviceCoordinateLimit);
}

}  // namespace
