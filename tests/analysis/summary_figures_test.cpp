#include "analysis/summary_figures.h"

#include <gtest/gtest.h>

#include "analysis/monthly_table.h"
#include "tests/analysis/analysis_fixture.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

// The summary of the all-books table of a year of cash entries starting in April.
SummaryFigures summaryOf(const QStringList& lines) {
    const Workspace ws = yearOfLines(lines);
    MonthlyTable table;
    SummaryFigures summary;
    summary.setRange(ws.periods);
    EXPECT_TRUE(table.compute(ws.entries, ws.periods, allBooksItem(), TableLevel::Accounts, {}));
    summary.refresh(table, ws.periods);
    return summary;
}

// Slot p = k-th month from April: April is 1, March 12.
int slotOf(int month) {
    return (month + 8) % 12 + 1;
}

TEST(SummaryFigures, NothingAnywhereScalesToOneYen) {
    const SummaryFigures s = summaryOf({cashLine(4, "雑費", "", "0", "0")});
    for (int p = 1; p <= 12; ++p) {
        const SummarySlot& slot = s.slot(p);
        for (const SummaryLabel* label : {&slot.tincome, &slot.rincome, &slot.texpenses,
                                          &slot.rexpenses, &slot.sagaku, &slot.rsagaku}) {
            EXPECT_EQ(label->text, "0") << p;
        }
        EXPECT_EQ(slot.income.height, 0);
        EXPECT_EQ(slot.income.top, 335);
        EXPECT_EQ(slot.expenses.height, 0);
    }
    EXPECT_EQ(s.scaleMaximum(), Amount::fromYen(1));
    EXPECT_EQ(s.maxlevel().text, "1");
    EXPECT_EQ(s.divlevel().text, "0");
}

TEST(SummaryFigures, TheLargestFigureIsThreeHundredPixelsHigh) {
    const SummaryFigures s = summaryOf({cashLine(6, "売上", "", "300000", "0")});
    const SummarySlot& june = s.slot(slotOf(6));
    EXPECT_EQ(june.tincome.text, "300,000");
    EXPECT_EQ(june.income.height, 300);
    EXPECT_EQ(june.income.top, 35);
    EXPECT_EQ(s.slot(1).income.height, 0);
    EXPECT_EQ(s.slot(1).tincome.text, "0");
    EXPECT_EQ(s.maxlevel().text, "300,000");
    EXPECT_EQ(s.divlevel().text, "150,000");
    // The cumulative figures carry on after the month.
    EXPECT_EQ(s.slot(slotOf(7)).rincome.text, "300,000");
    EXPECT_EQ(s.slot(slotOf(5)).rincome.text, "0");
    EXPECT_EQ(s.slot(12).rsagaku.text, "300,000");
}

TEST(SummaryFigures, ATinyFigureStillShowsFivePixels) {
    const SummaryFigures s =
        summaryOf({cashLine(4, "売上", "", "1000000", "0"), cashLine(5, "売上", "", "1", "0")});
    EXPECT_EQ(s.slot(1).income.height, 300);
    EXPECT_EQ(s.slot(2).income.height, 5);
    EXPECT_EQ(s.slot(2).income.top, 330);
    EXPECT_EQ(s.slot(3).income.height, 0);
}

TEST(SummaryFigures, AnExpenseLargerThanEveryIncomeSetsTheScale) {
    const SummaryFigures s =
        summaryOf({cashLine(4, "売上", "", "200000", "0"), cashLine(8, "仕入", "", "0", "800000")});
    EXPECT_EQ(s.scaleMaximum(), Amount::fromYen(800000));
    EXPECT_EQ(s.slot(slotOf(8)).expenses.height, 300);
    EXPECT_EQ(s.slot(1).income.height, 75);
    EXPECT_EQ(s.slot(slotOf(8)).sagaku.text, "-800,000");
    EXPECT_EQ(s.slot(slotOf(8)).rsagaku.text, "-600,000");
}

