#include "analysis/monthly_table.h"

#include <gtest/gtest.h>

#include "analysis/table_pass.h"
#include "tests/analysis/analysis_fixture.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

// table_2015.exv: start month 4; the main cash book, the petty-cash book 営業部,
// the bank books みずほ銀行 and ゆうちょ銀行 (no entries); a cash-to-petty refill,
// a cash-to-bank deposit and a withdrawal; "Web広告" and "WEB広告"; "コピー代" and
// "こぴー代"; an entry of 0 and 0; entries in April (d04=) and March (d03=).
class MonthlyTableTest : public ::testing::Test {
protected:
    QStringList computeFor(const TableBookItem& book, TableLevel level = TableLevel::Accounts,
                           const QString& title = {}) {
        EXPECT_TRUE(table.compute(ws.entries, ws.periods, book, level, title));
        return gridTexts(table);
    }

    Workspace ws = analysisYear(QStringLiteral("table_2015.exv"));
    MonthlyTable table;
};

TEST_F(MonthlyTableTest, AllBooksAtTheAccountLevel) {
    const QStringList expected{
        aprilHeadings(),
        textRow("-", "■収入の部"),
        amountRow("", "受取利息", {{3, "12"}}, "12"),
        amountRow("", "売上", {{4, "50,000"}, {5, "120,000"}, {3, "1,234"}}, "171,234"),
        amountRow("", "　[合　計]", {{4, "50,000"}, {5, "120,000"}, {3, "1,246"}}, "171,246"),
        textRow(),
        textRow("-", "■支出の部"),
        // "WEB広告" gives no row of its own and adds nothing to "Web広告".
        amountRow("", "Web広告", {{4, "3,000"}}, "3,000"),
        // Hiragana and katakana are different titles.
        amountRow("", "こぴー代", {{7, "300"}}, "300"),
        amountRow("", "コピー代", {{7, "1,200"}}, "1,200"),
        // 0 and 0 is an expense row.
        amountRow("", "雑費", {}, "0"),
        amountRow("", "消耗品費", {{4, "800"}}, "800"),
        amountRow("", "通信費", {{7, "5,000"}}, "5,000"),
        amountRow("", "　[合　計]", {{4, "3,800"}, {7, "6,500"}}, "10,300"),
        textRow(),
        // Transfers between books (the refill, the deposit, the withdrawal) give no rows.
        amountRow("=", "【収　支　計】",
                  {{4, "46,200"}, {5, "120,000"}, {7, "-6,500"}, {3, "1,246"}}, "160,946"),
    };
    EXPECT_EQ(computeFor(allBooksItem()), expected);
    EXPECT_EQ(table.incomeTotalRow(), 4);
    EXPECT_EQ(table.expenseTotalRow(), 13);
    EXPECT_EQ(table.sideCaption(), "月別科目一覧表");
    EXPECT_EQ(table.rowCount(), MonthlyTable::kMinimumRows);
}

TEST_F(MonthlyTableTest, TheCashBookShowsTransfersUnderTheOtherBooksKind) {
    const QStringList expected{
        aprilHeadings(),
        textRow("-", "■収入の部"),
        amountRow("", "売上", {{4, "50,000"}, {3, "1,234"}}, "51,234"),
        amountRow("", "預金", {{6, "20,000"}}, "20,000"),
        amountRow("", "　[合　計]", {{4, "50,000"}, {6, "20,000"}, {3, "1,234"}}, "71,234"),
        textRow(),
        textRow("-", "■支出の部"),
        amountRow("", "Web広告", {{4, "3,000"}}, "3,000"),
        amountRow("", "こぴー代", {{7, "300"}}, "300"),
        amountRow("", "コピー代", {{7, "1,200"}}, "1,200"),
        amountRow("", "雑費", {}, "0"),
        amountRow("", "小口", {{4, "10,000"}}, "10,000"),
        amountRow("", "通信費", {{7, "5,000"}}, "5,000"),
        amountRow("", "預金", {{5, "30,000"}}, "30,000"),
        amountRow("", "　[合　計]", {{4, "13,000"}, {5, "30,000"}, {7, "6,500"}}, "49,500"),
        textRow(),
        amountRow("=", "【収　支　計】",
                  {{4, "37,000"}, {5, "-30,000"}, {6, "20,000"}, {7, "-6,500"}, {3, "1,234"}},
                  "21,734"),
    };
    EXPECT_EQ(computeFor({"現金出納帳", "現金"}), expected);
}

