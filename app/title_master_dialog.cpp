#include "app/title_master_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/enter_key.h"
#include "app/preedit_guard.h"
#include "core/app_title.h"
#include "widgets/gradient_panel.h"
#include "widgets/ledger_grid.h"

namespace tallyrix {
namespace {

constexpr int kTitleColumnWidth = 150;
constexpr int kHeaderColumnWidth = 32;

}  // namespace

TitleMasterDialog::TitleMasterDialog(TitleMasterModel& model, QWidget* parent)
    : ModelDialog(parent),
      m_model(model),
      m_heading(new GradientPanel(this)),
      m_grid(new QTableWidget(kTitleRows, kTitleColumns, this)),
      m_status(new QStatusBar(this)),
      m_update(dialogButton(QStringLiteral("更　新"), QStringLiteral("updateButton"), this)),
      m_cancel(dialogButton(QStringLiteral("キャンセル"), QStringLiteral("cancelButton"), this)) {
    setObjectName(QStringLiteral("titleMaster"));
    setWindowTitle(applicationTitle());

    m_heading->setObjectName(QStringLiteral("heading"));
    QFont headingFont = m_heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    headingFont.setBold(true);
    m_heading->setFont(headingFont);
    m_heading->setMinimumHeight(34);

    // The header row and column are the grid's own headers; row and column
    // numbers there name the title positions 1..60.
    m_grid->setObjectName(QStringLiteral("titleGrid"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setWordWrap(false);
    m_grid->setTabKeyNavigation(false);
    m_grid->setCornerButtonEnabled(false);
    QStringList columns;
    for (int c = 1; c <= kTitleColumns; ++c) {
        columns.append(QString::number(c));
        m_grid->setColumnWidth(c - 1, kTitleColumnWidth);
    }
    m_grid->setHorizontalHeaderLabels(columns);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(LedgerGrid::RowHeight);
    m_grid->verticalHeader()->setFixedWidth(kHeaderColumnWidth);
    m_grid->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_grid->verticalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setFixedHeight(LedgerGrid::RowHeight + 2);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * m_grid->frameWidth();
    m_grid->setFixedSize(kHeaderColumnWidth + kTitleColumns * kTitleColumnWidth + frame,
                         LedgerGrid::RowHeight + 2 + kTitleRows * LedgerGrid::RowHeight + frame);

    m_status->setObjectName(QStringLiteral("status"));
    m_status->setSizeGripEnabled(false);
    for (const QString& text : m_model.statusPanels()) {
        auto* panel = new QLabel(text, m_status);
        m_status->addWidget(panel);
        m_panels.append(panel);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_update);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_grid);
    layout->addLayout(buttons);
    layout->addWidget(m_status);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        act([&] { m_model.cellDoubleClick(GridCell{column + 1, row + 1}); });
    });
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int column) { act([&] {
                                     m_model.cellDoubleClick(GridCell{column + 1, 0});
                                 }); });
    connect(m_grid->verticalHeader(), &QHeaderView::sectionDoubleClicked, this, [this](int row) {
        act([&] { m_model.cellDoubleClick(GridCell{0, row + 1}); });
    });
    onEnterKey(m_grid, [this] {
        const QModelIndex current = m_grid->currentIndex();
        if (current.isValid()) {
            act([&] {
                m_model.cellDoubleClick(GridCell{current.column() + 1, current.row() + 1});
            });
        }
    });
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (!m_refreshing && row >= 0 && column >= 0) {
            act([&] { m_model.selectCell(GridCell{column + 1, row + 1}); });
        }
    });
    connect(m_update, &QPushButton::clicked, this, [this] { act([this] { m_model.update(); }); });
    connect(m_cancel, &QPushButton::clicked, this, &TitleMasterDialog::reject);

    refresh();
}

void TitleMasterDialog::reject() {
    act([this] { m_model.cancel(); });
}

void TitleMasterDialog::refresh() {
    m_refreshing = true;
    m_heading->setText(m_model.heading());
    m_update->setVisible(m_model.updateButtonVisible());
    const QStringList panels = m_model.statusPanels();
    for (int i = 0; i < m_panels.size() && i < panels.size(); ++i) {
        m_panels[i]->setText(panels[i]);
    }
    refreshGrid();
    refreshSelection();
    m_refreshing = false;
}

void TitleMasterDialog::refreshGrid() {
    for (int column = 1; column <= kTitleColumns; ++column) {
        for (int row = 1; row <= kTitleRows; ++row) {
            QTableWidgetItem* item = m_grid->item(row - 1, column - 1);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                m_grid->setItem(row - 1, column - 1, item);
            }
            item->setText(m_model.grid().cell(column, row));
        }
    }
}

void TitleMasterDialog::refreshSelection() {
    QItemSelectionModel* selection = m_grid->selectionModel();
    const std::optional<GridCell>& cell = m_model.selection();
    if (!cell) {
        // Through the view, so that focus does not make the first cell current.
        m_grid->setCurrentIndex(QModelIndex());
        selection->clear();
        return;
    }
    const QModelIndex index = m_grid->model()->index(cell->row - 1, cell->column - 1);
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

TitleEditorDialog::TitleEditorDialog(TitleEditorModel& model, QWidget* parent)
    : ModelDialog(parent),
      m_model(model),
      m_guard(new PreeditGuard(this)),
      m_edit(new QLineEdit(this)),
      m_execute(dialogButton(QStringLiteral("実　行"), QStringLiteral("executeButton"), this)),
      m_cancel(dialogButton(QStringLiteral("キャンセル"), QStringLiteral("cancelButton"), this)) {
    setObjectName(QStringLiteral("titleEditor"));
    setWindowTitle(applicationTitle());

    auto* hint = new QLabel(TitleEditorModel::hintText(), this);
    hint->setObjectName(QStringLiteral("hint"));
    m_edit->setObjectName(QStringLiteral("titleEdit"));
    m_edit->setAttribute(Qt::WA_InputMethodEnabled);
    m_edit->setMinimumWidth(m_edit->fontMetrics().horizontalAdvance(QString(10, QChar(0x3042))));
    m_guard->watch(m_edit);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_execute);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(m_edit);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_edit, &QLineEdit::textEdited, this, [this](const QString& text) {
        act([&] { m_model.editChange(text, m_edit->cursorPosition()); });
    });
    // Enter is "実　行", unless it converts a reading.
    connect(m_guard, &PreeditGuard::enterPressed, this,
            [this] { act([this] { m_model.execute(); }); });
    connect(m_execute, &QPushButton::clicked, this, [this] { act([this] { m_model.execute(); }); });
    connect(m_cancel, &QPushButton::clicked, this, &TitleEditorDialog::reject);

    refresh();
}

void TitleEditorDialog::reject() {
    act([this] { m_model.cancel(); });
}

void TitleEditorDialog::refresh() {
    if (m_edit->text() != m_model.text()) {
        m_edit->setText(m_model.text());
    }
    m_edit->setCursorPosition(m_model.caret());
}

}  // namespace tallyrix
