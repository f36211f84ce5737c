#include "widgets/monthly_grid.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QImage>

#include "analysis/monthly_table.h"
#include "ledger/periods.h"
#include "tests/support/gui_events.h"
#include "yearfile/workspace.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

// Income 5,000 in April and an expense of 8,000 in May: the balance of May is negative.
MonthlyTable smallTable() {
    Workspace ws;
    autoSetMonthEnd(ws.periods, 4, 2015);
    ws.periods.startMonth = 4;
    ws.entries.append(
        QStringLiteral("d04=,2015/04/10,1,売上,現金売上,5000,0,,現金,現金出納帳,現金,現金出納帳,"));
    ws.entries.append(
        QStringLiteral("d05=,2015/05/10,2,仕入,山田商店,0,8000,,現金,現金出納帳,現金,現金出納帳,"));
    MonthlyTable table;
    table.compute(ws.entries, ws.periods,
                  {TableBookItem::allBooksText(), TableBookItem::allBooksText()},
                  TableLevel::Accounts, {});
    return table;
}

QVariant cell(const MonthlyGrid& grid, int tableRow, int column, int role = Qt::DisplayRole) {
    const QAbstractItemModel& model = grid.gridModel();
    return model.data(model.index(tableRow - 1, column), role);
}

bool drawnRed(const MonthlyGrid& grid, int tableRow, int column) {
    const QVariant brush = cell(grid, tableRow, column, Qt::ForegroundRole);
    return brush.isValid() && brush.value<QBrush>().color() == QColor(Qt::red);
}

TEST(MonthlyGridTest, TheHeadingRowIsTheHeaderAndTheRowsFollow) {
    MonthlyGrid grid;
    const MonthlyTable table = smallTable();
    grid.setTable(table, false);
    EXPECT_EQ(grid.gridModel().rowCount(), table.rowCount() - 1);
    EXPECT_EQ(grid.gridModel().headerData(2, Qt::Horizontal).toString(), "4月度");
    EXPECT_EQ(grid.gridModel().headerData(14, Qt::Horizontal).toString(), "科目年間計");
    EXPECT_EQ(cell(grid, 1, 1).toString(), "■収入の部");
    EXPECT_EQ(cell(grid, 1, 0).toString(), "-");
    EXPECT_EQ(cell(grid, 2, 2).toString(), "5,000");
    EXPECT_EQ(cell(grid, 9, 3).toString(), "-8,000");
}

TEST(MonthlyGridTest, NegativesAreRedOnlyWhenAsked) {
    MonthlyGrid grid;
    grid.setTable(smallTable(), false);
    EXPECT_FALSE(drawnRed(grid, 9, 3));
    grid.setTable(smallTable(), true);
    EXPECT_TRUE(drawnRed(grid, 9, 3));
    EXPECT_FALSE(drawnRed(grid, 9, 2));
    EXPECT_FALSE(drawnRed(grid, 1, 0));
}

TEST(MonthlyGridTest, FixedCellsInTheFixedColourAndTextAtTheRight) {
    MonthlyGrid grid;
    grid.resize(700, 300);
    grid.setTable(smallTable(), true);
    grid.show();
    const QImage image = grid.grab().toImage();
    const int headerHeight = grid.horizontalHeader()->height();
    const QPoint markerCell(grid.frameWidth() + 3, headerHeight + grid.frameWidth() + 5);
    EXPECT_EQ(image.pixelColor(markerCell), MonthlyGrid::fixedColor());
    EXPECT_EQ(image.pixelColor(grid.frameWidth() + 140, grid.frameWidth() + 3),
              MonthlyGrid::fixedColor());

    // Row 9 (the balance row) holds -8,000 in column 3: red pixels at the
    // right of its cell, none in its left half.
    const QRect cellRect =
        grid.visualRect(grid.gridModel().index(8, 3)).translated(grid.viewport()->pos());
    bool redAtRight = false;
    bool anythingAtLeft = false;
    for (int x = cellRect.left(); x <= cellRect.right(); ++x) {
        for (int y = cellRect.top(); y <= cellRect.bottom() - 1; ++y) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 100 && c.blue() < 100) {
                redAtRight = redAtRight || x > cellRect.center().x();
            }
            if (x < cellRect.center().x() - 10 && c != QColor(Qt::white)) {
                anythingAtLeft = true;
            }
        }
    }
    EXPECT_TRUE(redAtRight);
    EXPECT_FALSE(anythingAtLeft);
}

TEST(MonthlyGridTest, ReportsDoubleClicksByTableRowAndWidthsTheUserSets) {
    MonthlyGrid grid;
    grid.resize(700, 300);
    grid.setTable(smallTable(), false);
    grid.show();
    QList<int> clicks;
    QObject::connect(&grid, &MonthlyGrid::rowDoubleClicked,
                     [&clicks](int row) { clicks.append(row); });
    doubleClick(grid.viewport(), grid.visualRect(grid.gridModel().index(1, 1)).center());
    EXPECT_EQ(clicks, QList<int>{2});

    QList<QPair<int, int>> widths;
    QObject::connect(&grid, &MonthlyGrid::columnWidthChanged, [&widths](int column, int width) {
        widths.append({column, width});
    });
    grid.setColumnWidths({40, 150, 90});
    EXPECT_TRUE(widths.isEmpty());
    EXPECT_EQ(grid.columnWidths().mid(0, 4), (QList<int>{40, 150, 90, 100}));
    grid.horizontalHeader()->resizeSection(5, 77);
    EXPECT_EQ(widths, (QList<QPair<int, int>>{{5, 77}}));
}

}  // namespace
