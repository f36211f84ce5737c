#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "core/app_title.h"
#include "core/text_checks.h"
#include "entry/book_choice_model.h"
#include "entry/book_data_model.h"
#include "tests/ledger/ledger_fixture.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

using DataStep = std::function<void(BookDataModel&)>;
using DialogStep = std::function<void(BookChoiceModel&)>;

// The windows of the book dialogs, played from scripts.
class ScriptedBookViews : public BookChoiceView {
public:
    void showBookChoice(BookChoiceModel& dialog) override {
        titles.append(dialog.title());
        ASSERT_FALSE(dialogScript.empty()) << "unscripted book dialog";
        const DialogStep step = dialogScript.front();
        dialogScript.pop_front();
        step(dialog);
    }
    void showBookData(BookDataModel& data) override {
        opened.append(data.name() + u'|' + data.balanceText());
        ASSERT_FALSE(dataScript.empty()) << "unscripted book data dialog";
        const DataStep step = dataScript.front();
        dataScript.pop_front();
        step(data);
        // After a refusal the user gives up.
        if (!data.closed()) {
            data.cancel();
        }
    }

    QStringList titles;
    QStringList opened;  // name|balance the data dialog opened with
    std::deque<DialogStep> dialogScript;
    std::deque<DataStep> dataScript;
};

DataStep enter(const QString& name, const QString& balance = QString()) {
    return [name, balance](BookDataModel& data) {
        data.nameChange(name, static_cast<int>(name.size()));
        if (!balance.isNull()) {
            ASSERT_TRUE(data.balanceChange(balance));
        }
        data.execute();
    };
}

DataStep cancelled() {
    return [](BookDataModel& data) { data.cancel(); };
}

// Entry lines without their balance fields, which every recomputation of the
// books rewrites.
QStringList withoutBalances(const QStringList& lines) {
    QStringList result;
    for (const QString& line : lines) {
        QStringList fields = line.split(u',');
        fields[BalanceField].clear();
        result.append(fields.join(u','));
    }
    return result;
}

QString check(const QString& text) {
    return checkHeading() + QStringLiteral(": ") + text;
}

const QString kBank = QStringLiteral("みずほ銀行");
const QString kPetty = QStringLiteral("営業部");

class BooksTest : public ::testing::Test, public LedgerFixture {
protected:
    BooksTest() { ws.modified = false; }

    BookChoiceModel dialog(const QString& kind) {
        return BookChoiceModel(view, prompter, views, kind);
    }
    bool rowsShow(const QString& text) const { return rowTexts().filter(text).size() > 0; }
    QString panelBalance(const QString& name) const {
        for (const BookPanelRow& row : view.bookPanel()) {
            if (row.book.name == name) {
                return row.balanceText();
            }
        }
        return QStringLiteral("(none)");
    }

    ScriptedBookViews views;
};

TEST_F(BooksTest, TheGridListsTheKindsBooksWithTheirOpeningBalances) {
    ws.pettyBooks.assign(
        {"z,小口,営業部,1500,", "z,小口,前払,-1500,", "z,小口,旅費,12.5,", "z,小口,雑費,abc,"});
    const BookChoiceModel petty = dialog(pettyCashKind());
    EXPECT_EQ(petty.title(), QStringLiteral("小口現金帳簿選択"));
    EXPECT_EQ(BookChoiceModel::gridHeader(), (QStringList{"帳簿名", "前年度残"}));
    QStringList cells;
    for (const BookGridRow& row : petty.rows()) {
        cells.append(row.name + u'|' + row.openingText() + u'|' + row.openingYenText());
    }
    // Only whole numbers count; anything else opens the book with 0.
    EXPECT_EQ(cells, (QStringList{"営業部|\\1,500|¥1,500", "前払|\\-1,500|¥-1,500", "旅費|\\0|¥0",
                                  "雑費|\\0|¥0"}));
    EXPECT_EQ(petty.selection(), 0);

    const BookChoiceModel bank = dialog(bankKind());
    EXPECT_EQ(bank.title(), QStringLiteral("預金帳簿選択"));
    ASSERT_EQ(bank.rows().size(), 1u);
    EXPECT_EQ(bank.rows()[0].name, kBank);
    EXPECT_EQ(bank.rows()[0].openingText(), QStringLiteral("\\200,000"));
}

TEST_F(BooksTest, WithoutBooksNothingIsSelectedAndTheCommandsOnTheSelectionDoNothing) {
    ws.bankBooks.clear();
    const QStringList entries = ws.entries.lines();
    BookChoiceModel bank = dialog(bankKind());
    EXPECT_TRUE(bank.rows().empty());
    EXPECT_EQ(bank.selection(), -1);
    // An unscripted question or data dialog would fail the test.
    bank.changeBook();
    bank.deleteBook();
    EXPECT_TRUE(prompter.records().empty());
    EXPECT_TRUE(views.opened.isEmpty());
    EXPECT_EQ(ws.entries.lines(), entries);
    EXPECT_FALSE(ws.modified);
    bank.chooseSelected();
    EXPECT_TRUE(bank.closed());
    EXPECT_FALSE(bank.result().has_value());
}