TEST_F(MonthlyTableTest, TheBankBookSeesTheDepositAsIncomeUnderCash) {
    const QStringList expected{
        aprilHeadings(),
        textRow("-", "■収入の部"),
        amountRow("", "現金", {{5, "30,000"}}, "30,000"),
        amountRow("", "受取利息", {{3, "12"}}, "12"),
        amountRow("", "売上", {{5, "120,000"}}, "120,000"),
        amountRow("", "　[合　計]", {{5, "150,000"}, {3, "12"}}, "150,012"),
        textRow(),
        textRow("-", "■支出の部"),
        amountRow("", "現金", {{6, "20,000"}}, "20,000"),
        amountRow("", "　[合　計]", {{6, "20,000"}}, "20,000"),
        textRow(),
        amountRow("=", "【収　支　計】", {{5, "150,000"}, {6, "-20,000"}, {3, "12"}}, "130,012"),
    };
    EXPECT_EQ(computeFor({"みずほ銀行", "預金"}), expected);
}

TEST_F(MonthlyTableTest, ABookWithoutEntriesHasOnlyTheBalanceRowAtRowThree) {
    const QStringList expected{
        aprilHeadings(),
        textRow(),
        textRow(),
        amountRow("=", "【収　支　計】", {}, "0"),
    };
    EXPECT_EQ(computeFor({"ゆうちょ銀行", "預金"}), expected);
    EXPECT_EQ(table.incomeTotalRow(), 0);
    EXPECT_EQ(table.expenseTotalRow(), 0);
}

TEST_F(MonthlyTableTest, TheDescriptionLevelMarksItsLastTotalRow) {
    const QStringList expected{
        aprilHeadings(),
        textRow("-", "■収入の部"),
        amountRow("", "引き出し", {{6, "20,000"}}, "20,000"),
        amountRow("", "　[合　計]", {{6, "20,000"}}, "20,000"),
        textRow(),
        textRow("-", "■支出の部"),
        amountRow("", "預け入れ", {{5, "30,000"}}, "30,000"),
        amountRow("=", "　[合　計]", {{5, "30,000"}}, "30,000"),
    };
    EXPECT_EQ(computeFor({"現金出納帳", "現金"}, TableLevel::Descriptions, "預金"), expected);
    EXPECT_EQ(table.sideCaption(), "預金明細表");
    EXPECT_EQ(table.selectedTitle(), "預金");
}

TEST_F(MonthlyTableTest, AtTheDescriptionLevelAnEmptyDescriptionIsARowWithoutZeros) {
    // The entry of 雑費 has no description: its row has no title, so its
    // months are not filled with "0"; only the yearly total is written.
    QStringList expected{
        aprilHeadings(),
        textRow("-", "■支出の部"),
    };
    QStringList untitled{"", ""};
    for (int c = 2; c <= 9; ++c) {
        untitled.append(QString());
    }
    untitled << "0"
             << ""
             << ""
             << ""
             << "0";
    expected.append(untitled.join(u'|'));
    expected.append(amountRow("=", "　[合　計]", {}, "0"));
    EXPECT_EQ(computeFor(allBooksItem(), TableLevel::Descriptions, "雑費"), expected);
}

TEST_F(MonthlyTableTest, ATitleWithoutEntriesGivesAnEmptyTableWithoutMarks) {
    EXPECT_EQ(computeFor(allBooksItem(), TableLevel::Descriptions, "交際費"),
              QStringList{aprilHeadings()});
}

TEST(MonthlyTableParts, OnlyIncome) {
    const Workspace ws = analysisYear(QStringLiteral("only_income.exv"));
    MonthlyTable table;
    ASSERT_TRUE(table.compute(ws.entries, ws.periods, allBooksItem(), TableLevel::Accounts, {}));
    const QStringList expected{
        aprilHeadings(),
        textRow("-", "■収入の部"),
        amountRow("", "雑収入", {{5, "3,000"}}, "3,000"),
        amountRow("", "売上", {{4, "50,000"}, {5, "70,000"}}, "120,000"),
        amountRow("", "　[合　計]", {{4, "50,000"}, {5, "73,000"}}, "123,000"),
        textRow(),
        amountRow("=", "【収　支　計】", {{4, "50,000"}, {5, "73,000"}}, "123,000"),
    };
    EXPECT_EQ(gridTexts(table), expected);
    EXPECT_EQ(table.expenseTotalRow(), 0);
}

TEST(MonthlyTableParts, OnlyExpenseStartsAtRowOneAndNegatesTheBalance) {
    const Workspace ws = analysisYear(QStringLiteral("only_expense.exv"));
    MonthlyTable table;
    ASSERT_TRUE(table.compute(ws.entries, ws.periods, allBooksItem(), TableLevel::Accounts, {}));
    const QStringList expected{
        aprilHeadings(),
        textRow("-", "■支出の部"),
        amountRow("", "消耗品費", {{4, "1,234"}}, "1,234"),
        amountRow("", "通信費", {{6, "840"}}, "840"),
        amountRow("", "　[合　計]", {{4, "1,234"}, {6, "840"}}, "2,074"),
        textRow(),
        amountRow("=", "【収　支　計】", {{4, "-1,234"}, {6, "-840"}}, "-2,074"),
    };
    EXPECT_EQ(gridTexts(table), expected);
    EXPECT_EQ(table.incomeTotalRow(), 0);
    EXPECT_EQ(table.expenseTotalRow(), 4);
}

