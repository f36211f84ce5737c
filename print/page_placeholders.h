#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

#include "yearfile/period_table.h"

namespace tallyrix {

// The short weekday name of a date: "日", "月", ... "土".
QString shortWeekday(const QDate& date);

// "#Y", "#M", "#D", "#W": today's year "yyyy", month "mm", day "dd" and short
// weekday, each at its first occurrence.
QString fillToday(const QString& line, const QDate& today);

// The two-digit number of a row or slot: "01" .. "09", then "10", "11", ...
QString slotNumber(int slot);

// The fiscal year as the tables print it: the start of the start month's period
// + "～" + the end of the period before it, each as "yyyy/MM/dd".
QString fiscalYearText(const PeriodTable& periods);

// The row placeholder a line holds first in row order: the placeholder is
// prefix + slotNumber(row). Rows are tried from firstRow to lastRow and for
// each row the prefixes in order, exactly as testing every row in turn would
// (so "#ia_10" is found inside "#ia_100"), but without trying every row.
struct RowPlaceholder {
    int prefix = 0;  // index into the prefixes
    int row = 0;
    QString text;  // prefix + slot number
};
std::optional<RowPlaceholder> firstRowPlaceholder(const QString& line, const QStringList& prefixes,
                                                  int firstRow, int lastRow);

// The text of field 20 of the first line from line 1 that holds "#maxline=",
// read as the number after "#maxline=" (0 when it is not one), and that line's
// index; the directive is then removed from the line so that it never prints.
struct RowCountDirective {
    int rows = 0;
    int line = -1;  // -1: the template has none
};
RowCountDirective takeRowCount(QStringList& lines);

}  // namespace tallyrix
