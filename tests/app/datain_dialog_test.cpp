#include "app/datain_dialog.h"

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
#include <QToolButton>
#include <memory>

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
class DatainDialogTest : public ::testing::Test, public LedgerFixture {
protected:
    DatainDialogTest()
        : holidays(prompter, folders()), model(view, prompter, folders(), holidays, beeper) {
        model.setAccountTitles({"売上", "仕入", "旅費交通費", "", "消耗品費"});
        view.monthread(4);
        QDir().mkpath(data.file("cldata"));
    }

    Folders folders() const { return Folders{data.path(), data.path()}; }

    void open(const std::function<void()>& opening) {
        opening();
        dialog = std::make_unique<DatainDialog>(model);
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
    Tfdatain model;
    std::unique_ptr<DatainDialog> dialog;
    QStringList before;
};

TEST_F(DatainDialogTest, EnterBelongsToTheInputMethodWhileItComposes) {
    openNew();
    clickItem("titleList", 2);
    ASSERT_EQ(model.title(), QStringLiteral("旅費交通費"));
    QLineEdit* description = edit("description");
    QLineEdit* expense = edit("expense");
    ASSERT_EQ(focused(), description);
    EXPECT_TRUE(description->testAttribute(Qt::WA_InputMethodEnabled));

    // The reading is still being converted: Enter converts, nothing else.
    preedit(description, QStringLiteral("こうつうひ"));
    key(description, Qt::Key_Return);
    EXPECT_EQ(focused(), description);
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

TEST_F(DatainDialogTest, ARefusedEntryKeepsEveryFieldAsTyped) {
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

TEST_F(DatainDialogTest, PagesAndListsFollowTheModel) {
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

TEST_F(DatainDialogTest, CalendarClicksSetTheEntryDate) {
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

TEST_F(DatainDialogTest, TheDescriptionGridFillsTheFieldAndRegistersOnDoubleClick) {
    DescriptionGrid saved;
    saved.setCell(1, 0, QStringLiteral("現金売上"));
    saved.setCell(2, 3, QStringLiteral("売掛金回収"));
    saved.save(data.file("cldata/tekiya1.dat"));
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
    EXPECT_EQ(focused(), edit("expense"));

    prompter.answerText(QStringLiteral("雑収入"));
    doubleClick(grid->viewport(), cellCentre(5, 3));
    EXPECT_EQ(prompter.records().back().heading, QStringLiteral("摘要登録"));
    EXPECT_EQ(grid->item(5, 3)->text(), QStringLiteral("雑収入"));
    DescriptionGrid reread;
    reread.load(data.file("cldata/tekiya1.dat"));
    EXPECT_EQ(reread.cell(3, 5), QStringLiteral("雑収入"));
}

TEST_F(DatainDialogTest, EditModeDeletesAfterTheQuestionAndCloses) {
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

TEST_F(DatainDialogTest, EscapeAndCloseLeaveTheEntriesAlone) {
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

}  // namespace
