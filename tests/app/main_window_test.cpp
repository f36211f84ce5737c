#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QTabBar>
#include <QTest>

#include "app/program.h"
#include "core/line_store.h"
#include "core/scripted_prompter.h"
#include "tests/support/gui_events.h"
#include "tests/support/temp_dir.h"
#include "widgets/ledger_grid.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

const QDateTime kNow(QDate(2015, 5, 10), QTime(9, 30));

QString buildInstallFolder() {
    return installFolderFor(QStringLiteral(TALLYRIX_BIN_DIR));
}

// The main window on a data folder of its own, shown on the offscreen screen.
class MainWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<MainWindow> start(const QStringList& arguments = {
                                          QStringLiteral("tallyrix6")}) {
        auto window =
            std::make_unique<MainWindow>(prompter, folders, arguments, [] { return kNow; });
        window->show();
        QApplication::setActiveWindow(window.get());
        QCoreApplication::processEvents();  // the start-up sequence follows the first show
        return window;
    }
    QString yearCopy(const QString& name) {
        const QString path = years.file(name);
        QFile::copy(fixture("yearfile/" + name), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }
    QStringList noticeTexts() const {
        QStringList texts;
        for (const auto& r : prompter.records()) {
            if (r.kind == ScriptedPrompter::Kind::Notice) {
                texts.append(r.text);
            }
        }
        return texts;
    }

    TempDir tmp;
    TempDir years;
    Folders folders{buildInstallFolder(), tmp.file("data/orbelle/tallyrix6")};
    ScriptedPrompter prompter;
};

TEST_F(MainWindowTest, AFirstStartProvisionsAndPreparesAnEmptyYear) {
    auto window = start();
    EXPECT_TRUE(QFile::exists(folders.dataFile("cldata/kamoku1.dat")));
    EXPECT_TRUE(QFile::exists(folders.dataFile("config/SDAYLIST.DAT")));
    EXPECT_EQ(noticeTexts(), QStringList{"環境設定にて開始月と締日を設定して下さい"});
    auto* tabs = window->findChild<QTabBar*>(QStringLiteral("monthTabs"));
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 13);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("ALL"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("1月"));
    EXPECT_EQ(tabs->tabText(12), QStringLiteral("12月"));
    EXPECT_EQ(tabs->currentIndex(), 5);  // May
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tallyrix6-Tallyrix Version6"));
    EXPECT_EQ(window->minimumSize(), QSize(1279, 749));
    EXPECT_FALSE(window->model().accountTitles().isEmpty());
    EXPECT_EQ(window->model().statusPanels().bookKind, QStringLiteral("現金"));
    EXPECT_EQ(window->model().statusPanels().bookName, QStringLiteral("現金出納帳"));
}

