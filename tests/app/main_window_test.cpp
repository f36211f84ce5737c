#include "app/Ucashlook.h"

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
#include "core/LightStr.h"
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
    std::unique_ptr<Tfcashlook> start(const QStringList& arguments = {
                                          QStringLiteral("tallyrix6")}) {
        auto window =
            std::make_unique<Tfcashlook>(prompter, folders, arguments, [] { return kNow; });
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
    EXPECT_EQ(window->model().statusPanel(0), QStringLiteral("現金"));
    EXPECT_EQ(window->model().statusPanel(1), QStringLiteral("現金出納帳"));
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
        TLightStrings saved;
        saved.LoadFromFile(path);
        EXPECT_EQ(saved.Count() == 22, c.saved);  // one entry line fewer
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
    std::unique_ptr<Tfcashlook> window;
};

TEST_F(ShortcutTest, CtrlOOpensAFileAndCtrlBShowsTheRelease) {
    press(Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(lastKind(), ScriptedPrompter::Kind::OpenFile);
    press(Qt::Key_B, Qt::ControlModifier);
    ASSERT_EQ(prompter.records().size(), 2u);
    EXPECT_EQ(prompter.records()[1].title, QStringLiteral("バージョン情報"));
    EXPECT_TRUE(prompter.records()[1].text.startsWith(QStringLiteral("ReleaseVersion 20180701A")));
    EXPECT_TRUE(window->action("csvfileOut")->shortcut().isEmpty());
    EXPECT_TRUE(window->action("csvfileOut")->text().endsWith(QStringLiteral("Ctrl+O")));
}

TEST_F(ShortcutTest, TheEditMenuKeysRunOnlyWhileTheMenuIsEnabled) {
    window->model().ledger().state().descriptionFilter = QStringLiteral("x");
    window->model().ledger().datadisp3();
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("toolTabs"));
    tabs->setCurrentIndex(2);  // the monthly table: the edit menu is disabled
    EXPECT_FALSE(window->menu(1)->isEnabled());
    press(Qt::Key_F5);
    press(Qt::Key_Escape);
    EXPECT_TRUE(prompter.records().empty());
    EXPECT_EQ(window->model().ledger().state().descriptionFilter, QStringLiteral("x"));
    window->model().search().search_all_notes(true);
    press(Qt::Key_F, Qt::ControlModifier);  // the search itself is no menu item
    EXPECT_EQ(window->model().workspace().currentBook, allBooks());

    tabs->setCurrentIndex(1);  // the cash book again
    EXPECT_TRUE(window->menu(1)->isEnabled());
    press(Qt::Key_Escape);
    EXPECT_FALSE(window->model().ledger().state().anyFilter());
    EXPECT_EQ(window->model().workspace().currentBook, window->model().workspace().mainBook());
}

TEST_F(ShortcutTest, PageKeysMoveTheSelectionBeforeTheGridSeesThem) {
    auto* grid = window->findChild<LedgerGrid*>(QStringLiteral("AdvStringGrid1"));
    grid->setFocus();
    window->model().ledger().monthread(4);
    window->refreshView();
    press(Qt::Key_PageDown);
    EXPECT_EQ(window->model().ledger().selectedRow(), 3);  // the row above the carry-out row
    press(Qt::Key_PageUp);
    EXPECT_EQ(window->model().ledger().selectedRow(), 0);
}

TEST_F(ShortcutTest, TheCalendarMovesByArrowsAndTheTitleListChoosesOnEnter) {
    auto* calendar = window->findChild<QWidget*>(QStringLiteral("clview"));
    LedgerView& ledger = window->model().ledger();
    ledger.day1Click(QDate(2015, 4, 30), false);
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
        auto* year = dialog->findChild<QSpinBox*>(QStringLiteral("NValEdit2"));
        auto* apply = dialog->findChild<QPushButton*>(QStringLiteral("Button4"));
        auto* may = dialog->findChild<QDateEdit*>(QStringLiteral("s5"));
        ASSERT_TRUE(year && apply && may);

        year->setValue(1899);
        apply->click();
        year->setValue(2015);
        may->setDate(QDate(2015, 4, 10));  // "5月" starts before "4月" ends
        apply->click();
        may->setDate(QDate(2015, 4, 21));
        typeText(dialog->findChild<QLineEdit*>(QStringLiteral("company_name")),
                 QStringLiteral("山田商店"));
        seen = noticeTexts();
        apply->click();
    });
    window->action("configExec")->trigger();
    EXPECT_EQ(seen,
              (QStringList{"開始年度が小さすぎます。", "5月の締日設定：前月より前になっています"}));
    EXPECT_EQ(noticeTexts().last(), QStringLiteral("環境設定を登録しました。"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(window->model().statusPanel(5), QStringLiteral("山田商店"));
    EXPECT_TRUE(window->model().workspace().modified);
    TLightStrings conf;
    conf.LoadFromFile(folders.dataFile("tallyrix.conf"));
    EXPECT_EQ(conf.Get(1), QStringLiteral("[COMPANY_NAME]=山田商店"));
}

TEST_F(MainWindowTest, SettingsAreRefusedDuringATitleSearch) {
    auto window = start({QStringLiteral("tallyrix6"), yearCopy("business_2015.exv")});
    prompter.clear();
    window->model().search().accountListClick(QStringLiteral("売上"));
    window->action("configExec")->trigger();
    EXPECT_EQ(noticeTexts(), QStringList{"科目検索指定時は環境設定の変更はできません"});
}

}  // namespace
