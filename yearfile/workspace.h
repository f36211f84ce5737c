#pragma once

#include <QString>

#include "core/line_store.h"
#include "yearfile/book.h"
#include "yearfile/entry_list.h"
#include "yearfile/period_table.h"

namespace tallyrix {

// The open year and what the program keeps about it for the whole run.
struct Workspace {
    EntryList entries;
    LineStore pettyBooks;  // book lines "z,小口,name,opening,"
    LineStore bankBooks;   // book lines "z,預金,name,opening,"
    PeriodTable periods;

    QString currentFilePath;  // empty: no file yet, saving asks for a name
    bool modified = false;
    BookRef currentBook;

    int usageType() const { return periods.usageType; }
    QString mainTitle() const { return mainTitleFor(periods.usageType); }
    BookRef mainBook() const { return {cashKind(), mainTitle()}; }

    // The book lines of a kind: the petty-cash list for "小口", the bank list otherwise.
    LineStore& bookLines(const QString& kind) {
        return kind == pettyCashKind() ? pettyBooks : bankBooks;
    }
    const LineStore& bookLines(const QString& kind) const {
        return kind == pettyCashKind() ? pettyBooks : bankBooks;
    }
};

// Field n (1-based) of a book line: 2 kind, 3 name, 4 opening balance.
QString bookLineField(const QString& line, int n);

// Every book in the order of the book panel: the main cash book, the petty-cash
// books, then the bank books.
QList<BookRef> booksInPanelOrder(const Workspace& ws);

}  // namespace tallyrix
