#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <QTableView>
#include <vector>

namespace tallyrix {

class MonthlyTable;

// The cells of the monthly account table as the view reads them. The table's
// heading row is the header; model row r is table row r + 1.
class MonthlyGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(const MonthlyTable& table, bool redNegatives);
    bool redNegatives() const { return m_redNegatives; }
    // The text of a table cell, row 0 being the heading row.
    QString tableCell(int tableRow, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QStringList m_heading;
    std::vector<QStringList> m_rows;
    bool m_redNegatives = false;
};

// The grid "monthlyGrid" of the page "月別一覧表": the heading row and the
// marker column in the fixed colour, every other cell white with its text at
// the right, 2 px below the top and 5 px inside the right edge; negatives red
// when asked. It reports double-clicks and width changes.
class MonthlyGrid : public QTableView {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 20;
    static QColor fixedColor() { return QColor(128, 128, 192); }

    explicit MonthlyGrid(QWidget* parent = nullptr);

    void setTable(const MonthlyTable& table, bool redNegatives);
    MonthlyGridModel& gridModel() { return m_model; }
    const MonthlyGridModel& gridModel() const { return m_model; }

    void setColumnWidths(const QList<int>& widths);
    QList<int> columnWidths() const;

signals:
    // `tableRow` counts the heading row as 0.
    void rowDoubleClicked(int tableRow);
    void columnWidthChanged(int column, int width);
    void contextMenuRequested(const QPoint& globalPos);

private:
    MonthlyGridModel m_model;
    bool m_settingWidths = false;
};

}  // namespace tallyrix