TEST_F(BooksTest, SelectDoubleClickAndCancelCloseWithTheirResults) {
    ws.bankBooks.add(QStringLiteral("z,預金,りそな銀行,0,"));
    BookChoiceModel selected = dialog(bankKind());
    selected.selectRow(1);
    selected.selectRow(5);  // outside the grid: the selection stays
    EXPECT_EQ(selected.selection(), 1);
    selected.chooseSelected();
    EXPECT_EQ(selected.result(), std::optional<int>(1));

    BookChoiceModel doubled = dialog(bankKind());
    doubled.rowDoubleClick(-1);  // the header row
    EXPECT_FALSE(doubled.closed());
    doubled.rowDoubleClick(1);
    EXPECT_TRUE(doubled.closed());
    EXPECT_EQ(doubled.result(), std::optional<int>(1));

    BookChoiceModel cancelledDialog = dialog(bankKind());
    cancelledDialog.cancel();
    EXPECT_TRUE(cancelledDialog.closed());
    EXPECT_FALSE(cancelledDialog.result().has_value());
}

TEST_F(BooksTest, AddingABookChecksTheNameWithinItsKindOnly) {
    const QStringList pettyBefore = ws.pettyBooks.toStringList();
    const struct {
        const char* what;
        DataStep step;
        QStringList notices;
        QStringList pettyAdded;
    } cases[] = {
        {"a bank book's name", enter(kBank, "3000"), {}, {"z,小口,みずほ銀行,3000,"}},
        {"the main book's name", enter(QStringLiteral("現金出納帳")), {}, {"z,小口,現金出納帳,0,"}},
        {"a petty-cash book's name",
         enter(kPetty, "3000"),
         {check(QStringLiteral("同じ名前の帳簿が存在します。"))},
         {}},
        {"an empty name",
         enter(QString(), "3000"),
         {check(QStringLiteral("帳簿名を入力してください。"))},
         {}},
        {"a comma",
         enter(QStringLiteral("東京,大阪")),
         {check(QStringLiteral("帳簿名に「,」や「\"」は使えません。"))},
         {}},
        {"an unsavable character",
         enter(QStringLiteral("☕基金")),
         {check(*unsavableCharacterMessage(QStringLiteral("☕基金")))},
         {}},
        {"cancel", cancelled(), {}, {}},
    };
    for (const auto& c : cases) {
        LedgerFixture f;
        f.ws.modified = false;
        ScriptedBookViews scripted;
        scripted.dataScript.push_back(c.step);
        BookChoiceModel petty(f.view, f.prompter, scripted, pettyCashKind());
        const QStringList entries = f.ws.entries.lines();
        petty.addBook();

        EXPECT_EQ(scripted.opened, QStringList{QStringLiteral("|0")}) << c.what;
        EXPECT_EQ(f.prompter.notices(), c.notices) << c.what;
        EXPECT_EQ(f.ws.pettyBooks.toStringList(), pettyBefore + c.pettyAdded) << c.what;
        EXPECT_EQ(f.ws.bankBooks.count(), 1) << c.what;
        EXPECT_EQ(withoutBalances(f.ws.entries.lines()), withoutBalances(entries)) << c.what;
        EXPECT_EQ(f.ws.modified, !c.pettyAdded.isEmpty()) << c.what;
        // The grid and the main window's book panel follow at once.
        EXPECT_EQ(petty.rows().size(), static_cast<size_t>(1 + c.pettyAdded.size())) << c.what;
        EXPECT_EQ(f.view.bookPanel().size(), static_cast<size_t>(3 + c.pettyAdded.size()))
            << c.what;
    }
}

TEST_F(BooksTest, AnAddedBookShowsInThePanelWithItsOpeningBalance) {
    views.dataScript.push_back(enter(QStringLiteral("本店"), "123456789"));
    BookChoiceModel petty = dialog(pettyCashKind());
    petty.addBook();
    EXPECT_EQ(petty.rows().back().openingText(), QStringLiteral("\\123,456,789"));
    EXPECT_EQ(panelBalance(QStringLiteral("本店")), QStringLiteral("123,456,789"));
    EXPECT_EQ(view.bookPanel()[2].book, (BookRef{pettyCashKind(), QStringLiteral("本店")}));
}

