#pragma once

#include "app/model_dialog.h"

#include <QDialog>
#include <array>
#include <functional>

#include "entry/entry_commands.h"
#include "entry/entry_dialog_model.h"

class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace tallyrix {

class CalendarWidget;
class NumericEdit;
class PreeditGuard;

// The entry dialog: the date on its calendar, the account title or book picked
// from the list pages, the description with its registered list, one amount.
// Every click and key is handed to the model; after each the dialog shows the
// model again and closes when the model has closed.
//
// The keyboard reaches everything: Tab goes list → 摘要 → 収入 → 支出 → 連続入力 →
// buttons → description list → calendar; Ctrl+Tab changes the page; PageUp and
// PageDown move the date a day, with Ctrl a month. Typing in a list picks the
// first item starting with it, Enter there goes on to 摘要. Down in 摘要 enters
// the description list, where Enter or Space takes the highlighted one. Enter
// in 摘要 goes on to the amount the model names, Enter in an amount registers,
// and Enter anywhere else presses nothing.
class EntryDialog : public ModelDialog {
    Q_OBJECT

public:
    // The model is opened (new or edit) before the dialog is shown with exec().
    EntryDialog(EntryDialogModel& model, QWidget* parent = nullptr);
    ~EntryDialog() override;

    // Shows the model's fields, lists, grid and calendar.
    void refresh() override;

    // "閉じる", Esc and the window frame.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* createDatePanel();
    QTabWidget* createPages();
    QWidget* createFields();
    QWidget* createDescriptionGrid();
    QWidget* createAmountsAndButtons();
    void connectModel();
    void connectKeys();
    void orderTabs();
    bool listKey(QListWidget* list, QKeyEvent* event);
    bool gridKey(QKeyEvent* event);
    void enterGrid();
    void takeDescription(int row, int column);
    void focusAmountAfterDescription();
    void stepPage(int by);
    QListWidget* shownList() const;
    NumericEdit* amountEdit(EntryDialogModel::AmountField field) const;
    bool modelClosed() const override { return m_model.closed(); }
    Prompter& prompter() const override { return m_model.prompter(); }
    void registerEntry();
    void enterIn(QLineEdit* edit);
    void refreshPages();
    void refreshGrid();

    EntryDialogModel& m_model;
    PreeditGuard* m_guard;
    CalendarWidget* m_calendar = nullptr;
    QLineEdit* m_year = nullptr;
    QLineEdit* m_month = nullptr;
    QLineEdit* m_day = nullptr;
    QTabWidget* m_pages = nullptr;
    std::array<QListWidget*, 3> m_lists{};
    QLabel* m_titleLabel = nullptr;
    QLineEdit* m_title = nullptr;
    QLineEdit* m_description = nullptr;
    QTableWidget* m_grid = nullptr;
    NumericEdit* m_income = nullptr;
    NumericEdit* m_expense = nullptr;
    QCheckBox* m_continuous = nullptr;
    QPushButton* m_register = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_close = nullptr;
    bool m_refreshing = false;
};

}  // namespace tallyrix
