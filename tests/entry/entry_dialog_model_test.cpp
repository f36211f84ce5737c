#include "entry/entry_dialog_model.h"

#include <gtest/gtest.h>

#include "entry/entry_commands.h"
#include "ledger/ledger_search.h"
#include "tests/ledger/ledger_fixture.h"
#include "tests/support/counting_beeper.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

// The entry dialog over the business year (today 2015/05/10), with its own data folder.
class EntryDialogModelTest : public ::testing::Test, public LedgerFixture, public EntryDialogView {
protected:
    EntryDialogModelTest()
        : holidays(prompter, Folders{data.path(), data.path()}),
          dialog(view, prompter, Folders{data.path(), data.path()}, holidays, beeper),
          search(view, prompter),
          commands(view, search, prompter, dialog, *this) {
        dialog.setAccountTitles({"売上", "仕入", "旅費交通費", "", "消耗品費"});
        view.showPeriod(4);
    }

    // The window: runs the script given for the next opening.
    void showEntryDialog(EntryDialogModel& d) override {
        ++shown;
        if (script) {
            script(d);
        }
    }

    // Registers a new cash-book entry from the dialog.
    bool enter(const QDate& date, int titleIndex, const QString& description, int income,
               int expense) {
        dialog.openNew(date);
        dialog.pick(titleIndex);
        dialog.setDescription(description);
        dialog.setIncome(Amount::fromYen(income));
        dialog.setExpense(Amount::fromYen(expense));
        return dialog.registerEntry();
    }

    QStringList linesOn(const QString& date) const {
        QStringList found;
        for (int i = 0; i < ws.entries.count(); ++i) {
            if (ws.entries.at(i).field(DateField) == date) {
                found.append(ws.entries.at(i).field(DescriptionField));
            }
        }
        return found;
    }

    TempDir data;
    CountingBeeper beeper;
    Holidays holidays;
    EntryDialogModel dialog;
    LedgerSearch search;
    EntryCommands commands;
    std::function<void(EntryDialogModel&)> script;
    int shown = 0;
};

TEST_F(EntryDialogModelTest, RefusalsComeInTheirOrder) {
    const struct {
        int title;
        const char* description;
        int income;
        int expense;
        QDate date;
        const char* notice;
    } cases[] = {
        {0, "x", 1000, 500, QDate(2015, 4, 1),
         "収入・支出に金額が入力されています。どちらか一方のみ入力して下さい"},
        {0, "x", 0, 0, QDate(2015, 4, 1),
         "収入・支出がどちらも入力されていません。どちらか一方には必ず入力して下さい"},
        {3, "x", 100, 0, QDate(2015, 4, 1), "科目が入力されていません"},  // the empty master cell
        {0, "　 ", 100, 0, QDate(2015, 4, 1), "摘要が入力されていません"},
        {0, "x", 100, 0, QDate(2015, 3, 19),
         "開始日以前の日付は入力できません\r\n記録開始日は2015/03/21です"},
        {0, "x", 100, 0, QDate(2015, 3, 20),
         "指定された日付はどの月切にも該当しません。環境設定の期間設定を確認して下さい。"},
        {0, "x", 100, 0, QDate(2015, 7, 3),
         "この月のデ－タはロックされていますので入力はできません。"},
        {0, "ランチ🍣", 100, 0, QDate(2015, 4, 1),
         "「🍣」は保存できない文字です。別の文字に置き換えてください。"},
    };
    const QStringList before = ws.entries.lines();
    for (const auto& c : cases) {
        prompter.clear();
        EXPECT_FALSE(enter(c.date, c.title, QString::fromUtf8(c.description), c.income, c.expense))
            << c.notice;
        EXPECT_EQ(prompter.notices(), QStringList{QStringLiteral("確認してください。: ") +
                                                  QString::fromUtf8(c.notice)});
        EXPECT_FALSE(dialog.closed());
    }
    EXPECT_EQ(ws.entries.lines(), before);
    EXPECT_FALSE(ws.modified);
}