TEST(MonthlyTableParts, AnEmptyEntryListLeavesOnlyTheHeadingRow) {
    Workspace ws = analysisYear(QStringLiteral("table_2015.exv"));
    MonthlyTable table;
    ASSERT_TRUE(table.compute(ws.entries, ws.periods, allBooksItem(), TableLevel::Accounts, {}));
    ws.entries.clear();
    EXPECT_FALSE(table.compute(ws.entries, ws.periods, allBooksItem(), TableLevel::Accounts, {}));
    EXPECT_EQ(gridTexts(table), QStringList{aprilHeadings()});
}

TEST(MonthlyTableParts, TheMonthColumnsFollowTheStartMonth) {
    // Start month 10: "d10=" is the first month column, "d09=" the last.
    const Workspace ws = yearOfLines(
        {cashLine(10, "売上", "a", "100", "0"), cashLine(9, "売上", "b", "7", "0")}, 10);
    MonthlyTable table;
    ASSERT_TRUE(table.compute(ws.entries, ws.periods, allBooksItem(), TableLevel::Accounts, {}));
    EXPECT_EQ(table.cell(0, 2), "10月度");
    EXPECT_EQ(table.cell(0, 13), "9月度");
    EXPECT_EQ(table.cell(2, 2), "100");
    EXPECT_EQ(table.cell(2, 13), "7");
}

TEST(MonthlyTableParts, AnUnknownMonthKeyGivesItsRowButNoAmount) {
    QString odd = cashLine(5, "仮払金", "x", "0", "700");
    odd.replace(0, 4, QStringLiteral("d13="));
    const Workspace ws = yearOfLines({odd, cashLine(5, "通信費", "y", "0", "300")});
    MonthlyTable table;
    ASSERT_TRUE(table.compute(ws.entries, ws.periods, allBooksItem(), TableLevel::Accounts, {}));
    EXPECT_EQ(table.rowTexts(2).join(u'|'), amountRow("", "仮払金", {}, "0"));
    EXPECT_EQ(table.rowTexts(3).join(u'|'), amountRow("", "通信費", {{5, "300"}}, "300"));
}

TEST(MonthlyTableParts, AmountsAreRoundedToWholeYenOnlyForDisplay) {
    // Two halves make a whole yen in the sum; a negative income is shown with "-".
    const Workspace ws =
        yearOfLines({cashLine(4, "雑収入", "a", "0.5", "0"), cashLine(4, "雑収入", "b", "0.5", "0"),
                     cashLine(5, "返品", "c", "-1234", "0")});
    MonthlyTable table;
    ASSERT_TRUE(table.compute(ws.entries, ws.periods, allBooksItem(), TableLevel::Accounts, {}));
    EXPECT_EQ(table.rowTexts(2).join(u'|'), amountRow("", "雑収入", {{4, "1"}}, "1"));
    EXPECT_EQ(table.rowTexts(3).join(u'|'), amountRow("", "返品", {{5, "-1,234"}}, "-1,234"));
}

TEST(MonthlyTableParts, TheGridGrowsForManyTitlesAndNeverShrinks) {
    QStringList lines;
    for (int i = 0; i < 60; ++i) {
        lines.append(
            cashLine(4, QStringLiteral("科目%1").arg(i, 2, 10, QChar(u'0')), "", "0", "1"));
    }
    const Workspace many = yearOfLines(lines);
    MonthlyTable table;
    ASSERT_TRUE(
        table.compute(many.entries, many.periods, allBooksItem(), TableLevel::Accounts, {}));
    EXPECT_EQ(table.rowCount(), 70);
    EXPECT_EQ(table.marker(64), "=");

    const Workspace few = yearOfLines({cashLine(4, "売上", "", "5", "0")});
    ASSERT_TRUE(table.compute(few.entries, few.periods, allBooksItem(), TableLevel::Accounts, {}));
    EXPECT_EQ(table.rowCount(), 70);
    EXPECT_EQ(table.lastFilledRow(), 5);
}

TEST(RowTitles, SortedByTheJapaneseCollationIgnoringCaseOnly) {
    EXPECT_EQ(sortRowTitles(
                  {"通信費", "web", "Web", "カード", "かーど", "ＷＥＢ", "ｗｅｂ", "売上", "WEB"}),
              (QStringList{"web", "ＷＥＢ", "かーど", "カード", "通信費", "売上"}));
}

}  // namespace
