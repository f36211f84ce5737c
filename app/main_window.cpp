#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QProcess>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/book_dialogs.h"
#include "app/command_table.h"
#include "app/enter_key.h"
#include "app/entry_dialog.h"
#include "app/print_preview.h"
#include "app/print_settings_page.h"
#include "app/settings_dialog.h"
#include "app/title_master_dialog.h"
#include "core/app_title.h"
#include "core/prompter.h"
#include "ledger/periods.h"
#include "widgets/book_grid.h"
#include "widgets/calendar_widget.h"
#include "widgets/gradient_panel.h"
#include "widgets/ledger_grid.h"
#include "widgets/monthly_grid.h"
#include "widgets/summary_graph.h"

namespace tallyrix {
namespace {

QLabel* groupLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(
        QStringLiteral("color:#33415c; background:#dfe6f0; border-radius:3px; padding:1px 6px;"));
    return label;
}

}  // namespace

MainWindow::MainWindow(Prompter& prompter, const Folders& folders, const QStringList& arguments,
                       MainWindowModel::Clock clock, QWidget* parent)
    : QMainWindow(parent),
      m_printer(std::make_unique<QtPrinterService>(this)),
      m_model(std::make_unique<MainWindowModel>(prompter, folders, arguments, std::move(clock))) {
    setObjectName(QStringLiteral("mainWindow"));
    m_model->setWindow(this);
    m_model->setPrinter(*m_printer);
    m_printPages = std::make_unique<PrintPages>(
        *m_model->printPage(), [this](const std::function<void()>& command) { run(command); });
    m_model->initWorkspace();
    setWindowTitle(applicationTitle());
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    const QScreen* screen = QGuiApplication::primaryScreen();
    setGeometry(m_model->initialGeometry(screen ? screen->availableGeometry() : QRect()));

    createActions();
    createMenus();
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(createToolTabs());
    m_splitter = new QSplitter(Qt::Horizontal, central);
    m_splitter->setObjectName(QStringLiteral("splitter"));
    m_splitter->addWidget(createSidePanel());
    m_splitter->addWidget(createWorkArea());
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({247, 1000});
    m_splitter->setCollapsible(0, false);
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] {
        const QList<int> sizes = m_splitter->sizes();
        const int width = m_model->splitterMoved(sizes.value(0));
        if (width != sizes.value(0)) {
            m_splitter->setSizes({width, sizes.value(1)});
        }
        m_sideWidth = width;
    });
    layout->addWidget(m_splitter, 1);
    setCentralWidget(central);
    createStatusBar();
}

MainWindow::~MainWindow() {
    m_model->setWindow(nullptr);
}

QMenu* MainWindow::menu(int index) const {
    return index >= 0 && index < m_menus.size() ? m_menus[index] : nullptr;
}

void MainWindow::run(const std::function<void()>& command) {
    // The door of every command: whatever goes wrong is told, and the window
    // then shows the state the command left.
    try {
        command();
    } catch (const std::exception& error) {
        reportError(m_model->prompter(), error);
    }
    refreshView();
}

bool MainWindow::commandEnabled(Command command) const {
    const CommandEntry& entry = commandEntry(command);
    return !entry.enabled || entry.enabled(*m_model);
}

void MainWindow::runCommand(Command command) {
    if (!commandEnabled(command)) {
        return;
    }
    run([this, command] { commandEntry(command).run(*m_model); });
}

QAction* MainWindow::action(Command command) const {
    return m_actions[static_cast<size_t>(command)];
}

void MainWindow::createActions() {
    for (const CommandEntry& entry : commandTable()) {
        auto* action = new QAction(entry.caption, this);
        action->setObjectName(QLatin1String(entry.name));
        action->setData(static_cast<int>(entry.command));
        if (entry.shortcutShownOnly) {
            // The menu shows the key, but the key runs the command that owns it.
            action->setText(entry.caption + u'\t' +
                            entry.shortcut.toString(QKeySequence::NativeText));
        } else if (!entry.shortcut.isEmpty()) {
            action->setShortcut(entry.shortcut);
        }
        connect(action, &QAction::triggered, this,
                [this, command = entry.command] { runCommand(command); });
        addAction(action);
        m_actions[static_cast<size_t>(entry.command)] = action;
    }
    for (int n = 1; n <= BackupMenu::kEntries; ++n) {
        auto* action = new QAction(QStringLiteral("---"), this);
        action->setObjectName(QStringLiteral("restoreBackup%1").arg(n));
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key(Qt::Key_F1 + n - 1)));
        connect(action, &QAction::triggered, this,
                [this, n] { run([this, n] { m_model->restoreBackup(n); }); });
        addAction(action);
        m_backupActions[static_cast<size_t>(n - 1)] = action;
    }
}

