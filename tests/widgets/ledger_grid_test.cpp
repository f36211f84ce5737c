#include "widgets/ledger_grid.h"

#include <gtest/gtest.h>
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QColor>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QToolTip>

using namespace tallyrix;

namespace {

LedgerRow entry(const QString& balance, const QString& line = QStringLiteral("4")) {
    return {QStringLiteral("+"),
            QStringLiteral("07月03日"),
            QStringLiteral("旅費交通費"),
            QStringLiteral("タクシー"),
            QStringLiteral("1,200"),
            QStringLiteral("300"),
            balance,
            line};
}

QVariant cell(const LedgerGrid& grid, int row, int column, int role = Qt::DisplayRole) {
    const QAbstractItemModel& model = grid.gridModel();
    return model.data(model.index(row, column), role);
}

bool drawnRed(const LedgerGrid& grid, int row, int column) {
    const QVariant brush = cell(grid, row, column, Qt::ForegroundRole);
    return brush.isValid() && brush.value<QBrush>().color() == QColor(Qt::red);
}

std::vector<LedgerRow> rowsOf(int count) {
    std::vector<LedgerRow> rows;
    for (int i = 0; i < count; ++i) {
        rows.push_back(entry(QString::number(i), QString::number(i)));
    }
    return rows;
}

TEST(LedgerGridTest, ShowsHeaderAndRowTextsInTheirColumnsAndAlignments) {
    LedgerGrid grid;
    grid.setRows({entry(QStringLiteral("12,900"), QStringLiteral("17"))}, false);

    const struct {
        int column;
        const char* header;
        const char* text;
        Qt::Alignment horizontal;
    } columns[] = {
        {0, "", "+", Qt::AlignLeft},
        {1, "日　付", "07月03日", Qt::AlignLeft},
        {2, "科　目", "旅費交通費", Qt::AlignLeft},
        {3, "摘　要", "タクシー", Qt::AlignLeft},
        {4, "収　入", "1,200", Qt::AlignRight},
        {5, "支　出", "300", Qt::AlignRight},
        {6, "差引残高", "12,900", Qt::AlignRight},
        {7, "", "17", Qt::AlignLeft},
    };
    ASSERT_EQ(grid.gridModel().columnCount(), 8);
    ASSERT_EQ(grid.gridModel().rowCount(), 1);
    for (const auto& c : columns) {
        SCOPED_TRACE(c.column);
        EXPECT_EQ(grid.gridModel().headerData(c.column, Qt::Horizontal).toString(),
                  QString::fromUtf8(c.header));
        EXPECT_EQ(cell(grid, 0, c.column).toString(), QString::fromUtf8(c.text));
        if (c.column != 7) {
            const auto alignment =
                cell(grid, 0, c.column, Qt::TextAlignmentRole).value<Qt::Alignment>();
            EXPECT_EQ(alignment & Qt::AlignHorizontal_Mask, c.horizontal);
        }
    }
}

TEST(LedgerGridTest, BalanceIsRedOnlyWithAMinusAndRedNegativesOn) {
    const struct {
        const char* balance;
        bool redNegatives;
        bool red;
    } cases[] = {
        {"-1,500", true, true},
        {"-1,500", false, false},
        {"1,500", true, false},
        {"", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.balance) + (c.redNegatives ? " red negatives" : ""));
        LedgerGrid grid;
        LedgerRow row = entry(QString::fromUtf8(c.balance));
        row.income = QStringLiteral("-5");  // only the balance column follows the option
        grid.setRows({row}, c.redNegatives);
        EXPECT_EQ(drawnRed(grid, 0, LedgerGridModel::Balance), c.red);
        EXPECT_FALSE(drawnRed(grid, 0, LedgerGridModel::Income));
    }
}

TEST(LedgerGridTest, LineIndexColumnStaysHiddenAtWidthZero) {
    LedgerGrid grid;
    EXPECT_EQ(grid.columnWidths(), (QList<int>{30, 115, 254, 169, 121, 106, 123, 0}));
    EXPECT_EQ(LedgerGrid::initialColumnWidths()[7], 133);

    grid.setColumnWidths({40, 100, 200, 150, 90, 80, 70, 133});
    EXPECT_EQ(grid.columnWidths(), (QList<int>{40, 100, 200, 150, 90, 80, 70, 0}));
    EXPECT_EQ(grid.columnWidth(LedgerGridModel::LineIndex), 0);
    EXPECT_TRUE(grid.isColumnHidden(LedgerGridModel::LineIndex));

    // A short list from an old layout file changes only what it names.
    grid.setColumnWidths({25});
    EXPECT_EQ(grid.columnWidths(), (QList<int>{25, 100, 200, 150, 90, 80, 70, 0}));
}

