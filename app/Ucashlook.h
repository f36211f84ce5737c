#pragma once

#include <QHash>
#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>

#include "app/cashlook_model.h"
#include "core/folders.h"

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QSplitter;
class QStackedWidget;
class QTabBar;
class QTabWidget;
class QCheckBox;

namespace tallyrix {

class BookGrid;
class CalendarWidget;
class LedgerGrid;
class Prompter;

// The main window: shows its model and forwards every command and click to it.
class Tfcashlook : public QMainWindow, public CashlookWindow {
    Q_OBJECT
public:
    static constexpr int kMinimumWidth = CashlookModel::kMinimumWidth;
    static constexpr int kMinimumHeight = CashlookModel::kMinimumHeight;

    Tfcashlook(Prompter& prompter, const Folders& folders, const QStringList& arguments,
               CashlookModel::Clock clock = &QDateTime::currentDateTime, QWidget* parent = nullptr);
    ~Tfcashlook() override;

    CashlookModel& model() { return *m_model; }
    const QString& commandLineFile() const { return m_model->commandLineFile(); }
    const Folders& folders() const { return m_model->folders(); }
    // The action of a command, by its name ("fileopen", "datainput", ...).
    QAction* action(const QString& name) const { return m_actions.value(name); }
    QMenu* menu(int index) const;
    // Re-reads the model into every part of the window.
    void refreshView();

    // What the model asks of the window.
    void beep() override;
    void showLedgerPage() override;
    void calendarShows(const QDate& date) override;
    void showModal(Tfdatain& dialog) override;
    void ledgerRefreshed() override;
    void showNotesSelect(Tfnotes_select& dialog) override;
    void showNoteData(TfnotesData& dialog) override;
    void showTitleEditor(Tfedit_dlg& editor) override;
    void showTitleMaster(TFkamokureg& dialog) override;
    void showSettingsModal(Tfclconfig& dialog) override;
    Layout currentLayout() const override;
    void applyLayout(const Layout& layout) override;
    void startProgram(const QString& program) override;
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
    void createStatusBar();
    // Runs a command of the model and shows what it changed.
    void run(const std::function<void()>& command);
    void bind(const QString& name, const std::function<void()>& command);
    void refreshMonthTabs();
    void refreshBackupMenu();
    void refreshPages();

    std::unique_ptr<CashlookModel> m_model;
    bool m_prepared = false;
    bool m_refreshingTabs = false;
    bool m_refreshing = false;
    bool m_entryDialogShown = false;
    // The side pane's width when shown; kept while the pane is hidden.
    int m_sideWidth = 247;
    QHash<QString, std::function<void()>> m_handlers;
    QHash<QString, QAction*> m_actions;
    QList<QAction*> m_editActions;
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
    std::array<QLabel*, 8> m_status{};
};

}  // namespace tallyrix