TEST_F(BooksTest, RenamingABankBookRenamesItsEntryLinesAndTheTransferMarks) {
    const QStringList before = ws.entries.lines();
    EXPECT_TRUE(rowsShow(QStringLiteral("預け入れ　《みずほ銀行》")));
    views.dataScript.push_back(enter(QStringLiteral("りそな銀行")));
    BookChoiceModel bank = dialog(bankKind());
    bank.changeBook();

    EXPECT_EQ(views.opened, QStringList{QStringLiteral("みずほ銀行|200000")});
    EXPECT_TRUE(prompter.records().empty());
    EXPECT_EQ(ws.bankBooks.toStringList(), QStringList{"z,預金,りそな銀行,200000,"});
    QStringList expected = before;
    expected[4] = "d05=,2015/05/01,5,預金,預け入れ,0,30000,96500,現金,現金出納帳,預金,りそな銀行,";
    expected[5] = "d06=,2015/05/25,6,預金,引き出し,20000,0,116500,現金,現金出納帳,預金,りそな銀行,";
    expected[7] = "d03=,2016/03/15,8,受取利息,利息,12,0,210012,預金,りそな銀行,預金,りそな銀行,";
    EXPECT_EQ(ws.entries.lines(), expected);
    EXPECT_TRUE(ws.modified);
    EXPECT_EQ(bank.rows()[0].name, QStringLiteral("りそな銀行"));

    // The cash book stays current; its rows name the new bank book.
    EXPECT_EQ(ws.currentBook, ws.mainBook());
    EXPECT_TRUE(rowsShow(QStringLiteral("預け入れ　《りそな銀行》")));
    EXPECT_FALSE(rowsShow(kBank));
    EXPECT_EQ(panelBalance(QStringLiteral("りそな銀行")), QStringLiteral("230,000"));
}

TEST_F(BooksTest, KeepingTheNameWithANewBalanceRenamesNoEntryLine) {
    const QStringList before = ws.entries.lines();
    views.dataScript.push_back(enter(kBank, "250000"));
    BookChoiceModel bank = dialog(bankKind());
    bank.changeBook();

    EXPECT_TRUE(prompter.records().empty());
    EXPECT_EQ(ws.bankBooks.toStringList(), QStringList{"z,預金,みずほ銀行,250000,"});
    // Only the bank book's own running balance moves with its new opening.
    QStringList expected = before;
    expected[7] = "d03=,2016/03/15,8,受取利息,利息,12,0,260012,預金,みずほ銀行,預金,みずほ銀行,";
    EXPECT_EQ(ws.entries.lines(), expected);
    EXPECT_TRUE(ws.modified);
    EXPECT_EQ(bank.rows()[0].openingText(), QStringLiteral("\\250,000"));
    EXPECT_EQ(panelBalance(kBank), QStringLiteral("280,000"));
}

TEST_F(BooksTest, ARefusedOrCancelledRenameChangesNothing) {
    ws.bankBooks.add(QStringLiteral("z,預金,りそな銀行,0,"));
    const struct {
        const char* what;
        DataStep step;
        QStringList notices;
    } cases[] = {
        {"another bank book's name",
         enter(QStringLiteral("りそな銀行"), "1"),
         {check(QStringLiteral("同じ名前の帳簿が存在します。"))}},
        {"an empty name",
         enter(QString(), "1"),
         {check(QStringLiteral("帳簿名を入力してください。"))}},
        {"a double quote",
         enter(QStringLiteral("\"銀行\""), "1"),
         {check(QStringLiteral("帳簿名に「,」や「\"」は使えません。"))}},
        {"cancel", cancelled(), {}},
    };
    for (const auto& c : cases) {
        const QStringList entries = ws.entries.lines();
        const QStringList banks = ws.bankBooks.toStringList();
        prompter.clear();
        views.dataScript.push_back(c.step);
        BookChoiceModel bank = dialog(bankKind());
        bank.changeBook();
        EXPECT_EQ(prompter.notices(), c.notices) << c.what;
        EXPECT_EQ(ws.bankBooks.toStringList(), banks) << c.what;
        EXPECT_EQ(ws.entries.lines(), entries) << c.what;
        EXPECT_FALSE(ws.modified) << c.what;
    }
}

TEST_F(BooksTest, RenamingTheShownBookKeepsShowingIt) {
    view.showBook({bankKind(), kBank});
    views.dataScript.push_back(enter(QStringLiteral("りそな銀行")));
    BookChoiceModel bank = dialog(bankKind());
    bank.changeBook();

    const BookRef renamed{bankKind(), QStringLiteral("りそな銀行")};
    EXPECT_EQ(ws.currentBook, renamed);
    EXPECT_EQ(view.state().savedBook, renamed);
    EXPECT_EQ(view.status().bookName, renamed.name);
    EXPECT_TRUE(rowsShow(QStringLiteral("預け入れ　《現金出納帳》")));
}

