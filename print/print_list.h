#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "ledger/view_state.h"

namespace tallyrix {

// The print list: the rows a print command hands to its page composer, one
// line of ";"-ended fields per row, kept in the data folder between prints.
inline constexpr char16_t kPrintListFile[] = u"style/listout.dat";

// The ledger rows as the print list holds them: date;title;description;income;
// expense;balance; (the amounts trimmed), up to and including the first row
// marked "*" or "=" (the carry-out or end row).
QStringList ledgerPrintList(const std::vector<LedgerRow>& rows);

// The monthly table as the print list holds it. Each grid row holds the
// marker (column 0) and the cells of columns 1 to 14; the list takes columns
// 1 to 14, trimmed, from the heading row down to and including the first row
// marked "=".
QStringList tablePrintList(const std::vector<QStringList>& grid);

// Writes or reads the file (code page 932, CR LF). Reading a missing or
// unreadable file raises a FileError.
void writePrintList(const QString& path, const QStringList& lines);
QStringList readPrintList(const QString& path);

}  // namespace tallyrix
