#include "app/book_dialogs.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/enter_key.h"
#include "app/preedit_guard.h"
#include "core/app_title.h"
#include "widgets/grid_look.h"
#include "widgets/numeric_edit.h"

namespace tallyrix {
namespace {

constexpr int kRowHeight = 20;
constexpr int kVisibleRows = 10;

QAction* menuAction(QMenu* menu, const QString& text, const QString& name) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

}  // namespace

BookChoiceDialog::BookChoiceDialog(BookChoiceModel& model, QWidget* parent)
    : ModelDialog(parent),
      m_model(model),
      m_grid(new QTableWidget(0, 2, this)),
      m_menu(new QMenu(this)),
      m_add(dialogButton(QStringLiteral("新規追加"), QStringLiteral("addButton"), this)),
      m_select(dialogButton(QStringLiteral("選　択"), QStringLiteral("selectButton"), this)),
      m_cancel(dialogButton(QStringLiteral("キャンセル"), QStringLiteral("cancelButton"), this)) {
    setObjectName(QStringLiteral("bookChoice"));

    m_grid->setObjectName(QStringLiteral("bookGrid"));
    applyGridLook(*m_grid, kRowHeight);
    m_grid->setHorizontalHeaderLabels(BookChoiceModel::gridHeader());
    m_grid->setColumnWidth(0, kBookNameColumnWidth);
    m_grid->setColumnWidth(1, kBookBalanceColumnWidth);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int frame = 2 * m_grid->frameWidth();
    m_grid->setFixedSize(kBookNameColumnWidth + kBookBalanceColumnWidth +
                             m_grid->verticalScrollBar()->sizeHint().width() + frame,
                         kRowHeight + 2 + kVisibleRows * kRowHeight + frame);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);

    QAction* add = menuAction(m_menu, QStringLiteral("新規追加"), QStringLiteral("addAction"));
    QAction* change =
        menuAction(m_menu, QStringLiteral("名称・残高変更"), QStringLiteral("changeAction"));
    QAction* remove = menuAction(m_menu, QStringLiteral("削　除"), QStringLiteral("deleteAction"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_add);
    buttons->addStretch();
    buttons->addWidget(m_select);
    buttons->addWidget(m_cancel);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // A click, the arrow keys and the right button all move the selection; the
    // menu then acts on the book under it.
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!m_refreshing && row >= 0) {
            act([&] { m_model.selectRow(row); });
        }
    });
    connect(m_grid, &QTableWidget::cellClicked, this,
            [this](int row) { act([&] { m_model.selectRow(row); }); });
    connect(m_grid, &QTableWidget::cellDoubleClicked, this,
            [this](int row) { act([&] { m_model.rowDoubleClick(row); }); });
    onEnterKey(m_grid, [this] {
        if (m_model.selection() >= 0) {
            act([this] { m_model.rowDoubleClick(m_model.selection()); });
        }
    });
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_menu->popup(m_grid->viewport()->mapToGlobal(at)); });
    connect(add, &QAction::triggered, this, [this] { act([this] { m_model.addBook(); }); });
    connect(change, &QAction::triggered, this, [this] { act([this] { m_model.changeBook(); }); });
    connect(remove, &QAction::triggered, this, [this] { act([this] { m_model.deleteBook(); }); });
    connect(m_add, &QPushButton::clicked, this, [this] { act([this] { m_model.addBook(); }); });
    connect(m_select, &QPushButton::clicked, this,
            [this] { act([this] { m_model.chooseSelected(); }); });
    connect(m_cancel, &QPushButton::clicked, this, &BookChoiceDialog::reject);

    refresh();
}

void BookChoiceDialog::reject() {
    act([this] { m_model.cancel(); });
}

void BookChoiceDialog::refresh() {
    m_refreshing = true;
    setWindowTitle(m_model.title());
    const std::vector<BookGridRow>& rows = m_model.rows();
    m_grid->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const BookGridRow& book = rows[static_cast<size_t>(row)];
        auto* name = new QTableWidgetItem(book.name);
        name->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        auto* balance = new QTableWidgetItem(book.openingYenText());
        balance->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_grid->setItem(row, 0, name);
        m_grid->setItem(row, 1, balance);
    }
    if (m_model.selection() < 0) {
        m_grid->setCurrentIndex(QModelIndex());
        m_grid->clearSelection();
    } else {
        m_grid->selectRow(m_model.selection());
    }
    m_refreshing = false;
}

BookDataDialog::BookDataDialog(BookDataModel& model, QWidget* parent)
    : ModelDialog(parent),
      m_model(model),
      m_guard(new PreeditGuard(this)),
      m_name(new QLineEdit(this)),
      m_balance(new NumericEdit(this)),
      m_execute(
          dialogButton(BookDataModel::executeCaption(), QStringLiteral("executeButton"), this)),
      m_cancel(dialogButton(BookDataModel::cancelCaption(), QStringLiteral("cancelButton"), this)) {
    setObjectName(QStringLiteral("bookData"));
    setWindowTitle(applicationTitle());

    m_name->setObjectName(QStringLiteral("name"));
    m_name->setAttribute(Qt::WA_InputMethodEnabled);
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(QString(12, QChar(0x3042))));
    m_balance->setObjectName(QStringLiteral("balance"));
    m_balance->setMaxDigits(kBookBalanceMaxDigits);
    m_guard->watch(m_name);
    m_guard->watch(m_balance);

    auto* nameLabel = new QLabel(BookDataModel::nameLabel(), this);
    auto* hint = new QLabel(BookDataModel::nameHint(), this);
    hint->setObjectName(QStringLiteral("hint"));
    auto* balanceLabel = new QLabel(BookDataModel::balanceLabel(), this);

    auto* fields = new QGridLayout;
    fields->addWidget(nameLabel, 0, 0);
    fields->addWidget(m_name, 0, 1);
    fields->addWidget(hint, 1, 1);
    fields->addWidget(balanceLabel, 2, 0);
    fields->addWidget(m_balance, 2, 1, Qt::AlignLeft);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_execute);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        act([&] { m_model.nameChange(text, m_name->cursorPosition()); });
    });
    connect(m_balance, &QLineEdit::textEdited, this,
            [this](QString text) { act([&] { m_model.balanceChange(text.remove(u',')); }); });
    // Enter is "実　行", unless it converts a reading.
    connect(m_guard, &PreeditGuard::enterPressed, this,
            [this] { act([this] { m_model.execute(); }); });
    connect(m_execute, &QPushButton::clicked, this, [this] { act([this] { m_model.execute(); }); });
    connect(m_cancel, &QPushButton::clicked, this, &BookDataDialog::reject);

    refresh();
}

void BookDataDialog::reject() {
    act([this] { m_model.cancel(); });
}

void BookDataDialog::refresh() {
    if (m_name->text() != m_model.name()) {
        m_name->setText(m_model.name());
    }
    m_name->setCursorPosition(m_model.caret());
    if (m_balance->value() != m_model.balance()) {
        m_balance->setValue(m_model.balance());
    }
}

}  // namespace tallyrix
