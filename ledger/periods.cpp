#include "ledger/periods.h"

#include "core/format_settings.h"

namespace tallyrix {
namespace {

bool holds(const Period& p, const QDate& date) {
    return p.start <= date && date <= p.end;
}

}  // namespace

int periodOfDate(const PeriodTable& table, const QDate& date) {
    int found = 0;
    for (int n = 1; n <= 12; ++n) {
        if (holds(table[n], date)) {
            found = n;
        }
    }
    return found;
}

int tabOfDate(const PeriodTable& table, const QDate& date) {
    int n = 1;
    while (n <= 12 && !holds(table[n], date)) {
        ++n;
    }
    if (n > 12) {
        n = 12;
    }
    return table.positionOfPeriod(n);
}

QString monthKey(int period) {
    return QStringLiteral("d%1=").arg(period, 2, 10, QChar(u'0'));
}

bool isPeriodLocked(const PeriodTable& table, int period) {
    return period >= 1 && period <= 12 && table[period].lock == 1;
}

int calendarYearOfPeriod(const PeriodTable& table, int period) {
    return period >= table.startMonth ? table.startYear : table.startYear + 1;
}

QDate firstDayOfRecords(const PeriodTable& table) {
    return table[table.startMonth].start;
}

std::array<int, 12> tabMonthList(int startMonth) {
    std::array<int, 12> months{};
    for (int k = 0; k < 12; ++k) {
        months[static_cast<size_t>(k)] = (startMonth - 1 + k) % 12 + 1;
    }
    return months;
}

QStringList ledgerTabCaptions(int startMonth) {
    QStringList captions{QStringLiteral("ALL")};
    for (int month : tabMonthList(startMonth)) {
        captions.append(QString::number(month) + QStringLiteral("月"));
    }
    return captions;
}

void autoSetMonthEnd(PeriodTable& table, int startMonth, int startYear) {
    int year = startYear;
    for (int month : tabMonthList(startMonth)) {
        const QDate first(year, month, 1);
        table[month].start = first;
        table[month].end = first.addMonths(1).addDays(-1);
        if (month == 12) {
            ++year;
        }
    }
}

std::optional<PeriodMessage> autoSetFromStartMonth(PeriodTable& table, int startMonth) {
    int p = startMonth;
    for (int step = 0; step < 11; ++step) {
        const Period& current = table[p];
        if (current.start.day() > 28 || current.end.day() >= 28) {
            return PeriodMessage{
                QStringLiteral("現金出納帳-Tallyrix Version6"),
                QStringLiteral(
                    "28日以降の場合は自動設定できません。各月をクリックして設定して下さい")};
        }
        const int year = current.end.year();
        const int month = current.end.month();
        const int day = current.end.day();
        const int q = p % 12 + 1;
        table[q].start = QDate(year, month, day + 1);
        table[q].end = month == 12 ? QDate(year + 1, 1, day) : QDate(year, month + 1, day);
        p = q;
    }
    return std::nullopt;
}

namespace {

PeriodMessage tooLong(const QDate& from, const QDate& to) {
    return {QStringLiteral("確認してください。"),
            QStringLiteral("1年以上の期間が設定されています。\r\n") + formatDate(from) +
                QStringLiteral("～") + formatDate(to)};
}

}  // namespace

std::optional<PeriodMessage> validatePeriods(const PeriodTable& table, int startMonth) {
    if (auto fault = validatePeriodSpans(table)) {
        return fault;
    }
    return validatePeriodOrder(table, startMonth);
}

std::optional<PeriodMessage> validatePeriodSpans(const PeriodTable& table) {
    bool leap = false;
    QDate earliest = table[1].start;
    QDate latest = table[1].end;
    for (int n = 1; n <= 12; ++n) {
        leap = leap || QDate::isLeapYear(table[n].start.year()) ||
               QDate::isLeapYear(table[n].end.year());
        earliest = std::min(earliest, table[n].start);
        latest = std::max(latest, table[n].end);
    }
    const qint64 days = leap ? 366 : 365;
    if (earliest.daysTo(latest) > days) {
        return tooLong(earliest, latest);
    }
    if (table[1].start.daysTo(table[12].end) > days) {
        return tooLong(table[1].start, table[12].end);
    }
    for (int n = 1; n <= 12; ++n) {
        if (table[n].start.daysTo(table[n].end) > days) {
            return tooLong(table[n].start, table[n].end);
        }
    }
    return std::nullopt;
}

std::optional<PeriodMessage> validatePeriodOrder(const PeriodTable& table, int startMonth) {
    const std::array<int, 12> order = tabMonthList(startMonth);
    for (size_t k = 0; k + 1 < order.size(); ++k) {
        const int p = order[k];
        const int q = order[k + 1];
        if (table[p].start > table[p].end) {
            return PeriodMessage{
                QStringLiteral("確認してください。"),
                QString::number(p) +
                    QStringLiteral("月の締日設定：開始日が終了日より後になっています")};
        }
        if (table[p].end > table[q].start) {
            return PeriodMessage{
                QStringLiteral("確認してください。"),
                QString::number(q) + QStringLiteral("月の締日設定：前月より前になっています")};
        }
    }
    return std::nullopt;
}

}  // namespace tallyrix
