#include "app/entry_dialog.h"

#include <gtest/gtest.h>

#include "tests/support/counting_beeper.h"
#include "tests/support/gui_events.h"

#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <tuple>

#include "entry/description_lists.h"
#include "tests/ledger/ledger_fixture.h"
#include "widgets/calendar_widget.h"
#include "widgets/numeric_edit.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

// What an input method sends while the user types a reading, and when it commits.
void preedit(QWidget* target, const QString& reading) {
    QInputMethodEvent event(reading, {});
    QApplication::sendEvent(target, &event);
}

void commit(QWidget* target, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(target, &event);
}

// The entry dialog over the business year (today 2015/05/10), opened for a new
// cash-book entry on 2015/04/06.
class EntryDialogTest : public ::testing::Test, public LedgerFixture {
protected:
    EntryDialogTest()
        : holidays(prompter, folders()), model(view, prompter, folders(), holidays, beeper) {
        model.setAccountTitles({"売上", "仕入", "旅費交通費", "", "消耗品費"});
        view.showPeriod(4);
        QDir().mkpath(data.file("cldata"));
    }

    Folders folders() const { return Folders{data.path(), data.path()}; }

    void open(const std::function<void()>& opening) {
        opening();
        dialog = std::make_unique<EntryDialog>(model);
        dialog->show();
        dialog->activateWindow();
        QApplication::processEvents();
        before = ws.entries.lines();
    }
    void openNew() {
        open([this] { model.openNew(QDate(2015, 4, 6)); });
    }

