#include "app/entry_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/preedit_guard.h"
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

// A list the user types into, the input method included: an item view turns
// the input method off whenever its current item is not editable.
class TypedList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
        QListWidget::currentChanged(current, previous);
        setAttribute(Qt::WA_InputMethodEnabled);
    }
    void focusInEvent(QFocusEvent* event) override {
        QListWidget::focusInEvent(event);
        setAttribute(Qt::WA_InputMethodEnabled);
    }
    // The frame shows where typing goes, as an edit's frame does.
    bool event(QEvent* event) override {
        const bool done = QListWidget::event(event);
        if (event->type() == QEvent::Paint && hasFocus()) {
            QPainter painter(this);
            painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
            painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        }
        return done;
    }
};

bool isEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

bool hasCommandModifier(const QKeyEvent* event) {
    return (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) !=
           Qt::NoModifier;
}

// An amount as the model holds it: the text that names no amount as typed,
// otherwise the amount itself.
void showAmount(NumericEdit* edit, const QString& unread, Amount amount) {
    if (!unread.isEmpty()) {
        if (edit->text() != unread) {
            edit->setText(unread);
        }
        return;
    }
    // Setting the same value again would throw away the caret and the undo steps.
    if (!edit->holdsAmount() || edit->value() != amount) {
        edit->setValue(amount);
    }
}

}  // namespace

EntryDialog::EntryDialog(EntryDialogModel& model, QWidget* parent)
    : ModelDialog(parent), m_model(model), m_guard(new PreeditGuard(this)) {
    setObjectName(QStringLiteral("entryDialog"));
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
    connectKeys();
    orderTabs();
    refresh();
    // A new entry starts with its account title, an edit with what it says.
    if (m_model.mode() == EntryDialogModel::Mode::New) {
        shownList()->setFocus();
    } else {
        m_description->setFocus();
    }
}

EntryDialog::~EntryDialog() = default;

QWidget* EntryDialog::createDatePanel() {
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

QTabWidget* EntryDialog::createPages() {
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    // The pages change with Ctrl+Tab; the tab bar is no stop of its own.
    m_pages->setFocusPolicy(Qt::NoFocus);
    m_pages->tabBar()->setFocusPolicy(Qt::NoFocus);
    const std::array<QString, 3> names{QStringLiteral("titleList"), QStringLiteral("pettyCashList"),
                                       QStringLiteral("bankList")};
    for (size_t i = 0; i < kPages.size(); ++i) {
        auto* list = new TypedList(m_pages);
        list->setObjectName(names[i]);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        // Titles are typed to be found, in Japanese as well.
        list->setAttribute(Qt::WA_InputMethodEnabled);
        list->installEventFilter(this);
        m_lists[i] = list;
        m_pages->addTab(list, m_model.pageCaption(kPages[i]));
    }
    m_pages->setMinimumWidth(220);
    return m_pages;
}

QWidget* EntryDialog::createFields() {
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

QWidget* EntryDialog::createDescriptionGrid() {
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
    m_grid->installEventFilter(this);
    const int frame = 2 * m_grid->frameWidth();
    m_grid->setFixedSize(kDescriptionColumns * kGridColumnWidth + frame,
                         kDescriptionRows * kGridRowHeight + frame);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(m_grid);
    return panel;
}

QWidget* EntryDialog::createAmountsAndButtons() {
    auto* panel = new QWidget(this);
    m_income = new NumericEdit(panel);
    m_income->setObjectName(QStringLiteral("income"));
    m_expense = new NumericEdit(panel);
    m_expense->setObjectName(QStringLiteral("expense"));
    for (NumericEdit* amount : {m_income, m_expense}) {
        amount->setMaxDigits(EntryDialogModel::AmountDigits);
        // The model says what is wrong with text that names no amount.
        amount->setKeepsUnreadableText(true);
        m_guard->watch(amount);
    }
    m_continuous = new QCheckBox(QStringLiteral("連続入力"), panel);
    m_continuous->setObjectName(QStringLiteral("continuous"));

    m_register = dialogButton(QStringLiteral("登　録"), QStringLiteral("registerButton"), panel);
    m_delete = dialogButton(QStringLiteral("削  除"), QStringLiteral("deleteButton"), panel);
    m_close = dialogButton(QStringLiteral("閉じる"), QStringLiteral("closeButton"), panel);

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

void EntryDialog::connectModel() {
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
        // A click on the row already selected changes no selection; it is a
        // pick all the same.
        connect(list, &QListWidget::itemClicked, this, [this, list](QListWidgetItem* item) {
            act([&] { m_model.pick(list->row(item)); });
        });
        // What the user selects, not where focus lands: a list entered by Tab
        // gets a current row but picks nothing.
        connect(list, &QListWidget::itemSelectionChanged, this, [this, list] {
            const QList<QListWidgetItem*> selected = list->selectedItems();
            if (!m_refreshing && !selected.isEmpty()) {
                act([&] { m_model.pick(list->row(selected.first())); });
            }
        });
    }

    // The fields are the model's: every change goes there at once, so what a
    // command reads is what the user sees.
    connect(m_description, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_model.setDescription(text); });
    using Field = EntryDialogModel::AmountField;
    for (const Field field : {Field::Income, Field::Expense}) {
        NumericEdit* edit = amountEdit(field);
        // Only what the user changes: the model's own amount, shown, stays exact.
        connect(edit, &QLineEdit::textChanged, this, [this, field](const QString& text) {
            if (!m_refreshing) {
                m_model.setAmountText(field, text);
            }
        });
        connect(edit, &NumericEdit::unreadableTextCommitted, this,
                [this, field] { act([&] { m_model.amountTextCommitted(field); }); });
    }
    connect(m_continuous, &QCheckBox::toggled, this,
            [this](bool on) { m_model.setContinuousInput(on); });

    connect(m_guard, &PreeditGuard::enterPressed, this, &EntryDialog::enterIn);

    connect(m_grid, &QTableWidget::cellClicked, this, &EntryDialog::takeDescription);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        act([&] { m_model.descriptions().cellDoubleClick(column, row); });
    });

    connect(m_register, &QPushButton::clicked, this, &EntryDialog::registerEntry);
    connect(m_delete, &QPushButton::clicked, this,
            [this] { act([this] { m_model.deleteEntry(); }); });
    connect(m_close, &QPushButton::clicked, this, &EntryDialog::reject);
}

