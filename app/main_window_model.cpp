#include "app/main_window_model.h"

#include <QFileInfo>
#include <QRect>

#include "core/app_title.h"
#include "core/errors.h"
#include "core/format_settings.h"
#include "core/prompter.h"
#include "ledger/balances.h"
#include "ledger/periods.h"
#include "print/report_kind.h"
#include "yearfile/backup_menu.h"

namespace tallyrix {

// Hands everything a part asks of the window to the window, once there is one.
class MainWindowModel::Listener : public MainWindowView, public MonthlyTableView {
public:
    explicit Listener(MainWindowModel& model) : m_model(model) {}
    MainWindowView* w() const { return m_model.m_window; }

    void beep() override {
        if (w()) {
            w()->beep();
        }
    }
    void showLedgerPage() override {
        m_model.m_workPage = WorkPage::Ledger;
        m_model.m_sidePage = SidePage::Accounts;
        if (w()) {
            w()->showLedgerPage();
        }
    }
    void calendarShows(const QDate& date) override {
        m_model.m_calendar.selectDate(date);
        if (w()) {
            w()->calendarShows(date);
        }
    }
    void toggleHoliday(const QDate& date) override {
        m_model.m_holidays.toggle(date.month(), date.day());
    }
    void yearArrived() override { m_model.loadAccountTitles(); }
    void analysisCleared() override {
        m_model.m_table.resetSummary(m_model.m_clock().date().year());
    }
    void tableComputed() override {
        m_model.m_workPage = WorkPage::MonthlyTable;
        m_model.m_sidePage = SidePage::Accounts;
    }
    void ledgerRefreshed() override {
        if (w()) {
            w()->ledgerRefreshed();
        }
    }
    void showEntryDialog(EntryDialogModel& dialog) override {
        if (w()) {
            w()->showEntryDialog(dialog);
        }
    }
    void showBookChoice(BookChoiceModel& dialog) override {
        if (w()) {
            w()->showBookChoice(dialog);
        }
    }
    void showBookData(BookDataModel& dialog) override {
        if (w()) {
            w()->showBookData(dialog);
        }
    }
    void showTitleEditor(TitleEditorModel& editor) override {
        if (w()) {
            w()->showTitleEditor(editor);
        }
    }
    void showTitleMaster(TitleMasterModel& dialog) override {
        if (w()) {
            w()->showTitleMaster(dialog);
        }
    }
    void showSettingsDialog(SettingsDialogModel& dialog) override {
        if (w()) {
            w()->showSettingsDialog(dialog);
        }
    }

private:
    MainWindowModel& m_model;
};

namespace {

// The search dialog of the account titles, for the account search.
class TitleSearch : public TitlePicker {
public:
    TitleSearch(const Workspace& ws, const Folders& folders, Prompter& prompter,
                MainWindowView& window)
        : m_ws(ws), m_folders(folders), m_prompter(prompter), m_window(window) {}
    std::optional<QString> pickTitle() override {
        TitleMasterModel dialog(TitleMasterMode::Search, m_ws.usageType(), m_folders, m_prompter,
                                m_window);
        m_window.showTitleMaster(dialog);
        return dialog.accountFilter();
    }

private:
    const Workspace& m_ws;
    const Folders& m_folders;
    Prompter& m_prompter;
    MainWindowView& m_window;
};

}  // namespace

MainWindowModel::MainWindowModel(Prompter& prompter, Folders folders, QStringList arguments,
                                 Clock clock)
    : m_prompter(prompter),
      m_folders(std::move(folders)),
      m_arguments(std::move(arguments)),
      m_clock(std::move(clock)),
      m_listener(std::make_unique<Listener>(*this)),
      m_ledger(m_ws, prompter, [this] { return m_clock().date(); }),
      m_search(m_ledger, prompter),
      m_files(m_ws, prompter, m_ledger, m_folders, m_settings, settingsFile(), m_clock),
      m_newYear(m_files),
      m_holidays(prompter, m_folders),
      m_calendar(
          m_holidays, CalendarMonth::Range::MainWindow, [this] { m_listener->beep(); },
          [this] { return m_clock().date(); }),
      m_chooser(m_ledger, prompter, *m_listener),
      m_datain(m_ledger, prompter, m_folders, m_holidays, *m_listener),
      m_entry(m_ledger, m_search, prompter, m_datain, *m_listener),
      m_table(m_ws, prompter),
      m_csv(prompter),
      m_printSources(m_ledger, m_settings, &m_table) {
    m_ledger.setListener(m_listener.get());
    m_table.setView(m_listener.get());
    m_ledger.setBookChooser(&m_chooser);
}

MainWindowModel::~MainWindowModel() {
    m_ledger.setListener(nullptr);
    m_table.setView(nullptr);
}

void MainWindowModel::setWindow(MainWindowView* window) {
    m_window = window;
}

void MainWindowModel::initWorkspace() {
    fixFormatSettings();
    // The first argument after the program itself names a year file to open.
    m_commandLineFile = m_arguments.size() > 1 ? m_arguments[1] : QString();
    ensureDataFolder(m_folders);
}

QRect MainWindowModel::initialGeometry(const QRect& available) const {
    const WindowPlacement p =
        loadWindowPlacement(m_folders.dataFile(QStringLiteral("ini")), QStringLiteral("tallyrix6"));
    if (p.height < 1) {
        return QRect(10, 10, 938, 708);
    }
    if (!available.isValid()) {
        return QRect(p.left, p.top, p.width, p.height);
    }
    // A damaged or foreign file must not make the window larger than the
    // screen (a window of 32767 pixels square costs gigabytes) or put it out of reach.
    const int width = std::max(kMinimumWidth, std::min(p.width, available.width()));
    const int height = std::max(kMinimumHeight, std::min(p.height, available.height()));
    const auto within = [](int value, int low, int high) {
        return high < low ? low : std::clamp(value, low, high);
    };
    const int left = within(p.left, available.left(), available.left() + available.width() - width);
    const int top = within(p.top, available.top(), available.top() + available.height() - height);
    return QRect(left, top, width, height);
}

void MainWindowModel::loadAccountTitles() {
    m_accountTitles = tallyrix::loadAccountTitles(m_folders, m_ws.usageType());
    m_datain.setAccountTitles(m_accountTitles);
}

void MainWindowModel::loadStartSettings(bool startUp) {
    m_settings = readProgramSettings(settingsFile());
    m_ledger.state().redNegatives = m_settings.negativeInRed;
    // The file holds the last file name of the last save or close; the year open
    // now may have come later (from the command line, say), and it stays the last.
    const QString lastFileName = m_files.backupMenu().lastFileName;
    m_files.loadBackupList();
    if (!startUp) {
        m_files.backupMenu().lastFileName = lastFileName;
    }
    if (startUp) {
        const BackupMenu& menu = m_files.backupMenu();
        if (m_commandLineFile.isEmpty()) {
            if (m_settings.startOption == ProgramSettings::OpenStartDataFile &&
                QFileInfo(m_settings.startFile()).isFile()) {
                m_files.openYearFile(m_settings.startFile());
            } else if (m_settings.startOption == ProgramSettings::OpenLastFile &&
                       QFileInfo(menu.lastFileName).isFile()) {
                m_files.openYearFile(menu.lastFileName);
            }
        } else {
            m_files.openYearFile(m_commandLineFile);
        }
    }
}

void MainWindowModel::prepareMainWindow() {
    m_ws.periods.usageType = kBusinessUsage;
    m_ws.currentBook = m_ws.mainBook();
    m_ledger.status().bookKind = cashKind();
    m_ledger.status().bookName = m_ws.mainTitle();
    m_files.backupMenu().lastFileName.clear();
    m_ws.periods.startMonth = 1;
    m_ws.periods.asRead = {};
    m_ws.periods.startYear = m_clock().date().year();
    applyCalendarDefaults(m_ws.periods, m_ws.periods.startYear);
    m_ws.modified = false;

    loadStartSettings(true);
    loadLayoutIntoWindow();
    if (QFileInfo::exists(m_holidays.fileName())) {
        m_holidays.load();
    }
    const QDate today = m_clock().date();
    m_calendar.selectDate(today);
    m_ledger.state().selectedDate = today;
    m_ledger.state().currentMonth = today.month();
    m_ledger.state().accountFilter.clear();
    loadAccountTitles();
    if (m_ws.currentFilePath.isEmpty()) {
        m_newYear.prepareEmptyYear();
    }
    m_table.loadColumnWidths(m_folders);
    m_workPage = WorkPage::Ledger;
    m_sidePage = SidePage::Accounts;
    m_ledger.switchBook(LedgerModel::MainBookTarget);
    // The tab of today's month is the one selected; the calendar shows today.
    m_ledger.showPeriod(today.month());
    m_ledger.selectDate(today);
}

bool MainWindowModel::confirmClose(const QRect& geometry) {
    bool close = true;
    if (m_ws.modified) {
        const DialogResult answer = m_prompter.askYesNoCancel(
            QStringLiteral("データが変更されています。現在の状態を保存しますか？"),
            QStringLiteral("はい"), QStringLiteral("いいえ"), QStringLiteral("キャンセル"));
        if (answer == DialogResult::Cancel) {
            close = false;
        } else if (answer == DialogResult::Yes) {
            m_files.saveCurrentFile();
        }
    }
    try {
        saveWindowPlacement(m_folders.dataFile(QStringLiteral("ini")), QStringLiteral("tallyrix6"),
                            geometry.top(), geometry.left(), geometry.width(), geometry.height());
    } catch (const TallyError& error) {
        m_prompter.showNotice(QStringLiteral("確認"), error.message());
    }
    m_files.saveBackupList();
    m_table.saveColumnWidths(m_folders);
    return close;
}

void MainWindowModel::toolTabChanged(ToolTab tab) {
    m_toolTab = tab;
    if (tab == ToolTab::CashBook) {
        m_workPage = WorkPage::Ledger;
        m_sidePage = SidePage::Accounts;
        m_editMenuEnabled = true;
    } else if (tab == ToolTab::MonthlyTable) {
        showMonthlyTable();
    }
}

void MainWindowModel::showMonthlyTable() {
    m_workPage = WorkPage::MonthlyTable;
    m_editMenuEnabled = false;
    m_table.enterPage();
}

void MainWindowModel::computeTable() {
    m_workPage = WorkPage::MonthlyTable;
    m_table.sum();
}

void MainWindowModel::tableBack() {
    m_table.back(m_workPage == WorkPage::PrintPreview);
}

void MainWindowModel::showGraph() {
    m_workPage = WorkPage::Graph;
}

void MainWindowModel::exportCsv() {
    if (m_workPage == WorkPage::MonthlyTable) {
        m_csv.exportTable(m_table.table(), m_files.dialogFolder());
    } else {
        m_csv.exportLedger(m_ws.entries, m_ws.currentBook, m_ledger.state(),
                           m_files.dialogFolder());
    }
}

void MainWindowModel::setPrinter(PrinterService& printer) {
    m_print = std::make_unique<PrintPageModel>(m_printSources, printer, m_prompter, m_folders);
}

void MainWindowModel::showPrintPages() {
    m_workPage = WorkPage::PrintPreview;
    m_sidePage = SidePage::Print;
    m_editMenuEnabled = false;
}

void MainWindowModel::printLedger() {
    if (m_print) {
        showPrintPages();
        m_print->printLedger();
    }
}

void MainWindowModel::printBalances() {
    if (m_print) {
        showPrintPages();
        m_print->printReportOfKind(report::kBalances);
    }
}

void MainWindowModel::printTable() {
    if (m_print) {
        m_print->printTable(m_table.level() == TableLevel::Accounts ? 0 : 1);
        showPrintPages();
    }
}

void MainWindowModel::printSummary() {
    if (m_print) {
        showPrintPages();
        m_print->printReportOfKind(report::kSummary);
    }
}

void MainWindowModel::printGraph() {
    if (m_print) {
        showPrintPages();
        m_print->printReportOfKind(report::kGraph);
    }
}

void MainWindowModel::calendarPrevious() {
    m_calendar.previousMonth();
    m_ledger.selectDate(m_calendar.selectedDate());
}

void MainWindowModel::calendarNext() {
    m_calendar.nextMonth();
    m_ledger.selectDate(m_calendar.selectedDate());
}

void MainWindowModel::searchByTitle() {
    if (!m_window) {
        return;
    }
    TitleSearch picker(m_ws, m_folders, m_prompter, *m_listener);
    m_search.searchByTitle(picker);
}

void MainWindowModel::accountListClick(int index) {
    if (index >= 0 && index < m_accountTitles.size()) {
        m_search.accountListClick(m_accountTitles[index]);
    }
}

void MainWindowModel::editTitleMaster() {
    {
        TitleMasterModel dialog(TitleMasterMode::Setup, m_ws.usageType(), m_folders, m_prompter,
                                *m_listener);
        m_listener->showTitleMaster(dialog);
    }
    loadAccountTitles();
}

void MainWindowModel::loadLayoutIntoWindow() {
    // Only the keys the file holds change a width; without a file the widths
    // the user dragged stay.
    if (m_window) {
        m_layout = m_window->currentLayout();
    }
    try {
        loadLayout(m_folders, m_layout);
    } catch (const TallyError& error) {
        m_prompter.showNotice(QStringLiteral("確認"), error.message());
    }
    if (m_window) {
        m_window->applyLayout(m_layout);
    }
}

void MainWindowModel::showSettings() {
    if (!runSettingsDialog(m_ws, m_ledger.state().accountFilter, m_folders, m_prompter,
                           *m_listener)) {
        return;
    }
    loadStartSettings(false);
    loadLayoutIntoWindow();
    reassignMonthKeys(m_ws);
    computeBookBalances(m_ws, m_ws.currentBook, m_ledger.state().currentMonth);
    loadAccountTitles();
    m_ledger.showPeriod(m_clock().date().month());
    m_ledger.switchBook(LedgerModel::MainBookTarget);
}

void MainWindowModel::saveScreenLayout() {
    if (m_window) {
        m_layout = m_window->currentLayout();
    }
    saveLayout(m_folders, m_layout, m_prompter);
}

void MainWindowModel::exit() {
    if (m_window) {
        m_window->closeWindow();
    }
}

void MainWindowModel::startCalculator() {
    if (m_window) {
        m_window->startProgram(QStringLiteral("calculator"));
    }
}

void MainWindowModel::startDenominationCalculator() {
    if (m_window) {
        m_window->startProgram(m_folders.installFile(QStringLiteral("moneycalc")));
    }
}

void MainWindowModel::openManual() {
    if (m_window) {
        m_window->openDocument(m_folders.installFile(QStringLiteral("help/index.html")));
    }
}

void MainWindowModel::showReleaseVersion() {
    m_prompter.taskMessage(
        QStringLiteral("バージョン情報"), QString(), TaskButtons::Ok, TaskIcon::Information,
        QStringLiteral("ReleaseVersion 20180701A\r\nTallyrix6 for Linux (Qt 6)"));
}

void MainWindowModel::calendarDayClicked(int cell, bool shift) {
    // The holiday toggle runs inside the calendar's click, so the ledger gets the
    // plain day.
    if (const auto date = m_calendar.clickDay(cell, shift)) {
        m_ledger.chooseDay(*date, false);
    }
}

StatusPanels MainWindowModel::statusPanels() const {
    const LedgerStatus& ledger = m_ledger.status();
    return {ledger.bookKind, ledger.bookName,      ledger.tabMonth, m_ws.currentFilePath,
            ledger.progress, m_settings.company(), ledger.year,     ledger.month};
}

QStringList StatusPanels::inOrder() const {
    return {bookKind, bookName, tabMonth, filePath, progress, companyName, year, month};
}

}  // namespace tallyrix
