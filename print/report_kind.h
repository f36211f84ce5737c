#pragma once

#include <QString>
#include <QStringList>

namespace tallyrix {

// The reports the print page prints, by the number the print commands set.
namespace report {
inline constexpr int kCashBook = 2;          // or all books
inline constexpr int kCashBookFiltered = 3;  // with an account filter
inline constexpr int kTableByTitle = 5;
inline constexpr int kTableByDescription = 6;
inline constexpr int kPettyCash = 7;
inline constexpr int kPettyCashFiltered = 8;
inline constexpr int kBank = 9;
inline constexpr int kBankFiltered = 10;
inline constexpr int kSummary = 20;
inline constexpr int kBalances = 30;
inline constexpr int kGraph = 40;
}  // namespace report

bool isKnownReport(int kind);
// 2, 3, 7, 8, 9, 10: the ledgers, printable on the pre-printed forms.
bool isLedgerReport(int kind);
bool isTableReport(int kind);

// How the print command sends a report to the printer.
enum class PrintRun {
    Months,      // month by month with the page filter
    Current,     // the pages of the composition as it stands
    SinglePage,  // the one page shown
};
PrintRun printRunOf(int kind);

// The report's settings file under the data folder ("config/note1.conf", ...).
QString reportSettingsFile(int kind);
// Its printer file for a paper choice ("config/2-1.conf").
QString printerSettingsFile(int kind, int paperChoice);

// The paper choices of the radio group "用　紙".
QStringList paperChoices(int kind);

// The heading of the preview: the report's name for the summary reports,
// "月別一覧表" for the table; empty for the ledgers.
QString previewHeading(int kind);

// The ledger report of a book kind: "現金" and "全帳簿" 2, "小口" 7, "預金" 9,
// each one higher with an account filter.
int ledgerReportOf(const QString& bookKind, bool accountFilter);

}  // namespace tallyrix
