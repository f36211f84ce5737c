#include "ledger/calendar_month.h"

#include <gtest/gtest.h>
#include <QDir>
#include <stdexcept>

#include "core/scripted_prompter.h"
#include "tests/support/temp_dir.h"

using namespace tallyrix;
using tallyrix::test::readBytes;
using tallyrix::test::writeBytes;

namespace {

namespace colors = calendar_colors;

std::string show(const QDate& date) {
    return date.toString(Qt::ISODate).toStdString();
}

class CalendarMonthTest : public ::testing::Test {
protected:
    CalendarMonthTest() { QDir().mkpath(dir.file(QStringLiteral("config"))); }

    void writeHolidays(const QByteArray& bytes) {
        writeBytes(dir.file(QStringLiteral("config/SDAYLIST.DAT")), bytes);
        holidays.load();
    }

    CalendarMonth make(CalendarMonth::Range range = CalendarMonth::Range::MainWindow) {
        return CalendarMonth(
            holidays, range, [this] { ++beeps; }, [this] { return today; });
    }

    static const CalendarDay& dayOf(const std::array<CalendarDay, 42>& days, const QDate& date) {
        for (const CalendarDay& d : days) {
            if (d.date == date) {
                return d;
            }
        }
        throw std::runtime_error("not in the grid: " + show(date));
    }