    template <class T>
    T* widget(const char* name) {
        T* found = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* edit(const char* name) { return widget<QLineEdit>(name); }
    QWidget* focused() const { return dialog->focusWidget(); }
    // The registered descriptions of 売上, the first title: (column, row, text).
    void saveSalesDescriptions(std::initializer_list<std::tuple<int, int, QString>> cells) {
        DescriptionGrid saved;
        for (const auto& [column, row, text] : cells) {
            saved.setCell(column, row, text);
        }
        saved.save(data.file("cldata/tekiya1.dat"));
    }
    QString focusedName() const { return focused() ? focused()->objectName() : QString(); }
    // A key as the keyboard sends it, shortcuts included, to the focused control.
    void press(int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(focused() ? focused() : dialog.get(), static_cast<Qt::Key>(code),
                        modifiers);
    }
    void pressChar(char c) { QTest::keyClick(focused(), c); }

    void clickItem(const char* list, int row) {
        auto* l = widget<QListWidget>(list);
        click(l->viewport(), l->visualItemRect(l->item(row)).center());
    }
    QPoint cellCentre(int row, int column) {
        auto* grid = widget<QTableWidget>("descriptionGrid");
        return grid->visualRect(grid->model()->index(row, column)).center();
    }
    QStringList listItems(const char* list) {
        QStringList texts;
        auto* l = widget<QListWidget>(list);
        for (int i = 0; i < l->count(); ++i) {
            texts.append(l->item(i)->text());
        }
        return texts;
    }

    TempDir data;
    CountingBeeper beeper;
    Holidays holidays;
    EntryDialogModel model;
    std::unique_ptr<EntryDialog> dialog;
    QStringList before;
};

TEST_F(EntryDialogTest, EnterBelongsToTheInputMethodWhileItComposes) {
    openNew();
    clickItem("titleList", 2);
    ASSERT_EQ(model.title(), QStringLiteral("旅費交通費"));
    QLineEdit* description = edit("description");
    QLineEdit* expense = edit("expense");
    ASSERT_EQ(focused(), widget<QListWidget>("titleList"));
    press(Qt::Key_Return);  // on from the list
    ASSERT_EQ(focused(), description);
    EXPECT_TRUE(description->testAttribute(Qt::WA_InputMethodEnabled));

    // The reading is still being converted: Enter converts, nothing else.
    preedit(description, QStringLiteral("こうつうひ"));
    key(description, Qt::Key_Return);
    EXPECT_EQ(focused(), description);
    press(Qt::Key_PageDown);  // pages the candidates, not the date
    EXPECT_EQ(model.entryDate(), QDate(2015, 4, 6));
    EXPECT_EQ(model.description(), QString());

    commit(description, QStringLiteral("交通費"));
    EXPECT_EQ(description->text(), QStringLiteral("交通費"));
    EXPECT_EQ(model.description(), QStringLiteral("交通費"));
    key(description, Qt::Key_Return);
    ASSERT_EQ(focused(), expense);

    // Full-width digits from the input method: Enter before the commit
    // registers nothing and keeps the place.
    preedit(expense, QStringLiteral("１２００"));
    key(expense, Qt::Key_Return);
    EXPECT_EQ(ws.entries.lines(), before);
    EXPECT_EQ(focused(), expense);
    EXPECT_TRUE(prompter.records().empty());

    commit(expense, QStringLiteral("１２００"));
    EXPECT_EQ(expense->text(), QStringLiteral("1,200"));
    key(expense, Qt::Key_Return);
    ASSERT_EQ(ws.entries.count(), before.size() + 1);
    EXPECT_EQ(ws.entries.line(1),
              QStringLiteral("d04=,2015/04/06,8,旅費交通費,交通費,0,1200,148800,現金,現金出納帳,"
                             "現金,現金出納帳,"));
    // Continuous input: the dialog stays for the next entry of the day.
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(description->text(), QString());
    EXPECT_EQ(expense->text(), QString());
    EXPECT_EQ(edit("title")->text(), QStringLiteral("旅費交通費"));
    EXPECT_EQ(focused(), description);
}

TEST_F(EntryDialogTest, ARefusedEntryKeepsEveryFieldAsTyped) {
    openNew();
    clickItem("titleList", 0);
    typeText(edit("description"), QStringLiteral("売上代金"));
    typeText(edit("income"), QStringLiteral("1000"));
    typeText(edit("expense"), QStringLiteral("500"));
    widget<QPushButton>("registerButton")->click();

    EXPECT_EQ(prompter.notices(),
              QStringList{QStringLiteral("確認してください。: "
                                         "収入・支出に金額が入力されています。どちらか一方のみ入力"
                                         "して下さい")});
    EXPECT_EQ(ws.entries.lines(), before);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(edit("description")->text(), QStringLiteral("売上代金"));
    EXPECT_EQ(edit("income")->text(), QStringLiteral("1,000"));
    EXPECT_EQ(edit("expense")->text(), QStringLiteral("500"));
    EXPECT_EQ(edit("title")->text(), QStringLiteral("売上"));
}

TEST_F(EntryDialogTest, PagesAndListsFollowTheModel) {
    openNew();
    auto* pages = widget<QTabWidget>("pages");
    EXPECT_EQ(pages->tabText(0), QStringLiteral("科目"));
    EXPECT_EQ(pages->tabText(1), QStringLiteral("小口現金"));
    EXPECT_EQ(pages->tabText(2), QStringLiteral("預金帳"));
    EXPECT_EQ(listItems("titleList"), model.pageItems(ListPage::AccountTitles));
    EXPECT_EQ(widget<QLabel>("titleLabel")->text(), QStringLiteral("科　目"));

    clickItem("titleList", 0);
    typeText(edit("description"), QStringLiteral("x"));
    QTabBar* tabs = pages->tabBar();
    click(tabs, tabs->tabRect(2).center());
    EXPECT_EQ(model.page(), ListPage::BankBooks);
    EXPECT_EQ(widget<QLabel>("titleLabel")->text(), QStringLiteral("預金出納帳簿"));
    // Changing the page empties the account and description fields.
    EXPECT_EQ(edit("title")->text(), QString());
    EXPECT_EQ(edit("description")->text(), QString());

    EXPECT_EQ(listItems("bankList"), QStringList{QStringLiteral("みずほ銀行")});
    clickItem("bankList", 0);
    EXPECT_EQ(edit("title")->text(), QStringLiteral("みずほ銀行"));
}

TEST_F(EntryDialogTest, CalendarClicksSetTheEntryDate) {
    openNew();
    auto* calendar = widget<CalendarWidget>("calendar");
    // April 2015 starts on a Wednesday: cell 3 is the 1st, cell 16 the 14th.
    click(calendar, calendar->cellRect(16).center().toPoint());
    EXPECT_EQ(model.entryDate(), QDate(2015, 4, 14));
    EXPECT_EQ(edit("year")->text(), QStringLiteral("2015"));
    EXPECT_EQ(edit("month")->text(), QStringLiteral("04"));
    EXPECT_EQ(edit("day")->text(), QStringLiteral("14"));

    calendar->nextButton()->click();
    EXPECT_EQ(edit("month")->text(), QStringLiteral("05"));
    EXPECT_EQ(edit("day")->text(), QStringLiteral("01"));
    calendar->previousButton()->click();
    calendar->previousButton()->click();
    EXPECT_EQ(edit("month")->text(), QStringLiteral("03"));
    click(calendar, calendar->todayRect().center().toPoint());
    EXPECT_EQ(model.entryDate(), QDate(2015, 5, 10));
    EXPECT_EQ(edit("day")->text(), QStringLiteral("10"));
}

TEST_F(EntryDialogTest, TheDescriptionGridFillsTheFieldAndRegistersOnDoubleClick) {
    saveSalesDescriptions(
        {{1, 0, QStringLiteral("現金売上")}, {2, 3, QStringLiteral("売掛金回収")}});
    openNew();
    auto* grid = widget<QTableWidget>("descriptionGrid");
    EXPECT_TRUE(grid->isColumnHidden(0));
    EXPECT_EQ(grid->columnWidth(1), 140);
    EXPECT_EQ(grid->rowHeight(11), 20);

    clickItem("titleList", 0);
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("現金売上"));
    EXPECT_EQ(grid->item(3, 2)->text(), QStringLiteral("売掛金回収"));

