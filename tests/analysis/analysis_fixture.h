#pragma once

#include <QDate>
#include <QStringList>
#include <initializer_list>
#include <utility>

#include "analysis/monthly_table.h"
#include "ledger/periods.h"
#include "tests/support/temp_dir.h"
#include "yearfile/workspace.h"
#include "yearfile/year_file.h"

namespace tallyrix::test {

// A year file of tests/data/analysis read as the program reads it.
inline Workspace analysisYear(const QString& name) {
    Workspace ws;
    parseYearFile(fixture(QStringLiteral("analysis/") + name), ws, QDate(2015, 5, 10));
    ws.currentBook = ws.mainBook();
    return ws;
}

// A year of calendar months from the start month of 2015 holding the given entry lines.
inline Workspace yearOfLines(const QStringList& lines, int startMonth = 4) {
    Workspace ws;
    autoSetMonthEnd(ws.periods, startMonth, 2015);
    ws.periods.startMonth = startMonth;
    ws.periods.startYear = 2015;
    for (const QString& line : lines) {
        ws.entries.append(line);
    }
    ws.currentBook = ws.mainBook();
    return ws;
}

// An ordinary entry line of the main cash book.
inline QString cashLine(int month, const QString& title, const QString& description,
                        const QString& income, const QString& expense) {
    const QDate date(month >= 4 ? 2015 : 2016, month, 10);
    return QStringLiteral("d%1=,%2,1,%3,%4,%5,%6,,現金,現金出納帳,現金,現金出納帳,")
        .arg(month, 2, 10, QChar(u'0'))
        .arg(date.toString(QStringLiteral("yyyy/MM/dd")), title, description, income, expense);
}

// The rows 0 .. last filled of a table as "marker|title|month 1|...|month 12|year".
inline QStringList gridTexts(const MonthlyTable& table) {
    QStringList rows;
    for (int row = 0; row <= table.lastFilledRow(); ++row) {
        rows.append(table.rowTexts(row).join(u'|'));
    }
    return rows;
}

// One expected row of a table starting in April: the amounts of the calendar
// months named, "0" in every other month, and the yearly total.
inline QString amountRow(const QString& marker, const QString& title,
                         std::initializer_list<std::pair<int, QString>> months,
                         const QString& year) {
    QStringList cells{marker, title};
    for (int k = 0; k < 12; ++k) {
        const int month = (k + 3) % 12 + 1;
        QString text = QStringLiteral("0");
        for (const auto& [m, amount] : months) {
            if (m == month) {
                text = amount;
            }
        }
        cells.append(text);
    }
    cells.append(year);
    return cells.join(u'|');
}

// A row with a marker and a title only (part headings), or nothing (spacers).
inline QString textRow(const QString& marker = {}, const QString& title = {}) {
    QStringList cells{marker, title};
    for (int c = 2; c < MonthlyTable::kColumns; ++c) {
        cells.append(QString());
    }
    return cells.join(u'|');
}

inline QString aprilHeadings() {
    return QStringLiteral(
        "||4月度|5月度|6月度|7月度|8月度|9月度|10月度|11月度|12月度|1月度|2月度|3月度|科目年間計");
}

inline TableBookItem allBooksItem() {
    return {TableBookItem::allBooksText(), TableBookItem::allBooksText()};
}

}  // namespace tallyrix::test
