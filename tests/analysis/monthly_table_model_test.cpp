#include "analysis/monthly_table_model.h"

#include <gtest/gtest.h>

#include <QDir>

#include "core/scripted_prompter.h"
#include "tests/analysis/analysis_fixture.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

class CountingView : public MonthlyTableView {
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

class MonthlyTableModelTest : public ::testing::Test {
protected:
    MonthlyTableModelTest() { model.setView(&view); }

    int rowOf(const QString& title) const {
        for (int row = 1; row < model.table().rowCount(); ++row) {
            if (model.table().title(row) == title) {
                return row;
            }
        }
        return -1;
    }
    QStringList messages() const {
        QStringList texts;
        for (const ScriptedPrompter::Record& r : prompter.records()) {
            texts.append(r.title + ": " + r.text);
        }
        return texts;
    }

    Workspace ws = analysisYear(QStringLiteral("table_2015.exv"));
    ScriptedPrompter prompter;
    CountingView view;
    MonthlyTableModel model{ws, prompter};
};

TEST_F(MonthlyTableModelTest, TheChooserListsAllBooksThenEveryBook) {
    model.enterPage();
    const std::vector<TableBookItem> expected{{"全帳簿", "全帳簿"},
                                              {"現金出納帳", "現金"},
                                              {"営業部", "小口"},
                                              {"みずほ銀行", "預金"},
                                              {"ゆうちょ銀行", "預金"}};
    EXPECT_EQ(model.books(), expected);
    EXPECT_EQ(model.bookIndex(), 0);
    EXPECT_EQ(model.bookName(), "全帳簿");
    EXPECT_EQ(model.level(), TableLevel::Accounts);
    EXPECT_EQ(model.table().expenseTotalRow(), 13);
}

TEST_F(MonthlyTableModelTest, ADoubleClickOnATitleOpensItsDescriptions) {
    model.enterPage();
    model.chooseBook(1);
    model.openRow(rowOf("預金"));
    EXPECT_EQ(model.level(), TableLevel::Descriptions);
    EXPECT_EQ(model.selectedTitle(), "預金");
    EXPECT_EQ(model.statusTitle(), "預金");
    EXPECT_EQ(model.sideCaption(), "預金明細表");
    EXPECT_EQ(model.table().title(2), "引き出し");
    // The summary follows the table as computed last.
    EXPECT_EQ(model.summary().slot(3).tincome.text, "20,000");
    EXPECT_EQ(model.summary().slot(2).texpenses.text, "30,000");

    // At the description level a double-click does nothing.
    model.openRow(2);
    EXPECT_EQ(model.table().title(2), "引き出し");
    EXPECT_EQ(view.beeps, 0);
}

TEST_F(MonthlyTableModelTest, RowsThatAreNoTitleOnlyBeep) {
    model.enterPage();
    const MonthlyTable& t = model.table();
    const int balance = t.expenseTotalRow() + 2;
    for (int row : {0, 1, t.incomeTotalRow(), t.incomeTotalRow() + 1, 6, t.expenseTotalRow(),
                    balance, balance + 1, 999}) {
        model.openRow(row);
        EXPECT_EQ(model.level(), TableLevel::Accounts) << row;
    }
    EXPECT_EQ(view.beeps, 9);
    EXPECT_TRUE(prompter.records().empty());
}

TEST_F(MonthlyTableModelTest, BackReturnsToTheTitlesOnlyFromTheDescriptions) {
    model.enterPage();
    model.openRow(rowOf("売上"));
    ASSERT_EQ(model.level(), TableLevel::Descriptions);

    model.back(true);
    EXPECT_EQ(model.level(), TableLevel::Descriptions);
    model.back(false);
    EXPECT_EQ(model.level(), TableLevel::Accounts);
    EXPECT_EQ(model.selectedTitle(), "");
    EXPECT_EQ(model.sideCaption(), "月別科目一覧表");
    model.back(false);
    EXPECT_EQ(messages(), (QStringList{"確認: 現在印刷プレビュー中です",
                                       "確認: 現在は科目一覧表示中です、これ以上は戻れません"}));
}

TEST_F(MonthlyTableModelTest, ChoosingABookComputesItsAccountLevel) {
    model.enterPage();
    model.openRow(rowOf("売上"));
    model.chooseBook(3);
    EXPECT_EQ(model.level(), TableLevel::Accounts);
    EXPECT_EQ(model.selectedTitle(), "");
    EXPECT_EQ(model.bookName(), "みずほ銀行");
    EXPECT_EQ(model.table().title(2), "現金");
    // "集計" keeps the chosen book; entering the page again starts from all books.
    model.sum();
    EXPECT_EQ(model.bookName(), "みずほ銀行");
    model.enterPage();
    EXPECT_EQ(model.bookName(), "全帳簿");
}

TEST_F(MonthlyTableModelTest, AnEmptyYearKeepsTheSummaryButSetsTheRange) {
    model.enterPage();
    ASSERT_EQ(model.summary().slot(1).tincome.text, "50,000");
    ws.entries.clear();
    autoSetMonthEnd(ws.periods, 1, 2016);
    ws.periods.startMonth = 1;
    model.enterPage();
    EXPECT_EQ(model.table().lastFilledRow(), 0);
    EXPECT_EQ(model.table().cell(0, 2), "1月度");
    EXPECT_EQ(model.summary().slot(1).tincome.text, "50,000");
    EXPECT_EQ(model.summary().range(), "2016年01月01日～2016年12月31日");
}

class TableColumnWidthsTest : public ::testing::Test {
protected:
    TableColumnWidthsTest() { QDir(data.path()).mkpath(QStringLiteral("ini")); }
    Folders folders() const { return Folders{data.path(), data.path()}; }
    QString file() const { return data.file("ini/display2.dat"); }

