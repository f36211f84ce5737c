#include "print/balance_composer.h"

#include "core/text_helpers.h"
#include "print/page_placeholders.h"
#include "print/style_line.h"

namespace tallyrix {
namespace {

QString longDate(const QDate& date) {
    return date.toString(u"yyyy年MM月dd日");
}

}  // namespace

QString balanceRangeText(const PeriodTable& periods, int currentMonth) {
    if (currentMonth < 1 || currentMonth > 12) {
        return longDate(periods[periods.firstPeriod()].start) + u'～' +
               longDate(periods[periods.lastPeriod()].end);
    }
    return longDate(periods[currentMonth].start) + u'～' + longDate(periods[currentMonth].end);
}

void composeBalancePage(StyleTemplate& lines, const BalancePrintValues& v, const ReportTexts& texts,
                        int& pageCounter) {
    const int page = pageCounter;
    const long long first = static_cast<long long>(page - 1) * kBooksPerBalancePage;
    const bool red = texts.negativeInRed;
    for (QString& line : lines) {
        if (!line.contains(u'#')) {
            continue;
        }
        QString s = fillReportTexts(line, 30, texts, page, v.range);
        if (v.titleLabel.size() < 10) {
            s = fillText(s, QStringLiteral("#notetitle_m"), v.titleLabel, false);
        } else {
            s = fillText(s, QStringLiteral("#notetitle_s"), trimBlanks(v.titleLabel), false);
        }
        int k = 1;
        for (long long i = first; i < first + kBooksPerBalancePage; ++i) {
            if (i < 0 || i >= static_cast<long long>(v.books.size())) {
                break;
            }
            const BookBalanceRow& book = v.books[static_cast<size_t>(i)];
            if (book.caption.isEmpty() && book.balance.isEmpty()) {
                continue;
            }
            s = fillText(s, QStringLiteral("#notename") + slotNumber(k), book.caption, false);
            s = fillSigned(s, QStringLiteral("#notezan") + slotNumber(k), book.balance, red, false);
            ++k;
        }
        s = fillText(s, QStringLiteral("#income"), v.totals[0], false);
        s = fillText(s, QStringLiteral("#expense"), v.totals[1], false);
        line = fillSigned(s, QStringLiteral("#sagaku"), v.totals[2], red, false);
    }
    for (QString& line : lines) {
        if (!line.contains(u'#')) {
            continue;
        }
        line = fillText(line, QStringLiteral("#notetitle_s"), QString(), false);
        line = fillText(line, QStringLiteral("#notetitle_m"), QString(), false);
        for (int i = 1; i <= kBooksPerBalancePage; ++i) {
            line = fillText(line, QStringLiteral("#notename") + slotNumber(i), QString(), false);
            line = fillText(line, QStringLiteral("#notezan") + slotNumber(i), QString(), false);
        }
    }
    // The panel's grid has a header row above its books.
    if (static_cast<long long>(page) * kBooksPerBalancePage >=
        static_cast<long long>(v.books.size()) + 1) {
        pageCounter = 0;
    }
}

}  // namespace tallyrix