class ShownLedgerGridTest : public ::testing::Test {
protected:
    ShownLedgerGridTest() {
        grid.resize(900, 20 * 10 + 60);
        grid.show();
        QApplication::processEvents();
    }

    QPoint centreOf(int row) const {
        return grid.visualRect(grid.gridModel().index(row, LedgerGridModel::Description)).center();
    }

    LedgerGrid grid;
};

TEST_F(ShownLedgerGridTest, VisibleRowCountIsTheRowsThatFitWhole) {
    grid.setRows(rowsOf(40), false);
    const int visible = grid.visibleRowCount();
    ASSERT_GT(visible, 0);
    const int viewportHeight = grid.viewport()->height();
    EXPECT_LE(grid.rowViewportPosition(visible - 1) + grid.rowHeight(visible - 1), viewportHeight);
    EXPECT_GT(grid.rowViewportPosition(visible) + grid.rowHeight(visible), viewportHeight);
    EXPECT_EQ(grid.rowHeight(0), 20);
}

TEST_F(ShownLedgerGridTest, SelectionSurvivesARefreshWhileTheRowExists) {
    grid.setRows(rowsOf(5), false);
    EXPECT_EQ(grid.selectedRow(), -1);
    grid.selectRowAt(3);
    EXPECT_EQ(grid.selectedRow(), 3);

    grid.setRows(rowsOf(5), true);
    EXPECT_EQ(grid.selectedRow(), 3);
    grid.setRows(rowsOf(2), true);
    EXPECT_EQ(grid.selectedRow(), -1);
}

TEST_F(ShownLedgerGridTest, PointerEventsReportTheRowUnderThePointer) {
    grid.setRows(rowsOf(6), false);
    std::vector<int> doubleClicks;
    std::vector<std::pair<int, QPoint>> menus;
    QObject::connect(&grid, &LedgerGrid::rowDoubleClicked,
                     [&](int row) { doubleClicks.push_back(row); });
    QObject::connect(&grid, &LedgerGrid::contextMenuRequested,
                     [&](int row, const QPoint& pos) { menus.emplace_back(row, pos); });
    const QPoint at = centreOf(2);
    QWidget* viewport = grid.viewport();

    for (QEvent::Type type :
         {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick}) {
        QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
    EXPECT_EQ(doubleClicks, std::vector<int>{2});
    EXPECT_EQ(grid.selectedRow(), 2);

    QContextMenuEvent menu(QContextMenuEvent::Mouse, centreOf(4),
                           viewport->mapToGlobal(centreOf(4)));
    QApplication::sendEvent(viewport, &menu);
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].first, 4);
    EXPECT_EQ(menus[0].second, viewport->mapToGlobal(centreOf(4)));
}

// A description too long for its column shows whole as the cell's tool tip; one
// that fits has none.
TEST_F(ShownLedgerGridTest, ACutOffDescriptionShowsWholeAsItsToolTip) {
    std::vector<LedgerRow> rows = rowsOf(2);
    const QString longText = QStringLiteral("事務用品（コピー用紙・トナー・ファイル）　《営業部》");
    rows[0].description = longText;
    grid.setRows(rows, false);
    grid.setColumnWidth(LedgerGridModel::Description, 80);
    EXPECT_EQ(grid.cutOffTextAt(centreOf(0)), longText);
    EXPECT_EQ(grid.cutOffTextAt(centreOf(1)), QString());  // "タクシー" fits

    QHelpEvent help(QEvent::ToolTip, centreOf(0), grid.viewport()->mapToGlobal(centreOf(0)));
    QApplication::sendEvent(grid.viewport(), &help);
    EXPECT_EQ(QToolTip::text(), longText);
}

// The model keeps Qt's rules of an item model through every refresh: growing,
// shrinking, emptied, every role of every cell.
TEST(LedgerGridTest, TheRowsModelKeepsTheRulesOfAnItemModel) {
    LedgerGrid grid;
    QAbstractItemModelTester tester(&grid.gridModel(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    for (int rows : {3, 40, 0, 7}) {
        grid.setRows(rowsOf(rows), rows % 2 == 1);
    }
    EXPECT_EQ(grid.gridModel().rowCount(), 7);
}

}  // namespace
