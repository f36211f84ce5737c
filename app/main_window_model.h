#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "analysis/csv_export.h"
#include "analysis/monthly_table_model.h"
#include "core/bracket_keys.h"
#include "core/folders.h"
#include "core/program_settings.h"
#include "entry/book_choice_model.h"
#include "entry/entry_commands.h"
#include "entry/entry_dialog_model.h"
#include "entry/title_master_model.h"
#include "ledger/calendar_month.h"
#include "ledger/holidays.h"
#include "ledger/ledger_model.h"
#include "ledger/ledger_search.h"
#include "print/print_page_model.h"
#include "print/print_sources.h"
#include "settings/layout.h"
#include "settings/settings_dialog_model.h"
#include "yearfile/file_commands.h"
#include "yearfile/new_year.h"
#include "yearfile/workspace.h"

namespace tallyrix {

class Prompter;

// The eight panels of the main window's status line.
struct StatusPanels {
    QString bookKind;
    QString bookName;
    QString tabMonth;
    QString filePath;
    QString progress;
    QString companyName;
    QString year;
    QString month;
    QStringList inOrder() const;
};

// The main window as its model sees it: what only a window can do.
class MainWindowView : public LedgerView,
                       public EntryDialogView,
                       public BookChoiceView,
                       public TitleMasterView,
                       public SettingsDialogView {
public:
    // One beep for the ledger, the calendars and the dialogs.
    void beep() override = 0;
    // Shows the account-title dialog modally until it closes.
    virtual void showTitleMaster(TitleMasterModel& dialog) = 0;
    // The widths of the side pane and the grids, as shown and to be shown.
    virtual Layout currentLayout() const { return {}; }
    virtual void applyLayout(const Layout& layout) { (void)layout; }
    // Closes the window as its frame would.
    virtual void closeWindow() {}
    // Starts a program or opens a document; nothing is reported back.
    virtual void startProgram(const QString& program) { (void)program; }
    virtual void openDocument(const QString& path) { (void)path; }
};

// The model of the main window: the start-up sequence, the close guard, the
// tool tabs and pages, and every command, each handed to the model that owns it.
class MainWindowModel {
public:
    using Clock = std::function<QDateTime()>;
    enum class ToolTab { DataFile = 0, CashBook = 1, MonthlyTable = 2, Other = 3 };
    enum class WorkPage { Ledger, MonthlyTable, PrintPreview, Graph };
    enum class SidePage { Accounts, Print };
    static constexpr int kMinimumWidth = 1279;
    static constexpr int kMinimumHeight = 749;

    MainWindowModel(Prompter& prompter, Folders folders, QStringList arguments,
                    Clock clock = &QDateTime::currentDateTime);
    ~MainWindowModel();

    // The window that shows this model; set before the start-up sequence.
    void setWindow(MainWindowView* window);

    // When the window is created: formats, command-line file, data folder and placement.
    void initWorkspace();
    // The window's place: the saved one, or 10/10/938/708 when there is none,
    // kept inside the screen's available area `available` (a saved size larger
    // than the screen is cut to it, never below the minimum size).
    QRect initialGeometry(const QRect& available) const;
    // When the window is first shown: settings, files, holidays, titles, the first view.
    void prepareMainWindow();
    // Reads "tallyrix.conf" and "ini/backup.conf"; at start-up also opens the start file.
    void loadStartSettings(bool startUp);
    // The close guard; false keeps the window open. The placement and the backup
    // list are written in any case.
    bool confirmClose(const QRect& geometry);

    // Tool tabs and pages. Choosing the tab that is already chosen counts too.
    void toolTabChanged(ToolTab tab);
    // "月別科目一覧表" (Ctrl+E): the monthly table, from whichever tool tab: its
    // book chooser filled anew and the account level of all books computed.
    void showMonthlyTable();
    ToolTab toolTab() const { return m_toolTab; }
    WorkPage workPage() const { return m_workPage; }
    SidePage sidePage() const { return m_sidePage; }
    bool sidePanelVisible() const {
        return m_workPage == WorkPage::Ledger || m_workPage == WorkPage::PrintPreview;
    }
    bool editMenuEnabled() const { return m_editMenuEnabled; }