TEST_F(MainWindowTest, TheCommandLineFileOpensAndWins) {
    QDir().mkpath(folders.dataFile("ini"));
    const QString last = yearCopy("pocket_2015.exv");
    const QString given = yearCopy("business_2015.exv");
    writeBytes(folders.dataFile("ini/backup.conf"), ("[Last_Filename]=" + last + "\r\n").toUtf8());
    auto window = start({QStringLiteral("tallyrix6"), given});
    EXPECT_EQ(window->model().workspace().currentFilePath, given);
    EXPECT_EQ(window->model().workspace().mainTitle(), QStringLiteral("現金出納帳"));
    EXPECT_TRUE(noticeTexts().isEmpty());
    auto* tabs = window->findChild<QTabBar*>(QStringLiteral("monthTabs"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("4月"));
    EXPECT_EQ(tabs->currentIndex(), 2);  // "5月", the month of today
}

TEST_F(MainWindowTest, TheLastFileOpensWithStartOptionOne) {
    QDir().mkpath(folders.dataFile("ini"));
    const QString last = yearCopy("pocket_2015.exv");
    writeBytes(folders.dataFile("ini/backup.conf"), ("[Last_Filename]=" + last + "\r\n").toUtf8());
    auto window = start();
    EXPECT_EQ(window->model().workspace().mainTitle(), QStringLiteral("おこづかい帳"));
    EXPECT_TRUE(noticeTexts().isEmpty());
}

TEST_F(MainWindowTest, TheCloseGuardAsksAndWritesThePlacementInAnyCase) {
    const QString path = yearCopy("business_2015.exv");
    const struct {
        DialogResult answer;
        bool closes;
        bool saved;
    } cases[] = {{DialogResult::Cancel, false, false},
                 {DialogResult::No, true, false},
                 {DialogResult::Yes, true, true}};
    for (const auto& c : cases) {
        auto window = start({QStringLiteral("tallyrix6"), path});
        window->model().workspace().entries.remove(0);
        window->model().workspace().modified = true;
        QFile::remove(folders.dataFile("ini/tallyrix6.ini"));
        prompter.clear();
        prompter.answer(c.answer);
        EXPECT_EQ(window->close(), c.closes);
        ASSERT_GE(prompter.records().size(), 1u);
        EXPECT_EQ(prompter.records()[0].text,
                  QStringLiteral("データが変更されています。現在の状態を保存しますか？"));
        EXPECT_EQ(prompter.records()[0].buttons, (QStringList{"はい", "いいえ", "キャンセル"}));
        EXPECT_TRUE(QFile::exists(folders.dataFile("ini/tallyrix6.ini")));
        EXPECT_TRUE(QFile::exists(folders.dataFile("ini/backup.conf")));
        LineStore saved;
        saved.loadFromFile(path);
        EXPECT_EQ(saved.count() == 22, c.saved);  // one entry line fewer
    }
}

class ShortcutTest : public MainWindowTest {
protected:
    void SetUp() override {
        path = yearCopy("business_2015.exv");
        window = start({QStringLiteral("tallyrix6"), path});
        prompter.clear();
        prompter.setCancelWhenUnscripted(true);
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    ScriptedPrompter::Kind lastKind() const { return prompter.records().back().kind; }
    QString path;
    std::unique_ptr<MainWindow> window;
};

TEST_F(ShortcutTest, CtrlOOpensAFileAndCtrlBShowsTheRelease) {
    press(Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(lastKind(), ScriptedPrompter::Kind::OpenFile);
    press(Qt::Key_B, Qt::ControlModifier);
    ASSERT_EQ(prompter.records().size(), 2u);
    EXPECT_EQ(prompter.records()[1].title, QStringLiteral("バージョン情報"));
    EXPECT_TRUE(prompter.records()[1].text.startsWith(QStringLiteral("ReleaseVersion 20180701A")));
    EXPECT_TRUE(window->action(Command::ExportCsv)->shortcut().isEmpty());
    EXPECT_TRUE(window->action(Command::ExportCsv)->text().endsWith(QStringLiteral("Ctrl+O")));
}

TEST_F(ShortcutTest, TheEditMenuKeysRunOnlyWhileTheMenuIsEnabled) {
    window->model().ledger().state().descriptionFilter = QStringLiteral("x");
    window->model().ledger().refresh();
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("toolTabs"));
    tabs->setCurrentIndex(2);  // the monthly table: the edit menu is disabled
    EXPECT_FALSE(window->menu(1)->isEnabled());
    press(Qt::Key_F5);
    press(Qt::Key_Escape);
    EXPECT_TRUE(prompter.records().empty());
    EXPECT_EQ(window->model().ledger().state().descriptionFilter, QStringLiteral("x"));
    window->model().search().setAllBooks(true);
    press(Qt::Key_F, Qt::ControlModifier);  // the search itself is no menu item
    EXPECT_EQ(window->model().workspace().currentBook, allBooks());

    tabs->setCurrentIndex(1);  // the cash book again
    EXPECT_TRUE(window->menu(1)->isEnabled());
    press(Qt::Key_Escape);
    EXPECT_FALSE(window->model().ledger().state().anyFilter());
    EXPECT_EQ(window->model().workspace().currentBook, window->model().workspace().mainBook());
}

TEST_F(ShortcutTest, PageKeysMoveTheSelectionBeforeTheGridSeesThem) {
    auto* grid = window->findChild<LedgerGrid*>(QStringLiteral("ledgerGrid"));
    grid->setFocus();
    window->model().ledger().showPeriod(4);
    window->refreshView();
    press(Qt::Key_PageDown);
    EXPECT_EQ(window->model().ledger().selectedRow(), 3);  // the row above the carry-out row
    press(Qt::Key_PageUp);
    EXPECT_EQ(window->model().ledger().selectedRow(), 0);
}

TEST_F(ShortcutTest, TheCalendarMovesByArrowsAndTheTitleListChoosesOnEnter) {
    auto* calendar = window->findChild<QWidget*>(QStringLiteral("calendar"));
    LedgerModel& ledger = window->model().ledger();
    ledger.chooseDay(QDate(2015, 4, 30), false);
    calendar->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), calendar);
    press(Qt::Key_Right);  // a move is a day click: May's period shows
    EXPECT_EQ(ledger.state().selectedDate, QDate(2015, 5, 1));
    EXPECT_EQ(ledger.state().currentMonth, 5);
    EXPECT_EQ(window->model().calendar().shownMonth(), QDate(2015, 5, 1));
    press(Qt::Key_Up);
    EXPECT_EQ(ledger.state().selectedDate, QDate(2015, 4, 24));
    EXPECT_EQ(ledger.state().currentMonth, 4);
    // Page Up and Page Down stay the ledger's commands.
    press(Qt::Key_PageDown);
    EXPECT_EQ(ledger.state().selectedDate, QDate(2015, 4, 24));
    EXPECT_EQ(ledger.selectedRow(), 3);
    EXPECT_TRUE(prompter.records().empty());

    auto* titles = window->findChild<QListWidget*>(QStringLiteral("accountList"));
    titles->setFocus();
    titles->setCurrentRow(3);
    press(Qt::Key_Return);
    EXPECT_EQ(ledger.state().accountFilter, titles->item(3)->text());
    EXPECT_FALSE(ledger.state().accountFilter.isEmpty());
}

}  // namespace