void MainWindow::createMenus() {
    for (const MenuSpec& spec : mainMenu()) {
        QMenu* top = menuBar()->addMenu(spec.title);
        m_menus.append(top);
        const auto add = [&](QMenu* menu, Command command) {
            menu->addAction(action(command));
            if (spec.followsEditMenuState) {
                m_editMenuCommands.push_back(command);
            }
        };
        for (const MenuItem& item : spec.items) {
            switch (item.kind) {
                case MenuItem::Kind::Separator:
                    top->addSeparator();
                    break;
                case MenuItem::Kind::Command:
                    add(top, item.command);
                    break;
                case MenuItem::Kind::Submenu: {
                    QMenu* sub = top->addMenu(item.submenuTitle);
                    for (Command command : item.submenu) {
                        add(sub, command);
                    }
                    break;
                }
            }
        }
        if (spec.followsEditMenuState) {
            m_editMenu = top;
        }
        if (spec.holdsBackupEntries) {
            for (QAction* a : m_backupActions) {
                top->addAction(a);
            }
        }
    }
}

QWidget* MainWindow::createToolTab(const ToolTabSpec& tab) {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(4, 4, 4, 4);
    row->addWidget(new TitleBlock);
    for (const ToolGroupSpec& group : tab.groups) {
        auto* box = new QVBoxLayout;
        auto* buttons = new QHBoxLayout;
        for (const ToolButtonSpec& b : group.buttons) {
            const CommandEntry& entry = commandEntry(b.command);
            auto* button = new QToolButton;
            button->setObjectName(QStringLiteral("button_") + QLatin1String(entry.name));
            button->setProperty("command", static_cast<int>(b.command));
            button->setText(b.caption.isEmpty() ? entry.caption : b.caption);
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
            button->setMinimumSize(72, 48);
            button->setAutoRaise(true);
            // A grey menu greys its items and their keys, not the tool buttons:
            // they run the command itself.
            connect(button, &QToolButton::clicked, this,
                    [this, command = b.command] { runCommand(command); });
            buttons->addWidget(button);
            m_toolButtons.push_back({button, b.command});
        }
        if (group.searchBoxes) {
            auto* boxes = new QVBoxLayout;
            m_dayMode = new QCheckBox(commandEntry(Command::ToggleDayMode).caption);
            m_dayMode->setObjectName(QStringLiteral("dayMode"));
            m_allBooks = new QCheckBox(QStringLiteral("全帳簿から検索"));
            m_allBooks->setObjectName(QStringLiteral("allBooks"));
            connect(m_dayMode, &QCheckBox::clicked, this,
                    [this] { runCommand(Command::ToggleDayMode); });
            connect(m_allBooks, &QCheckBox::clicked, this,
                    [this](bool on) { run([this, on] { m_model->search().setAllBooks(on); }); });
            boxes->addWidget(m_dayMode);
            boxes->addWidget(m_allBooks);
            buttons->insertLayout(0, boxes);
        }
        box->addLayout(buttons);
        box->addWidget(groupLabel(group.label));
        row->addLayout(box);
    }
    row->addStretch(1);
    return page;
}

QWidget* MainWindow::createToolTabs() {
    m_toolTabs = new QTabWidget;
    m_toolTabs->setObjectName(QStringLiteral("toolTabs"));
    m_toolTabs->setDocumentMode(true);
    m_toolTabs->setFixedHeight(118);
    for (const ToolTabSpec& tab : toolTabs()) {
        m_toolTabs->addTab(createToolTab(tab), tab.title);
    }
    m_toolTabs->setCurrentIndex(static_cast<int>(MainWindowModel::ToolTab::CashBook));
    const auto choose = [this](int index) {
        run([this, index] {
            m_model->toolTabChanged(static_cast<MainWindowModel::ToolTab>(index));
        });
    };
    connect(m_toolTabs, &QTabWidget::currentChanged, this, choose);
    // A click on the tab already chosen chooses it again: after Ctrl+E on the
    // cash-book tab it brings the ledger back.
    connect(m_toolTabs, &QTabWidget::tabBarClicked, this, [this, choose](int index) {
        if (index >= 0 && index == m_toolTabs->currentIndex()) {
            choose(index);
        }
    });
    return m_toolTabs;
}

