#include "app/book_dialogs.h"

#include "app/dialog_host.h"

#include <gtest/gtest.h>

#include "tests/support/gui_events.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <functional>
#include <memory>

#include "tests/ledger/ledger_fixture.h"
#include "widgets/numeric_edit.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

// Fills the book data dialog as the user would and presses "実　行".
void fillBookData(const QString& name, const QString& balance) {
    whenModalShows([name, balance](QWidget* data) {
        auto* nameEdit = data->findChild<QLineEdit*>(QStringLiteral("name"));
        nameEdit->selectAll();
        typeText(nameEdit, name);
        auto* balanceEdit = data->findChild<NumericEdit*>(QStringLiteral("balance"));
        balanceEdit->selectAll();
        typeText(balanceEdit, balance);
        data->findChild<QPushButton*>(QStringLiteral("executeButton"))->click();
    });
}

// The bank-book dialog over the business year (one bank book, みずほ銀行 200,000).
class BookChoiceDialogTest : public ::testing::Test, public LedgerFixture {
protected:
    void open() {
        model = std::make_unique<BookChoiceModel>(view, prompter, windows, bankKind());
        dialog = std::make_unique<BookChoiceDialog>(*model);
        dialog->show();
        grid = dialog->findChild<QTableWidget*>(QStringLiteral("bookGrid"));
        ASSERT_NE(grid, nullptr);
    }

    QStringList shownRows() const {
        QStringList rows;
        for (int row = 0; row < grid->rowCount(); ++row) {
            rows.append(grid->item(row, 0)->text() + u'|' + grid->item(row, 1)->text());
        }
        return rows;
    }
    int selectedRow() const {
        const QModelIndexList rows = grid->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows[0].row() : -1;
    }
    QPoint rowCentre(int row) const {
        return grid->visualRect(grid->model()->index(row, 0)).center();
    }
    void menuAction(const char* name) {
        for (QAction* action : dialog->contextMenu()->actions()) {
            if (action->objectName() == QLatin1String(name)) {
                action->trigger();
                return;
            }
        }
        FAIL() << name;
    }
    QPushButton* button(const char* name) const {
        return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
    }

    DialogHost windows;
    std::unique_ptr<BookChoiceModel> model;
    std::unique_ptr<BookChoiceDialog> dialog;
    QTableWidget* grid = nullptr;
};

TEST_F(BookChoiceDialogTest, ShowsTheBooksOfItsKindWithTheFirstSelected) {
    open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("預金帳簿選択"));
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("帳簿名"));
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QStringLiteral("前年度残"));
    EXPECT_EQ(grid->columnWidth(0), 212);
    EXPECT_EQ(grid->columnWidth(1), 103);
    EXPECT_EQ(shownRows(), QStringList{QStringLiteral("みずほ銀行|¥200,000")});
    EXPECT_TRUE(grid->item(0, 1)->textAlignment() & Qt::AlignRight);
    EXPECT_EQ(selectedRow(), 0);
    QStringList menu;
    for (QAction* action : dialog->contextMenu()->actions()) {
        menu.append(action->text());
    }
    EXPECT_EQ(menu, (QStringList{QStringLiteral("新規追加"), QStringLiteral("名称・残高変更"),
                                 QStringLiteral("削　除")}));
}

TEST_F(BookChoiceDialogTest, AddsThroughTheDataDialogAndRefusesATakenName) {
    open();
    fillBookData(QStringLiteral("りそな銀行"), QStringLiteral("50000"));
    button("addButton")->click();
    EXPECT_EQ(shownRows(), (QStringList{QStringLiteral("みずほ銀行|¥200,000"),
                                        QStringLiteral("りそな銀行|¥50,000")}));
    EXPECT_EQ(ws.bankBooks.toStringList().last(), QStringLiteral("z,預金,りそな銀行,50000,"));
    EXPECT_TRUE(ws.modified);

    const QStringList books = ws.bankBooks.toStringList();
    fillBookData(QStringLiteral("みずほ銀行"), QStringLiteral("1"));
    menuAction("addAction");
    EXPECT_EQ(prompter.notices(),
              QStringList{QStringLiteral("確認してください。: 同じ名前の帳簿が存在します。")});
    EXPECT_EQ(ws.bankBooks.toStringList(), books);
    EXPECT_EQ(grid->rowCount(), 2);
}

