#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "yearfile/book.h"
#include "yearfile/entry_list.h"

namespace tallyrix {

class MonthlyTable;
class Prompter;
struct ViewState;

// What the ledger export writes: every entry of the year seen from the current
// book, or with `allBooks` every entry as stored.
struct LedgerCsvOptions {
    BookRef currentBook;
    QString accountFilter;  // empty: every title
    bool allBooks = false;  // "全帳簿から検索"
    bool balances = false;  // the column "差引残高"
    bool headingLine = false;
};

// The lines of the ledger export, each field followed by ",".
QStringList ledgerCsvLines(const EntryList& entries, const LedgerCsvOptions& options);

// The lines of the table export: the heading row when asked, then every row
// with a title down to the row marked "=", amounts without separators; a part
// heading is its text alone.
QStringList tableCsvLines(const MonthlyTable& table, bool headingLine);

// "CSV出力": asks for the file and the questions, writes the file in code page
// 932 with CR LF, and confirms. Cancelling the file dialog writes nothing; a
// file that cannot be written is told and the old file, if any, stays whole.
class CsvExport {
public:
    explicit CsvExport(Prompter& prompter) : m_prompter(prompter) {}

    // The entries of the year from the point of view of the current book.
    // `folder` is where the file dialog starts.
    void exportLedger(const EntryList& entries, const BookRef& currentBook, const ViewState& state,
                      const QString& folder);
    // The monthly account table as shown.
    void exportTable(const MonthlyTable& table, const QString& folder);

    // The file name the save dialog held last; the table export offers it again.
    const QString& lastFileName() const { return m_lastFileName; }

private:
    std::optional<QString> askFile(const QString& folder, const QString& proposed);
    bool ask(const QString& question);
    void write(const QString& path, const QStringList& lines);

    Prompter& m_prompter;
    QString m_lastFileName;
};

// The questions and the closing note of the export.
inline QString balanceQuestion() {
    return QStringLiteral("明細毎の残高を入れますか？");
}
inline QString headingQuestion() {
    return QStringLiteral("タイトルを入れますか？");
}
inline QString csvDoneText() {
    return QStringLiteral("CSVファイルへ出力しました。");
}

}  // namespace tallyrix