TEST_F(EntryDialogModelTest, ABlankLineIsRegisteredOnlyWhenConfirmed) {
    dialog.openNew(QDate(2015, 4, 2));
    prompter.answer(DialogResult::No);
    EXPECT_FALSE(dialog.registerEntry());
    EXPECT_EQ(prompter.records()[0].text, QStringLiteral("空白行として登録しますか？"));
    EXPECT_EQ(prompter.records()[0].icon, TaskIcon::Question);
    prompter.answer(DialogResult::Yes);
    ASSERT_TRUE(dialog.registerEntry());
    EXPECT_EQ(ws.entries.line(1),
              QStringLiteral("d04=,2015/04/02,8,,,0,0,150000,現金,現金出納帳,現金,現金出納帳,"));
}

TEST_F(EntryDialogModelTest, NewEntriesGoAfterEveryEntryOfTheirDate) {
    ASSERT_TRUE(enter(QDate(2015, 4, 4), 0, "一", 1, 0));
    ASSERT_TRUE(enter(QDate(2015, 4, 4), 0, "二", 1, 0));
    ASSERT_TRUE(enter(QDate(2015, 4, 4), 0, "三", 1, 0));
    ASSERT_TRUE(enter(QDate(2015, 4, 4), 0, "四", 1, 0));
    EXPECT_EQ(linesOn("2015/04/04"), (QStringList{"一", "二", "三", "四"}));
    ASSERT_TRUE(enter(QDate(2015, 4, 3), 0, "三日", 1, 0));
    ASSERT_TRUE(enter(QDate(2015, 3, 21), 0, "最初", 1, 0));
    QStringList order;
    for (int i = 0; i < 8; ++i) {
        order.append(ws.entries.at(i).field(DescriptionField));
    }
    EXPECT_EQ(order,
              (QStringList{"最初", "現金売上", "三日", "一", "二", "三", "四", "小口へ補充"}));
    EXPECT_EQ(ws.entries.at(0).field(MonthKeyField), QStringLiteral("d04="));
    EXPECT_EQ(ws.entries.at(0).field(SequenceField), QStringLiteral("13"));
    EXPECT_TRUE(ws.modified);
    EXPECT_EQ(view.state().selectedDate, QDate(2015, 3, 21));
}

TEST_F(EntryDialogModelTest, CommasAndQuotesAreRemovedAndTheDialogStaysForTheNextEntry) {
    ASSERT_TRUE(enter(QDate(2015, 4, 2), 0, "A社\"1,2\"号", 500, 0));
    EXPECT_EQ(ws.entries.at(1).field(DescriptionField), QStringLiteral("A社12号"));
    EXPECT_FALSE(dialog.closed());
    EXPECT_EQ(dialog.title(), QStringLiteral("売上"));
    EXPECT_TRUE(dialog.description().isEmpty());
    EXPECT_EQ(dialog.income(), Amount());
    dialog.setContinuousInput(false);
    dialog.setDescription(QStringLiteral("次"));
    dialog.setIncome(Amount::fromYen(1));
    ASSERT_TRUE(dialog.registerEntry());
    EXPECT_TRUE(dialog.closed());
}

