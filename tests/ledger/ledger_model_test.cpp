#include "ledger/ledger_model.h"

#include <gtest/gtest.h>

#include "tests/ledger/ledger_fixture.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

class LedgerModelTest : public ::testing::Test, public LedgerFixture {};

class CountingListener : public LedgerView {
public:
    void beep() override { ++beeps; }
    void calendarShows(const QDate& date) override { shown = date; }
    int beeps = 0;
    QDate shown;
};

class ScriptedChooser : public BookChooser {
public:
    std::optional<int> chooseBook(const QString& kind, const QString& title) override {
        asked = kind + u'/' + title;
        return answer;
    }
    std::optional<int> answer;
    QString asked;
};

TEST_F(LedgerModelTest, TheFirstPeriodStartsWithTheYearsCarryForward) {
    view.showPeriod(4);
    EXPECT_EQ(rowTexts(), (QStringList{
                              "+|||■前年度繰越|||100,000|",
                              "+|04月01日|売上|現金売上|50,000||150,000|0",
                              "+|04月10日|小口|小口へ補充　《営業部》||10,000|140,000|1",
                              "+|||【当月合計】|50,000|10,000||",
                              "=|||□次月繰越|||140,000|",
                          }));
    EXPECT_EQ(view.titleLabel(), QStringLiteral("現金出納帳   "));
    EXPECT_EQ(view.rangeLabel(), QStringLiteral("2015年03月21日～2015年04月20日"));
    EXPECT_EQ(view.totalTexts(), (std::array<QString, 3>{"50,000", "10,000", "40,000"}));
    EXPECT_EQ(view.status().year, QStringLiteral("2015"));
    EXPECT_EQ(view.status().month, QStringLiteral("4"));
}

TEST_F(LedgerModelTest, AnEmptyPeriodCarriesItsBalanceThrough) {
    view.showPeriod(8);
    EXPECT_EQ(rowTexts(), (QStringList{
                              "+|||■前月繰越|||111,500|",
                              "+|||【当月合計】|0|0||",
                              "=|||□次月繰越|||111,500|",
                          }));
}

TEST_F(LedgerModelTest, OnlyTheFirstEntryOfADayShowsTheDate) {
    ws.entries.insert(
        1, QStringLiteral("d04=,2015/04/01,9,雑収入,同じ日,1,0,,現金,現金出納帳,現金,現金出納帳,"));
    view.showPeriod(4);
    EXPECT_EQ(view.rows()[1].date, QStringLiteral("04月01日"));
    EXPECT_EQ(view.rows()[2].date, QString());
    EXPECT_EQ(view.rows()[2].balance, QStringLiteral("150,001"));
    EXPECT_EQ(view.rows()[3].date, QStringLiteral("04月10日"));
}

TEST_F(LedgerModelTest, ATransferSeenFromTheOtherBook) {
    ScriptedChooser chooser;
    chooser.answer = 0;
    view.setBookChooser(&chooser);
    ASSERT_TRUE(view.switchBook(LedgerModel::BankTarget));
    EXPECT_EQ(chooser.asked, QStringLiteral("預金/預金帳簿選択"));
    view.showPeriod(5);
    EXPECT_EQ(rowTexts(), (QStringList{
                              "+|||■前月繰越|||200,000|",
                              "+|05月01日|現金|預け入れ　《現金出納帳》|30,000||230,000|4",
                              "+|||【当月合計】|30,000|0||",
                              "=|||□次月繰越|||230,000|",
                          }));
    EXPECT_EQ(view.titleLabel(), QStringLiteral("預金 みずほ銀行   "));
    EXPECT_EQ(view.bookLabel(), QStringLiteral("預金出納帳"));
    EXPECT_EQ(view.headerPicture(), QStringLiteral("images/bar3.bmp"));
    EXPECT_EQ(view.state().savedBook, (BookRef{"預金", "みずほ銀行"}));
}

TEST_F(LedgerModelTest, CancellingTheBookChoiceChangesNothing) {
    ScriptedChooser chooser;
    view.setBookChooser(&chooser);
    view.showPeriod(5);
    const QStringList before = rowTexts();
    EXPECT_FALSE(view.switchBook(LedgerModel::PettyCashTarget));
    EXPECT_EQ(ws.currentBook, ws.mainBook());
    EXPECT_EQ(rowTexts(), before);
}

TEST_F(LedgerModelTest, DayModeOnADayWithoutEntriesShowsOnlyTheEndMarker) {
    view.state().dayMode = true;
    view.state().selectedDate = QDate(2015, 4, 2);
    view.refresh();
    EXPECT_EQ(rowTexts(), QStringList{"=|||||||"});
    EXPECT_EQ(view.rangeLabel(), QStringLiteral("2015年04月02日(木)"));

    view.state().selectedDate = QDate(2015, 4, 10);
    view.state().currentMonth = 4;
    view.refresh();
    EXPECT_EQ(rowTexts(), (QStringList{"+|04月10日|小口|小口へ補充　《営業部》||10,000|140,000|1",
                                       "+|||【合  計】|0|10,000||", "=|||||||"}));
}