void EntryDialog::connectKeys() {
    const auto shortcut = [this](QKeyCombination keys, const std::function<void()>& action) {
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this,
                [this, action] { act(action); });
    };
    shortcut(Qt::Key_PageUp, [this] { m_model.moveDate(-1); });
    shortcut(Qt::Key_PageDown, [this] { m_model.moveDate(1); });
    shortcut(Qt::CTRL | Qt::Key_PageUp, [this] { m_model.moveMonths(-1); });
    shortcut(Qt::CTRL | Qt::Key_PageDown, [this] { m_model.moveMonths(1); });
    for (const QKeyCombination keys : {Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::SHIFT | Qt::Key_Tab,
                                       Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab}) {
        const int by = keys.keyboardModifiers().testFlag(Qt::ShiftModifier) ? -1 : 1;
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this,
                [this, by] { stepPage(by); });
    }
    connect(m_calendar, &CalendarWidget::daysStepped, this,
            [this](int days) { act([&] { m_model.moveDate(days); }); });
    m_description->installEventFilter(this);
}

void EntryDialog::orderTabs() {
    QList<QWidget*> chain(m_lists.begin(), m_lists.end());
    chain << m_description << m_income << m_expense << m_continuous << m_register << m_delete
          << m_close << m_grid << m_calendar;
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        setTabOrder(chain[i], chain[i + 1]);
    }
}

QListWidget* EntryDialog::shownList() const {
    return m_lists[static_cast<size_t>(m_model.page())];
}

NumericEdit* EntryDialog::amountEdit(EntryDialogModel::AmountField field) const {
    return field == EntryDialogModel::AmountField::Income ? m_income : m_expense;
}

void EntryDialog::focusAmountAfterDescription() {
    // Entered by the keyboard, the amount field selects its text.
    amountEdit(m_model.amountAfterDescription())->setFocus(Qt::OtherFocusReason);
}

