#include "app/datain_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/dialog_preedit_guard.h"
#include "core/app_title.h"
#include "widgets/calendar_widget.h"
#include "widgets/grid_look.h"
#include "widgets/numeric_edit.h"

namespace tallyrix {
namespace {

constexpr int kGridColumnWidth = 140;
constexpr int kGridRowHeight = 20;
constexpr std::array<ListPage, 3> kPages{ListPage::AccountTitles, ListPage::PettyCashBooks,
                                         ListPage::BankBooks};

QLineEdit* dateField(const QString& name, int digits, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setAlignment(Qt::AlignCenter);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(digits + 2, u'0')) + 12);
    return field;
}

QLabel* caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QPushButton* button(const QString& text, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setMinimumWidth(96);
    return b;
}

}  // namespace

DatainDialog::DatainDialog(Tfdatain& model, QWidget* parent)
    : ModelDialog(parent), m_model(model), m_guard(new PreeditGuard(this)) {
    setObjectName(QStringLiteral("datain"));
    setWindowTitle(applicationTitle());

    auto* top = new QHBoxLayout;
    top->addWidget(createDatePanel());
    top->addWidget(createPages(), 1);

    auto* lower = new QHBoxLayout;
    lower->addWidget(createDescriptionGrid());
    lower->addWidget(createAmountsAndButtons(), 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(createFields());
    layout->addLayout(lower);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connectModel();
    refresh();
    m_description->setFocus();
}

DatainDialog::~DatainDialog() = default;

QWidget* DatainDialog::createDatePanel() {
    auto* panel = new QWidget(this);
    m_calendar = new CalendarWidget(m_model.calendar(), panel);
    m_calendar->setObjectName(QStringLiteral("calendar"));
    m_calendar->setFixedSize(m_calendar->sizeHint());

    m_year = dateField(QStringLiteral("year"), 4, panel);
    m_month = dateField(QStringLiteral("month"), 2, panel);
    m_day = dateField(QStringLiteral("day"), 2, panel);
    auto* date = new QHBoxLayout;
    date->addStretch();
    date->addWidget(m_year);
    date->addWidget(new QLabel(QStringLiteral("年"), panel));
    date->addWidget(m_month);
    date->addWidget(new QLabel(QStringLiteral("月"), panel));
    date->addWidget(m_day);
    date->addWidget(new QLabel(QStringLiteral("日"), panel));
    date->addStretch();

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_calendar);
    layout->addLayout(date);
    return panel;
}

QTabWidget* DatainDialog::createPages() {
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    const std::array<QString, 3> names{QStringLiteral("titleList"), QStringLiteral("pettyCashList"),
                                       QStringLiteral("bankList")};
    for (size_t i = 0; i < kPages.size(); ++i) {
        auto* list = new QListWidget(m_pages);
        list->setObjectName(names[i]);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        m_lists[i] = list;
        m_pages->addTab(list, m_model.pageCaption(kPages[i]));
    }
    m_pages->setMinimumWidth(220);
    return m_pages;
}

QWidget* DatainDialog::createFields() {
    auto* panel = new QWidget(this);
    m_titleLabel = caption(QString(), panel);
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    m_title = new QLineEdit(panel);
    m_title->setObjectName(QStringLiteral("title"));
    m_title->setReadOnly(true);
    m_title->setFocusPolicy(Qt::NoFocus);

    m_description = new QLineEdit(panel);
    m_description->setObjectName(QStringLiteral("description"));
    // Descriptions are typed in Japanese.
    m_description->setAttribute(Qt::WA_InputMethodEnabled);
    m_guard->watch(m_description);

    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addWidget(m_titleLabel, 0, 0);
    layout->addWidget(m_title, 0, 1);
    layout->addWidget(caption(QStringLiteral("摘　要"), panel), 1, 0);
    layout->addWidget(m_description, 1, 1, 1, 2);
    // The title field is half as wide as the description field.
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(2, 1);
    return panel;
}

QWidget* DatainDialog::createDescriptionGrid() {
    auto* panel = new QWidget(this);
    auto* label = new QLabel(QStringLiteral("摘要リスト[登録はダブルクリック]"), panel);

    m_grid = new QTableWidget(kDescriptionRows, kDescriptionColumns + 1, panel);
    m_grid->setObjectName(QStringLiteral("descriptionGrid"));
    applyGridLook(*m_grid, kGridRowHeight);
    // One description is one cell, not a row.
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->horizontalHeader()->hide();
    m_grid->setColumnHidden(0, true);
    for (int column = 1; column <= kDescriptionColumns; ++column) {
        m_grid->setColumnWidth(column, kGridColumnWidth);
    }
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * m_grid->frameWidth();
    m_grid->setFixedSize(kDescriptionColumns * kGridColumnWidth + frame,
                         kDescriptionRows * kGridRowHeight + frame);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(m_grid);
    return panel;
}

QWidget* DatainDialog::createAmountsAndButtons() {
    auto* panel = new QWidget(this);
    m_income = new NumericEdit(panel);
    m_income->setObjectName(QStringLiteral("income"));
    m_expense = new NumericEdit(panel);
    m_expense->setObjectName(QStringLiteral("expense"));
    m_guard->watch(m_income);
    m_guard->watch(m_expense);
    m_continuous = new QCheckBox(QStringLiteral("連続入力"), panel);
    m_continuous->setObjectName(QStringLiteral("continuous"));

    m_register = button(QStringLiteral("登　録"), QStringLiteral("registerButton"), panel);
    m_delete = button(QStringLiteral("削  除"), QStringLiteral("deleteButton"), panel);
    m_close = button(QStringLiteral("閉じる"), QStringLiteral("closeButton"), panel);

    auto* amounts = new QGridLayout;
    amounts->addWidget(caption(QStringLiteral("収　入"), panel), 0, 0);
    amounts->addWidget(m_income, 0, 1);
    amounts->addWidget(caption(QStringLiteral("支　出"), panel), 1, 0);
    amounts->addWidget(m_expense, 1, 1);
    amounts->addWidget(m_continuous, 2, 1);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(8, 0, 0, 0);
    layout->addSpacing(18);
    layout->addLayout(amounts);
    layout->addStretch();
    for (QPushButton* b : {m_register, m_delete, m_close}) {
        layout->addWidget(b, 0, Qt::AlignRight);
    }
    return panel;
}

