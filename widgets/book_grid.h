#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <vector>

#include "ledger/view_state.h"

namespace tallyrix {

// The rows of the book panel "各帳簿別残高": the hidden record, the book and
// its balance. Row 0 is the first book under the header.
class BookGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Record, Book, Balance };
    static constexpr int ColumnCount = 3;

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<BookPanelRow> rows);
    const std::vector<BookPanelRow>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<BookPanelRow> m_rows;
};

// The grid NOTESGRID of the side panel: one row per book with its balance.
class BookGrid : public QTableView {
    Q_OBJECT

public:
    static constexpr int RowHeight = 20;
    static constexpr int BookWidth = 118;
    static constexpr int BalanceWidth = 97;

    explicit BookGrid(QWidget* parent = nullptr);

    void setRows(std::vector<BookPanelRow> rows);
    const std::vector<BookPanelRow>& rows() const { return m_model.rows(); }
    BookGridModel& gridModel() { return m_model; }

    // The selected row, 0 = the first book; -1 when none.
    int selectedRow() const;

signals:
    // A click on the row of a book, 0 = the first book.
    void rowClicked(int row);

private:
    BookGridModel m_model;
};

}  // namespace tallyrix
