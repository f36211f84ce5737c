#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>
#include <vector>

namespace tallyrix {

class MainWindowModel;

// Every command of the main window. The menus, the tool tabs, the pop-up menu
// and the keys name commands by these values only, so a misspelt command does
// not build.
enum class Command {
    ShowMainBook,
    ShowPettyCashBook,
    ShowBankBook,
    NewEntry,
    EditEntry,
    SelectFirstRow,
    SelectLastRow,
    PrintLedger,
    PrintBalances,
    ToggleDayMode,
    RunSearch,
    SearchByTitle,
    SearchByDescription,
    SearchByIncome,
    SearchByExpense,
    ShowSearchConditions,
    CancelTitleSearch,
    CancelDescriptionSearch,
    CancelIncomeSearch,
    CancelExpenseSearch,
    ClearSearches,
    EditTitleMaster,
    NewBusinessYear,
    NewPocketMoneyYear,
    MakeNextYear,
    OpenFile,
    Save,
    SaveAs,
    Exit,
    ExportCsv,
    RecomputeDates,
    RecomputeBalances,
    SaveScreenLayout,
    StartCalculator,
    StartDenominationCalculator,
    ShowSettings,
    ShowReleaseVersion,
    TableBack,
    ComputeTable,
    ShowGraph,
    PrintTable,
    PrintSummary,
    PrintGraph,
    // Menu and pop-up items that the command list of the program does not name.
    ShowMonthlyTable,
    OpenManual,
    EditRow,
    MoveRowDown,
};

// One command: its name, caption, category, key, when it may run and what it does.
struct CommandEntry {
    Command command;
    const char* name;  // the command's name in the program's command list
    QString caption;
    QString category;
    QKeySequence shortcut;
    // The key belongs to a command earlier in the menus: it is only shown.
    bool shortcutShownOnly = false;
    std::function<void(MainWindowModel&)> run;
    // Whether the command can run now; no rule means always.
    std::function<bool(const MainWindowModel&)> enabled = {};
};

// Every command in the order of the command list.
const std::vector<CommandEntry>& commandTable();
const CommandEntry& commandEntry(Command command);

// An item of a menu: a command, a separator, or a submenu of commands.
struct MenuItem {
    enum class Kind { Command, Separator, Submenu };
    Kind kind = Kind::Separator;
    Command command = Command::NewEntry;
    QString submenuTitle;
    std::vector<Command> submenu;

    static MenuItem of(Command c) { return {Kind::Command, c, {}, {}}; }
    static MenuItem separator() { return {}; }
    static MenuItem sub(QString title, std::vector<Command> items) {
        return {Kind::Submenu, Command::NewEntry, std::move(title), std::move(items)};
    }
};

// A menu of the main menu bar.
struct MenuSpec {
    QString title;
    std::vector<MenuItem> items;
    // "編集＆検索(&E)": grey, its keys off, while the monthly table or the
    // print settings are shown.
    bool followsEditMenuState = false;
    // The menu that lists the ten backup copies after its items.
    bool holdsBackupEntries = false;
};
const std::vector<MenuSpec>& mainMenu();

// The tool tabs: groups of large buttons under a label.
struct ToolButtonSpec {
    Command command;
    QString caption;  // empty: the command's caption
};
struct ToolGroupSpec {
    QString label;
    std::vector<ToolButtonSpec> buttons;
    // The search group shows the check boxes "日付指定" and "全帳簿から検索" first.
    bool searchBoxes = false;
};
struct ToolTabSpec {
    QString title;
    std::vector<ToolGroupSpec> groups;
};
const std::vector<ToolTabSpec>& toolTabs();

// The pop-up menu of the ledger grid.
const std::vector<Command>& ledgerPopupMenu();

}  // namespace tallyrix