TEST_F(EntryDialogModelTest, ATransferToABankBookShowsInBothLedgers) {
    dialog.openNew(QDate(2015, 4, 5));
    dialog.changePage(ListPage::BankBooks);
    EXPECT_EQ(dialog.pageItems(ListPage::BankBooks), QStringList{"みずほ銀行"});
    EXPECT_EQ(dialog.titleLabel(), QStringLiteral("預金出納帳簿"));
    dialog.pick(0);
    dialog.setDescription(QStringLiteral("預け入れ"));
    dialog.setExpense(Amount::fromYen(3000));
    ASSERT_TRUE(dialog.registerEntry());
    EXPECT_EQ(ws.entries.line(1).section(u',', 3, 11),
              QStringLiteral("預金,預け入れ,0,3000,147000,現金,現金出納帳,預金,みずほ銀行"));
    view.showBook({QStringLiteral("預金"), QStringLiteral("みずほ銀行")});
    view.showPeriod(4);
    EXPECT_EQ(view.rows()[1].income, QStringLiteral("3,000"));
    EXPECT_EQ(view.rows()[1].title, QStringLiteral("現金"));
    EXPECT_EQ(view.rows()[1].description, QStringLiteral("預け入れ　《現金出納帳》"));
}

TEST_F(EntryDialogModelTest, FromAPettyCashBookTheMainBookIsOfferedFirst) {
    view.showBook({QStringLiteral("小口"), QStringLiteral("営業部")});
    dialog.openNew(QDate(2015, 4, 12));
    EXPECT_EQ(dialog.pageItems(ListPage::PettyCashBooks), QStringList{"現金出納帳"});
    EXPECT_EQ(dialog.pageCaption(ListPage::AccountTitles), QStringLiteral("科目リスト"));
    dialog.changePage(ListPage::PettyCashBooks);
    dialog.pick(0);
    dialog.setDescription(QStringLiteral("戻し"));
    dialog.setExpense(Amount::fromYen(100));
    ASSERT_TRUE(dialog.registerEntry());
    EXPECT_EQ(ws.entries.line(2).section(u',', 3, 11),
              QStringLiteral("小口現金,戻し,0,100,14900,小口,営業部,現金,現金出納帳"));
}

TEST_F(EntryDialogModelTest, EditingKeepsThePlaceUnlessTheDateChanges) {
    ASSERT_TRUE(enter(QDate(2015, 4, 1), 0, "後", 1, 0));  // line 1, after 現金売上
    dialog.openEdit(0);
    EXPECT_EQ(dialog.mode(), EntryDialogModel::Mode::Edit);
    EXPECT_EQ(dialog.title(), QStringLiteral("売上"));
    dialog.setIncome(Amount::fromYen(40000));
    ASSERT_TRUE(dialog.registerEntry());
    EXPECT_TRUE(dialog.closed());
    EXPECT_EQ(ws.entries.at(0).field(DescriptionField), QStringLiteral("現金売上"));
    EXPECT_EQ(ws.entries.at(0).field(BalanceField), QStringLiteral("140000"));

    dialog.openEdit(0);
    dialog.calendar().selectDate(QDate(2015, 4, 10));
    dialog.calendarClick(
        5, false);  // the grid of April 2015 starts on Sunday 29 March: cell 5 is 3 April
    EXPECT_EQ(dialog.entryDate(), QDate(2015, 4, 3));
    ASSERT_TRUE(dialog.registerEntry());
    EXPECT_EQ(linesOn("2015/04/03"), QStringList{"現金売上"});
    EXPECT_EQ(ws.entries.at(0).field(DescriptionField), QStringLiteral("後"));
}

TEST_F(EntryDialogModelTest, EditOpensThePageOfTheCounterpart) {
    dialog.openEdit(4);  // the deposit into みずほ銀行
    EXPECT_EQ(dialog.page(), ListPage::BankBooks);
    EXPECT_EQ(dialog.pickedIndex(), 0);
    EXPECT_EQ(dialog.title(), QStringLiteral("みずほ銀行"));
    EXPECT_EQ(dialog.expense(), Amount::fromYen(30000));
}

