#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QTableView>
#include <vector>

#include "ledger/view_state.h"

namespace tallyrix {

// The rows of the ledger list as the view reads them. Row 0 of the model is the
// first row under the header; the header texts are the model's header data.
class LedgerGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Marker, Date, Title, Description, Income, Expense, Balance, LineIndex };
    static constexpr int ColumnCount = 8;

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<LedgerRow> rows, bool redNegatives);
    const std::vector<LedgerRow>& rows() const { return m_rows; }
    bool redNegatives() const { return m_redNegatives; }

    static QString headerText(int column);
    static QString cellText(const LedgerRow& row, int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<LedgerRow> m_rows;
    bool m_redNegatives = false;
};

// The ledger list of the main window. It shows the rows it is given and reports
// what the user does with them; what they mean is the window's business.
class LedgerGrid : public QTableView {
    Q_OBJECT

public:
    static constexpr int RowHeight = 20;

    explicit LedgerGrid(QWidget* parent = nullptr);

    // Replaces every row; the cursor stays on the same row index while it exists.
    void setRows(std::vector<LedgerRow> rows, bool redNegatives);
    const std::vector<LedgerRow>& rows() const { return m_model.rows(); }
    LedgerGridModel& gridModel() { return m_model; }
    const LedgerGridModel& gridModel() const { return m_model; }

    // The selected row, 0 = the first row under the header; -1 when none.
    int selectedRow() const;
    // Selects a row and scrolls it into view; out of range clears the selection.
    void selectRowAt(int row);
    void scrollToRow(int row);

    // How many whole rows fit under the header, so the window can pad the list.
    int visibleRowCount() const;

    static QList<int> initialColumnWidths();
    // The line index column stays hidden at width 0 whatever is passed.
    void setColumnWidths(const QList<int>& widths);
    QList<int> columnWidths() const;

    // The whole text of the cell at a point of the viewport when the cell is too
    // narrow to show it; empty otherwise. It is the cell's tool tip.
    QString cutOffTextAt(const QPoint& viewportPos) const;

signals:
    void rowDoubleClicked(int row);
    // A context menu was asked for over `row` (-1 when below the last row).
    void contextMenuRequested(int row, const QPoint& globalPos);

protected:
    bool viewportEvent(QEvent* event) override;

private:
    LedgerGridModel m_model;
};

}  // namespace tallyrix
