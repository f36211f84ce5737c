#pragma once

#include <QString>
#include <array>
#include <vector>

#include "print/style_template.h"
#include "print/summary_composer.h"
#include "yearfile/period_table.h"

namespace tallyrix {

// One row of the book panel as it shows: "kind|name" and the balance.
struct BookBalanceRow {
    QString caption;
    QString balance;
};

// What the balance report (kind 30) reads: the book panel's rows, the
// ledger's title label and the totals of the shown period.
struct BalancePrintValues {
    std::vector<BookBalanceRow> books;  // grid rows 1.. of the book panel
    QString titleLabel;
    QString range;                  // see balanceRangeText
    std::array<QString, 3> totals;  // period income, period expense, difference
};

inline constexpr int kBooksPerBalancePage = 56;

// The range of the balance report: the whole fiscal year when all months are
// shown (13), else the shown period; dates as "yyyy年MM月dd日" joined by "～".
QString balanceRangeText(const PeriodTable& periods, int currentMonth);

// Composes page `pageCounter` of the book balances: books (p − 1) × 56 + 1 to
// p × 56 in the slots "#notename"/"#notezan" 01..56; sets the counter to 0 on
// the page that reaches the end of the panel (its header row counted).
void composeBalancePage(StyleTemplate& lines, const BalancePrintValues& values,
                        const ReportTexts& texts, int& pageCounter);

}  // namespace tallyrix