TEST_F(EntryDialogModelTest, DeleteAsksFirst) {
    dialog.openEdit(1);
    prompter.answer(DialogResult::No);
    dialog.deleteEntry();
    EXPECT_EQ(ws.entries.count(), 8);
    prompter.answer(DialogResult::Yes);
    dialog.deleteEntry();
    EXPECT_EQ(prompter.records()[0].heading, QStringLiteral("2015/04/10:営業部 小口へ補充"));
    EXPECT_EQ(prompter.records()[0].text, QStringLiteral("削除していいですか？"));
    EXPECT_EQ(ws.entries.count(), 7);
    EXPECT_TRUE(dialog.closed());
    EXPECT_TRUE(ws.modified);
    EXPECT_EQ(view.rows().back().balance, QStringLiteral("150,000"));
}

TEST_F(EntryDialogModelTest, NewEntryCommandRefusesAllBooksAndAllMonthsAndClearsSearches) {
    view.state().allBooksMode = true;
    commands.newEntry();
    view.state().allBooksMode = false;
    view.state().accountFilter = QStringLiteral("売上");
    view.showPeriod(13);
    commands.newEntry();
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(prompter.notices(),
              (QStringList{"確認: 「全帳簿から検索」が指定されているため、入力・修正はできません。",
                           "確認: ALLが指定されているため、入力・修正はできません。"}));
    view.showPeriod(5);
    view.state().descriptionFilter = QStringLiteral("x");
    commands.newEntry();
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(view.state().anyFilter());
    EXPECT_EQ(dialog.mode(), EntryDialogModel::Mode::New);
    EXPECT_EQ(dialog.ownBook(), ws.mainBook());
}

TEST_F(EntryDialogModelTest, EditCommandRefusals) {
    view.selectRow(0);  // the carry-in row
    commands.editEntry();
    view.selectRow(2);  // the transfer to 営業部: the cash book's own line
    commands.editEntry();
    EXPECT_EQ(shown, 1);
    view.showBook({QStringLiteral("小口"), QStringLiteral("営業部")});
    view.showPeriod(4);
    view.selectRow(1);  // the same transfer, seen from 営業部
    commands.editEntry();
    view.showBook(ws.mainBook());
    view.showPeriod(7);
    commands.editEntry();
    EXPECT_EQ(
        prompter.notices(),
        (QStringList{
            "確認してください。: 修正するデータを選択してください。",
            "確認してください。: 転記データです。元帳簿で修正してください。",
            "確認してください。: この月のデ－タはロックされていますので入力・修正はできません。"}));
}

TEST_F(EntryDialogModelTest, MoveDownSwapsEntriesOfOneDay) {
    ASSERT_TRUE(enter(QDate(2015, 4, 10), 0, "同日", 5, 0));  // line 2, after 小口へ補充
    view.showPeriod(4);
    view.selectRow(2);  // 小口へ補充, followed by 同日 of the same day
    commands.moveEntryDown();
    EXPECT_EQ(linesOn("2015/04/10"), (QStringList{"同日", "小口へ補充"}));
    EXPECT_EQ(view.rows()[2].description, QStringLiteral("同日"));
    EXPECT_EQ(view.rows()[3].balance, QStringLiteral("140,005"));
    view.selectRow(3);  // now the last entry of the day
    commands.moveEntryDown();
    view.selectRow(1);  // 04/01, followed by another day
    commands.moveEntryDown();
    EXPECT_EQ(prompter.notices(),
              (QStringList{"確認してください。: このデ－タは下に移動する事はできません。",
                           "確認してください。: このデ－タは下に移動する事はできません。"}));
}

