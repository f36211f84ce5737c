#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "ledger/holidays.h"

namespace tallyrix {

// A colour as Qt's QRgb holds it (0xAARRGGBB, always opaque), so the calendar
// widget can hand it to QColor without this folder depending on QtGui.
using CalendarRgb = unsigned int;

namespace calendar_colors {
inline constexpr CalendarRgb OtherMonth = 0xFFC0C0C0;
inline constexpr CalendarRgb Sunday = 0xFF800000;
inline constexpr CalendarRgb Saturday = 0xFF008080;
inline constexpr CalendarRgb Weekday = 0xFF000000;
inline constexpr CalendarRgb Holiday = 0xFFFF0000;
inline constexpr CalendarRgb SelectedText = 0xFFFFFFFF;
inline constexpr CalendarRgb SelectedBackground = 0xFF5656AB;
inline constexpr CalendarRgb Background = 0xFFFFFFFF;
}  // namespace calendar_colors

// One of the 42 cells of the month grid, as the widget draws it.
struct CalendarDay {
    QDate date;
    QString text;  // the day number
    bool inShownMonth = false;
    bool clickable = false;
    bool selected = false;
    bool holiday = false;
    CalendarRgb textColor = calendar_colors::Weekday;
    CalendarRgb background = calendar_colors::Background;
};

// The month calendar of the main window's side panel and of the entry dialog:
// the shown month, the selected date and every decision about the grid. The
// widget only draws what this gives and forwards clicks.
class CalendarMonth {
public:
    static constexpr int Rows = 6;
    static constexpr int Columns = 7;
    static constexpr int CellCount = Rows * Columns;

    // The main window keeps to the years its calendar control can show; the
    // entry dialog steps without a limit.
    enum class Range { MainWindow, EntryDialog };
    using Today = std::function<QDate()>;
    using Beep = std::function<void()>;

    CalendarMonth(Holidays& holidays, Range range, Beep beep, Today today = &QDate::currentDate);

    // Shows the month of the date with the date selected.
    void selectDate(const QDate& date);

    const QDate& selectedDate() const { return m_selected; }
    // The first day of the shown month.
    const QDate& shownMonth() const { return m_shown; }

    // The selected date as "2015年07月03日".
    QString heading() const;
    // "日" .. "土", Sunday first.
    static QStringList weekdayCaptions();
    static QString weekColumnCaption() { return QStringLiteral("Wk"); }
    std::array<CalendarDay, CellCount> days() const;
    // Row 1..6 of the grid as indices 0..5.
    std::array<int, Rows> weekNumbers() const;

    static QString todayCaption() { return QStringLiteral("今日:"); }
    QDate today() const { return m_today(); }
    // Today in the short date format, shown beside "今日:".
    QString todayText() const;
    // "今日:" clicked: today is shown and selected; returns it.
    QDate selectToday();

    // "<<" and ">>": the first day of the previous or next month, shown and
    // selected. At the main window's limits they only beep.
    void previousMonth();
    void nextMonth();

    // A click on cell 0..41. Cells of the neighbouring months do nothing and
    // give no date; with Shift held, the day's holiday mark is toggled first.
    // What the date then means is the window's business.
    std::optional<QDate> clickDay(int cell, bool shift);

private:
    QDate firstCellDate() const;

    Holidays& m_holidays;
    Range m_range;
    Beep m_beep;
    Today m_today;
    QDate m_shown;
    QDate m_selected;
};

}  // namespace tallyrix
