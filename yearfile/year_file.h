#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "core/line_store.h"
#include "yearfile/workspace.h"

namespace tallyrix {

inline QString invalidPeriodsMessage() {
    return QStringLiteral("月設定が無効となっています。お手数ですが環境設定にて再度設定して下さい");
}

struct ParseOutcome {
    QStringList notices;          // texts of "確認" notices the open shows
    bool periodsFromFile = true;  // false when the period lines were unusable
};

// Reads a year file into `ws`: its entry list, book lists and period table. The
// header values already in `ws` stay when the file has no header line. Raises
// FileError when the file cannot be read and ConversionError when a date or an
// amount cannot be read; `ws` is then partly filled, so callers parse into a
// fresh workspace.
ParseOutcome parseYearFile(const QString& path, Workspace& ws, const QDate& today);

// The same for lines already in memory.
ParseOutcome parseYearLines(LineStore& lines, Workspace& ws, const QDate& today);

// The lines of the year file: entries, petty-cash books, bank books, 12 period
// lines and the header line.
LineStore serialiseYear(const Workspace& ws);

}  // namespace tallyrix