TEST_F(EntryDialogModelTest, AnAmountThatCannotBeReadIsRefusedByNameAndKept) {
    using Field = EntryDialogModel::AmountField;
    dialog.openNew(QDate(2015, 4, 6));
    dialog.pick(1);
    dialog.setDescription(QStringLiteral("仕入代金"));

    dialog.setAmountText(Field::Expense, QStringLiteral("千二百"));
    EXPECT_EQ(dialog.expense(), Amount::fromYen(1200));
    EXPECT_EQ(dialog.unreadAmountText(Field::Expense), QString());
    dialog.amountTextCommitted(Field::Expense);
    EXPECT_TRUE(prompter.records().empty());

    const QString unread = QStringLiteral("５０００えｎ");
    const QString notice = QStringLiteral(
        "確認してください。: 支出の「５０００えｎ」は金額として読めません。数字で入力して下さい");
    dialog.setAmountText(Field::Expense, unread);
    EXPECT_EQ(dialog.expense(), Amount());
    EXPECT_EQ(dialog.unreadAmountText(Field::Expense), unread);
    dialog.amountTextCommitted(Field::Expense);
    EXPECT_EQ(prompter.notices(), QStringList{notice});

    // Registering says the same, not that no amount was entered.
    const QStringList before = ws.entries.lines();
    prompter.clear();
    EXPECT_FALSE(dialog.registerEntry());
    EXPECT_EQ(prompter.notices(), QStringList{notice});
    EXPECT_EQ(ws.entries.lines(), before);
    EXPECT_EQ(dialog.unreadAmountText(Field::Expense), unread);
    EXPECT_EQ(dialog.description(), QStringLiteral("仕入代金"));

    prompter.clear();
    dialog.setAmountText(Field::Income, QStringLiteral("十億"));
    dialog.setAmountText(Field::Expense, QString());
    EXPECT_FALSE(dialog.registerEntry());
    EXPECT_EQ(
        prompter.notices(),
        QStringList{QStringLiteral("確認してください。: "
                                   "収入の「十億」は大きすぎます。9桁までの金額を入力して下さい")});

    dialog.setAmountText(Field::Income, QStringLiteral("三万五千円"));
    ASSERT_TRUE(dialog.registerEntry());
    EXPECT_EQ(ws.entries.at(1).field(IncomeField), QStringLiteral("35000"));
}

TEST_F(EntryDialogModelTest, AfterTheDescriptionComesTheAmountTheTitleHadLast) {
    using Field = EntryDialogModel::AmountField;
    const struct {
        ListPage page;
        int item;
        Field expected;
    } cases[] = {
        {ListPage::AccountTitles, 0, Field::Income},   // 売上: an income on 4/1
        {ListPage::AccountTitles, 2, Field::Expense},  // 旅費交通費: an expense
        {ListPage::AccountTitles, 1, Field::Expense},  // 仕入: no entry yet
        {ListPage::AccountTitles, 3, Field::Expense},  // the empty item
        {ListPage::BankBooks, 0, Field::Expense},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        dialog.openNew(QDate(2015, 4, 6));
        EXPECT_EQ(dialog.amountAfterDescription(), Field::Expense);  // nothing picked
        dialog.changePage(c.page);
        dialog.pick(c.item);
        EXPECT_EQ(dialog.amountAfterDescription(), c.expected);
    }
    // The latest entry decides: a refund booked under 売上 turns it round.
    ASSERT_TRUE(enter(QDate(2015, 4, 30), 0, "返品", 0, 500));
    EXPECT_EQ(dialog.amountAfterDescription(), Field::Expense);
    ASSERT_TRUE(enter(QDate(2015, 4, 2), 0, "売上", 900, 0));  // earlier: no change
    EXPECT_EQ(dialog.amountAfterDescription(), Field::Expense);
}