void DatainDialog::connectModel() {
    connect(m_calendar, &CalendarWidget::dayClicked, this,
            [this](int cell, bool shift) { act([&] { m_model.calendarClick(cell, shift); }); });
    connect(m_calendar, &CalendarWidget::previousClicked, this,
            [this] { act([this] { m_model.previousMonth(); }); });
    connect(m_calendar, &CalendarWidget::nextClicked, this,
            [this] { act([this] { m_model.nextMonth(); }); });
    connect(m_calendar, &CalendarWidget::todayClicked, this,
            [this] { act([this] { m_model.today(); }); });

    connect(m_pages, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_refreshing && index >= 0) {
            act([&] { m_model.changePage(kPages[static_cast<size_t>(index)]); });
        }
    });
    for (QListWidget* list : m_lists) {
        // A click picks again what is already current: changing the page
        // emptied the account field but left the row selected.
        connect(list, &QListWidget::itemClicked, this, [this, list](QListWidgetItem* item) {
            act([&] { m_model.pick(list->row(item)); });
        });
        connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
            if (!m_refreshing && row >= 0) {
                act([&] { m_model.pick(row); });
            }
        });
    }

    // The fields are the model's: every change goes there at once, so what a
    // command reads is what the user sees.
    connect(m_description, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_model.setDescription(text); });
    connect(m_income, &QLineEdit::textChanged, this,
            [this] { m_model.setIncome(m_income->value()); });
    connect(m_expense, &QLineEdit::textChanged, this,
            [this] { m_model.setExpense(m_expense->value()); });
    connect(m_continuous, &QCheckBox::toggled, this,
            [this](bool on) { m_model.setContinuousInput(on); });

    connect(m_guard, &PreeditGuard::enterPressed, this, &DatainDialog::enterIn);

    connect(m_grid, &QTableWidget::cellClicked, this, [this](int row, int column) {
        act([&] { m_model.descriptionClick(column, row); });
        m_expense->setFocus();
    });
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        act([&] { m_model.descriptions().cellDoubleClick(column, row); });
    });

    connect(m_register, &QPushButton::clicked, this, &DatainDialog::registerEntry);
    connect(m_delete, &QPushButton::clicked, this,
            [this] { act([this] { m_model.deleteEntry(); }); });
    connect(m_close, &QPushButton::clicked, this, &DatainDialog::reject);
}

void DatainDialog::registerEntry() {
    bool registered = false;
    act([&] { registered = m_model.registerEntry(); });
    // The next entry of the same day starts with its description.
    if (registered && !m_model.closed()) {
        m_description->setFocus();
    }
}

void DatainDialog::enterIn(QLineEdit* edit) {
    if (edit == m_description) {
        m_expense->setFocus();
    } else {
        registerEntry();
    }
}

void DatainDialog::reject() {
    act([this] { m_model.close(); });
}

void DatainDialog::refresh() {
    m_refreshing = true;
    m_year->setText(m_model.yearText());
    m_month->setText(m_model.monthText());
    m_day->setText(m_model.dayText());
    m_calendar->refresh();

    refreshPages();
    m_titleLabel->setText(m_model.titleLabel());
    m_title->setText(m_model.title());
    // Setting the same text again would throw away the caret and the undo steps.
    if (m_description->text() != m_model.description()) {
        m_description->setText(m_model.description());
    }
    if (m_income->value() != m_model.income()) {
        m_income->setValue(m_model.income());
    }
    if (m_expense->value() != m_model.expense()) {
        m_expense->setValue(m_model.expense());
    }
    m_continuous->setChecked(m_model.continuousInput());
    refreshGrid();
    m_refreshing = false;
}

void DatainDialog::refreshPages() {
    for (size_t i = 0; i < kPages.size(); ++i) {
        m_pages->setTabText(static_cast<int>(i), m_model.pageCaption(kPages[i]));
        QListWidget* list = m_lists[i];
        const QStringList items = m_model.pageItems(kPages[i]);
        QStringList shown;
        for (int row = 0; row < list->count(); ++row) {
            shown.append(list->item(row)->text());
        }
        if (shown != items) {
            list->clear();
            list->addItems(items);
        }
    }
    const auto current = static_cast<size_t>(m_model.page());
    m_pages->setCurrentIndex(static_cast<int>(current));
    QListWidget* list = m_lists[current];
    const int picked = m_model.pickedIndex();
    if (picked < 0) {
        list->setCurrentRow(-1);
        list->clearSelection();
    } else if (list->currentRow() != picked) {
        list->setCurrentRow(picked);
    }
}

void DatainDialog::refreshGrid() {
    const DescriptionGrid& grid = m_model.descriptions().grid();
    for (int row = 0; row < kDescriptionRows; ++row) {
        for (int column = 1; column <= kDescriptionColumns; ++column) {
            QTableWidgetItem* item = m_grid->item(row, column);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                m_grid->setItem(row, column, item);
            }
            item->setText(grid.cell(column, row));
        }
    }
}

void DatainDialogWindow::showModal(Tfdatain& dialog) {
    DatainDialog window(dialog, m_parent);
    window.exec();
}

}  // namespace tallyrix
