#include "yearfile/year_file.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/format_settings.h"
#include "tests/support/temp_dir.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

const QDate kToday(2026, 12, 9);

QString yearFixture(const char* name) {
    return fixture(QStringLiteral("yearfile/") + QString::fromLatin1(name));
}

struct Parsed {
    Workspace ws;
    ParseOutcome outcome;
};

std::unique_ptr<Parsed> parse(const char* name) {
    auto parsed = std::make_unique<Parsed>();
    parsed->outcome = parseYearFile(yearFixture(name), parsed->ws, kToday);
    return parsed;
}

QByteArray serialisedBytes(const Workspace& ws) {
    TempDir dir;
    serialiseYear(ws).saveToFile(dir.file("out.exv"));
    return readBytes(dir.file("out.exv"));
}

TEST(YearFile, AWholeYearLoadsAndSavesBackUnchanged) {
    const auto p = parse("business_2015.exv");
    const Workspace& ws = p->ws;
    EXPECT_TRUE(p->outcome.notices.isEmpty());
    EXPECT_TRUE(p->outcome.periodsFromFile);
    EXPECT_EQ(ws.entries.count(), 8);
    EXPECT_EQ(ws.pettyBooks.toStringList(), QStringList{"z,小口,営業部,5000,"});
    EXPECT_EQ(ws.bankBooks.toStringList(), QStringList{"z,預金,みずほ銀行,200000,"});
    EXPECT_EQ(ws.periods.startMonth, 4);
    EXPECT_EQ(ws.periods.startYear, 2015);
    EXPECT_EQ(ws.periods.usageType, 1);
    EXPECT_EQ(ws.periods.openingBalance, Amount::fromYen(100000));
    EXPECT_EQ(ws.periods[5].start, QDate(2015, 4, 21));
    EXPECT_EQ(ws.periods[5].end, QDate(2015, 5, 20));
    EXPECT_EQ(ws.periods[7].lock, 1);
    EXPECT_EQ(ws.mainTitle(), QStringLiteral("現金出納帳"));
    EXPECT_EQ(serialisedBytes(ws), readBytes(yearFixture("business_2015.exv")));
}

TEST(YearFile, OlderEightFieldLinesAreCompleted) {
    const auto p = parse("older_8field.clv");
    ASSERT_EQ(p->ws.entries.count(), 2);
    EXPECT_EQ(
        p->ws.entries.line(0),
        QStringLiteral("d04=,2015/04/01,1,売上,売上,1000,0,1000,現金,現金出納帳,現金,現金出納帳,"));
    EXPECT_EQ(p->ws.entries.at(1).expense(), Amount::fromYen(300));
}

TEST(YearFile, MainBookNamesFollowTheUsageType) {
    const auto p = parse("pocket_2015.exv");
    EXPECT_EQ(p->ws.mainTitle(), QStringLiteral("おこづかい帳"));
    EXPECT_EQ(
        p->ws.entries.line(0),
        QStringLiteral(
            "d01=,2015/01/05,1,お小遣い,1月分,5000,0,5000,現金,おこづかい帳,現金,おこづかい帳,"));
    EXPECT_EQ(p->ws.entries.at(0).field(NameField), QStringLiteral("おこづかい帳"));
    // An untouched line keeps its exact text.
    EXPECT_EQ(p->ws.entries.line(1),
              QStringLiteral(
                  "d01=,2015/01/06,2,食費,昼食,0,800,4200,現金,おこづかい帳,現金,おこづかい帳,"));
}

TEST(YearFile, MissingPeriodLinesGiveCalendarMonthsAndTheNotice) {
    const auto p = parse("no_periods.exv");
    EXPECT_EQ(
        p->outcome.notices,
        QStringList{"月設定が無効となっています。お手数ですが環境設定にて再度設定して下さい"});
    EXPECT_FALSE(p->outcome.periodsFromFile);
    EXPECT_EQ(p->ws.entries.count(), 5);
    EXPECT_EQ(p->ws.periods[2].start, QDate(2026, 2, 1));
    EXPECT_EQ(p->ws.periods[2].end, QDate(2026, 2, 28));
    EXPECT_EQ(p->ws.periods[12].end, QDate(2026, 12, 31));
}