    test::TempDir dir;
    Folders folders{QString(), dir.path()};
    ScriptedPrompter prompter;
    Holidays holidays{prompter, folders};
    QDate today{2015, 7, 3};
    int beeps = 0;
};

TEST_F(CalendarMonthTest, GridStartsOnSundayWithNeighbourMonthsGreyed) {
    const struct {
        QDate month;
        int leading;   // grey cells before the 1st
        int rowsUsed;  // rows holding a day of the month
        const char* firstText;
    } cases[] = {
        {QDate(2015, 2, 1), 0, 4, "1"},   // the 1st on a Sunday
        {QDate(2015, 8, 1), 6, 6, "26"},  // 31 days from a Saturday
        {QDate(2015, 7, 1), 3, 5, "28"},
        {QDate(2016, 3, 1), 2, 5, "28"},  // after a leap February
    };
    CalendarMonth cal = make();
    for (const auto& c : cases) {
        SCOPED_TRACE(show(c.month));
        cal.selectDate(c.month);
        const auto days = cal.days();
        const int length = c.month.daysInMonth();
        EXPECT_EQ(days[0].date, c.month.addDays(-c.leading));
        EXPECT_EQ(days[0].text, QString::fromUtf8(c.firstText));
        EXPECT_EQ((c.leading + length - 1) / 7 + 1, c.rowsUsed);
        for (int i = 0; i < 42; ++i) {
            const CalendarDay& d = days[static_cast<size_t>(i)];
            const bool inMonth = i >= c.leading && i < c.leading + length;
            EXPECT_EQ(d.inShownMonth, inMonth) << i;
            EXPECT_EQ(d.clickable, inMonth) << i;
            EXPECT_EQ(d.text, QString::number(d.date.day())) << i;
            if (!inMonth) {
                EXPECT_EQ(d.textColor, colors::OtherMonth) << i;
                EXPECT_EQ(d.background, colors::Background) << i;
            }
        }
        // Days after the month are numbered from 1.
        EXPECT_EQ(days[static_cast<size_t>(c.leading + length)].text, QStringLiteral("1"));
    }
}

TEST_F(CalendarMonthTest, CellColoursWithHolidayRedOnTop) {
    // 06/28 and 08/01 fall on grey cells of July 2015 and stay grey.
    writeHolidays("07,04,\r\n07,20,\r\n06,28,\r\n08,01,\r\n");
    CalendarMonth cal = make();
    cal.selectDate(QDate(2015, 7, 15));
    const struct {
        QDate date;
        CalendarRgb text;
        CalendarRgb background;
        bool holiday;
    } cases[] = {
        {QDate(2015, 6, 28), colors::OtherMonth, colors::Background, false},
        {QDate(2015, 8, 1), colors::OtherMonth, colors::Background, false},
        {QDate(2015, 7, 5), 0xFF800000, colors::Background, false},   // Sunday
        {QDate(2015, 7, 11), 0xFF008080, colors::Background, false},  // Saturday
        {QDate(2015, 7, 14), 0xFF000000, colors::Background, false},
        {QDate(2015, 7, 15), 0xFFFFFFFF, 0xFF5656AB, false},        // selected
        {QDate(2015, 7, 4), 0xFFFF0000, colors::Background, true},  // a Saturday holiday
        {QDate(2015, 7, 20), 0xFFFF0000, colors::Background, true},
    };
    const auto days = cal.days();
    for (const auto& c : cases) {
        const CalendarDay& d = dayOf(days, c.date);
        EXPECT_EQ(d.textColor, c.text) << show(c.date);
        EXPECT_EQ(d.background, c.background) << show(c.date);
        EXPECT_EQ(d.holiday, c.holiday) << show(c.date);
    }

    cal.selectDate(QDate(2015, 7, 20));
    const auto after = cal.days();
    EXPECT_EQ(dayOf(after, QDate(2015, 7, 20)).textColor, colors::Holiday);
    EXPECT_EQ(dayOf(after, QDate(2015, 7, 20)).background, colors::SelectedBackground);
    EXPECT_EQ(dayOf(after, QDate(2015, 7, 15)).textColor, colors::Weekday);
    EXPECT_EQ(dayOf(after, QDate(2015, 7, 15)).background, colors::Background);
}

TEST_F(CalendarMonthTest, WeekNumbersCountSundaysSinceNewYear) {
    const struct {
        QDate month;
        int first;
    } cases[] = {
        {QDate(2015, 1, 1), 1},  {QDate(2017, 1, 1), 2},  // 1 January on a Sunday
        {QDate(2017, 2, 1), 6},  {QDate(2015, 2, 1), 5},  // the 1st on a Sunday is not counted
        {QDate(2015, 7, 1), 27}, {QDate(2015, 12, 1), 49},
    };
    CalendarMonth cal = make();
    for (const auto& c : cases) {
        cal.selectDate(c.month.addDays(9));
        const std::array<int, 6> expected{c.first,     c.first + 1, c.first + 2,
                                          c.first + 3, c.first + 4, c.first + 5};
        EXPECT_EQ(cal.weekNumbers(), expected) << show(c.month);
    }
}

TEST_F(CalendarMonthTest, HeadingAndToday) {
    CalendarMonth cal = make();
    EXPECT_EQ(cal.selectedDate(), QDate(2015, 7, 3));
    EXPECT_EQ(cal.heading(), QStringLiteral("2015年07月03日"));
    EXPECT_EQ(CalendarMonth::todayCaption(), QStringLiteral("今日:"));
    EXPECT_EQ(cal.todayText(), QStringLiteral("2015/07/03"));

    cal.selectDate(QDate(2016, 12, 25));
    EXPECT_EQ(cal.heading(), QStringLiteral("2016年12月25日"));
    today = QDate(2016, 1, 9);
    EXPECT_EQ(cal.todayText(), QStringLiteral("2016/01/09"));
    EXPECT_EQ(cal.selectToday(), QDate(2016, 1, 9));
    EXPECT_EQ(cal.selectedDate(), QDate(2016, 1, 9));
    EXPECT_EQ(cal.shownMonth(), QDate(2016, 1, 1));

    cal.selectDate(QDate());  // ignored
    EXPECT_EQ(cal.selectedDate(), QDate(2016, 1, 9));
}

TEST_F(CalendarMonthTest, StepsByMonthBeepingAtTheMainWindowLimits) {
    using Range = CalendarMonth::Range;
    const struct {
        Range range;
        QDate from;
        int step;
        QDate selected;
        int beeps;
    } cases[] = {
        {Range::MainWindow, QDate(2015, 7, 15), -1, QDate(2015, 6, 1), 0},
        {Range::MainWindow, QDate(2015, 7, 15), +1, QDate(2015, 8, 1), 0},
        {Range::MainWindow, QDate(2015, 1, 10), -1, QDate(2014, 12, 1), 0},
        {Range::MainWindow, QDate(2015, 12, 31), +1, QDate(2016, 1, 1), 0},
        {Range::MainWindow, QDate(1901, 1, 15), -1, QDate(1900, 12, 1), 0},
        {Range::MainWindow, QDate(1900, 12, 10), -1, QDate(1900, 12, 10), 1},
        {Range::MainWindow, QDate(1900, 5, 10), +1, QDate(1900, 6, 1), 0},
        {Range::MainWindow, QDate(2099, 12, 31), +1, QDate(2100, 1, 1), 0},
        {Range::MainWindow, QDate(2100, 1, 3), +1, QDate(2100, 1, 3), 1},
        {Range::MainWindow, QDate(2100, 3, 3), -1, QDate(2100, 2, 1), 0},
        {Range::EntryDialog, QDate(1900, 1, 1), -1, QDate(1899, 12, 1), 0},
        {Range::EntryDialog, QDate(2100, 12, 5), +1, QDate(2101, 1, 1), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(show(c.from) + (c.step < 0 ? " <<" : " >>"));
        beeps = 0;
        CalendarMonth cal = make(c.range);
        cal.selectDate(c.from);
        if (c.step < 0) {
            cal.previousMonth();
        } else {
            cal.nextMonth();
        }
        EXPECT_EQ(cal.selectedDate(), c.selected);
        EXPECT_EQ(cal.shownMonth(), QDate(c.selected.year(), c.selected.month(), 1));
        EXPECT_EQ(beeps, c.beeps);
    }
}

TEST_F(CalendarMonthTest, ShiftClickMarksTheDayInEveryYear) {
    holidays.load();
    CalendarMonth cal = make();
    cal.selectDate(QDate(2015, 5, 20));  // 1 May 2015 is a Friday: 5 May is cell 9
    prompter.answer(DialogResult::Yes);
    EXPECT_EQ(cal.clickDay(9, true), QDate(2015, 5, 5));
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(prompter.records()[0].text, QStringLiteral("05月05日を休日として再設定しますか？"));
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("config/SDAYLIST.DAT"))), QByteArray("05,05,\r\n"));
    EXPECT_EQ(cal.days()[9].textColor, colors::Holiday);

    cal.selectDate(QDate(2030, 5, 17));
    EXPECT_TRUE(dayOf(cal.days(), QDate(2030, 5, 5)).holiday);

    // And after the next start-up.
    Holidays reloaded(prompter, folders);
    reloaded.load();
    CalendarMonth later(reloaded, CalendarMonth::Range::MainWindow, {},
                        [] { return QDate(2031, 5, 1); });
    EXPECT_EQ(dayOf(later.days(), QDate(2031, 5, 5)).textColor, colors::Holiday);
}

TEST_F(CalendarMonthTest, OnlyDaysOfTheShownMonthAnswerClicks) {
    holidays.load();
    CalendarMonth cal = make();  // July 2015: cells 0..2 are June, 34.. are August
    EXPECT_EQ(cal.clickDay(0, true), std::nullopt);
    EXPECT_EQ(cal.clickDay(34, true), std::nullopt);
    EXPECT_EQ(cal.clickDay(-1, false), std::nullopt);
    EXPECT_EQ(cal.clickDay(42, false), std::nullopt);
    EXPECT_EQ(cal.clickDay(33, false), QDate(2015, 7, 31));
    EXPECT_TRUE(prompter.records().empty());
    // A click leaves the selection to the window.
    EXPECT_EQ(cal.selectedDate(), QDate(2015, 7, 3));
}

}  // namespace
