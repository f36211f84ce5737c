#include "ledger/calendar_month.h"

#include "core/format_settings.h"

namespace tallyrix {
namespace {

constexpr int FirstYear = 1900;
constexpr int LastYear = 2100;

bool sameMonth(const QDate& a, const QDate& b) {
    return a.year() == b.year() && a.month() == b.month();
}

// 1 + the Sundays from 1 January up to the day before the 1st of the month.
// January counts its own 1st when that is a Sunday.
int firstWeekNumber(const QDate& firstOfMonth) {
    const QDate newYear(firstOfMonth.year(), 1, 1);
    if (firstOfMonth.month() == 1) {
        return newYear.dayOfWeek() == Qt::Sunday ? 2 : 1;
    }
    const qint64 days = newYear.daysTo(firstOfMonth);
    const qint64 toFirstSunday = (Qt::Sunday - newYear.dayOfWeek()) % 7;
    const qint64 sundays = days > toFirstSunday ? (days - toFirstSunday - 1) / 7 + 1 : 0;
    return static_cast<int>(1 + sundays);
}

}  // namespace

CalendarMonth::CalendarMonth(Holidays& holidays, Range range, Beep beep, Today today)
    : m_holidays(holidays), m_range(range), m_beep(std::move(beep)), m_today(std::move(today)) {
    selectDate(m_today());
}

void CalendarMonth::selectDate(const QDate& date) {
    // An invalid date would leave a grid without days; keep what is shown.
    if (!date.isValid()) {
        return;
    }
    m_shown = QDate(date.year(), date.month(), 1);
    m_selected = date;
}

QString CalendarMonth::heading() const {
    const QChar zero(u'0');
    return QStringLiteral("%1年%2月%3日")
        .arg(m_selected.year(), 4, 10, zero)
        .arg(m_selected.month(), 2, 10, zero)
        .arg(m_selected.day(), 2, 10, zero);
}

QStringList CalendarMonth::weekdayCaptions() {
    return {QStringLiteral("日"), QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"),
            QStringLiteral("木"), QStringLiteral("金"), QStringLiteral("土")};
}

QDate CalendarMonth::firstCellDate() const {
    // Sunday first: the row starts on the Sunday on or before the 1st.
    return m_shown.addDays(-(m_shown.dayOfWeek() % 7));
}

std::array<CalendarDay, CalendarMonth::CellCount> CalendarMonth::days() const {
    namespace colors = calendar_colors;
    std::array<CalendarDay, CellCount> cells;
    const QDate first = firstCellDate();
    for (int i = 0; i < CellCount; ++i) {
        CalendarDay& cell = cells[static_cast<size_t>(i)];
        cell.date = first.addDays(i);
        cell.text = QString::number(cell.date.day());
        cell.inShownMonth = sameMonth(cell.date, m_shown);
        if (!cell.inShownMonth) {
            cell.textColor = colors::OtherMonth;
            continue;
        }
        cell.clickable = true;
        const int column = i % Columns;
        cell.textColor = column == 0   ? colors::Sunday
                         : column == 6 ? colors::Saturday
                                       : colors::Weekday;
        cell.selected = cell.date == m_selected;
        if (cell.selected) {
            cell.textColor = colors::SelectedText;
            cell.background = colors::SelectedBackground;
        }
        cell.holiday = m_holidays.isHoliday(cell.date.month(), cell.date.day());
        if (cell.holiday) {
            cell.textColor = colors::Holiday;
        }
    }
    return cells;
}

std::array<int, CalendarMonth::Rows> CalendarMonth::weekNumbers() const {
    std::array<int, Rows> numbers{};
    const int w = firstWeekNumber(m_shown);
    for (int k = 0; k < Rows; ++k) {
        numbers[static_cast<size_t>(k)] = w + k;
    }
    return numbers;
}

QString CalendarMonth::todayText() const {
    return formatDate(today());
}

QDate CalendarMonth::selectToday() {
    const QDate date = today();
    selectDate(date);
    return date;
}

void CalendarMonth::previousMonth() {
    // Before 1900 too, so a date shown from elsewhere cannot step further out.
    if (m_range == Range::MainWindow && m_shown.year() <= FirstYear) {
        if (m_beep) {
            m_beep();
        }
        return;
    }
    selectDate(m_shown.addMonths(-1));
}

void CalendarMonth::nextMonth() {
    if (m_range == Range::MainWindow && m_shown.year() >= LastYear) {
        if (m_beep) {
            m_beep();
        }
        return;
    }
    selectDate(m_shown.addMonths(1));
}

std::optional<QDate> CalendarMonth::clickDay(int cell, bool shift) {
    if (cell < 0 || cell >= CellCount) {
        return std::nullopt;
    }
    const QDate date = firstCellDate().addDays(cell);
    if (!sameMonth(date, m_shown)) {
        return std::nullopt;
    }
    if (shift) {
        m_holidays.toggle(date.month(), date.day());
    }
    return date;
}

}  // namespace tallyrix
