#include "ledger/ledger_search.h"

#include <gtest/gtest.h>

#include "tests/ledger/ledger_fixture.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

class SearchTest : public ::testing::Test, public LedgerFixture {
protected:
    SearchTest() : search(view, prompter) { view.showPeriod(5); }
    QStringList shownLines() const {
        QStringList lines;
        for (const LedgerRow& row : view.rows()) {
            if (row.isEntry()) {
                lines.append(row.lineIndex);
            }
        }
        return lines;
    }
    LedgerSearch search;
};

class Picker : public TitlePicker {
public:
    explicit Picker(std::optional<QString> title) : m_title(std::move(title)) {}
    std::optional<QString> pickTitle() override { return m_title; }

private:
    std::optional<QString> m_title;
};

TEST_F(SearchTest, AmountFiltersMatchThePlainFieldOnly) {
    prompter.answerText(QStringLiteral("13500"));
    search.searchByExpense();
    EXPECT_EQ(shownLines(), QStringList{"2"});
    EXPECT_EQ(view.rows().back().marker, QStringLiteral("="));
    prompter.answerText(QStringLiteral("13,500"));
    search.searchByExpense();
    EXPECT_TRUE(shownLines().isEmpty());
    EXPECT_EQ(view.rows().front().marker, QStringLiteral("="));
    ASSERT_EQ(prompter.records().size(), 2u);
    EXPECT_EQ(prompter.records()[1].heading, QStringLiteral("支出金額を入力してください。"));
    EXPECT_EQ(prompter.records()[1].text,
              QStringLiteral("13500"));  // the box starts with the filter

    view.showPeriod(6);
    prompter.answerText(QStringLiteral("20000"));
    search.searchByIncome();
    EXPECT_TRUE(shownLines().isEmpty());  // the expense filter still holds
    prompter.answerText(QString());
    search.searchByExpense();
    EXPECT_EQ(shownLines(), QStringList{"5"});
}

TEST_F(SearchTest, DescriptionFilterIsACaseSensitivePart) {
    ws.entries.insert(
        4, QStringLiteral("d05=,2015/04/30,9,雑費,Taxi代,0,100,,現金,現金出納帳,現金,現金出納帳,"));
    prompter.answerText(QStringLiteral("axi"));
    search.searchByDescription();
    EXPECT_EQ(shownLines(), QStringList{"4"});
    prompter.answerText(QStringLiteral("taxi"));
    search.searchByDescription();
    EXPECT_TRUE(shownLines().isEmpty());
}

TEST_F(SearchTest, SearchItemStartsFromTheSelectedEntryAndCancelKeepsIt) {
    view.selectRow(1);  // 04/21 電車代　東京－大阪
    prompter.answerText(std::nullopt);
    search.searchByDescription();
    EXPECT_EQ(prompter.records()[0].text, QStringLiteral("電車代　東京－大阪"));
    EXPECT_EQ(view.state().descriptionFilter, QStringLiteral("電車代　東京－大阪"));
    EXPECT_EQ(view.rows()[0].description, QStringLiteral("■前月繰越"));  // not refreshed yet
}

TEST_F(SearchTest, BothFiltersMustMatch) {
    search.accountListClick(QStringLiteral("預金"));
    EXPECT_EQ(shownLines(), QStringList{"4"});  // "5月": only the deposit
    prompter.answerText(QStringLiteral("30000"));
    search.searchByExpense();
    EXPECT_EQ(shownLines(), QStringList{"4"});
    prompter.answerText(QStringLiteral("1"));
    search.searchByExpense();
    EXPECT_TRUE(shownLines().isEmpty());
}

TEST_F(SearchTest, ClearingOneFilterEndsTheAccountSearchToo) {
    search.accountListClick(QStringLiteral("預金"));
    prompter.answerText(QStringLiteral("預け"));
    search.searchByDescription();
    view.state().dayMode = true;
    search.clear(LedgerSearch::ClearDescription);
    EXPECT_FALSE(view.state().anyFilter());
    EXPECT_FALSE(view.state().dayMode);
    EXPECT_EQ(view.state().currentMonth, 5);
    EXPECT_EQ(view.rows().front().description, QStringLiteral("■前月繰越"));
}

TEST_F(SearchTest, AllBooksAndBack) {
    search.setAllBooks(true);
    search.runSearch();
    EXPECT_EQ(view.titleLabel(), QStringLiteral("全帳簿 : "));
    EXPECT_EQ(ws.currentBook, allBooks());
    // Every ordinary entry and the transfers within one kind; not the cash-bank transfer.
    EXPECT_EQ(shownLines(), (QStringList{"2", "3"}));
    EXPECT_EQ(view.rows()[0].description,
              QStringLiteral("電車代　東京－大阪"));  // no carry row, no marks
    search.setAllBooks(false);
    search.runSearch();
    EXPECT_EQ(ws.currentBook, ws.mainBook());
    EXPECT_EQ(view.titleLabel(), QStringLiteral("現金出納帳   "));
}

TEST_F(SearchTest, ClearingReturnsToTheBookShownBeforeAllBooks) {
    search.setAllBooks(true);
    search.runSearch();
    search.clear(LedgerSearch::ClearAll);
    EXPECT_EQ(ws.currentBook, ws.mainBook());
    EXPECT_FALSE(view.state().allBooksMode);
    EXPECT_EQ(view.bookLabel(), QStringLiteral("現金出納帳"));
}

TEST_F(SearchTest, AllMonthsNeedsTheAccountSearch) {
    prompter.answerText(QStringLiteral("預"));
    search.searchByDescription();
    view.tabChosen(0);
    EXPECT_EQ(prompter.notices(), QStringList{"確認: 全月表示は科目検索時のみ使用できます。"});
    EXPECT_EQ(view.state().currentMonth, 5);

    Picker picker(QStringLiteral("預金"));
    search.searchByTitle(picker);
    view.tabChosen(0);
    EXPECT_EQ(view.state().currentMonth, 13);
    EXPECT_EQ(shownLines(), QStringList{"4"});  // "預金" and a description holding "預"
    search.clear(LedgerSearch::ClearDescription);
    EXPECT_EQ(view.state().currentMonth, 5);  // the period shown before the search
}

TEST_F(SearchTest, CancellingTheTitleSearchEndsDayMode) {
    view.state().dayMode = true;
    Picker cancel(std::nullopt);
    search.searchByTitle(cancel);
    EXPECT_FALSE(view.state().dayMode);
    EXPECT_TRUE(view.state().accountFilter.isEmpty());
}

TEST_F(SearchTest, PreviewListsEveryFilter) {
    search.accountListClick(QStringLiteral("売上"));
    search.showSearchConditions();
    EXPECT_EQ(prompter.notices(),
              QStringList{"確認: 現在の検索条件は下記です。\r\n"
                          "----------------------------------------------------\r\n"
                          "科  目:売上\r\n摘  要:\r\n収入金額:\r\n支出金額:"});
}

}  // namespace
