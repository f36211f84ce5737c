#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>

#include "app/main_window.h"
#include "core/cp932.h"
#include "core/line_store.h"
#include "core/scripted_prompter.h"
#include "tests/support/gui_events.h"
#include "tests/support/temp_dir.h"
#include "widgets/monthly_grid.h"
#include "widgets/summary_graph.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

const QDateTime kNow(QDate(2015, 5, 10), QTime(9, 30));

// The main window on the table year of the analysis fixtures (start month 4,
// the cash book, 営業部, みずほ銀行 and ゆうちょ銀行).
class TablePagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = years.file("table_2015.exv");
        QFile::copy(fixture("analysis/table_2015.exv"), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        window = start();
    }
    std::unique_ptr<MainWindow> start() {
        auto w = std::make_unique<MainWindow>(
            prompter, folders, QStringList{QStringLiteral("tallyrix6"), path}, [] { return kNow; });
        w->show();
        QApplication::setActiveWindow(w.get());
        QCoreApplication::processEvents();
        prompter.clear();
        return w;
    }
    template <class T>
    T* child(const char* name) const {
        T* found = window->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    MainWindowModel& model() { return window->model(); }
    MonthlyGrid* grid() const { return child<MonthlyGrid>("monthlyGrid"); }
    QString caption() const { return child<QLabel>("tableCaption")->text(); }
    QWidget* shownPage() const { return child<QStackedWidget>("workPages")->currentWidget(); }
    // Double-clicks the grid row of a table row, as the user's hand would.
    void openRow(int tableRow) {
        const QModelIndex index = grid()->gridModel().index(tableRow - 1, 1);
        grid()->scrollTo(index);
        doubleClick(grid()->viewport(), grid()->visualRect(index).center());
    }
    QStringList taskTexts() const {
        QStringList texts;
        for (const auto& r : prompter.records()) {
            if (r.kind == ScriptedPrompter::Kind::Task) {
                texts.append(r.text);
            }
        }
        return texts;
    }

    TempDir tmp;
    TempDir years;
    Folders folders{installFolderFor(QStringLiteral(TALLYRIX_BIN_DIR)),
                    tmp.file("data/orbelle/tallyrix6")};
    ScriptedPrompter prompter;
    QString path;
    std::unique_ptr<MainWindow> window;
};

TEST_F(TablePagesTest, CtrlEShowsTheTableOfAllBooksWithoutTheSidePane) {
    window->action(Command::ShowMonthlyTable)->trigger();
    EXPECT_EQ(shownPage()->objectName(), "月別一覧表");
    EXPECT_TRUE(child<QStackedWidget>("sidePages")->isHidden());
    EXPECT_FALSE(window->menu(1)->isEnabled());
    EXPECT_EQ(caption(), "月別科目一覧表");
    auto* books = child<QComboBox>("notes_select");
    ASSERT_EQ(books->count(), 5);
    EXPECT_EQ(books->itemText(0), "全帳簿");
    EXPECT_EQ(books->itemText(4), "ゆうちょ銀行");
    EXPECT_EQ(books->currentIndex(), 0);
    EXPECT_EQ(grid()->gridModel().headerData(2, Qt::Horizontal).toString(), "4月度");
    EXPECT_EQ(grid()->gridModel().tableCell(3, 1), "売上");
    EXPECT_EQ(grid()->gridModel().tableCell(15, 1), "【収　支　計】");
}

TEST_F(TablePagesTest, TheToolTabShowsTheTableAndItsButtonsDrillAndGoBack) {
    child<QTabWidget>("toolTabs")->setCurrentIndex(2);
    ASSERT_EQ(shownPage()->objectName(), "月別一覧表");
    openRow(3);
    EXPECT_EQ(caption(), "売上明細表");
    EXPECT_EQ(grid()->gridModel().tableCell(2, 1), "現金売上");
    EXPECT_EQ(grid()->gridModel().tableCell(3, 1), "振込入金");
    EXPECT_EQ(model().table().statusTitle(), "売上");

    openRow(1);  // a part heading at the description level: nothing at all
    EXPECT_EQ(caption(), "売上明細表");

    child<QToolButton>("button_back")->click();
    EXPECT_EQ(caption(), "月別科目一覧表");
    window->runCommand(Command::TableBack);
    EXPECT_EQ(taskTexts(), QStringList{"現在は科目一覧表示中です、これ以上は戻れません"});
}