#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace {

// The settings dialog from the main window: its refusals keep it open, and an
// apply closes it and the window re-reads the settings.
TEST_F(MainWindowTest, SettingsRefuseThenApplyAndAreReadAgain) {
    const QString path = yearCopy("business_2015.exv");
    auto window = start({QStringLiteral("tallyrix6"), path});
    prompter.clear();
    QStringList seen;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        auto* year = dialog->findChild<QSpinBox*>(QStringLiteral("startYear"));
        auto* apply = dialog->findChild<QPushButton*>(QStringLiteral("applyButton"));
        auto* may = dialog->findChild<QDateEdit*>(QStringLiteral("periodStart5"));
        ASSERT_TRUE(year && apply && may);

        year->setValue(1899);
        apply->click();
        year->setValue(2015);
        may->setDate(QDate(2015, 4, 10));  // "5月" starts before "4月" ends
        apply->click();
        may->setDate(QDate(2015, 4, 21));
        typeText(dialog->findChild<QLineEdit*>(QStringLiteral("companyName")),
                 QStringLiteral("山田商店"));
        seen = noticeTexts();
        apply->click();
    });
    window->action(Command::ShowSettings)->trigger();
    EXPECT_EQ(seen,
              (QStringList{"開始年度が小さすぎます。", "5月の締日設定：前月より前になっています"}));
    EXPECT_EQ(noticeTexts().last(), QStringLiteral("環境設定を登録しました。"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(window->model().statusPanels().companyName, QStringLiteral("山田商店"));
    EXPECT_TRUE(window->model().workspace().modified);
    LineStore conf;
    conf.loadFromFile(folders.dataFile("tallyrix.conf"));
    EXPECT_EQ(conf.at(1), QStringLiteral("[COMPANY_NAME]=山田商店"));
}

TEST_F(MainWindowTest, SettingsAreRefusedDuringATitleSearch) {
    auto window = start({QStringLiteral("tallyrix6"), yearCopy("business_2015.exv")});
    prompter.clear();
    window->model().search().accountListClick(QStringLiteral("売上"));
    window->action(Command::ShowSettings)->trigger();
    EXPECT_EQ(noticeTexts(), QStringList{"科目検索指定時は環境設定の変更はできません"});
}

}  // namespace

