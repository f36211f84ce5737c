#pragma once

#include <QString>
#include <array>

#include "core/folders.h"

namespace tallyrix {

// The column widths of the monthly account table in pixels, kept in
// "ini/display2.dat" of the data folder between runs.
struct TableColumnWidths {
    static constexpr int kColumns = 15;
    static constexpr int kMarkerWidth = 30;
    static constexpr int kDefaultWidth = 100;
    // A value in the file that is not a number.
    static constexpr int kUnreadableWidth = 50;

    std::array<int, kColumns> widths{kMarkerWidth,  kDefaultWidth, kDefaultWidth, kDefaultWidth,
                                     kDefaultWidth, kDefaultWidth, kDefaultWidth, kDefaultWidth,
                                     kDefaultWidth, kDefaultWidth, kDefaultWidth, kDefaultWidth,
                                     kDefaultWidth, kDefaultWidth, kDefaultWidth};

    friend bool operator==(const TableColumnWidths&, const TableColumnWidths&) = default;
};

// "ini/display2.dat".
QString tableLayoutFileName();

// Applies "[list_colwidths[0]]" .. "[list_colwidths[14]]" of the file; a
// missing file changes nothing. An unreadable file raises a FileError.
void loadTableColumnWidths(const Folders& folders, TableColumnWidths& widths);

// Writes "[Version]=1.00" and the widths of columns 0..15 (the grid has 15;
// the sixteenth line carries the default width). A file that cannot be
// written is left as it was, silently: the widths are a convenience.
void saveTableColumnWidths(const Folders& folders, const TableColumnWidths& widths);

}  // namespace tallyrix