TEST(YearFile, AMissingHeaderKeepsTheHeaderValuesOfTheYearBefore) {
    Workspace ws;
    ws.periods.openingBalance = Amount::fromYen(777);
    ws.periods.startMonth = 10;
    ws.periods.usageType = 2;
    ws.periods.startYear = 2010;
    const ParseOutcome outcome = parseYearFile(yearFixture("no_header.exv"), ws, kToday);
    EXPECT_TRUE(outcome.notices.isEmpty());
    EXPECT_TRUE(outcome.periodsFromFile);
    EXPECT_EQ(ws.periods.openingBalance, Amount::fromYen(777));
    EXPECT_EQ(ws.periods.startMonth, 10);
    EXPECT_EQ(ws.periods.startYear, 2010);
    EXPECT_EQ(ws.periods[4].start, QDate(2015, 4, 1));
    EXPECT_EQ(ws.entries.count(), 1);  // the unknown last line is dropped
}

TEST(YearFile, StartYearFallsBackToTodayOrToTheStartMonthsPeriod) {
    const auto four = parse("header_four_fields.exv");
    EXPECT_EQ(four->ws.periods.startYear, 2026);
    const auto zero = parse("header_year_zero.exv");
    EXPECT_EQ(zero->ws.periods.startYear, 2015);
    // The book of an unknown kind, the unknown line and the blank line are dropped.
    EXPECT_EQ(zero->ws.pettyBooks.toStringList(), QStringList{"z,小口,営業部,1000,"});
    EXPECT_EQ(zero->ws.bankBooks.count(), 0);
    EXPECT_EQ(zero->ws.entries.count(), 0);
}

TEST(YearFile, ABadAmountFailsTheParseNamingTheText) {
    Workspace ws;
    try {
        parseYearFile(yearFixture("bad_amount_line500.exv"), ws, kToday);
        ADD_FAILURE() << "the bad amount was accepted";
    } catch (const ConversionError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("1O0")));
    }
}

TEST(YearFile, BadPeriodAndHeaderValues) {
    const struct {
        const char* last13;  // replaces the first period line
        const char* header;
        bool throws;
        int startMonth;
    } cases[] = {
        {"f,2015/01/01,2015/01/31,x", "g,0,4,1,2015,", false, 4},  // a lock that is no number: open
        {"f,2015/13/01,2015/01/31,0", "g,0,4,1,2015,", true, 0},   // a date that is none
        {"f,2015/01/01,2015/01/31,0", "g,abc,4,1,2015,", true,
         0},  // an opening balance that is none
        {"f,2015/01/01,2015/01/31,0", "g,0,13,1,2015,", false, 1},  // no such month: the first
        {"f,2015/01/01,2015/01/31,0", "g,0,x,1,2015,", false, 1},
    };
    for (const auto& c : cases) {
        LineStore lines;
        lines.add(QString::fromUtf8(c.last13));
        for (int m = 2; m <= 12; ++m) {
            lines.add(QStringLiteral("f,2015/%1/01,2015/%1/28,0").arg(m, 2, 10, QChar(u'0')));
        }
        lines.add(QString::fromUtf8(c.header));
        Workspace ws;
        if (c.throws) {
            EXPECT_THROW(parseYearLines(lines, ws, kToday), ConversionError)
                << c.last13 << c.header;
            continue;
        }
        parseYearLines(lines, ws, kToday);
        EXPECT_EQ(ws.periods[1].lock, 0) << c.last13;
        EXPECT_EQ(ws.periods.startMonth, c.startMonth) << c.header;
    }
}

TEST(YearFile, SerialiseWritesPeriodsAndHeaderAfterTheBooks) {
    Workspace ws;
    applyCalendarDefaults(ws.periods, 2016);
    ws.periods[3].lock = 1;
    ws.periods.startYear = 2016;
    ws.periods.openingBalance = parseMoney(QStringLiteral("-12.5"));
    ws.entries.append(
        QStringLiteral("d01=,2016/01/01,1,a,b,1,0,1,現金,現金出納帳,現金,現金出納帳,"));
    ws.bankBooks.add(QStringLiteral("z,預金,b,0,"));
    ws.pettyBooks.add(QStringLiteral("z,小口,p,0,"));
    const QStringList lines = serialiseYear(ws).toStringList();
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines[1], QStringLiteral("z,小口,p,0,"));
    EXPECT_EQ(lines[2], QStringLiteral("z,預金,b,0,"));
    EXPECT_EQ(lines[4], QStringLiteral("f,2016/02/01,2016/02/29,0"));
    EXPECT_EQ(lines[5], QStringLiteral("f,2016/03/01,2016/03/31,1"));
    EXPECT_EQ(lines[15], QStringLiteral("g,-12.5,1,1,2016,"));
    EXPECT_EQ(ws.entries.count(), 1);  // the workspace is left as it was
}

}  // namespace