TEST(SummaryFigures, CumulativeFiguresBeyondThirtyTwoBitsStayRight) {
    const SummaryFigures s =
        summaryOf({cashLine(4, "売上", "", "1500000000", "0"),
                   cashLine(5, "売上", "", "1500000000", "0"), cashLine(5, "仕入", "", "0", "1")});
    EXPECT_EQ(s.slot(2).rincome.text, "3,000,000,000");
    EXPECT_EQ(s.slot(3).rincome.text, "3,000,000,000");
    EXPECT_EQ(s.slot(12).rincome.text, "3,000,000,000");
    EXPECT_EQ(s.slot(12).rsagaku.text, "2,999,999,999");
    EXPECT_EQ(s.slot(12).rexpenses.text, "1");
    // Long figures are drawn smaller: 13 characters at 7 points, the
    // cumulative difference at 8.
    EXPECT_EQ(s.slot(1).tincome.pointSize, 7);
    EXPECT_EQ(s.slot(3).rincome.pointSize, 7);
    EXPECT_EQ(s.slot(12).rsagaku.pointSize, 8);
    EXPECT_EQ(s.slot(3).tincome.pointSize, 10);
    EXPECT_EQ(s.maxlevel().text, "1,500,000,000");
    EXPECT_EQ(s.maxlevel().pointSize, 8);
}

TEST(SummaryFigures, AFontOnceMadeSmallerStaysSmaller) {
    const Workspace big = yearOfLines({cashLine(4, "売上", "", "12345678901", "0")});
    const Workspace small = yearOfLines({cashLine(4, "売上", "", "5", "0")});
    MonthlyTable table;
    SummaryFigures s;
    table.compute(big.entries, big.periods, allBooksItem(), TableLevel::Accounts, {});
    s.refresh(table, big.periods);
    EXPECT_EQ(s.slot(1).tincome.text, "12,345,678,901");
    EXPECT_EQ(s.slot(1).tincome.pointSize, SummaryLabel::kNormalPoints);  // 14 characters
    EXPECT_EQ(s.slot(2).rincome.pointSize, SummaryLabel::kNormalPoints);

    const Workspace eleven = yearOfLines(
        {cashLine(4, "売上", "", "1234567", "0"), cashLine(5, "売上", "", "1000000000", "0")});
    table.compute(eleven.entries, eleven.periods, allBooksItem(), TableLevel::Accounts, {});
    s.refresh(table, eleven.periods);
    EXPECT_EQ(s.slot(2).rincome.text, "1,001,234,567");
    EXPECT_EQ(s.slot(2).tincome.pointSize, 7);

    table.compute(small.entries, small.periods, allBooksItem(), TableLevel::Accounts, {});
    s.refresh(table, small.periods);
    EXPECT_EQ(s.slot(2).tincome.text, "0");
    EXPECT_EQ(s.slot(2).tincome.pointSize, 7);
}

TEST(SummaryFigures, MonthsAndRangeFollowTheStartMonth) {
    const SummaryFigures s = summaryOf({cashLine(4, "売上", "", "10", "0")});
    EXPECT_EQ(s.slot(1).month.text, "4月度");
    EXPECT_EQ(s.slot(12).month.text, "3月度");
    EXPECT_EQ(s.slot(1).monthStartText(), "2015/04/01");
    EXPECT_EQ(s.slot(12).monthStartText(), "2016/03/01");
    EXPECT_EQ(s.range(), "2015年04月01日～2016年03月31日");
}

TEST(SummaryFigures, ResetShowsZerosAndCalendarMonths) {
    SummaryFigures s = summaryOf({cashLine(6, "売上", "", "300000", "0")});
    s.reset(2016);
    for (int p = 1; p <= 12; ++p) {
        EXPECT_EQ(s.slot(p).month.text, QString::number(p) + "月");
        EXPECT_EQ(s.slot(p).monthStart, QDate(2016, p, 1));
        EXPECT_EQ(s.slot(p).tincome.text, "0");
        EXPECT_EQ(s.slot(p).rsagaku.text, "0");
        EXPECT_EQ(s.slot(p).income.height, 0);
        EXPECT_EQ(s.slot(p).income.top, 0);
    }
    EXPECT_EQ(s.maxlevel().text, "");
    EXPECT_EQ(s.divlevel().text, "");
    EXPECT_TRUE(s.scaleMaximum().isZero());
}

TEST(SummaryFigures, DisplayTextsReadBackAsWholeYen) {
    EXPECT_EQ(yenOfDisplayText("3,000,000,000"), Amount::fromYen(3000000000LL));
    EXPECT_EQ(yenOfDisplayText("-1,234"), Amount::fromYen(-1234));
    EXPECT_EQ(yenOfDisplayText("12.5"), Amount());
    EXPECT_EQ(yenOfDisplayText("abc"), Amount());
}

}  // namespace
