#include "ledger/periods.h"

#include <gtest/gtest.h>

using namespace tallyrix;

namespace {

// Start month 4, closing day 20: "4月" runs 2015/03/21..2015/04/20, "3月" ends 2016/03/20.
PeriodTable closingDay20() {
    PeriodTable t;
    t.startMonth = 4;
    t.startYear = 2015;
    t[4] = {QDate(2015, 3, 21), QDate(2015, 4, 20), 0};
    EXPECT_FALSE(autoSetFromStartMonth(t, 4).has_value());
    return t;
}

TEST(Periods, DatesMapToTheirPeriodAndMonthKey) {
    const PeriodTable t = closingDay20();
    const struct {
        QDate date;
        int period;
        int tab;
    } cases[] = {
        {QDate(2015, 4, 20), 4, 1},  {QDate(2015, 4, 21), 5, 2}, {QDate(2016, 1, 10), 1, 10},
        {QDate(2016, 3, 20), 3, 12}, {QDate(2016, 3, 21), 0, 9},  // in no period: tab of "12月"
        {QDate(2015, 3, 20), 0, 9},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(periodOfDate(t, c.date), c.period) << c.date.toString().toStdString();
        EXPECT_EQ(tabOfDate(t, c.date), c.tab) << c.date.toString().toStdString();
    }
    EXPECT_EQ(monthKey(4), QStringLiteral("d04="));
    EXPECT_EQ(monthKey(5), QStringLiteral("d05="));
    EXPECT_EQ(monthKey(12), QStringLiteral("d12="));
}

TEST(Periods, OverlappingPeriodsGiveTheLastOne) {
    PeriodTable t;
    applyCalendarDefaults(t, 2015);
    t[5].start = QDate(2015, 4, 30);  // overlaps "4月" by one day
    EXPECT_EQ(periodOfDate(t, QDate(2015, 4, 30)), 5);
    EXPECT_EQ(tabOfDate(t, QDate(2015, 4, 30)), 4);  // the first holding period: "4月"
}

TEST(Periods, LocksYearsAndTabs) {
    PeriodTable t = closingDay20();
    t[7].lock = 1;
    t[8].lock = 2;
    EXPECT_TRUE(isPeriodLocked(t, 7));
    EXPECT_FALSE(isPeriodLocked(t, 8));
    EXPECT_FALSE(isPeriodLocked(t, 13));
    EXPECT_EQ(calendarYearOfPeriod(t, 4), 2015);
    EXPECT_EQ(calendarYearOfPeriod(t, 12), 2015);
    EXPECT_EQ(calendarYearOfPeriod(t, 3), 2016);
    EXPECT_EQ(firstDayOfRecords(t), QDate(2015, 3, 21));
    EXPECT_EQ(ledgerTabCaptions(4), (QStringList{"ALL", "4月", "5月", "6月", "7月", "8月", "9月",
                                                 "10月", "11月", "12月", "1月", "2月", "3月"}));
    EXPECT_EQ(tabMonthList(1)[11], 12);
}

TEST(Periods, CalendarDefaultsOfALeapYear) {
    PeriodTable t;
    applyCalendarDefaults(t, 2016);
    EXPECT_EQ(t[2].end, QDate(2016, 2, 29));
    EXPECT_EQ(t[12].start, QDate(2016, 12, 1));
    EXPECT_EQ(t[12].end, QDate(2016, 12, 31));
}

TEST(Periods, AutoSetMonthEndFollowsTheFiscalYear) {
    PeriodTable t;
    t[7].lock = 1;
    autoSetMonthEnd(t, 4, 2015);
    EXPECT_EQ(t[4].start, QDate(2015, 4, 1));
    EXPECT_EQ(t[12].end, QDate(2015, 12, 31));
    EXPECT_EQ(t[1].start, QDate(2016, 1, 1));
    EXPECT_EQ(t[2].end, QDate(2016, 2, 29));
    EXPECT_EQ(t[3].end, QDate(2016, 3, 31));
    EXPECT_EQ(t[7].lock, 1);
}

TEST(Periods, AutoSetFromTheStartMonthKeepsTheClosingDay) {
    const PeriodTable t = closingDay20();
    EXPECT_EQ(t[5].start, QDate(2015, 4, 21));
    EXPECT_EQ(t[5].end, QDate(2015, 5, 20));
    EXPECT_EQ(t[1].start, QDate(2015, 12, 21));
    EXPECT_EQ(t[1].end, QDate(2016, 1, 20));
    EXPECT_EQ(t[3].start, QDate(2016, 2, 21));
    EXPECT_EQ(t[3].end, QDate(2016, 3, 20));

    PeriodTable day27;
    day27[4] = {QDate(2015, 3, 28), QDate(2015, 4, 27), 0};
    EXPECT_FALSE(autoSetFromStartMonth(day27, 4).has_value());
    EXPECT_EQ(day27[2].end, QDate(2016, 2, 27));
}

TEST(Periods, AutoSetRefusesTheTwentyEighthAndLater) {
    for (const auto& [start, end] : {std::pair{QDate(2015, 3, 29), QDate(2015, 4, 28)},
                                     std::pair{QDate(2015, 3, 29), QDate(2015, 4, 20)},
                                     std::pair{QDate(2015, 4, 1), QDate(2015, 4, 30)}}) {
        PeriodTable t;
        applyCalendarDefaults(t, 2000);
        t[4] = {start, end, 0};
        const auto refusal = autoSetFromStartMonth(t, 4);
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->heading, QStringLiteral("現金出納帳-Tallyrix Version6"));
        EXPECT_EQ(
            refusal->text,
            QStringLiteral("28日以降の場合は自動設定できません。各月をクリックして設定して下さい"));
        EXPECT_EQ(t[5].start, QDate(2000, 5, 1));  // nothing after the refused month changed
    }
}

TEST(Periods, ValidationMessages) {
    PeriodTable leap;
    autoSetMonthEnd(leap, 4, 2016);  // 2016/04/01..2017/03/31
    EXPECT_FALSE(validatePeriods(leap, 4).has_value());

    PeriodTable early = leap;
    early[5].start = QDate(2016, 4, 20);
    auto message = validatePeriods(early, 4);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->heading, QStringLiteral("確認してください。"));
    EXPECT_EQ(message->text, QStringLiteral("5月の締日設定：前月より前になっています"));

    PeriodTable reversed = leap;
    reversed[6] = {QDate(2016, 6, 30), QDate(2016, 6, 1), 0};
    EXPECT_EQ(validatePeriods(reversed, 4)->text,
              QStringLiteral("6月の締日設定：開始日が終了日より後になっています"));

    PeriodTable tooLong = leap;
    tooLong[3].end = QDate(2017, 4, 2);  // 366 days: allowed in a leap year
    EXPECT_FALSE(validatePeriods(tooLong, 4).has_value());
    tooLong[3].end = QDate(2017, 4, 3);
    EXPECT_EQ(validatePeriods(tooLong, 4)->text,
              QStringLiteral("1年以上の期間が設定されています。\r\n2016/04/01～2017/04/03"));

    PeriodTable plain;
    autoSetMonthEnd(plain, 4, 2017);  // no leap year anywhere: 365 days
    plain[3].end = QDate(2018, 4, 2);
    EXPECT_TRUE(validatePeriods(plain, 4).has_value());
    plain[3].end = QDate(2018, 4, 1);
    EXPECT_FALSE(validatePeriods(plain, 4).has_value());
}

}  // namespace