namespace {

// Closing the settings dialog re-reads the start settings, but the last file
// name stays that of the year open now, so the next start opens it again.
TEST_F(MainWindowTest, TheSettingsDialogKeepsTheLastFileName) {
    QDir().mkpath(folders.dataFile("ini"));
    const QString older = yearCopy("pocket_2015.exv");
    writeBytes(folders.dataFile("ini/backup.conf"), ("[Last_Filename]=" + older + "\r\n").toUtf8());
    const QString given = yearCopy("business_2015.exv");
    auto window = start({QStringLiteral("tallyrix6"), given});
    ASSERT_EQ(window->model().files().backupMenu().lastFileName, given);
    whenModalShows([](QWidget* dialog) {
        dialog->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    });
    window->action(Command::ShowSettings)->trigger();
    EXPECT_EQ(window->model().files().backupMenu().lastFileName, given);
    window->close();
    LineStore list;
    list.loadFromFile(folders.dataFile("ini/backup.conf"));
    EXPECT_EQ(list.at(20), "[Last_Filename]=" + given);
}

}  // namespace

#include <QDialog>
#include <QSplitter>
#include <QStackedWidget>
#include <QToolButton>

#include "ledger/periods.h"

namespace {

// The main window on the business year (start month 4, today 2015/05/10).
class OpenYearTest : public MainWindowTest {
protected:
    void SetUp() override {
        path = yearCopy("business_2015.exv");
        window = start({QStringLiteral("tallyrix6"), path});
        prompter.clear();
    }
    template <class T>
    T* child(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void clickTab(QTabBar* bar, int index) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        QCoreApplication::processEvents();
    }
    MainWindowModel& model() { return window->model(); }

    QString path;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, TheBackupMenuListsItsTenEntriesNewestFirst) {
    QDir().mkpath(folders.dataFile("ini"));
    QByteArray list;
    for (int n = 1; n <= 2; ++n) {
        list +=
            QStringLiteral("[BACK_NAME_%1]=2015年度.exv(2015/07/0%1 12:00:00)\r\n").arg(n).toUtf8();
        list += ("[BACK_FILE_" + QString::number(n) +
                 "]=" + folders.dataFile("2015070" + QString::number(n) + "120000.dat") + "\r\n")
                    .toUtf8();
    }
    LineStore lines;
    lines.setText(QString::fromUtf8(list));
    lines.saveToFile(folders.dataFile("ini/backup.conf"));
    auto window = start();
    QMenu* backups = window->menu(3);
    ASSERT_NE(backups, nullptr);
    EXPECT_EQ(backups->title(), QStringLiteral("バックアップファイル(&B)"));
    const QList<QAction*> entries = backups->actions();
    ASSERT_EQ(entries.size(), 10);
    EXPECT_EQ(entries[0]->text(), QStringLiteral("2015年度.exv(2015/07/01 12:00:00)"));
    EXPECT_EQ(entries[1]->text(), QStringLiteral("2015年度.exv(2015/07/02 12:00:00)"));
    EXPECT_EQ(entries[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1));
    EXPECT_EQ(entries[9]->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F10));
    for (int n = 2; n < 10; ++n) {
        EXPECT_EQ(entries[n]->text(), QStringLiteral("---")) << n;
    }
}

TEST_F(OpenYearTest, TheLayoutSavedWithTheSidePaneHiddenKeepsItsWidth) {
    auto* splitter = child<QSplitter>("splitter");
    splitter->setSizes({300, 900});
    window->action(Command::ShowMonthlyTable)->trigger();  // the side pane goes
    EXPECT_TRUE(child<QStackedWidget>("sidePages")->isHidden());
    window->action(Command::SaveScreenLayout)->trigger();
    LineStore saved;
    saved.loadFromFile(folders.dataFile("config/display.dat"));
    EXPECT_EQ(saved.at(1), QStringLiteral("[left_panel_width]=300"));
    child<QTabWidget>("toolTabs")->setCurrentIndex(0);
    child<QTabWidget>("toolTabs")->setCurrentIndex(1);  // the ledger and the pane again
    EXPECT_FALSE(child<QStackedWidget>("sidePages")->isHidden());
    EXPECT_EQ(splitter->sizes().value(0), 300);
}

TEST_F(OpenYearTest, ToolButtonsRunWhileTheEditMenuIsDisabled) {
    child<QTabWidget>("toolTabs")->setCurrentIndex(0);     // データファイル
    window->action(Command::ShowMonthlyTable)->trigger();  // Ctrl+E: the edit menu goes grey
    ASSERT_FALSE(window->menu(1)->isEnabled());
    EXPECT_FALSE(window->action(Command::EditTitleMaster)->isEnabled());
    QString shown;
    whenModalShows([&](QWidget* dialog) {
        shown = dialog->objectName();
        qobject_cast<QDialog*>(dialog)->reject();
    });
    child<QToolButton>("button_masterKamoku")->click();
    EXPECT_FALSE(shown.isEmpty());
}