QWidget* MainWindow::createSidePanel() {
    m_sidePages = new QStackedWidget;
    m_sidePages->setObjectName(QStringLiteral("sidePages"));
    m_sidePages->setMinimumWidth(1);

    auto* accounts = new QWidget;
    accounts->setObjectName(QStringLiteral("科目指定"));
    auto* column = new QVBoxLayout(accounts);
    column->setContentsMargins(2, 2, 2, 2);
    m_calendar = new CalendarWidget(m_model->calendar());
    m_calendar->setObjectName(QStringLiteral("calendar"));
    column->addWidget(m_calendar);
    column->addWidget(groupLabel(QStringLiteral("科目別集計")));
    m_accountList = new QListWidget;
    m_accountList->setObjectName(QStringLiteral("accountList"));
    column->addWidget(m_accountList, 1);
    column->addWidget(groupLabel(QStringLiteral("各帳簿別残高")));
    m_bookGrid = new BookGrid;
    m_bookGrid->setObjectName(QStringLiteral("bookPanel"));
    m_bookGrid->setMinimumHeight(90);
    column->addWidget(m_bookGrid);
    m_sidePages->addWidget(accounts);

    m_sidePages->addWidget(m_printPages->settingsPage());

    connect(m_calendar, &CalendarWidget::dayClicked, this, [this](int cell, bool shift) {
        run([this, cell, shift] { m_model->calendarDayClicked(cell, shift); });
    });
    connect(m_calendar, &CalendarWidget::previousClicked, this,
            [this] { run([this] { m_model->calendarPrevious(); }); });
    connect(m_calendar, &CalendarWidget::nextClicked, this,
            [this] { run([this] { m_model->calendarNext(); }); });
    connect(m_calendar, &CalendarWidget::todayClicked, this,
            [this] { run([this] { m_model->calendarToday(); }); });
    connect(m_accountList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = m_accountList->row(item);
        run([this, row] { m_model->accountListClick(row); });
    });
    onEnterKey(m_accountList, [this] {
        const int row = m_accountList->currentRow();
        run([this, row] { m_model->accountListClick(row); });
    });
    connect(m_calendar, &CalendarWidget::daysStepped, this,
            [this](int days) { run([this, days] { m_model->calendarStep(days); }); });
    return m_sidePages;
}

QWidget* MainWindow::createWorkArea() {
    m_workPages = new QStackedWidget;
    m_workPages->setObjectName(QStringLiteral("workPages"));

    auto* ledgerPage = new QWidget;
    ledgerPage->setObjectName(QStringLiteral("現金出納帳"));
    auto* column = new QVBoxLayout(ledgerPage);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_monthTabs = new QTabBar;
    m_monthTabs->setObjectName(QStringLiteral("monthTabs"));
    m_monthTabs->setExpanding(false);
    column->addWidget(m_monthTabs);

    m_headerBar = new QWidget;
    m_headerBar->setObjectName(QStringLiteral("headerBar"));
    m_headerBar->setAutoFillBackground(true);
    m_headerBar->setFixedHeight(30);
    auto* header = new QHBoxLayout(m_headerBar);
    header->setContentsMargins(8, 0, 8, 0);
    m_bookLabel = new QLabel;
    m_bookLabel->setObjectName(QStringLiteral("bookLabel"));
    QFont big = m_bookLabel->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    m_bookLabel->setFont(big);
    m_titleLabel = new QLabel;
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    m_rangeLabel = new QLabel;
    m_rangeLabel->setObjectName(QStringLiteral("rangeLabel"));
    header->addWidget(m_bookLabel);
    header->addSpacing(24);
    header->addWidget(m_titleLabel);
    header->addStretch(1);
    header->addWidget(m_rangeLabel);
    column->addWidget(m_headerBar);

    m_grid = new LedgerGrid;
    m_grid->setObjectName(QStringLiteral("ledgerGrid"));
    column->addWidget(m_grid, 1);
    m_workPages->addWidget(ledgerPage);

    m_workPages->addWidget(createTablePage());
    m_workPages->addWidget(m_printPages->preview());
    m_workPages->addWidget(createGraphPage());

    connect(m_monthTabs, &QTabBar::currentChanged, this, [this](int k) {
        if (!m_refreshingTabs) {
            run([this, k] { m_model->ledger().tabChosen(k); });
        }
    });
    connect(m_monthTabs, &QTabBar::tabBarClicked, this, [this](int k) {
        if (k >= 0 && k == m_monthTabs->currentIndex()) {
            run([this, k] { m_model->ledger().tabChosen(k); });
        }
    });
    connect(m_grid, &LedgerGrid::rowDoubleClicked, this, [this](int row) {
        run([this, row] {
            m_model->ledger().selectRow(row);
            m_model->editEntry();
        });
    });
    connect(m_grid, &LedgerGrid::contextMenuRequested, this, [this](int row, const QPoint& pos) {
        m_model->ledger().selectRow(row);
        QMenu popup(this);
        for (Command command : ledgerPopupMenu()) {
            popup.addAction(action(command));
        }
        popup.exec(pos);
    });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                // Only the user's moves count; a refresh puts the model's row back itself.
                if (current.isValid() && !m_refreshing) {
                    m_model->ledger().selectRow(m_grid->selectedRow());
                }
            });
    return m_workPages;
}

