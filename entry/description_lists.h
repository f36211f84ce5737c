#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/folders.h"
#include "entry/list_page.h"

namespace tallyrix {

class Beeper;
class Prompter;

// The description grid: 3 columns of 12 descriptions beside a hidden column 0,
// filled column by column, so line i of a list file is column 1 + i / 12,
// row i % 12.
inline constexpr int kDescriptionColumns = 3;
inline constexpr int kDescriptionRows = 12;
inline constexpr int kDescriptionCells = kDescriptionColumns * kDescriptionRows;
// A list file holds the 36 cells and two empty lines.
inline constexpr int kDescriptionFileLines = kDescriptionCells + 2;

// The list file of a page under the data folder. On the account-title page it
// belongs to the title at `titlePosition` (1..60): "cldata/tekiya" + N + ".dat"
// for the business cash book, "cldata/tekiyb" + N + ".dat" for the pocket-money
// book. The petty-cash and bank pages share one list each, whatever the usage
// type and the book.
QString descriptionListFile(ListPage page, int usageType, int titlePosition = 0);

// The 36 descriptions of one list. Column 1..3, row 0..11.
class DescriptionGrid {
public:
    DescriptionGrid();

    static bool isCell(int column, int row);

    // Empty outside the grid.
    QString cell(int column, int row) const;
    // Cells outside the grid raise a ListIndexError.
    void setCell(int column, int row, const QString& text);
    // The cells in file order.
    const QStringList& cells() const { return m_cells; }
    void clear();

    // Lines after the 36th are ignored; a missing file gives an empty grid.
    void load(const QString& path);
    // Always 38 lines. Raises a FileError.
    void save(const QString& path) const;

private:
    QStringList m_cells;
};

// The description grid of the entry dialog. The dialog tells it which page is
// shown and what is picked on each page; it loads the matching list, answers
// clicks and registers descriptions.
class DescriptionLists {
public:
    DescriptionLists(Folders folders, int usageType, Prompter& prompter, Beeper& beeper);

    // The dialog opens anew: account-title page, nothing picked, empty grid.
    void reset();
    // Shows a page's list: the shared list of a book page, or the list of the
    // title still picked on the account-title page (empty when none is).
    void changePage(ListPage page);
    // A pick in the list of a page (item index, -1 for none). A title picked on
    // the shown account-title page loads its list; book lists do not depend on
    // the picked book.
    void pick(ListPage page, int itemIndex);

    ListPage page() const { return m_page; }
    const DescriptionGrid& grid() const { return m_grid; }
    // The list file of the shown page, empty while no title is picked there.
    QString currentFile() const;

    // A click: the description for the description field, or nothing (a beep)
    // on the hidden column.
    std::optional<QString> cellClick(int column, int row);
    // A double-click: edits the description in an input box and saves the list.
    void cellDoubleClick(int column, int row);

private:
    int pickedIndex(ListPage page) const;
    void loadShownList();
    QString inputCaption() const;

    Folders m_folders;
    int m_usageType;
    Prompter& m_prompter;
    Beeper& m_beeper;
    ListPage m_page = ListPage::AccountTitles;
    int m_pickedTitle = -1;
    int m_pickedPettyCash = -1;
    int m_pickedBank = -1;
    DescriptionGrid m_grid;
};

}  // namespace tallyrix
