#include "widgets/book_grid.h"

#include <gtest/gtest.h>
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QMouseEvent>

using namespace tallyrix;

namespace {

TEST(BookGridTest, ShowsEachBookWithItsRecordHiddenAndReportsClicks) {
    BookGrid grid;
    grid.setRows({
        {{QStringLiteral("現金"), QStringLiteral("現金出納帳")}, Amount::fromYen(125000)},
        {{QStringLiteral("預金"), QStringLiteral("みずほ")}, Amount::fromYen(-3500)},
    });
    const QAbstractItemModel& model = grid.gridModel();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("帳簿名"));
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("残高"));
    EXPECT_EQ(model.data(model.index(1, 0)).toString(), grid.rows()[1].record());
    EXPECT_EQ(model.data(model.index(1, 1)).toString(), QStringLiteral("預金|みずほ"));
    EXPECT_EQ(model.data(model.index(1, 2)).toString(), QStringLiteral("-3,500"));
    const auto alignment =
        model.data(model.index(1, 2), Qt::TextAlignmentRole).value<Qt::Alignment>();
    EXPECT_EQ(alignment & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(grid.columnWidth(0), 0);
    EXPECT_EQ(grid.columnWidth(1), 118);
    EXPECT_EQ(grid.columnWidth(2), 97);

    grid.resize(240, 120);
    grid.show();
    QApplication::processEvents();
    std::vector<int> clicks;
    QObject::connect(&grid, &BookGrid::rowClicked, [&](int row) { clicks.push_back(row); });
    const QPoint at = grid.visualRect(model.index(1, 1)).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, grid.viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &event);
    }
    EXPECT_EQ(clicks, std::vector<int>{1});
    EXPECT_EQ(grid.selectedRow(), 1);
}

// The model keeps Qt's rules of an item model as its books change.
TEST(BookGridTest, TheBooksModelKeepsTheRulesOfAnItemModel) {
    BookGrid grid;
    QAbstractItemModelTester tester(&grid.gridModel(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    const BookPanelRow cash{{QStringLiteral("現金"), QStringLiteral("現金出納帳")},
                            Amount::fromYen(1)};
    const BookPanelRow bank{{QStringLiteral("預金"), QStringLiteral("みずほ")},
                            Amount::fromYen(-2)};
    grid.setRows({cash, bank, bank});
    grid.setRows({});
    grid.setRows({bank});
    EXPECT_EQ(grid.gridModel().rowCount(), 1);
}

}  // namespace