QWidget* MainWindow::createTablePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("月別一覧表"));
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* bar = new GradientPanel;
    bar->setObjectName(QStringLiteral("tableBar"));
    bar->setFixedHeight(30);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 0, 8, 0);
    m_tableCaption = new QLabel;
    m_tableCaption->setObjectName(QStringLiteral("tableCaption"));
    QFont big = m_tableCaption->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    m_tableCaption->setFont(big);
    m_tableBooks = new QComboBox;
    m_tableBooks->setObjectName(QStringLiteral("notes_select"));
    m_tableBooks->setMinimumWidth(200);
    row->addWidget(m_tableCaption);
    row->addStretch(1);
    row->addWidget(new QLabel(QStringLiteral("帳簿")));
    row->addWidget(m_tableBooks);
    column->addWidget(bar);

    m_monthlyGrid = new MonthlyGrid;
    m_monthlyGrid->setObjectName(QStringLiteral("monthlyGrid"));
    column->addWidget(m_monthlyGrid, 1);

    connect(m_tableBooks, &QComboBox::activated, this,
            [this](int index) { run([this, index] { m_model->chooseTableBook(index); }); });
    connect(m_monthlyGrid, &MonthlyGrid::rowDoubleClicked, this,
            [this](int row) { run([this, row] { m_model->openTableRow(row); }); });
    connect(m_monthlyGrid, &MonthlyGrid::columnWidthChanged, this,
            [this](int column, int width) { m_model->setTableColumnWidth(column, width); });
    connect(m_monthlyGrid, &MonthlyGrid::contextMenuRequested, this, [this](const QPoint& pos) {
        QMenu popup(this);
        for (Command command : ledgerPopupMenu()) {
            popup.addAction(action(command));
        }
        popup.exec(pos);
    });
    return page;
}

QWidget* MainWindow::createGraphPage() {
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("入出金グラフ"));
    scroll->setFrameShape(QFrame::NoFrame);
    m_graph = new SummaryGraph;
    m_graph->setObjectName(QStringLiteral("summaryGraph"));
    scroll->setWidget(m_graph);
    scroll->setWidgetResizable(true);
    return scroll;
}

void MainWindow::createStatusBar() {
    static const int kWidths[] = {60, 120, 40, 380, 60, 160, 60, 40};
    for (size_t i = 0; i < m_status.size(); ++i) {
        auto* label = new QLabel;
        label->setObjectName(QStringLiteral("status%1").arg(i));
        label->setMinimumWidth(kWidths[i]);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addWidget(label, i == 3 ? 1 : 0);
        m_status[i] = label;
    }
}

void MainWindow::refreshMonthTabs() {
    m_refreshingTabs = true;
    const QStringList captions = m_model->ledger().tabCaptions();
    while (m_monthTabs->count() > captions.size()) {
        m_monthTabs->removeTab(m_monthTabs->count() - 1);
    }
    for (int i = 0; i < captions.size(); ++i) {
        if (i < m_monthTabs->count()) {
            m_monthTabs->setTabText(i, captions[i]);
        } else {
            m_monthTabs->addTab(captions[i]);
        }
    }
    m_monthTabs->setCurrentIndex(m_model->ledger().selectedTab());
    m_refreshingTabs = false;
}

