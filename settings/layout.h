#pragma once

#include <QString>
#include <array>

#include "core/folders.h"

namespace tallyrix {

class Prompter;

// The main window's inner layout in pixels: the side pane, the ledger list's
// columns, the side pane's book list columns and its page control.
struct Layout {
    static constexpr int kLedgerColumns = 8;
    // Column 7 holds the hidden line index of each row.
    static constexpr int kLineIndexColumn = 7;

    // Panel12, the side pane.
    int leftPanelWidth = 247;
    // AdvStringGrid1, the ledger list.
    std::array<int, kLedgerColumns> ledgerColumnWidths{30, 115, 254, 169, 121, 106, 123, 133};
    // Columns 1 and 2 of NOTESGRID, the side pane's book list.
    std::array<int, 2> bookGridWidths{118, 97};
    // PageControl2, the side pane's page control.
    int sidePagesWidth = 255;

    friend bool operator==(const Layout&, const Layout&) = default;
};

// "config/display.dat" of the data folder.
QString layoutFileName();

// Applies the file over the current layout: each known key sets its width, a
// value that is not an integer gives the key's default, a missing file changes
// nothing. The line-index column is hidden in every case. An unreadable file
// raises a FileError.
void loadLayout(const Folders& folders, Layout& layout);

// "現在の画面デザインを保存する": writes all 13 lines and confirms. A file that
// cannot be written is told with a notice and left as it was; false then.
bool saveLayout(const Folders& folders, const Layout& layout, Prompter& prompter);

// After the splitter is dragged: the side pane keeps at least one pixel so it
// can always be dragged open again.
void keepSidePaneOpen(Layout& layout);

}  // namespace tallyrix