TEST_F(BookChoiceDialogTest, TheMenuRenamesAndDeletesTheClickedBook) {
    ws.bankBooks.add(QStringLiteral("z,預金,りそな銀行,0,"));
    open();
    click(grid->viewport(), rowCentre(1));
    EXPECT_EQ(model->selection(), 1);
    EXPECT_EQ(selectedRow(), 1);

    fillBookData(QStringLiteral("埼玉りそな"), QStringLiteral("300"));
    menuAction("changeAction");
    EXPECT_EQ(shownRows().last(), QStringLiteral("埼玉りそな|¥300"));

    prompter.answer(DialogResult::Yes);
    menuAction("deleteAction");
    EXPECT_EQ(prompter.records().back().text, QStringLiteral("埼玉りそなを削除していいですか？"));
    EXPECT_EQ(shownRows(), QStringList{QStringLiteral("みずほ銀行|¥200,000")});
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(BookChoiceDialogTest, DoubleClickChoosesAndCancelChoosesNothing) {
    ws.bankBooks.add(QStringLiteral("z,預金,りそな銀行,0,"));
    open();
    doubleClick(grid->viewport(), rowCentre(1));
    EXPECT_EQ(model->result(), 1);
    EXPECT_FALSE(dialog->isVisible());

    open();
    button("cancelButton")->click();
    EXPECT_FALSE(model->result().has_value());
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(BookChoiceDialogTest, EnterChoosesTheSelectedBookAsADoubleClick) {
    ws.bankBooks.add(QStringLiteral("z,預金,りそな銀行,0,"));
    open();
    grid->setFocus();
    key(grid, Qt::Key_Down);
    ASSERT_EQ(selectedRow(), 1);
    key(grid, Qt::Key_Return);
    EXPECT_EQ(model->result(), 1);
    EXPECT_FALSE(dialog->isVisible());
}

class BookDataDialogTest : public ::testing::Test {
protected:
    void open(const QString& name, Amount balance) {
        model = std::make_unique<BookDataModel>(prompter, name, balance);
        dialog = std::make_unique<BookDataDialog>(*model);
        dialog->show();
        nameEdit = dialog->findChild<QLineEdit*>(QStringLiteral("name"));
        balanceEdit = dialog->findChild<NumericEdit*>(QStringLiteral("balance"));
        ASSERT_NE(nameEdit, nullptr);
        ASSERT_NE(balanceEdit, nullptr);
    }

    ScriptedPrompter prompter;
    std::unique_ptr<BookDataModel> model;
    std::unique_ptr<BookDataDialog> dialog;
    QLineEdit* nameEdit = nullptr;
    NumericEdit* balanceEdit = nullptr;
};

TEST_F(BookDataDialogTest, NameAndBalanceAreCutAsTheyAreTyped) {
    open(QString(), Amount());
    typeText(nameEdit, QStringLiteral("あいうえおかきくけこさ"));
    EXPECT_EQ(nameEdit->text(), QStringLiteral("あいうえおかきくけこ"));
    EXPECT_EQ(model->name(), nameEdit->text());
    EXPECT_EQ(nameEdit->cursorPosition(), 10);

    typeText(balanceEdit, QStringLiteral("1234567890"));
    EXPECT_EQ(balanceEdit->text(), QStringLiteral("123,456,789"));
    EXPECT_EQ(model->balance(), Amount::fromYen(123456789));

    dialog->findChild<QPushButton*>(QStringLiteral("executeButton"))->click();
    EXPECT_TRUE(model->stored());
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(BookDataDialogTest, ARefusedNameStaysForCorrection) {
    open(QStringLiteral("営業部"), Amount::fromYen(5000));
    EXPECT_EQ(nameEdit->text(), QStringLiteral("営業部"));
    EXPECT_EQ(balanceEdit->text(), QStringLiteral("5,000"));
    typeText(nameEdit, QStringLiteral(",1"));
    dialog->findChild<QPushButton*>(QStringLiteral("executeButton"))->click();
    EXPECT_EQ(
        prompter.notices(),
        QStringList{QStringLiteral("確認してください。: 帳簿名に「,」や「\"」は使えません。")});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(nameEdit->text(), QStringLiteral("営業部,1"));

    dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    EXPECT_FALSE(model->stored());
    EXPECT_FALSE(dialog->isVisible());
}

}  // namespace
