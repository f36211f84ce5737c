#include "widgets/summary_graph.h"

#include <gtest/gtest.h>

#include <QImage>

#include "analysis/monthly_table.h"
#include "ledger/periods.h"
#include "yearfile/workspace.h"

using namespace tallyrix;

namespace {

// Income of 300,000 in April and an expense of 150,000 in June.
SummaryFigures figures() {
    Workspace ws;
    autoSetMonthEnd(ws.periods, 4, 2015);
    ws.periods.startMonth = 4;
    ws.periods.startYear = 2015;
    ws.entries.append(QStringLiteral(
        "d04=,2015/04/10,1,売上,現金売上,300000,0,,現金,現金出納帳,現金,現金出納帳,"));
    ws.entries.append(QStringLiteral(
        "d06=,2015/06/10,2,仕入,山田商店,0,150000,,現金,現金出納帳,現金,現金出納帳,"));
    MonthlyTable table;
    table.compute(ws.entries, ws.periods,
                  {TableBookItem::allBooksText(), TableBookItem::allBooksText()},
                  TableLevel::Accounts, {});
    SummaryFigures summary;
    summary.setRange(ws.periods);
    summary.refresh(table, ws.periods);
    return summary;
}

TEST(SummaryGraphTest, BarsStandOnTheBaseLineAtTheirSlots) {
    const SummaryFigures f = figures();
    EXPECT_EQ(SummaryGraph::incomeBarRect(f.slot(1).income, 1), QRect(93, 35, 35, 300));
    EXPECT_EQ(SummaryGraph::expenseBarRect(f.slot(3).expenses, 3), QRect(285 + 41, 185, 35, 150));
    EXPECT_EQ(SummaryGraph::slotX(12), 93 + 96 * 11);
    EXPECT_EQ(SummaryGraph::slotX(13), 2);
}

TEST(SummaryGraphTest, DrawsTheBarsInTheirColoursAndNothingAboveThem) {
    SummaryGraph graph;
    graph.setFigures(figures());
    graph.resize(graph.sizeHint());
    const QImage image = graph.grab().toImage();
    const int body = SummaryGraph::kHeadingHeight;
    // April's income bar is 300 px high, June's expense bar 150 px.
    EXPECT_EQ(image.pixelColor(110, body + 334), SummaryGraph::incomeColor());
    EXPECT_EQ(image.pixelColor(110, body + 40), SummaryGraph::incomeColor());
    EXPECT_EQ(image.pixelColor(340, body + 200), SummaryGraph::expenseColor());
    EXPECT_NE(image.pixelColor(340, body + 180), SummaryGraph::expenseColor());
    // May has no bars.
    EXPECT_NE(image.pixelColor(200, body + 334), SummaryGraph::incomeColor());
    // The label rows: the month names on the dark colour, the income on the bar's.
    EXPECT_EQ(image.pixelColor(94, body + 359), SummaryGraph::darkLabelColor());
    EXPECT_EQ(image.pixelColor(94, body + 377), SummaryGraph::incomeColor());
    EXPECT_EQ(image.pixelColor(94, body + 437), SummaryGraph::expenseColor());
}

}  // namespace
