#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/folders.h"
#include "entry/beeper.h"

namespace tallyrix {

class Prompter;
class TitleEditorModel;

// The master grid: 4 columns of 15 titles, filled column by column, so the
// title in column c, row r (both from 1) is line (c - 1) * 15 + r of the file.
inline constexpr int kTitleColumns = 4;
inline constexpr int kTitleRows = 15;
inline constexpr int kTitleCells = kTitleColumns * kTitleRows;

// The master of a usage type under the data folder: "cldata/kamoku1.dat" for
// the business cash book, "cldata/kamoku2.dat" for the pocket-money book.
QString accountTitleFile(int usageType);

// The 60 titles of the master. Column 1..4, row 1..15.
class AccountTitleGrid {
public:
    AccountTitleGrid();

    static bool isCell(int column, int row);
    // The title position: the line number (from 1) in the master file, which
    // also names the title's description list.
    static int position(int column, int row) { return (column - 1) * kTitleRows + row; }

    // Empty outside the grid.
    QString cell(int column, int row) const;
    // Cells outside the grid raise a ListIndexError.
    void setCell(int column, int row, const QString& text);
    // The cells in file order.
    const QStringList& cells() const { return m_cells; }

    // A missing file gives an empty grid; lines beyond the 60th are ignored.
    void load(const QString& path);
    // Always 60 lines, empty cells as empty lines. Raises a FileError.
    void save(const QString& path) const;

private:
    QStringList m_cells;
};

// The account titles as the lists show them: every line of the master of the
// usage type, empty lines included, so an item's index + 1 is its position.
// A missing master gives no titles.
QStringList loadAccountTitles(const Folders& folders, int usageType);

enum class TitleMasterMode {
    Setup,   // "科目設定": edit and save the master
    Search,  // "科目検索": pick the title of the account search
};

// A cell of the dialog grid; row 0 and column 0 are the headers.
struct GridCell {
    int column = 0;
    int row = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// What the account-title dialog needs from its window.
class TitleMasterView : public Beeper {
public:
    // Shows the title editor modally until it closes.
    virtual void showTitleEditor(TitleEditorModel& editor) = 0;
};

// The account-title dialog: in set-up mode it edits the master of the current
// usage type, in search mode it picks the title of the account filter. Edits
// stay in the dialog until "更　新".
class TitleMasterModel {
public:
    // Where the dialog over this model tells what went wrong.
    Prompter& prompter() const { return m_prompter; }

    // Loads the master of the usage type; an unreadable file raises a FileError.
    TitleMasterModel(TitleMasterMode mode, int usageType, Folders folders, Prompter& prompter,
                     TitleMasterView& view);

    TitleMasterMode mode() const { return m_mode; }
    QString heading() const;
    // Set-up mode: "登録", the main title and the master file; search mode: nothing.
    QStringList statusPanels() const;
    bool updateButtonVisible() const { return m_mode == TitleMasterMode::Setup; }
    QString masterFile() const;

    const AccountTitleGrid& grid() const { return m_grid; }
    // Nothing is selected when the dialog opens.
    const std::optional<GridCell>& selection() const { return m_selection; }
    void selectCell(GridCell cell);

    void cellDoubleClick(GridCell cell);
    // "更　新"
    void update();
    // "キャンセル"
    void cancel();

    bool closed() const { return m_closed; }
    // Set by "更　新" once the master file was written.
    bool masterWritten() const { return m_written; }
    // Search mode: the picked title, set when a title cell was double-clicked.
    const std::optional<QString>& accountFilter() const { return m_accountFilter; }
    // Search mode: cancelled, so the ledger leaves day mode.
    bool turnDayModeOff() const { return m_dayModeOff; }

private:
    void editTitle(GridCell cell);

    TitleMasterMode m_mode;
    int m_usageType;
    Folders m_folders;
    Prompter& m_prompter;
    TitleMasterView& m_view;
    AccountTitleGrid m_grid;
    std::optional<GridCell> m_selection;
    bool m_closed = false;
    bool m_written = false;
    std::optional<QString> m_accountFilter;
    bool m_dayModeOff = false;
};

}  // namespace tallyrix