void EntryDialog::stepPage(int by) {
    const int count = static_cast<int>(kPages.size());
    const int next = (static_cast<int>(m_model.page()) + by + count) % count;
    act([&] { m_model.changePage(kPages[static_cast<size_t>(next)]); });
    shownList()->setFocus(Qt::TabFocusReason);
}

void EntryDialog::takeDescription(int row, int column) {
    act([&] { m_model.descriptionClick(column, row); });
    focusAmountAfterDescription();
}

void EntryDialog::enterGrid() {
    m_grid->setFocus(Qt::TabFocusReason);
    if (!m_grid->currentIndex().isValid()) {
        m_grid->setCurrentCell(0, 1);
    }
}

bool EntryDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::InputMethod) {
        // Text committed in a list is typed into it, like a key.
        const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
        auto* list = qobject_cast<QListWidget*>(watched);
        if (list != nullptr && !commit.isEmpty()) {
            act([&] { m_model.typeInList(commit); });
            return true;
        }
    }
    if (event->type() != QEvent::KeyPress) {
        return ModelDialog::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (auto* list = qobject_cast<QListWidget*>(watched)) {
        return listKey(list, key);
    }
    if (watched == m_grid) {
        return gridKey(key);
    }
    if (watched == m_description && key->key() == Qt::Key_Down && !hasCommandModifier(key) &&
        !m_guard->composing(m_description)) {
        enterGrid();
        return true;
    }
    return ModelDialog::eventFilter(watched, event);
}

bool EntryDialog::listKey(QListWidget* list, QKeyEvent* event) {
    const int row = list->currentRow();
    if (isEnter(event)) {
        // Enter chooses the highlighted item and goes on to the description.
        if (row >= 0 && row != m_model.pickedIndex()) {
            act([&] { m_model.pick(row); });
        }
        if (row >= 0) {
            m_description->setFocus(Qt::TabFocusReason);
        }
        return true;
    }
    const bool arrow = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (arrow && list->selectedItems().isEmpty() && list->count() > 0) {
        // The first arrow picks the row shown current, not the one after it.
        act([&] { m_model.pick(std::max(row, 0)); });
        return true;
    }
    const QString text = event->text();
    if (!hasCommandModifier(event) && !text.trimmed().isEmpty() && text.front().isPrint()) {
        act([&] { m_model.typeInList(text); });
        return true;
    }
    return false;
}

bool EntryDialog::gridKey(QKeyEvent* event) {
    const QModelIndex current = m_grid->currentIndex();
    if (isEnter(event) || event->key() == Qt::Key_Space) {
        if (current.isValid()) {
            takeDescription(current.row(), current.column());
        }
        return true;
    }
    if (event->key() == Qt::Key_Up && (!current.isValid() || current.row() == 0)) {
        m_description->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

void EntryDialog::keyPressEvent(QKeyEvent* event) {
    if (!isEnter(event)) {
        ModelDialog::keyPressEvent(event);
        return;
    }
    // Enter reaches the dialog from fields without a rule of their own: it
    // presses a button only when that button has focus.
    event->accept();
    if (auto* pressed = qobject_cast<QPushButton*>(focusWidget())) {
        pressed->click();
    }
}

void EntryDialog::registerEntry() {
    bool registered = false;
    act([&] { registered = m_model.registerEntry(); });
    // The next entry of the same day starts with its description.
    if (registered && !m_model.closed()) {
        m_description->setFocus();
    }
}

void EntryDialog::enterIn(QLineEdit* edit) {
    if (edit == m_description) {
        focusAmountAfterDescription();
    } else {
        registerEntry();
    }
}

void EntryDialog::reject() {
    act([this] { m_model.close(); });
}

void EntryDialog::refresh() {
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
    using Field = EntryDialogModel::AmountField;
    showAmount(m_income, m_model.unreadAmountText(Field::Income), m_model.income());
    showAmount(m_expense, m_model.unreadAmountText(Field::Expense), m_model.expense());
    m_continuous->setChecked(m_model.continuousInput());
    refreshGrid();
    m_refreshing = false;
}

void EntryDialog::refreshPages() {
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
    } else if (list->currentRow() != picked || !list->item(picked)->isSelected()) {
        list->setCurrentRow(picked, QItemSelectionModel::ClearAndSelect);
    }
}

void EntryDialog::refreshGrid() {
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

}  // namespace tallyrix
