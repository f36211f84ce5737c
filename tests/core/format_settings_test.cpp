#include "core/format_settings.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "core/errors.h"

using namespace tallyrix;

namespace {

TEST(FormatSettings, DatesReadAndWriteInTheShortForm) {
    const struct {
        const char* text;
        int y, m, d;
    } good[] = {
        {"2015/07/03", 2015, 7, 3},
        {"2015/7/3", 2015, 7, 3},
        {"2016/02/29", 2016, 2, 29},
        {" 2015/12/31 ", 2015, 12, 31},
    };
    for (const auto& c : good) {
        const QDate date = parseDate(QString::fromUtf8(c.text));
        EXPECT_EQ(date, QDate(c.y, c.m, c.d)) << c.text;
        EXPECT_EQ(formatDate(date), QStringLiteral("%1/%2/%3")
                                        .arg(c.y)
                                        .arg(c.m, 2, 10, QChar(u'0'))
                                        .arg(c.d, 2, 10, QChar(u'0')));
    }
    for (const char* bad : {"", "2015/13/01", "2015/02/29", "2015-07-03", "2015/07", "2015/07/03/1",
                            "abcd/07/03", "2015/007/03", "2015/７/03", "0000/01/01",
                            // Runs of digits far beyond any int: refused, never overflowed.
                            "201507030000/01/01", "2015/99999999999/01", "2015/07/123456789012"}) {
        EXPECT_FALSE(tryParseDate(QString::fromUtf8(bad)).has_value()) << bad;
        EXPECT_THROW(parseDate(QString::fromUtf8(bad)), ConversionError) << bad;
    }
}

TEST(FormatSettings, FixedFormsDoNotFollowTheMachine) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    fixFormatSettings();
    EXPECT_EQ(QLocale().toString(1234.5), QStringLiteral("1234.5"));
    EXPECT_EQ(formatLongDate(QDate(2015, 7, 3)), QStringLiteral("2015年7月3日"));
    EXPECT_EQ(formatLongTime(QTime(9, 5, 7)), QStringLiteral("09:05:07"));
    EXPECT_EQ(formatShortTime(QTime(9, 5)), QStringLiteral("午前 9:05"));
    EXPECT_EQ(formatShortTime(QTime(0, 30)), QStringLiteral("午前 12:30"));
    EXPECT_EQ(formatShortTime(QTime(13, 0)), QStringLiteral("午後 1:00"));
    EXPECT_EQ(formatSettings().currencySymbol, QStringLiteral("\\"));
}

}  // namespace