TEST_F(OpenYearTest, ClosingTheSettingsDialogKeepsTheWidthsTheUserDragged) {
    ASSERT_FALSE(QFile::exists(folders.dataFile("config/display.dat")));
    auto* grid = child<LedgerGrid>("ledgerGrid");
    grid->setColumnWidth(3, 333);
    whenModalShows([](QWidget* dialog) {
        dialog->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    });
    window->action(Command::ShowSettings)->trigger();
    EXPECT_EQ(grid->columnWidth(3), 333);
}

// "<<" and ">>" select the first day of the month shown, as a day click would,
// without refreshing the ledger; a new entry then starts on that day.
TEST_F(OpenYearTest, CalendarStepsSelectTheFirstDayOfTheMonthShown) {
    const auto rows = model().ledger().rows().size();
    model().calendarNext();
    EXPECT_EQ(model().ledger().state().selectedDate, QDate(2015, 6, 1));
    EXPECT_EQ(model().calendar().selectedDate(), QDate(2015, 6, 1));
    EXPECT_EQ(model().ledger().state().currentMonth, 5);  // not refreshed
    EXPECT_EQ(model().ledger().rows().size(), rows);
    model().calendarPrevious();
    model().calendarPrevious();
    EXPECT_EQ(model().ledger().state().selectedDate, QDate(2015, 4, 1));
    QDate entryDate;
    whenModalShows([&](QWidget* dialog) {
        entryDate = model().datain().entryDate();
        qobject_cast<QDialog*>(dialog)->reject();
    });
    window->action(Command::NewEntry)->trigger();
    EXPECT_EQ(entryDate, QDate(2015, 4, 1));
}

// With continuous input the ledger and the book panel show each entry as it is
// registered, while the dialog stays open.
TEST_F(OpenYearTest, ContinuousInputShowsEachEntryAtOnce) {
    auto* grid = child<LedgerGrid>("ledgerGrid");
    QStringList seen;
    bool stillOpen = false;
    whenModalShows([&](QWidget* dialog) {
        EntryDialogModel& entry = model().datain();
        entry.pick(0);
        entry.setDescription(QStringLiteral("連続入力の一件目"));
        entry.setIncome(Amount::fromYen(1000));
        dialog->findChild<QPushButton*>(QStringLiteral("registerButton"))->click();
        stillOpen = QApplication::activeModalWidget() == dialog;
        for (const LedgerRow& row : grid->rows()) {
            seen.append(row.description);
        }
        qobject_cast<QDialog*>(dialog)->reject();
    });
    window->action(Command::NewEntry)->trigger();
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(seen.contains(QStringLiteral("連続入力の一件目")));
}