    click(grid->viewport(), cellCentre(3, 2));
    EXPECT_EQ(edit("description")->text(), QStringLiteral("売掛金回収"));
    EXPECT_EQ(model.description(), QStringLiteral("売掛金回収"));
    EXPECT_EQ(focused(), edit("income"));  // 売上 was last an income

    prompter.answerText(QStringLiteral("雑収入"));
    doubleClick(grid->viewport(), cellCentre(5, 3));
    EXPECT_EQ(prompter.records().back().heading, QStringLiteral("摘要登録"));
    EXPECT_EQ(grid->item(5, 3)->text(), QStringLiteral("雑収入"));
    DescriptionGrid reread;
    reread.load(data.file("cldata/tekiya1.dat"));
    EXPECT_EQ(reread.cell(3, 5), QStringLiteral("雑収入"));
}

TEST_F(EntryDialogTest, EditModeDeletesAfterTheQuestionAndCloses) {
    open([this] { model.openEdit(2); });
    EXPECT_EQ(edit("title")->text(), QStringLiteral("旅費交通費"));
    EXPECT_EQ(edit("description")->text(), QStringLiteral("電車代　東京－大阪"));
    EXPECT_EQ(edit("expense")->text(), QStringLiteral("13,500"));
    EXPECT_EQ(edit("day")->text(), QStringLiteral("21"));

    prompter.answer(DialogResult::No);
    widget<QPushButton>("deleteButton")->click();
    EXPECT_EQ(ws.entries.lines(), before);
    EXPECT_TRUE(dialog->isVisible());

    prompter.answer(DialogResult::Yes);
    widget<QPushButton>("deleteButton")->click();
    EXPECT_EQ(prompter.records().back().text, QStringLiteral("削除していいですか？"));
    EXPECT_EQ(ws.entries.count(), before.size() - 1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(EntryDialogTest, AnAmountNoKeyCouldTypeIsKeptWhenEditingAnEntry) {
    ws.entries.replace(
        2, ws.entries.line(2).replace(QStringLiteral(",13500,"), QStringLiteral(",-13500,")));
    open([this] { model.openEdit(2); });
    EXPECT_EQ(edit("expense")->text(), QStringLiteral("-13,500"));
    typeText(edit("description"), QStringLiteral("（戻し）"));
    edit("expense")->setFocus();
    press(Qt::Key_Return);
    EXPECT_TRUE(prompter.records().empty());
    EXPECT_EQ(ws.entries.at(2).field(ExpenseField), QStringLiteral("-13500"));
}

TEST_F(EntryDialogTest, EscapeAndCloseLeaveTheEntriesAlone) {
    for (const bool escape : {true, false}) {
        openNew();
        typeText(edit("description"), QStringLiteral("途中"));
        if (escape) {
            key(edit("description"), Qt::Key_Escape);
        } else {
            widget<QPushButton>("closeButton")->click();
        }
        EXPECT_TRUE(model.closed());
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(ws.entries.lines(), before);
    }
}

// The keyboard alone, as a user enters a day of shop bookkeeping.

TEST_F(EntryDialogTest, AnAmountEnteredByTabOrEnterIsReplacedByTyping) {
    openNew();
    clickItem("titleList", 1);  // 仕入: no entry yet, so the expense comes next
    press(Qt::Key_Return);
    typeText(focused(), QStringLiteral("材料"));
    press(Qt::Key_Return);
    ASSERT_EQ(focusedName(), QStringLiteral("expense"));
    typeText(focused(), QStringLiteral("12800"));
    ASSERT_EQ(edit("expense")->text(), QStringLiteral("12,800"));

    press(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focusedName(), QStringLiteral("income"));
    press(Qt::Key_Tab);
    ASSERT_EQ(focusedName(), QStringLiteral("expense"));
    typeText(focused(), QStringLiteral("5"));
    EXPECT_EQ(edit("expense")->text(), QStringLiteral("5"));

    edit("description")->setFocus();
    press(Qt::Key_Return);
    ASSERT_EQ(focusedName(), QStringLiteral("expense"));
    typeText(focused(), QStringLiteral("6"));
    EXPECT_EQ(edit("expense")->text(), QStringLiteral("6"));
    press(Qt::Key_Return);
    ASSERT_EQ(ws.entries.count(), before.size() + 1);
    EXPECT_EQ(ws.entries.at(1).field(ExpenseField), QStringLiteral("6"));
}

TEST_F(EntryDialogTest, TheDateMovesFromTheKeyboard) {
    openNew();  // 2015/04/06
    const auto date = [this] {
        return edit("year")->text() + edit("month")->text() + edit("day")->text();
    };
    press(Qt::Key_PageDown);
    EXPECT_EQ(date(), QStringLiteral("20150407"));
    edit("description")->setFocus();
    press(Qt::Key_PageUp);
    press(Qt::Key_PageUp);
    EXPECT_EQ(date(), QStringLiteral("20150405"));
    press(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(date(), QStringLiteral("20150505"));
    press(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(model.entryDate(), QDate(2015, 4, 5));

    // The calendar is a stop before the list and moves with the arrows.
    widget<QListWidget>("titleList")->setFocus();
    press(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focusedName(), QStringLiteral("calendar"));
    press(Qt::Key_Right);
    EXPECT_EQ(model.entryDate(), QDate(2015, 4, 6));
    press(Qt::Key_Down);
    EXPECT_EQ(model.entryDate(), QDate(2015, 4, 13));
    pressChar('+');
    EXPECT_EQ(model.entryDate(), QDate(2015, 4, 14));
    pressChar('-');
    press(Qt::Key_Up);
    EXPECT_EQ(date(), QStringLiteral("20150406"));
    EXPECT_EQ(model.calendar().selectedDate(), QDate(2015, 4, 6));

    for (const char* name : {"year", "month", "day"}) {
        EXPECT_TRUE(edit(name)->isReadOnly()) << name;
        EXPECT_EQ(edit(name)->focusPolicy(), Qt::NoFocus) << name;
    }
    EXPECT_EQ(ws.entries.lines(), before);
}

TEST_F(EntryDialogTest, TheTitleListComesFirstAndTabbingPicksNothing) {
    openNew();
    ASSERT_EQ(focusedName(), QStringLiteral("titleList"));
    QStringList stops;
    for (int i = 0; i < 10; ++i) {
        press(Qt::Key_Tab);
        stops.append(focusedName());
    }
    EXPECT_EQ(stops, (QStringList{"description", "income", "expense", "continuous",
                                  "registerButton", "deleteButton", "closeButton",
                                  "descriptionGrid", "calendar", "titleList"}));
    EXPECT_EQ(model.title(), QString());
    EXPECT_EQ(model.pickedIndex(), -1);
    EXPECT_EQ(widget<QTabWidget>("pages")->tabBar()->focusPolicy(), Qt::NoFocus);

    // The first arrow takes the row shown current, the next ones move on.
    press(Qt::Key_Down);
    EXPECT_EQ(model.title(), QStringLiteral("売上"));
    press(Qt::Key_Down);
    EXPECT_EQ(model.title(), QStringLiteral("仕入"));
    EXPECT_EQ(edit("title")->text(), QStringLiteral("仕入"));
}

TEST_F(EntryDialogTest, TypingInTheListJumpsToTheTitleAndCtrlTabChangesThePage) {
    openNew();
    auto* titles = widget<QListWidget>("titleList");
    EXPECT_TRUE(titles->testAttribute(Qt::WA_InputMethodEnabled));
    typeText(titles, QStringLiteral("消"));
    EXPECT_EQ(model.title(), QStringLiteral("消耗品費"));
    EXPECT_EQ(titles->currentRow(), 4);
    commit(titles, QStringLiteral("仕入"));  // a converted reading
    EXPECT_EQ(edit("title")->text(), QStringLiteral("仕入"));
    EXPECT_EQ(titles->currentRow(), 1);

    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(model.page(), ListPage::PettyCashBooks);
    EXPECT_EQ(focusedName(), QStringLiteral("pettyCashList"));
    EXPECT_EQ(edit("title")->text(), QString());
    edit("description")->setFocus();
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(model.page(), ListPage::BankBooks);
    EXPECT_EQ(focusedName(), QStringLiteral("bankList"));
    typeText(focused(), QStringLiteral("み"));
    EXPECT_EQ(model.title(), QStringLiteral("みずほ銀行"));

    // Back on the title page, the highlighted title is the chosen one.
    press(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(model.page(), ListPage::AccountTitles);
    EXPECT_EQ(focusedName(), QStringLiteral("titleList"));
    EXPECT_EQ(titles->currentRow(), 1);
    EXPECT_EQ(edit("title")->text(), QStringLiteral("仕入"));
    EXPECT_EQ(widget<QLabel>("titleLabel")->text(), QStringLiteral("科　目"));
}

TEST_F(EntryDialogTest, TheDescriptionListIsUsedFromTheKeyboard) {
    saveSalesDescriptions(
        {{1, 0, QStringLiteral("現金売上")}, {1, 1, QStringLiteral("カード売上")}});
    openNew();
    typeText(focused(), QStringLiteral("売"));
    press(Qt::Key_Return);
    ASSERT_EQ(focusedName(), QStringLiteral("description"));

    press(Qt::Key_Down);
    ASSERT_EQ(focusedName(), QStringLiteral("descriptionGrid"));
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    EXPECT_EQ(edit("description")->text(), QStringLiteral("カード売上"));
    EXPECT_EQ(focusedName(), QStringLiteral("income"));

    edit("description")->setFocus();
    press(Qt::Key_Down);
    press(Qt::Key_Up);
    press(Qt::Key_Space);
    EXPECT_EQ(model.description(), QStringLiteral("現金売上"));
    EXPECT_EQ(focusedName(), QStringLiteral("income"));

    // Up from the first row goes back to the description field.
    edit("description")->setFocus();
    press(Qt::Key_Down);
    press(Qt::Key_Up);
    press(Qt::Key_Up);
    EXPECT_EQ(focusedName(), QStringLiteral("description"));
    EXPECT_TRUE(prompter.records().empty());
    EXPECT_EQ(ws.entries.lines(), before);
}

TEST_F(EntryDialogTest, EnterInTheDescriptionGoesToTheAmountTheTitleHadLast) {
    const struct {
        int title;
        const char* amount;
    } cases[] = {{0, "income"}, {2, "expense"}, {1, "expense"}};  // 売上, 旅費交通費, 仕入
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        openNew();
        clickItem("titleList", c.title);
        edit("description")->setFocus();
        press(Qt::Key_Return);
        EXPECT_EQ(focusedName(), QString::fromLatin1(c.amount));
    }
}

TEST_F(EntryDialogTest, AnAmountTheFieldCannotReadIsNamedAndKept) {
    openNew();
    clickItem("titleList", 1);
    typeText(edit("description"), QStringLiteral("材料"));
    NumericEdit* expense = widget<NumericEdit>("expense");
    EXPECT_TRUE(expense->inputMethodHints().testFlag(Qt::ImhDigitsOnly));
    EXPECT_TRUE(widget<NumericEdit>("income")->inputMethodHints().testFlag(Qt::ImhDigitsOnly));
    expense->setFocus();

    commit(expense, QStringLiteral("千二百"));
    EXPECT_EQ(expense->text(), QStringLiteral("1,200"));
    EXPECT_EQ(model.expense(), Amount::fromYen(1200));
    EXPECT_TRUE(prompter.records().empty());

    expense->selectAll();
    commit(expense, QStringLiteral("５０００えｎ"));
    const QString notice = QStringLiteral(
        "確認してください。: 支出の「５０００えｎ」は金額として読めません。数字で入力して下さい");
    EXPECT_EQ(prompter.notices(), QStringList{notice});
    EXPECT_EQ(expense->text(), QStringLiteral("５０００えｎ"));
    press(Qt::Key_Return);
    EXPECT_EQ(prompter.notices(), (QStringList{notice, notice}));
    EXPECT_EQ(ws.entries.lines(), before);
    EXPECT_EQ(expense->text(), QStringLiteral("５０００えｎ"));
    EXPECT_EQ(focused(), expense);

    // Corrected, it registers.
    expense->selectAll();
    typeText(expense, QStringLiteral("5000"));
    press(Qt::Key_Return);
    ASSERT_EQ(ws.entries.count(), before.size() + 1);
    EXPECT_EQ(ws.entries.at(1).field(ExpenseField), QStringLiteral("5000"));
    EXPECT_EQ(prompter.notices().size(), 2);
}

TEST_F(EntryDialogTest, EnterOutsideTheAmountFieldsPressesNothing) {
    openNew();
    clickItem("titleList", 1);
    for (const char* name : {"title", "continuous", "descriptionGrid", "titleLabel"}) {
        SCOPED_TRACE(name);
        key(widget<QWidget>(name), Qt::Key_Return);
        key(widget<QWidget>(name), Qt::Key_Enter);
        EXPECT_TRUE(prompter.records().empty());
        EXPECT_EQ(ws.entries.lines(), before);
        EXPECT_TRUE(dialog->isVisible());
    }
    // A button with focus is pressed by Enter as by Space.
    widget<QPushButton>("closeButton")->setFocus();
    press(Qt::Key_Return);
    EXPECT_TRUE(model.closed());
    EXPECT_EQ(ws.entries.lines(), before);
}

}  // namespace
