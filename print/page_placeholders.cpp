#include "print/page_placeholders.h"

#include <limits>

#include "core/format_settings.h"
#include "print/style_line.h"

namespace tallyrix {

QString shortWeekday(const QDate& date) {
    static const QString kNames[] = {
        QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"), QStringLiteral("木"),
        QStringLiteral("金"), QStringLiteral("土"), QStringLiteral("日"),
    };
    const int day = date.dayOfWeek();
    return day >= 1 && day <= 7 ? kNames[day - 1] : QString();
}

QString fillToday(const QString& line, const QDate& today) {
    QString s = fillText(line, QStringLiteral("#Y"), today.toString(u"yyyy"), false);
    s = fillText(s, QStringLiteral("#M"), today.toString(u"MM"), false);
    s = fillText(s, QStringLiteral("#D"), today.toString(u"dd"), false);
    return fillText(s, QStringLiteral("#W"), shortWeekday(today), false);
}

QString slotNumber(int slot) {
    return slot < 10 && slot >= 0 ? u'0' + QString::number(slot) : QString::number(slot);
}

QString fiscalYearText(const PeriodTable& periods) {
    return formatDate(periods[periods.firstPeriod()].start) + u'～' +
           formatDate(periods[periods.lastPeriod()].end);
}

namespace {

// The rows whose slot number starts the digits: any two digits (01 to 99, and
// 00 for row 0), and longer runs without a leading zero for rows from 100 on.
int firstRowOfDigits(QStringView digits, int firstRow, int lastRow) {
    if (digits.size() < 2) {
        return -1;
    }
    const int two = (digits[0].unicode() - u'0') * 10 + (digits[1].unicode() - u'0');
    if (two >= firstRow && two <= lastRow && two <= 99) {
        return two;  // the smallest candidate: every longer one is 100 or more
    }
    if (digits[0] == u'0') {
        return -1;
    }
    long long value = two;
    for (qsizetype k = 2; k < digits.size(); ++k) {
        value = value * 10 + (digits[k].unicode() - u'0');
        if (value > lastRow) {
            return -1;
        }
        if (value >= firstRow && value >= 100) {
            return static_cast<int>(value);
        }
    }
    return -1;
}

}  // namespace

std::optional<RowPlaceholder> firstRowPlaceholder(const QString& line, const QStringList& prefixes,
                                                  int firstRow, int lastRow) {
    std::optional<RowPlaceholder> best;
    for (int p = 0; p < prefixes.size(); ++p) {
        const QString& prefix = prefixes[p];
        for (qsizetype pos = line.indexOf(prefix); pos >= 0; pos = line.indexOf(prefix, pos + 1)) {
            qsizetype end = pos + prefix.size();
            while (end < line.size() && line[end].isDigit() && line[end].unicode() < 128) {
                ++end;
            }
            const QStringView digits =
                QStringView(line).mid(pos + prefix.size(), end - pos - prefix.size());
            const int row = firstRowOfDigits(digits, firstRow, lastRow);
            if (row >= 0 && (!best || row < best->row || (row == best->row && p < best->prefix))) {
                best = RowPlaceholder{p, row, prefix + slotNumber(row)};
            }
        }
    }
    return best;
}

RowCountDirective takeRowCount(QStringList& lines) {
    static const QString kDirective = QStringLiteral("#maxline=");
    for (int i = 1; i < lines.size(); ++i) {
        if (!lines[i].contains(kDirective)) {
            continue;
        }
        const QString text = lastFieldUpTo(lines[i], 20);
        bool ok = false;
        const int rows = text.mid(kDirective.size()).toInt(&ok);
        lines[i] = fillText(lines[i], text, QString(), false);
        return {ok ? rows : 0, i};
    }
    return {};
}

}  // namespace tallyrix