// Whichever command chose the period shown, the month tab and the year and
// month of the status line name it.
TEST_F(OpenYearTest, TheMonthTabAndStatusFollowThePeriodShown) {
    auto* tabs = child<QTabBar>("monthTabs");
    const auto expectShown = [&](const char* path) {
        const int m = model().ledger().state().currentMonth;
        const PeriodTable& t = model().workspace().periods;
        EXPECT_EQ(child<QTabBar>("monthTabs")->currentIndex(), m == 13 ? 0 : t.positionOfPeriod(m))
            << path;
        EXPECT_EQ(model().statusPanels().month, QString::number(m)) << path;
        EXPECT_EQ(model().statusPanels().year,
                  QString::number(m == 13 ? t.startYear : calendarYearOfPeriod(t, m)))
            << path;
    };
    // An entry registered in another month shows that month.
    whenModalShows([&](QWidget* dialog) {
        EntryDialogModel& entry = model().datain();
        entry.setContinuousInput(false);
        entry.calendar().selectDate(QDate(2015, 8, 3));
        entry.calendarClick(8, false);  // 2015/08/03 is the ninth cell of August
        entry.pick(0);
        entry.setDescription(QStringLiteral("八月"));
        entry.setIncome(Amount::fromYen(10));
        dialog->findChild<QPushButton*>(QStringLiteral("registerButton"))->click();
        if (QApplication::activeModalWidget() == dialog) {
            ADD_FAILURE() << "not registered: " << prompter.notices().join(u' ');
            qobject_cast<QDialog*>(dialog)->reject();
        }
    });
    window->action(Command::NewEntry)->trigger();
    EXPECT_EQ(model().ledger().state().currentMonth, 8);
    expectShown("registered in August");

    // All months under a title search, then the search cleared.
    model().accountListClick(0);
    clickTab(tabs, 0);
    EXPECT_EQ(model().ledger().state().currentMonth, 13);
    expectShown("all months");
    window->action(Command::ClearSearches)->trigger();
    expectShown("search cleared");

    // The already selected tab chosen again shows its month from its first day.
    model().calendarNext();
    clickTab(tabs, tabs->currentIndex());
    EXPECT_EQ(model().ledger().state().selectedDate.day(), 1);
    expectShown("the same tab again");

    // A new year, then the next year of a year.
    prompter.answer(DialogResult::Yes);
    window->action(Command::NewBusinessYear)->trigger();
    expectShown("new year");
    window->close();
    auto again = start({QStringLiteral("tallyrix6"), path});
    window = std::move(again);
    prompter.clear();
    prompter.answerText(years.file("2016.exv"));
    window->action(Command::MakeNextYear)->trigger();
    expectShown("next year");
}

// Ctrl+E on the cash-book tool tab shows the monthly table; choosing that tool
// tab again brings the ledger back.
TEST_F(OpenYearTest, TheCashBookToolTabBringsTheLedgerBackAfterCtrlE) {
    auto* tools = child<QTabWidget>("toolTabs");
    ASSERT_EQ(tools->currentIndex(), 1);
    window->action(Command::ShowMonthlyTable)->trigger();
    EXPECT_EQ(model().workPage(), MainWindowModel::WorkPage::MonthlyTable);
    clickTab(tools->tabBar(), 1);
    EXPECT_EQ(model().workPage(), MainWindowModel::WorkPage::Ledger);
    EXPECT_TRUE(window->menu(1)->isEnabled());
}

}  // namespace

namespace {

TEST_F(OpenYearTest, ThePrintCommandsOpenThePrintPageAndThePreview) {
    // The styles of the install folder are in the data folder since its first start.
    EXPECT_TRUE(QFile::exists(folders.dataFile("style/A4現金出納帳_月分1_ゴシックG.sle")));
    window->action(Command::PrintLedger)->trigger();
    EXPECT_EQ(child<QStackedWidget>("workPages")->currentWidget()->objectName(),
              QStringLiteral("印刷プレビュー"));
    EXPECT_EQ(child<QStackedWidget>("sidePages")->currentWidget()->objectName(),
              QStringLiteral("印刷"));
    EXPECT_FALSE(window->menu(1)->isEnabled());
    PrintPageModel* print = model().printPage();
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->state().reportKind, 2);
    EXPECT_EQ(print->state().stylePath, folders.dataFile("style/A4現金出納帳_月分1_ゴシックG.sle"));
    EXPECT_TRUE(QFile::exists(folders.dataFile("style/listout.dat")));
    EXPECT_TRUE(prompter.records().empty());

    // The cash-book tab brings the ledger and the edit menu back.
    child<QTabWidget>("toolTabs")->setCurrentIndex(0);
    child<QTabWidget>("toolTabs")->setCurrentIndex(1);
    EXPECT_EQ(child<QStackedWidget>("workPages")->currentWidget()->objectName(),
              QStringLiteral("現金出納帳"));
    EXPECT_TRUE(window->menu(1)->isEnabled());

    // A report whose style is missing asks for one; cancelled, the page stays blank.
    QFile::remove(folders.dataFile("style/月別帳簿別残高一覧表.sle"));
    prompter.answerText(std::nullopt);
    window->action(Command::PrintBalances)->trigger();
    EXPECT_EQ(print->state().reportKind, 30);
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(prompter.records()[0].kind, ScriptedPrompter::Kind::OpenFile);
    EXPECT_EQ(print->page(), QStringList{"header;Ver1.1;0;0;0;0;401;100;"});
}

}  // namespace