void MainWindow::refreshBackupMenu() {
    const BackupMenu& menu = m_model->files().backupMenu();
    for (int n = 1; n <= BackupMenu::kEntries; ++n) {
        m_backupActions[static_cast<size_t>(n - 1)]->setText(menu[n].caption);
    }
}

void MainWindow::refreshTablePages() {
    const MonthlyTableModel& table = m_model->table();
    m_tableCaption->setText(table.sideCaption());
    QStringList names;
    for (const TableBookItem& item : table.books()) {
        names.append(item.name);
    }
    QStringList shown;
    for (int i = 0; i < m_tableBooks->count(); ++i) {
        shown.append(m_tableBooks->itemText(i));
    }
    if (shown != names) {
        m_tableBooks->clear();
        m_tableBooks->addItems(names);
    }
    m_tableBooks->setCurrentIndex(table.bookIndex());
    const TableColumnWidths& widths = table.columnWidths();
    m_monthlyGrid->setColumnWidths(QList<int>(widths.widths.begin(), widths.widths.end()));
    // A table is rebuilt only when it was computed again, so the grid keeps its
    // scroll position through other commands.
    const bool red = m_model->ledger().state().redNegatives;
    if (table.revision() != m_tableRevision || red != m_monthlyGrid->gridModel().redNegatives()) {
        m_tableRevision = table.revision();
        m_monthlyGrid->setTable(table.table(), red);
        m_graph->setFigures(table.summary());
    }
}

void MainWindow::refreshPages() {
    const auto page = m_model->workPage();
    m_workPages->setCurrentIndex(static_cast<int>(page));
    m_sidePages->setCurrentIndex(m_model->sidePage() == MainWindowModel::SidePage::Accounts ? 0
                                                                                            : 1);
    const bool sideShown = m_model->sidePanelVisible();
    if (sideShown == m_sidePages->isHidden()) {
        // A hidden pane has no width in the splitter: its width is kept here while
        // it is away, and given back when it returns.
        if (!sideShown) {
            m_sideWidth = std::max(1, m_splitter->sizes().value(0));
        }
        m_sidePages->setVisible(sideShown);
        if (sideShown) {
            const QList<int> sizes = m_splitter->sizes();
            m_splitter->setSizes({m_sideWidth, std::max(1, sizes.value(1) - m_sideWidth)});
        }
    }
    refreshCommandStates();
}

void MainWindow::refreshCommandStates() {
    // Each command's own rule, and for the items of "編集＆検索(&E)" the menu's state.
    const bool editMenu = m_model->editMenuEnabled();
    m_editMenu->setEnabled(editMenu);
    for (const CommandEntry& entry : commandTable()) {
        action(entry.command)->setEnabled(commandEnabled(entry.command));
    }
    for (Command command : m_editMenuCommands) {
        action(command)->setEnabled(editMenu && commandEnabled(command));
    }
    for (const auto& [button, command] : m_toolButtons) {
        button->setEnabled(commandEnabled(command));
    }
}

void MainWindow::refreshView() {
    const QScopedValueRollback<bool> refreshing(m_refreshing, true);
    LedgerModel& ledger = m_model->ledger();
    const ViewState& state = ledger.state();
    m_grid->setRows(ledger.rows(), state.redNegatives);
    m_grid->selectRowAt(ledger.selectedRow());
    m_titleLabel->setText(ledger.titleLabel());
    m_rangeLabel->setText(ledger.rangeLabel());
    m_bookLabel->setText(ledger.bookLabel());
    QPalette palette = m_headerBar->palette();
    const QPixmap picture(m_model->folders().installFile(ledger.headerPicture()));
    palette.setBrush(QPalette::Window,
                     picture.isNull() ? QBrush(QColor(0xdf, 0xe6, 0xf0)) : QBrush(picture));
    m_headerBar->setPalette(palette);
    const QStringList panels = m_model->statusPanels().inOrder();
    for (size_t i = 0; i < m_status.size(); ++i) {
        m_status[i]->setText(panels.value(static_cast<qsizetype>(i)));
    }
    m_bookGrid->setRows(ledger.bookPanel());

    const QStringList& titles = m_model->accountTitles();
    QStringList shown;
    for (int i = 0; i < m_accountList->count(); ++i) {
        shown.append(m_accountList->item(i)->text());
    }
    if (shown != titles) {
        m_accountList->clear();
        m_accountList->addItems(titles);
    }
    if (state.accountFilter.isEmpty()) {
        m_accountList->clearSelection();
    }
    m_dayMode->setChecked(state.dayMode);
    m_allBooks->setChecked(state.allBooksMode);
    refreshMonthTabs();
    m_calendar->refresh();
    refreshBackupMenu();
    if (m_model->workPage() == MainWindowModel::WorkPage::PrintPreview) {
        m_printPages->refresh();
    }
    refreshTablePages();
    refreshPages();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_prepared) {
        m_prepared = true;
        // Once the window stands on the screen, so that the start-up notices appear over it.
        QTimer::singleShot(0, this, [this] {
            m_model->ledger().setVisibleRowCount(m_grid->visibleRowCount());
            m_model->prepareMainWindow();
            refreshView();
        });
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_model->confirmClose(geometry())) {
        event->accept();
    } else {
        event->ignore();
    }
    refreshView();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (m_grid) {
        m_model->ledger().setVisibleRowCount(m_grid->visibleRowCount());
    }
}

