#pragma once

#include "app/model_dialog.h"

#include <QDialog>
#include <functional>

#include "entry/book_choice_model.h"
#include "entry/book_data_model.h"

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;

namespace tallyrix {

class NumericEdit;
class PreeditGuard;

// The book dialog of one kind: the books with their opening balances, to pick
// the one to show or to add, rename and delete books.
class BookChoiceDialog : public ModelDialog {
    Q_OBJECT

public:
    BookChoiceDialog(BookChoiceModel& model, QWidget* parent = nullptr);

    void refresh() override;
    // "キャンセル", Esc and the window frame.
    void reject() override;

    // The grid's context menu: "新規追加", "名称・残高変更", "削　除".
    QMenu* contextMenu() const { return m_menu; }

private:
    bool modelClosed() const override { return m_model.closed(); }
    Prompter& prompter() const override { return m_model.prompter(); }

    BookChoiceModel& m_model;
    QTableWidget* m_grid;
    QMenu* m_menu;
    QPushButton* m_add;
    QPushButton* m_select;
    QPushButton* m_cancel;
    bool m_refreshing = false;
};

// The book data dialog: the name and opening balance of one book.
class BookDataDialog : public ModelDialog {
    Q_OBJECT

public:
    BookDataDialog(BookDataModel& model, QWidget* parent = nullptr);

    void refresh() override;
    void reject() override;

private:
    bool modelClosed() const override { return m_model.closed(); }
    Prompter& prompter() const override { return m_model.prompter(); }

    BookDataModel& m_model;
    PreeditGuard* m_guard;
    QLineEdit* m_name;
    NumericEdit* m_balance;
    QPushButton* m_execute;
    QPushButton* m_cancel;
};

}  // namespace tallyrix