TEST_F(EntryDialogModelTest, TypingInTheListPicksTheFirstItemStartingWithIt) {
    dialog.openNew(QDate(2015, 4, 6));
    const struct {
        const char* typed;
        int picked;
        const char* title;
    } cases[] = {
        {"消", 4, "消耗品費"}, {"仕入", 1, "仕入"}, {"売", 0, "売上"},
        {"x", 0, "売上"},      {" ", 0, "売上"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        dialog.typeInList(QString::fromUtf8(c.typed));
        EXPECT_EQ(dialog.pickedIndex(), c.picked);
        EXPECT_EQ(dialog.title(), QString::fromUtf8(c.title));
    }
    EXPECT_EQ(beeper.beeps, 1);  // "x" matches nothing; a blank is no typing
    dialog.changePage(ListPage::BankBooks);
    dialog.typeInList(QStringLiteral("み"));
    EXPECT_EQ(dialog.title(), QStringLiteral("みずほ銀行"));
}

TEST_F(EntryDialogModelTest, BackOnAPageTheItemStillPickedThereIsTheAccountAgain) {
    dialog.openNew(QDate(2015, 4, 6));
    dialog.pick(2);
    dialog.setDescription(QStringLiteral("x"));
    dialog.changePage(ListPage::PettyCashBooks);
    EXPECT_EQ(dialog.title(), QString());
    EXPECT_EQ(dialog.description(), QString());
    dialog.changePage(ListPage::AccountTitles);
    EXPECT_EQ(dialog.pickedIndex(), 2);
    EXPECT_EQ(dialog.title(), QStringLiteral("旅費交通費"));
    EXPECT_EQ(dialog.description(), QString());
    dialog.setDescription(QStringLiteral("バス代"));
    dialog.setExpense(Amount::fromYen(220));
    ASSERT_TRUE(dialog.registerEntry());
    EXPECT_EQ(ws.entries.at(1).field(TitleField), QStringLiteral("旅費交通費"));
}

TEST_F(EntryDialogModelTest, TheDateMovesByDaysAndMonths) {
    dialog.openNew(QDate(2015, 4, 30));
    dialog.moveDate(1);
    EXPECT_EQ(dialog.entryDate(), QDate(2015, 5, 1));
    EXPECT_EQ(dialog.calendar().shownMonth(), QDate(2015, 5, 1));
    dialog.moveDate(-7);
    EXPECT_EQ(dialog.entryDate(), QDate(2015, 4, 24));
    dialog.moveDate(-24);
    dialog.moveMonths(-1);
    EXPECT_EQ(dialog.entryDate(), QDate(2015, 2, 28));  // 31 March has no 31 February
    dialog.moveMonths(11);
    EXPECT_EQ(dialog.entryDate(), QDate(2016, 1, 28));
    EXPECT_EQ(dialog.calendar().selectedDate(), QDate(2016, 1, 28));
}

}  // namespace

namespace {

// The selection follows the entry moved down, so a second press moves it again.
TEST_F(EntryDialogModelTest, MovingDownTwiceMovesTheSameEntryTwice) {
    ASSERT_TRUE(enter(QDate(2015, 4, 10), 0, "二番", 5, 0));
    ASSERT_TRUE(enter(QDate(2015, 4, 10), 0, "三番", 7, 0));
    view.showPeriod(4);
    view.selectRow(2);  // 小口へ補充, first of the day
    commands.moveEntryDown();
    EXPECT_EQ(view.selectedRow(), 3);
    commands.moveEntryDown();
    EXPECT_EQ(linesOn("2015/04/10"), (QStringList{"二番", "三番", "小口へ補充"}));
    EXPECT_EQ(view.selectedRow(), 4);
    EXPECT_TRUE(prompter.notices().isEmpty());
}

}  // namespace

namespace {

// An entry that would carry the year's amounts beyond what a sum can hold is
// refused, so the year can still be shown and opened again.
TEST_F(EntryDialogModelTest, AnEntryBeyondTheRangeOfSumsIsRefused) {
    ws.periods.openingBalance =
        parseMoney(QStringLiteral("922337203000000"));  // room for 685,477 yen
    const QStringList before = ws.entries.lines();
    EXPECT_FALSE(enter(QDate(2015, 4, 6), 0, "大口", 999999999, 0));
    EXPECT_EQ(prompter.notices().last(),
              QStringLiteral("確認してください。: 金額の合計が扱える範囲を超えています。"));
    EXPECT_EQ(ws.entries.lines(), before);
    EXPECT_TRUE(enter(QDate(2015, 4, 6), 0, "小口", 100, 0));
}

}  // namespace