TEST_F(TablePagesTest, TheBookChooserComputesTheChosenBook) {
    window->action(Command::ShowMonthlyTable)->trigger();
    auto* books = child<QComboBox>("notes_select");
    books->setCurrentIndex(3);
    emit books->activated(3);
    EXPECT_EQ(grid()->gridModel().tableCell(2, 1), "現金");
    EXPECT_EQ(model().table().bookName(), "みずほ銀行");
    window->runCommand(Command::ComputeTable);  // "集計" keeps the chosen book
    EXPECT_EQ(child<QComboBox>("notes_select")->currentIndex(), 3);
}

TEST_F(TablePagesTest, TheGraphShowsTheSummaryOfTheLastTable) {
    window->action(Command::ShowMonthlyTable)->trigger();
    window->runCommand(Command::ShowGraph);
    EXPECT_EQ(shownPage()->objectName(), "入出金グラフ");
    EXPECT_TRUE(child<QStackedWidget>("sidePages")->isHidden());
    const SummaryFigures& shown = child<SummaryGraph>("summaryGraph")->figures();
    EXPECT_EQ(shown.slot(2).tincome.text, "120,000");
    EXPECT_EQ(shown.slot(2).income.height, 300);
    EXPECT_EQ(shown.range(), "2015年04月01日～2016年03月31日");
    // "集計" brings the table back.
    window->runCommand(Command::ComputeTable);
    EXPECT_EQ(shownPage()->objectName(), "月別一覧表");
}

TEST_F(TablePagesTest, CsvExportsTheTableOnItsPageAndTheLedgerElsewhere) {
    const QString table = years.file("table.csv");
    const QString ledger = years.file("ledger.csv");
    window->action(Command::ShowMonthlyTable)->trigger();
    prompter.answerText(table).answer(DialogResult::No);
    window->runCommand(Command::ExportCsv);
    EXPECT_TRUE(readBytes(table).startsWith(encodeCp932("■収入の部\r\n受取利息,0,")));

    child<QTabWidget>("toolTabs")->setCurrentIndex(0);
    child<QTabWidget>("toolTabs")->setCurrentIndex(1);
    ASSERT_EQ(shownPage()->objectName(), "現金出納帳");
    prompter.answerText(ledger).answer(DialogResult::No).answer(DialogResult::No);
    window->runCommand(Command::ExportCsv);
    EXPECT_TRUE(readBytes(ledger).startsWith(
        encodeCp932("現金,現金出納帳,現金,現金出納帳,2015/04/01,売上,現金売上,50000,0,\r\n")));
    EXPECT_EQ(prompter.records().front().file.initialDir, years.path());
    EXPECT_EQ(taskTexts().count("CSVファイルへ出力しました。"), 2);
}

TEST_F(TablePagesTest, ColumnWidthsAreWrittenAtCloseAndReadAtStart) {
    window->action(Command::ShowMonthlyTable)->trigger();
    grid()->horizontalHeader()->resizeSection(1, 180);
    window->close();
    LineStore saved;
    saved.loadFromFile(folders.dataFile("ini/display2.dat"));
    ASSERT_EQ(saved.count(), 17);
    EXPECT_EQ(saved.at(0), "[Version]=1.00");
    EXPECT_EQ(saved.at(2), "[list_colwidths[1]]=180");
    EXPECT_EQ(saved.at(16), "[list_colwidths[15]]=100");

    window = start();
    EXPECT_EQ(grid()->columnWidth(1), 180);
    EXPECT_EQ(grid()->columnWidth(0), 30);
}

TEST_F(TablePagesTest, OpeningAYearEmptiesTheSummary) {
    window->action(Command::ShowMonthlyTable)->trigger();
    ASSERT_EQ(model().table().summary().slot(1).tincome.text, "50,000");
    prompter.answerText(path);
    window->runCommand(Command::OpenFile);
    EXPECT_EQ(model().table().summary().slot(1).tincome.text, "0");
    EXPECT_EQ(model().table().summary().slot(1).month.text, "1月");
    EXPECT_EQ(model().table().summary().maxlevel().text, "");
    EXPECT_EQ(shownPage()->objectName(), "現金出納帳");
}

}  // namespace
