#include "widgets/monthly_grid.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include "analysis/monthly_table.h"
#include "widgets/grid_look.h"

namespace tallyrix {
namespace {

constexpr int kTextTop = 2;
constexpr int kTextRight = 5;

// Draws the cells as the table wants them, whatever the style would do.
class MonthlyCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool fixed = index.column() == MonthlyTable::kMarkerColumn;
        painter->save();
        painter->fillRect(option.rect, fixed ? MonthlyGrid::fixedColor() : QColor(Qt::white));
        const QBrush foreground = index.data(Qt::ForegroundRole).value<QBrush>();
        painter->setPen(foreground.style() == Qt::NoBrush ? QColor(Qt::black) : foreground.color());
        painter->setFont(option.font);
        const QRect text = option.rect.adjusted(0, kTextTop, -kTextRight, 0);
        const int alignment =
            fixed ? int(Qt::AlignHCenter | Qt::AlignTop) : int(Qt::AlignRight | Qt::AlignTop);
        painter->drawText(text, alignment, index.data().toString());
        painter->setPen(QColor(192, 192, 192));
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->restore();
    }
};

}  // namespace

void MonthlyGridModel::setTable(const MonthlyTable& table, bool redNegatives) {
    beginResetModel();
    m_heading = table.rowTexts(0);
    m_rows.clear();
    for (int row = 1; row < table.rowCount(); ++row) {
        m_rows.push_back(table.rowTexts(row));
    }
    m_redNegatives = redNegatives;
    endResetModel();
}

QString MonthlyGridModel::tableCell(int tableRow, int column) const {
    if (tableRow == 0) {
        return m_heading.value(column);
    }
    if (tableRow < 1 || tableRow > static_cast<int>(m_rows.size())) {
        return {};
    }
    return m_rows[static_cast<size_t>(tableRow - 1)].value(column);
}

int MonthlyGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int MonthlyGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : MonthlyTable::kColumns;
}

QVariant MonthlyGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const QString text = tableCell(index.row() + 1, index.column());
    switch (role) {
        case Qt::DisplayRole:
            return text;
        case Qt::ToolTipRole:
            // A long title or description is cut at the left of its cell.
            return index.column() == MonthlyTable::kTitleColumn && !text.isEmpty() ? text
                                                                                   : QVariant();
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignTop));
        case Qt::ForegroundRole:
            if (m_redNegatives && index.column() != MonthlyTable::kMarkerColumn &&
                text.contains(u'-')) {
                return QBrush(QColor(Qt::red));
            }
            return {};
        default:
            return {};
    }
}

QVariant MonthlyGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return m_heading.value(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

MonthlyGrid::MonthlyGrid(QWidget* parent) : QTableView(parent), m_model(this) {
    setModel(&m_model);
    applyGridLook(*this, kRowHeight);
    setSelectionMode(QAbstractItemView::NoSelection);
    setShowGrid(false);
    setItemDelegate(new MonthlyCellDelegate(this));
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The heading row is a fixed row in the fixed colour.
    horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: rgb(128,128,192); color: black;"
                       " border: none; border-right: 1px solid rgb(96,96,160);"
                       " border-bottom: 1px solid rgb(96,96,160); padding: 0px 4px; }"));
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setFixedHeight(kRowHeight + 2);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    for (int c = 0; c < MonthlyTable::kColumns; ++c) {
        setColumnWidth(c, c == 0 ? 30 : 100);
    }

    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (!m_settingWidths) {
                    emit columnWidthChanged(column, width);
                }
            });
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit rowDoubleClicked(index.row() + 1); });
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { emit contextMenuRequested(viewport()->mapToGlobal(pos)); });
}

void MonthlyGrid::setTable(const MonthlyTable& table, bool redNegatives) {
    m_model.setTable(table, redNegatives);
}

void MonthlyGrid::setColumnWidths(const QList<int>& widths) {
    m_settingWidths = true;
    for (int c = 0; c < MonthlyTable::kColumns && c < widths.size(); ++c) {
        setColumnWidth(c, std::max(0, widths[c]));
    }
    m_settingWidths = false;
}

QList<int> MonthlyGrid::columnWidths() const {
    QList<int> widths;
    for (int c = 0; c < MonthlyTable::kColumns; ++c) {
        widths.append(columnWidth(c));
    }
    return widths;
}

}  // namespace tallyrix
