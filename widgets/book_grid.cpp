#include "widgets/book_grid.h"

#include <QHeaderView>

#include "widgets/grid_look.h"

namespace tallyrix {

void BookGridModel::setRows(std::vector<BookPanelRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int BookGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int BookGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BookGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount) {
        return {};
    }
    const BookPanelRow& row = m_rows[static_cast<size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            switch (index.column()) {
                case Record:
                    return row.record();
                case Book:
                    return row.caption();
                default:
                    return row.balanceText();
            }
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(
                (index.column() == Balance ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
        default:
            return {};
    }
}

QVariant BookGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        switch (section) {
            case Book:
                return QStringLiteral("帳簿名");
            case Balance:
                return QStringLiteral("残高");
            default:
                return QString();
        }
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

BookGrid::BookGrid(QWidget* parent) : QTableView(parent), m_model(this) {
    setModel(&m_model);
    applyGridLook(*this, RowHeight);
    // The record column only carries the row's data.
    setColumnHidden(BookGridModel::Record, true);
    setColumnWidth(BookGridModel::Book, BookWidth);
    setColumnWidth(BookGridModel::Balance, BalanceWidth);
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { emit rowClicked(index.row()); });
}

void BookGrid::setRows(std::vector<BookPanelRow> rows) {
    m_model.setRows(std::move(rows));
}

int BookGrid::selectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

}  // namespace tallyrix
