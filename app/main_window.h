#pragma once

#include <QHash>
#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>

#include "app/command_table.h"
#include "app/dialog_host.h"
#include "app/main_window_model.h"
#include "app/print_pages.h"
#include "app/qt_printer_service.h"
#include "core/folders.h"

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QSplitter;
class QStackedWidget;
class QTabBar;
class QTabWidget;
class QToolButton;
class QCheckBox;
class QComboBox;

namespace tallyrix {

class BookGrid;
class CalendarWidget;
class LedgerGrid;
class MonthlyGrid;
class Prompter;
class SummaryGraph;

// The main window: shows its model and forwards every command and click to it.
class MainWindow : public QMainWindow, public MainWindowView {
    Q_OBJECT
public:
    static constexpr int kMinimumWidth = MainWindowModel::kMinimumWidth;
    static constexpr int kMinimumHeight = MainWindowModel::kMinimumHeight;

    MainWindow(Prompter& prompter, const Folders& folders, const QStringList& arguments,
               MainWindowModel::Clock clock = &QDateTime::currentDateTime,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    MainWindowModel& model() { return *m_model; }
    const QString& commandLineFile() const { return m_model->commandLineFile(); }
    const Folders& folders() const { return m_model->folders(); }
    // The action of a command: its menu item and key.
    QAction* action(Command command) const;
    // Runs a command as its menu item, key or tool button does.
    void runCommand(Command command);
    QMenu* menu(int index) const;
    // Re-reads the model into every part of the window.
    void refreshView();

    // What the model asks of the window.
    void beep() override;
    void showLedgerPage() override;
    void calendarShows(const QDate& date) override;
    void showEntryDialog(EntryDialogModel& dialog) override;
    void ledgerRefreshed() override;
    void showBookChoice(BookChoiceModel& dialog) override;
    void showBookData(BookDataModel& dialog) override;
    void showTitleEditor(TitleEditorModel& editor) override;
    void showTitleMaster(TitleMasterModel& dialog) override;
    void showSettingsDialog(SettingsDialogModel& dialog) override;
    Layout currentLayout() const override;
    void applyLayout(const Layout& layout) override;
    void startProgram(const QString& program) override;
    void closeWindow() override;
    void openDocument(const QString& path) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createActions();
    void createMenus();
    QWidget* createToolTabs();
    QWidget* createSidePanel();
    QWidget* createWorkArea();
    QWidget* createTablePage();
    QWidget* createGraphPage();
    void createStatusBar();
    // Runs a command of the model and shows what it changed.
    void run(const std::function<void()>& command);
    bool commandEnabled(Command command) const;
    void refreshCommandStates();
    QWidget* createToolTab(const ToolTabSpec& tab);
    void refreshMonthTabs();
    void refreshBackupMenu();
    void refreshPages();
    void refreshTablePages();

    // The printers outlive the model whose print page prints on them.
    std::unique_ptr<QtPrinterService> m_printer;
    std::unique_ptr<MainWindowModel> m_model;
    std::unique_ptr<PrintPages> m_printPages;
    DialogHost m_dialogs{this};
    bool m_prepared = false;
    bool m_refreshingTabs = false;
    bool m_refreshing = false;
    bool m_entryDialogShown = false;
    // The side pane's width when shown; kept while the pane is hidden.
    int m_sideWidth = 247;
    std::array<QAction*, static_cast<size_t>(Command::MoveRowDown) + 1> m_actions{};
    QMenu* m_editMenu = nullptr;
    std::vector<Command> m_editMenuCommands;
    std::vector<std::pair<QToolButton*, Command>> m_toolButtons;
    std::array<QAction*, 10> m_backupActions{};
    QList<QMenu*> m_menus;

    QTabWidget* m_toolTabs = nullptr;
    QSplitter* m_splitter = nullptr;
    QStackedWidget* m_sidePages = nullptr;
    QStackedWidget* m_workPages = nullptr;
    CalendarWidget* m_calendar = nullptr;
    QListWidget* m_accountList = nullptr;
    BookGrid* m_bookGrid = nullptr;
    QTabBar* m_monthTabs = nullptr;
    QWidget* m_headerBar = nullptr;
    QLabel* m_bookLabel = nullptr;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_rangeLabel = nullptr;
    LedgerGrid* m_grid = nullptr;
    QCheckBox* m_dayMode = nullptr;
    QCheckBox* m_allBooks = nullptr;
    QLabel* m_tableCaption = nullptr;
    QComboBox* m_tableBooks = nullptr;
    MonthlyGrid* m_monthlyGrid = nullptr;
    SummaryGraph* m_graph = nullptr;
    int m_tableRevision = -1;
    std::array<QLabel*, 8> m_status{};
};

}  // namespace tallyrix
