#include "print/ledger_composer.h"

#include <vector>

#include "core/text_helpers.h"
#include "print/page_placeholders.h"
#include "print/style_line.h"

namespace tallyrix {
namespace {

enum RowField { Ia, Ib, Ic, Id, Ie, If, Ca, Cb, Cd, Ce, Cf, Cg };

const QStringList& rowPrefixes() {
    static const QStringList kPrefixes = {
        QStringLiteral("#ia_"), QStringLiteral("#ib_"), QStringLiteral("#ic_"),
        QStringLiteral("#id_"), QStringLiteral("#ie_"), QStringLiteral("#if_"),
        QStringLiteral("#ca_"), QStringLiteral("#cb_"), QStringLiteral("#cd_"),
        QStringLiteral("#ce_"), QStringLiteral("#cf_"), QStringLiteral("#cg_"),
    };
    return kPrefixes;
}

// The slot-M placeholders the clean-up removes ("#cb_" is not among them).
const QStringList& cleanUpPrefixes() {
    static const QStringList kPrefixes = {
        QStringLiteral("#ia_"), QStringLiteral("#ic_"), QStringLiteral("#ib_"),
        QStringLiteral("#id_"), QStringLiteral("#ie_"), QStringLiteral("#if_"),
        QStringLiteral("#ca_"), QStringLiteral("#cd_"), QStringLiteral("#ce_"),
        QStringLiteral("#cf_"), QStringLiteral("#cg_"),
    };
    return kPrefixes;
}

QString field(const QString& row, int n) {
    return fieldAt(row, QStringLiteral(";"), n);
}

// Pre-printed forms have their own separators: the amounts lose theirs.
QString withoutSeparators(const QString& row) {
    QString result;
    for (int n = 1; n <= 6; ++n) {
        const QString value = field(row, n);
        result += (n >= 4 && !value.isEmpty() ? stripCommas(value) : value) + u';';
    }
    return result;
}

struct PageRows {
    std::vector<QString> filled{QString()};  // slot 0 unused
    bool last = true;
    QString at(int slot) const {
        return slot < static_cast<int>(filled.size()) ? filled[static_cast<size_t>(slot)]
                                                      : QString();
    }
};

PageRows pageRows(const QStringList& list, int page, int slotCount, bool forms) {
    PageRows rows;
    if (slotCount < 2) {
        return rows;
    }
    const long long first = static_cast<long long>(page - 1) * (slotCount - 1);
    int slot = 1;
    qsizetype j = 0;
    for (; j < list.size(); ++j) {
        if (slot > slotCount - 1 && j + 1 < list.size()) {
            break;
        }
        if (j >= first) {
            rows.filled.push_back(forms ? withoutSeparators(list[j]) : list[j]);
            ++slot;
        }
    }
    rows.last = j >= list.size();
    if (!rows.last) {
        rows.filled.push_back(QString::fromUtf16(kContinuationRow));
    }
    return rows;
}

QString fillTitleWords(QString line, const LedgerPrintValues& v) {
    static const QString kListTitle = QStringLiteral("科目別一覧表");
    if (v.bookKind == u"現金") {
        if (v.usageType == 2) {
            line = fillText(line, kListTitle, QStringLiteral("おこづかい帳"), false);
            return fillText(line, QStringLiteral("現金出納帳"), QStringLiteral("おこづかい帳"),
                            false);
        }
        return fillText(line, kListTitle, v.mainTitle, false);
    }
    if (v.bookKind == u"小口") {
        return fillText(line, kListTitle, QStringLiteral("小口現金"), false);
    }
    if (v.bookKind == u"預金") {
        return fillText(line, kListTitle, QStringLiteral("銀行勘定帳"), false);
    }
    return line;
}

QString fillPagePlaceholders(QString s, const LedgerPrintValues& v, const QString& title,
                             int page) {
    const bool forms = v.paperChoice != 0;
    s = fillToday(s, v.today);
    s = fillText(s, QStringLiteral("#OF"), v.companyName, false);
    s = fillText(s, QStringLiteral("#NS"), v.allBooksMode ? QString() : title, false);
    const QString centred = v.allBooksMode ? QStringLiteral("科目別一覧表") : title;
    s = fillText(s, QStringLiteral("#tl"), centredTitlePrefix(centred) + centred, false);
    QString year = v.shownYear;
    if (!v.accountFilter.isEmpty() && v.currentMonth == 13) {
        year = QString::number(v.startYear) + (forms ? QString() : QStringLiteral("年度"));
    } else if (!v.accountFilter.isEmpty() && !forms) {
        year = v.shownYear + u'年' + v.shownMonth + u'月';
    }
    s = fillText(s, QStringLiteral("#PY"), year, false);
    if (!v.accountFilter.isEmpty() && v.currentMonth == 13) {
        s = fillText(s, QStringLiteral("#PM月分"), QString(), false);
    }
    s = fillText(s, QStringLiteral("#PM"), v.shownMonth, false);
    s = fillText(s, QStringLiteral("#pg"), QString::number(page), false);
    return fillText(s, QStringLiteral("#KF"), v.accountFilter, false);
}

QString redWhenNegative(const QString& line, const QString& value, bool red) {
    return red && value.contains(u'-') ? setStyleField(line, QStringLiteral("255"), 19) : line;
}

QString fillRow(QString s, const RowPlaceholder& ph, const QString& row,
                const LedgerPrintValues& v) {
    if (row.isEmpty()) {
        return fillText(s, ph.text, QString(), false);
    }
    QString value;
    switch (ph.prefix) {
        case Ia:
            value = cutAtParen(field(row, 1));
            break;
        case Ib:
            value = field(row, 2);
            break;
        case Ic:
            value = field(row, 3);
            break;
        case Id:
        case Cd:
            value = field(row, 4);
            break;
        case Ie:
        case Ce:
            value = field(row, 5);
            break;
        case If:
            value = field(row, 6);
            s = redWhenNegative(s, value, v.negativeInRed);
            if (value.size() > 10) {
                s = setStyleField(s, QStringLiteral("9"), 15);
                s = setStyleField(s, QStringLiteral("-1.6"), 18);
            }
            break;
        case Ca:
        case Cb:
            value = field(monthDayNumber(row), 1);
            break;
        case Cf:
            value = field(row, 6);
            s = redWhenNegative(s, value, v.negativeInRed);
            if (v.paperChoice > 0 && v.minusOption == 0) {
                value = replaceAll(value, QStringLiteral("-"), QString());
            }
            break;
        case Cg:
            value = dayOfLabel(field(row, 1));
            break;
        default:
            break;
    }
    return fillText(s, ph.text, value, false);
}

}  // namespace

QString ledgerBookTitle(const LedgerPrintValues& v) {
    const QString filter =
        v.accountFilter.isEmpty() ? QString() : QStringLiteral("－") + v.accountFilter;
    if (!v.allBooksMode && v.bookKind == u"現金" && v.usageType == 2) {
        return QStringLiteral("おこづかい帳") + filter;
    }
    return v.bookName + filter;
}

QString centredTitlePrefix(const QString& title) {
    const QList<uint> characters = title.toUcs4();
    const int n = static_cast<int>(characters.size() + characters.count(0x3000));
    switch (n) {
        case 0:
        case 1:
            return {};
        case 2:
            return QString(26, u' ');
        case 3:
            return QStringLiteral("　") + QString(23, u' ');
        case 4:
            return QStringLiteral(" 　") + QString(21, u' ');
        case 5:
            return QStringLiteral("  　") + QString(19, u' ');
        default:
            return n >= 28 ? QString() : QString(28 - n, u' ');
    }
}

void composeLedgerPage(StyleTemplate& lines, const QStringList& printList, int& pageCounter,
                       const LedgerPrintValues& values) {
    const int slotCount = takeRowCount(lines).rows;
    const int page = pageCounter;
    const PageRows rows = pageRows(printList, page, slotCount, values.paperChoice != 0);
    const QString title = ledgerBookTitle(values);
    for (QString& line : lines) {
        if (line.isEmpty()) {
            continue;  // the end of the page stays where the file has it
        }
        QString s = values.allBooksMode ? line : fillTitleWords(line, values);
        if (s.contains(u'#')) {
            s = fillPagePlaceholders(s, values, title, page);
        }
        if (slotCount >= 2) {
            if (const auto ph = firstRowPlaceholder(s, rowPrefixes(), 1, slotCount)) {
                s = fillRow(s, *ph, rows.at(ph->row), values);
            }
        }
        line = s;
    }
    if (slotCount >= 2) {
        const QString last = slotNumber(slotCount);
        for (QString& line : lines) {
            if (!line.contains(u'#')) {
                continue;
            }
            for (const QString& prefix : cleanUpPrefixes()) {
                line = fillText(line, prefix + last, QString(), false);
            }
        }
    }
    if (rows.last) {
        pageCounter = 0;
    }
}

}  // namespace tallyrix