    TempDir data;
    ScriptedPrompter prompter;
    Workspace ws;
    MonthlyTableModel model{ws, prompter};
};

TEST_F(TableColumnWidthsTest, WithoutAFileTheDefaultsStay) {
    model.loadColumnWidths(folders());
    EXPECT_EQ(model.columnWidths(), TableColumnWidths{});
    EXPECT_EQ(model.columnWidths().widths[0], 30);
    EXPECT_EQ(model.columnWidths().widths[14], 100);
    EXPECT_TRUE(prompter.records().empty());
}

TEST_F(TableColumnWidthsTest, SavedWidthsComeBackAndTheSixteenthLineIsTheDefault) {
    for (int c = 0; c < 15; ++c) {
        model.setColumnWidth(c, 40 + c);
    }
    model.saveColumnWidths(folders());
    QByteArray expected = "[Version]=1.00\r\n";
    for (int c = 0; c < 15; ++c) {
        expected += QStringLiteral("[list_colwidths[%1]]=%2\r\n").arg(c).arg(40 + c).toLatin1();
    }
    expected += "[list_colwidths[15]]=100\r\n";
    EXPECT_EQ(readBytes(file()), expected);

    MonthlyTableModel again(ws, prompter);
    again.loadColumnWidths(folders());
    EXPECT_EQ(again.columnWidths(), model.columnWidths());
}

TEST_F(TableColumnWidthsTest, OnlyTheFifteenColumnsAreReadAndANonNumberIsFifty) {
    writeBytes(file(),
               "[Version]=1.00\r\n[list_colwidths[1]]=abc\r\n[list_colwidths[2]]=180\r\n"
               "[list_colwidths[15]]=7\r\n[list_colwidths[16]]=9\r\n");
    model.loadColumnWidths(folders());
    TableColumnWidths expected;
    expected.widths[1] = 50;
    expected.widths[2] = 180;
    EXPECT_EQ(model.columnWidths(), expected);
}

TEST_F(TableColumnWidthsTest, AFileThatCannotBeWrittenIsLeftSilently) {
    writeBytes(file(), "[Version]=1.00\r\n[list_colwidths[0]]=44\r\n");
    const Folders missing{data.path(), data.path() + "/no/such/folder"};
    model.saveColumnWidths(missing);
    EXPECT_TRUE(prompter.records().empty());
    EXPECT_EQ(readBytes(file()), "[Version]=1.00\r\n[list_colwidths[0]]=44\r\n");
}

}  // namespace