TEST_F(LedgerModelTest, AnAccountSearchOverAllMonthsRunsItsOwnSum) {
    view.state().accountFilter = QStringLiteral("預金");
    view.showPeriod(13);
    EXPECT_TRUE(prompter.records().empty());
    EXPECT_EQ(rowTexts(), (QStringList{
                              "-|05月01日|預金|預け入れ　《みずほ銀行》||30,000|-30,000|4",
                              "-|05月25日|預金|引き出し　《みずほ銀行》|20,000||-10,000|5",
                              "+|||【合  計】|20,000|30,000||",
                              "=|||||||",
                          }));
    EXPECT_EQ(view.titleLabel(), QStringLiteral("現金出納帳 : 全月検索"));
    EXPECT_EQ(view.rangeLabel(), QStringLiteral("全期間検索"));
    EXPECT_EQ(view.selectedTab(), 0);
}

TEST_F(LedgerModelTest, AllMonthsWithoutAnAccountSearchIsRefused) {
    view.showPeriod(5);
    const QStringList before = rowTexts();
    view.tabChosen(0);
    EXPECT_EQ(prompter.notices(), QStringList{"確認: 全月表示は科目検索時のみ使用できます。"});
    EXPECT_EQ(view.state().currentMonth, 5);
    EXPECT_EQ(rowTexts(), before);
}

TEST_F(LedgerModelTest, ANegativeBalanceEndsWithTheStarMarker) {
    ws.periods.openingBalance = Amount::fromYen(-200000);
    view.state().redNegatives = true;
    view.showPeriod(5);
    EXPECT_EQ(view.rows().front().marker, QStringLiteral("-"));
    EXPECT_EQ(view.rows().front().balance, QStringLiteral("-160,000"));
    EXPECT_EQ(view.rows().back().marker, QStringLiteral("*"));
    EXPECT_EQ(view.rows().back().balance, QStringLiteral("-203,500"));
}

TEST_F(LedgerModelTest, TabsShowTheirPeriodAndCalendarYear) {
    CountingListener listener;
    view.setListener(&listener);
    view.tabChosen(10);  // "1月" of the year starting in April 2015
    EXPECT_EQ(view.state().currentMonth, 1);
    EXPECT_EQ(listener.shown, QDate(2016, 1, 1));
    EXPECT_EQ(view.state().selectedDate, QDate(2016, 1, 1));
    EXPECT_EQ(view.selectedTab(), 10);
    EXPECT_EQ(view.status().tabMonth, QStringLiteral("1"));
    EXPECT_EQ(view.status().year, QStringLiteral("2016"));
    EXPECT_EQ(view.tabCaptions().at(10), QStringLiteral("1月"));
}

TEST_F(LedgerModelTest, DaysOutsideTheYearAreRefused) {
    CountingListener listener;
    view.setListener(&listener);
    view.chooseDay(QDate(2015, 2, 28));
    EXPECT_EQ(listener.beeps, 1);
    EXPECT_EQ(view.state().selectedDate, QDate(2015, 3, 21));
    EXPECT_EQ(view.state().currentMonth, 3);
    view.chooseDay(QDate(2016, 4, 1));
    EXPECT_EQ(view.state().selectedDate, QDate(2016, 3, 20));
    EXPECT_EQ(
        prompter.notices(),
        (QStringList{
            "確認: 年度の開始月より以前の日付は指定できません。\r\n1ファイルで1年分となります。\r\n"
            "現在の設定値:2015/03/21～2016/03/20",
            "確認: 年度の終了月以降の日付は指定できません。\r\n1ファイルで1年分となります。\r\n"
            "現在の設定値:2015/03/21～2016/03/20"}));
    view.chooseDay(QDate(2015, 3, 1));  // the month of the first day: allowed
    EXPECT_EQ(listener.beeps, 2);
    EXPECT_EQ(view.state().currentMonth, 3);
}

TEST_F(LedgerModelTest, TheBookPanelListsEveryBookWithItsMonthEnd) {
    view.showPeriod(5);
    ASSERT_EQ(view.bookPanel().size(), 3u);
    EXPECT_EQ(view.bookPanel()[0].caption(), QStringLiteral("現金|現金出納帳"));
    EXPECT_EQ(view.bookPanel()[0].balanceText(), QStringLiteral("96,500"));
    EXPECT_EQ(view.bookPanel()[1].record(), QStringLiteral("小口;営業部;14200;"));
    EXPECT_EQ(view.bookPanel()[2].balanceText(), QStringLiteral("230,000"));
    // All months have no month end of their own: the year's closing balances.
    view.state().accountFilter = QStringLiteral("売上");
    view.showPeriod(13);
    EXPECT_EQ(view.bookPanel()[2].balanceText(), QStringLiteral("210,012"));
}

TEST_F(LedgerModelTest, MoveDownGoesToTheLastEntryOfThePeriod) {
    view.setVisibleRowCount(10);
    view.showPeriod(4);
    ASSERT_EQ(view.rows().size(), 11u);
    view.selectLastRow();
    EXPECT_EQ(view.selectedRow(), 3);  // the total row, just above the carry-out row
    view.selectFirstRow();
    EXPECT_EQ(view.selectedRow(), 0);
}

TEST_F(LedgerModelTest, ARefreshRecomputesTheBalancesFirst) {
    ws.entries.setField(0, IncomeField, QStringLiteral("60000"));
    view.showPeriod(4);
    EXPECT_EQ(view.rows()[1].balance, QStringLiteral("160,000"));
    EXPECT_EQ(view.rows().back().balance, QStringLiteral("150,000"));
}

}  // namespace
