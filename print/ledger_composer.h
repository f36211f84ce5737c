#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "print/style_template.h"

namespace tallyrix {

// What a ledger page shows besides its rows, as the main window holds it.
struct LedgerPrintValues {
    QString bookKind;  // "現金", "小口", "預金", or "全帳簿" in the all-books view
    QString bookName;
    bool allBooksMode = false;
    QString accountFilter;  // the title of a title search; empty when none
    int usageType = 1;
    QString mainTitle;
    int startYear = 0;
    QString shownYear;     // the calendar year of the shown month
    QString shownMonth;    // its month number
    int currentMonth = 1;  // 13: all months
    QString companyName;
    bool negativeInRed = false;
    int paperChoice = 0;  // 0 plain paper, 1 and 2 the pre-printed forms
    int minusOption = 0;  // on the forms: 0 balances without the sign, 1 with it
    QDate today;
};

// The continuation row in the last slot of a page that is not the last one.
inline constexpr char16_t kContinuationRow[] = u";;   次頁へ続く;;;0";

// The book title of the page: the book name, followed by "－" and the account
// filter when there is one ("おこづかい帳" for the pocket-money main book).
QString ledgerBookTitle(const LedgerPrintValues& values);

// The centring prefix of "#tl": blanks that centre a full-width title in 56
// half-width columns (a full-width blank counts as two).
QString centredTitlePrefix(const QString& title);

// Composes page `pageCounter` (1-based) of the ledger into the freshly loaded
// template: "#maxline=" gives the M row slots, a page takes M − 1 rows of the
// print list and its last slot either the final row or the continuation row.
// Sets the counter to 0 when the page took the last row. A template without a
// usable row count (fewer than 2 slots) gets its page texts and no rows, and
// is a one-page report.
void composeLedgerPage(StyleTemplate& lines, const QStringList& printList, int& pageCounter,
                       const LedgerPrintValues& values);

}  // namespace tallyrix