namespace {

TEST(YearFile, ABrokenPeriodLineKeepsThePeriodsReadBeforeIt) {
    const auto p = parse("broken_seventh_period.exv");
    EXPECT_EQ(
        p->outcome.notices,
        QStringList{"月設定が無効となっています。お手数ですが環境設定にて再度設定して下さい"});
    EXPECT_EQ(p->ws.periods[4].start, QDate(2015, 4, 1));
    EXPECT_EQ(p->ws.periods[4].lock, 1);
    EXPECT_EQ(p->ws.periods[6].end, QDate(2015, 6, 30));
    // The broken line and those after it: today's calendar months.
    EXPECT_EQ(p->ws.periods[7].start, QDate(2026, 7, 1));
    EXPECT_EQ(p->ws.periods[12].end, QDate(2026, 12, 31));
    const QStringList lines = serialiseYear(p->ws).toStringList();
    EXPECT_EQ(lines[1], QStringLiteral("f,2015/01/01,2015/01/31,0"));
    EXPECT_EQ(lines[6], QStringLiteral("f,2015/06/01,2015/06/30,0"));
    EXPECT_EQ(lines[7], QStringLiteral("f,2026/07/01,2026/07/31,0"));
}

// A header value out of range is worked with as a safe value but written back
// as the file held it, and no entry's main-book name is rewritten for it.
TEST(YearFile, HeaderValuesOutOfRangeAreWrittenBackAsRead) {
    const auto p = parse("header_out_of_range.exv");
    EXPECT_EQ(p->ws.periods.startMonth, 1);
    EXPECT_EQ(p->ws.periods.usageType, 2);
    EXPECT_EQ(serialisedBytes(p->ws), readBytes(yearFixture("header_out_of_range.exv")));

    const struct {
        const char* header;
        int startMonth;
        int usageType;
    } cases[] = {{"g,0,0,0,2015,", 1, 2}, {"g,0,13,1,2015,", 1, 1}, {"g,0,4,3,2015,", 4, 2}};
    for (const auto& c : cases) {
        LineStore lines;
        lines.add(QStringLiteral("d04=,2015/04/01,1,a,b,1,0,1,現金,現金出納帳,現金,現金出納帳,"));
        lines.add(
            QStringLiteral("d04=,2015/04/02,2,a,b,1,0,2,現金,おこづかい帳,現金,おこづかい帳,"));
        for (int m = 1; m <= 12; ++m) {
            lines.add(QStringLiteral("f,2015/%1/01,2015/%1/28,0").arg(m, 2, 10, QChar(u'0')));
        }
        lines.add(QString::fromUtf8(c.header));
        const QStringList original = lines.toStringList();
        Workspace ws;
        parseYearLines(lines, ws, kToday);
        EXPECT_EQ(ws.periods.startMonth, c.startMonth) << c.header;
        EXPECT_EQ(ws.periods.usageType, c.usageType) << c.header;
        if (c.usageType == 1 && std::string(c.header) == "g,0,13,1,2015,") {
            // A known usage type still aligns the names; only the month is kept.
            EXPECT_EQ(serialiseYear(ws).toStringList().last(), original.last());
            continue;
        }
        EXPECT_EQ(serialiseYear(ws).toStringList(), original) << c.header;
    }
}

TEST(YearFile, AmountsWhoseSumLeavesTheRangeAreRefusedNamingTheLine) {
    Workspace ws;
    try {
        parseYearFile(yearFixture("huge_incomes.exv"), ws, kToday);
        ADD_FAILURE() << "the year was read";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("2行目: 金額の合計が扱える範囲を超えています。"));
    }
}

}  // namespace