void MainWindow::beep() {
    m_dialogs.beep();
}

void MainWindow::showLedgerPage() {
    refreshPages();
}

void MainWindow::calendarShows(const QDate&) {
    m_calendar->refresh();
}

void MainWindow::showEntryDialog(EntryDialogModel& dialog) {
    const QScopedValueRollback<bool> shown(m_entryDialogShown, true);
    m_dialogs.showEntryDialog(dialog);
    refreshView();
}

void MainWindow::ledgerRefreshed() {
    // With continuous input the dialog stays open over the window: each entry it
    // registers shows in the ledger and the book panel at once. Other commands
    // show their result when they end.
    if (m_entryDialogShown && !m_refreshing) {
        refreshView();
    }
}

void MainWindow::showBookChoice(BookChoiceModel& dialog) {
    m_dialogs.showBookChoice(dialog);
}

void MainWindow::showBookData(BookDataModel& dialog) {
    m_dialogs.showBookData(dialog);
}

void MainWindow::showTitleEditor(TitleEditorModel& editor) {
    m_dialogs.showTitleEditor(editor);
}

void MainWindow::showTitleMaster(TitleMasterModel& dialog) {
    m_dialogs.showTitleMaster(dialog);
}

void MainWindow::showSettingsDialog(SettingsDialogModel& dialog) {
    m_dialogs.showSettingsDialog(dialog);
}

Layout MainWindow::currentLayout() const {
    Layout layout;
    layout.leftPanelWidth =
        m_sidePages->isHidden() ? m_sideWidth : std::max(1, m_splitter->sizes().value(0));
    const QList<int> widths = m_grid->columnWidths();
    for (int i = 0; i < Layout::kLedgerColumns && i < widths.size(); ++i) {
        layout.ledgerColumnWidths[static_cast<size_t>(i)] = widths[i];
    }
    layout.bookGridWidths = {m_bookGrid->columnWidth(1), m_bookGrid->columnWidth(2)};
    layout.sidePagesWidth = m_sidePages->width();
    return layout;
}

void MainWindow::applyLayout(const Layout& layout) {
    m_sideWidth = std::max(1, layout.leftPanelWidth);
    if (!m_sidePages->isHidden()) {
        const QList<int> sizes = m_splitter->sizes();
        m_splitter->setSizes({m_sideWidth, std::max(sizes.value(1), 1)});
    }
    m_grid->setColumnWidths(
        QList<int>(layout.ledgerColumnWidths.begin(), layout.ledgerColumnWidths.end()));
    m_bookGrid->setColumnWidth(1, layout.bookGridWidths[0]);
    m_bookGrid->setColumnWidth(2, layout.bookGridWidths[1]);
}

void MainWindow::closeWindow() {
    close();
}

void MainWindow::startProgram(const QString& program) {
    if (program != QLatin1String("calculator")) {
        QProcess::startDetached(program, {});
        return;
    }
    // The desktop's own calculator, the first one found.
    for (const char* name : {"gnome-calculator", "kcalc", "galculator", "xcalc"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty()) {
            QProcess::startDetached(path, {});
            return;
        }
    }
}

void MainWindow::openDocument(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace tallyrix