    // Commands of the cash book.
    void showMainBook() { m_ledger.switchBook(LedgerModel::MainBookTarget); }
    void showPettyCashBook() { m_ledger.switchBook(LedgerModel::PettyCashTarget); }
    void showBankBook() { m_ledger.switchBook(LedgerModel::BankTarget); }
    void newEntry() { m_entry.newEntry(); }
    void editEntry() { m_entry.editEntry(); }
    void moveEntryDown() { m_entry.moveEntryDown(); }
    void selectFirstRow() { m_ledger.selectFirstRow(); }
    void selectLastRow() { m_ledger.selectLastRow(); }
    // "日付指定": takes effect at the next refresh.
    void toggleDayMode() { m_ledger.state().dayMode = !m_ledger.state().dayMode; }
    void searchByTitle();
    void accountListClick(int index);
    // Commands of the year file.
    void editTitleMaster();
    void newBusinessYear() { m_newYear.newBusinessYear(); }
    void newPocketMoneyYear() { m_newYear.newPocketMoneyYear(); }
    void makeNextYear() { m_newYear.makeNextYear(); }
    void openFile() { m_files.openChosenFile(); }
    void save() { m_files.saveCurrentFile(); }
    void saveAs() { m_files.saveAs(); }
    void restoreBackup(int n) { m_files.restoreBackup(n); }
    // Other commands.
    void recomputeDates() { m_ledger.recomputeDates(); }
    void recomputeBalances() { m_ledger.recomputeBalances(); }
    void startCalculator();
    void startDenominationCalculator();
    void openManual();
    void showReleaseVersion();
    // "環境設定": the dialog, then the settings, layout, periods and balances anew.
    void showSettings();
    // "現在の画面デザインを保存する".
    void saveScreenLayout();
    // "終了(&X)": the window closes through its close guard.
    void exit();
    // "集計": the account level of the book chosen on the table page.
    void computeTable();
    // "Back": from the descriptions of a title back to the account titles.
    void tableBack();
    // "入出金グラフ": the graph page as last computed.
    void showGraph();
    // "CSV出力": the table while its page is shown, else the ledger.
    void exportCsv();
    // The table page's book chooser, a double-click on its grid, a column dragged.
    void chooseTableBook(int index) { m_table.chooseBook(index); }
    void openTableRow(int row) { m_table.openRow(row); }
    void setTableColumnWidth(int column, int width) { m_table.setColumnWidth(column, width); }
    // The print commands: the preview and the print page come to the front,
    // the edit menu turns grey, and the print page opens for the report.
    // "出納帳印刷": the ledger as shown, the report of its book.
    void printLedger();
    // "帳簿残高印刷".
    void printBalances();
    // "印刷" of the table page (its level), "入出金集計表印刷", "入出金グラフ印刷".
    void printTable();
    void printSummary();
    void printGraph();
    // The printers the print page prints on; until the window gives them the
    // print commands do nothing.
    void setPrinter(PrinterService& printer);
    PrintPageModel* printPage() { return m_print.get(); }
    // The side pane was dragged; it never closes completely.
    int splitterMoved(int leftWidth) const { return std::max(leftWidth, 1); }

    // The calendar of the side panel.
    void calendarDayClicked(int cell, bool shift);
    // "<<" / ">>": the first day of the month before or after becomes the
    // selected date, as a day click would, but the ledger is not refreshed.
    void calendarPrevious();
    void calendarNext();
    void calendarToday() { m_ledger.showToday(); }
    // An arrow key on the calendar: as a click on the day it reaches.
    void calendarStep(int days) {
        m_ledger.chooseDay(m_calendar.selectedDate().addDays(days), false);
    }

    // The parts, for the window to show.
    Workspace& workspace() { return m_ws; }
    LedgerModel& ledger() { return m_ledger; }
    LedgerSearch& search() { return m_search; }
    FileCommands& files() { return m_files; }
    CalendarMonth& calendar() { return m_calendar; }
    Holidays& holidays() { return m_holidays; }
    EntryDialogModel& datain() { return m_datain; }
    MonthlyTableModel& table() { return m_table; }
    const MonthlyTableModel& table() const { return m_table; }
    const ProgramSettings& settings() const { return m_settings; }
    const QStringList& accountTitles() const { return m_accountTitles; }
    const Folders& folders() const { return m_folders; }
    Prompter& prompter() { return m_prompter; }
    const Layout& layout() const { return m_layout; }
    const QString& commandLineFile() const { return m_commandLineFile; }
    // The status line, left to right.
    StatusPanels statusPanels() const;

private:
    class Listener;
    void loadAccountTitles();
    void loadLayoutIntoWindow();
    void showPrintPages();
    QString settingsFile() const { return m_folders.dataFile(QStringLiteral("tallyrix.conf")); }

    Prompter& m_prompter;
    Folders m_folders;
    QStringList m_arguments;
    Clock m_clock;
    MainWindowView* m_window = nullptr;
    std::unique_ptr<Listener> m_listener;

    Workspace m_ws;
    ProgramSettings m_settings;
    LedgerModel m_ledger;
    LedgerSearch m_search;
    FileCommands m_files;
    NewYearCommands m_newYear;
    Holidays m_holidays;
    CalendarMonth m_calendar;
    QStringList m_accountTitles;
    Layout m_layout;
    DialogBookChooser m_chooser;
    EntryDialogModel m_datain;
    EntryCommands m_entry;
    MonthlyTableModel m_table;
    CsvExport m_csv;
    LedgerPrintSources m_printSources;
    std::unique_ptr<PrintPageModel> m_print;

    QString m_commandLineFile;
    ToolTab m_toolTab = ToolTab::CashBook;
    WorkPage m_workPage = WorkPage::Ledger;
    SidePage m_sidePage = SidePage::Accounts;
    bool m_editMenuEnabled = true;
};

}  // namespace tallyrix
