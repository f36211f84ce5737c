#include "widgets/ledger_grid.h"

#include <QBrush>
#include <QColor>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QPalette>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>
#include <array>

#include "widgets/grid_look.h"

namespace tallyrix {

namespace {

const std::array<int, LedgerGridModel::ColumnCount> kInitialWidths = {30,  115, 254, 169,
                                                                      121, 106, 123, 133};

}  // namespace

void LedgerGridModel::setRows(std::vector<LedgerRow> rows, bool redNegatives) {
    beginResetModel();
    m_rows = std::move(rows);
    m_redNegatives = redNegatives;
    endResetModel();
}

QString LedgerGridModel::headerText(int column) {
    switch (column) {
        case Date:
            return QStringLiteral("日　付");
        case Title:
            return QStringLiteral("科　目");
        case Description:
            return QStringLiteral("摘　要");
        case Income:
            return QStringLiteral("収　入");
        case Expense:
            return QStringLiteral("支　出");
        case Balance:
            return QStringLiteral("差引残高");
        default:
            return QString();
    }
}

QString LedgerGridModel::cellText(const LedgerRow& row, int column) {
    switch (column) {
        case Marker:
            return row.marker;
        case Date:
            return row.date;
        case Title:
            return row.title;
        case Description:
            return row.description;
        case Income:
            return row.income;
        case Expense:
            return row.expense;
        case Balance:
            return row.balance;
        case LineIndex:
            return row.lineIndex;
        default:
            return QString();
    }
}

int LedgerGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int LedgerGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LedgerGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount) {
        return {};
    }
    const LedgerRow& row = m_rows[static_cast<size_t>(index.row())];
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return cellText(row, column);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(
                (column >= Income && column <= Balance ? Qt::AlignRight : Qt::AlignLeft) |
                Qt::AlignVCenter));
        case Qt::ForegroundRole:
            if (column == Balance && m_redNegatives && row.balance.contains(u'-')) {
                return QBrush(QColor(Qt::red));
            }
            return {};
        case Qt::BackgroundRole:
            // The marker column is a fixed column and looks like the header.
            if (column == Marker) {
                return QGuiApplication::palette().brush(QPalette::Button);
            }
            return {};
        default:
            return {};
    }
}

QVariant LedgerGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return headerText(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

LedgerGrid::LedgerGrid(QWidget* parent) : QTableView(parent), m_model(this) {
    setModel(&m_model);
    applyGridLook(*this, RowHeight);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setColumnHidden(LedgerGridModel::LineIndex, true);
    setColumnWidths(initialColumnWidths());

    setContextMenuPolicy(Qt::CustomContextMenu);
    // The position comes in viewport coordinates, as for every scroll area.
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        emit contextMenuRequested(indexAt(pos).row(), viewport()->mapToGlobal(pos));
    });
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit rowDoubleClicked(index.row()); });
}

void LedgerGrid::setRows(std::vector<LedgerRow> rows, bool redNegatives) {
    // A refresh rebuilds every row; like a plain grid, the list keeps its
    // cursor row and scroll position as long as they still exist.
    const int keep = selectedRow();
    const int scroll = verticalScrollBar()->value();
    m_model.setRows(std::move(rows), redNegatives);
    if (keep >= 0 && keep < m_model.rowCount()) {
        selectionModel()->setCurrentIndex(
            m_model.index(keep, LedgerGridModel::Date),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    verticalScrollBar()->setValue(scroll);
}

int LedgerGrid::selectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void LedgerGrid::selectRowAt(int row) {
    if (row < 0 || row >= m_model.rowCount()) {
        clearSelection();
        return;
    }
    const QModelIndex index = m_model.index(row, LedgerGridModel::Date);
    selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void LedgerGrid::scrollToRow(int row) {
    if (row >= 0 && row < m_model.rowCount()) {
        scrollTo(m_model.index(row, LedgerGridModel::Date), QAbstractItemView::PositionAtTop);
    }
}

int LedgerGrid::visibleRowCount() const {
    return viewport()->height() / RowHeight;
}

QList<int> LedgerGrid::initialColumnWidths() {
    return QList<int>(kInitialWidths.begin(), kInitialWidths.end());
}

void LedgerGrid::setColumnWidths(const QList<int>& widths) {
    const int count = std::min<int>(static_cast<int>(widths.size()), LedgerGridModel::LineIndex);
    for (int column = 0; column < count; ++column) {
        setColumnWidth(column, std::max(0, widths[column]));
    }
    // The line index is data, never something to look at.
    setColumnHidden(LedgerGridModel::LineIndex, true);
}

QString LedgerGrid::cutOffTextAt(const QPoint& viewportPos) const {
    const QModelIndex index = indexAt(viewportPos);
    if (!index.isValid()) {
        return {};
    }
    const QString text = m_model.data(index, Qt::DisplayRole).toString();
    // The style's margins on both sides of a cell's text.
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    const bool cutOff = fontMetrics().horizontalAdvance(text) + margin > visualRect(index).width();
    return cutOff ? text : QString();
}

bool LedgerGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = cutOffTextAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, viewport(),
                               visualRect(indexAt(help->pos())));
        }
        return true;
    }
    return QTableView::viewportEvent(event);
}

QList<int> LedgerGrid::columnWidths() const {
    QList<int> widths;
    for (int column = 0; column < LedgerGridModel::ColumnCount; ++column) {
        widths.append(column == LedgerGridModel::LineIndex ? 0 : columnWidth(column));
    }
    return widths;
}

}  // namespace tallyrix