TEST_F(BooksTest, DeleteAsksFirstAndNoKeepsEverything) {
    const QStringList entries = ws.entries.lines();
    prompter.answer(DialogResult::No);
    BookChoiceModel bank = dialog(bankKind());
    bank.deleteBook();

    ASSERT_EQ(prompter.records().size(), 1u);
    const ScriptedPrompter::Record& question = prompter.records()[0];
    EXPECT_EQ(question.kind, ScriptedPrompter::Kind::Task);
    EXPECT_EQ(question.title, applicationTitle());
    EXPECT_EQ(question.heading, QString());
    EXPECT_EQ(question.icon, TaskIcon::Question);
    EXPECT_EQ(question.text, QStringLiteral("みずほ銀行を削除していいですか？"));
    EXPECT_EQ(ws.entries.lines(), entries);
    EXPECT_EQ(ws.bankBooks.count(), 1);
    EXPECT_FALSE(ws.modified);
}

TEST_F(BooksTest, DeletingABookRemovesItsTransfersFromTheOtherBooks) {
    EXPECT_EQ(panelBalance(businessTitle()), QStringLiteral("96,500"));
    EXPECT_TRUE(rowsShow("+|05月01日|預金|預け入れ　《みずほ銀行》||30,000|96,500|4"));
    view.showPeriod(4);
    EXPECT_TRUE(rowsShow(QStringLiteral("小口へ補充　《営業部》")));

    prompter.answer(DialogResult::Yes);
    BookChoiceModel petty = dialog(pettyCashKind());
    petty.deleteBook();

    // The refill of 営業部 went with the book: the cash book keeps 10,000 more.
    EXPECT_EQ(ws.entries.count(), 6);
    for (const QString& line : ws.entries.lines()) {
        EXPECT_FALSE(line.contains(kPetty)) << line.toStdString();
    }
    EXPECT_FALSE(rowsShow(kPetty));
    EXPECT_EQ(ws.pettyBooks.count(), 0);
    EXPECT_TRUE(petty.rows().empty());
    EXPECT_EQ(petty.selection(), -1);
    EXPECT_TRUE(ws.modified);
    EXPECT_EQ(ws.currentBook, ws.mainBook());
    EXPECT_EQ(view.bookPanel().size(), 2u);
    view.showPeriod(5);
    EXPECT_EQ(panelBalance(businessTitle()), QStringLiteral("106,500"));
    EXPECT_TRUE(rowsShow("+|05月01日|預金|預け入れ　《みずほ銀行》||30,000|106,500|2"));
}

TEST_F(BooksTest, DeletingTheShownBookSwitchesToTheMainCashBook) {
    DialogBookChooser chooser(view, prompter, views);
    view.setBookChooser(&chooser);
    views.dialogScript.push_back([](BookChoiceModel& d) { d.rowDoubleClick(0); });
    ASSERT_TRUE(view.switchBook(LedgerModel::BankTarget));
    ASSERT_EQ(ws.currentBook, (BookRef{bankKind(), kBank}));

    // From the same dialog: delete the shown book, then leave without a choice.
    prompter.answer(DialogResult::Yes);
    views.dialogScript.push_back([](BookChoiceModel& d) {
        d.deleteBook();
        d.cancel();
    });
    EXPECT_FALSE(view.switchBook(LedgerModel::BankTarget));

    EXPECT_EQ(views.titles, (QStringList{"預金帳簿選択", "預金帳簿選択"}));
    EXPECT_EQ(ws.currentBook, ws.mainBook());
    EXPECT_EQ(view.state().savedBook, ws.mainBook());
    EXPECT_EQ(view.bookLabel(), businessTitle());
    EXPECT_EQ(ws.entries.count(), 5);
    EXPECT_EQ(ws.bankBooks.count(), 0);
    EXPECT_FALSE(rowsShow(kBank));
    EXPECT_EQ(view.bookPanel().size(), 2u);
    EXPECT_TRUE(ws.modified);
}

TEST_F(BooksTest, TheChooserSwitchesToTheChosenBookAndCancelKeepsTheView) {
    DialogBookChooser chooser(view, prompter, views);
    view.setBookChooser(&chooser);
    const QStringList rows = rowTexts();
    views.dialogScript.push_back([](BookChoiceModel& d) { d.cancel(); });
    EXPECT_FALSE(view.switchBook(LedgerModel::PettyCashTarget));
    EXPECT_EQ(ws.currentBook, ws.mainBook());
    EXPECT_EQ(rowTexts(), rows);

    views.dialogScript.push_back([](BookChoiceModel& d) { d.chooseSelected(); });
    EXPECT_TRUE(view.switchBook(LedgerModel::PettyCashTarget));
    EXPECT_EQ(views.titles, (QStringList{"小口現金帳簿選択", "小口現金帳簿選択"}));
    EXPECT_EQ(ws.currentBook, (BookRef{pettyCashKind(), kPetty}));
    EXPECT_FALSE(ws.modified);
}

}  // namespace
