#pragma once

#include <QDate>
#include <QString>
#include <array>

#include "core/amount.h"
#include "yearfile/period_table.h"

namespace tallyrix {

class MonthlyTable;

// A label of the summary page: its text and the point size it is drawn at.
struct SummaryLabel {
    static constexpr int kNormalPoints = 10;
    QString text;
    int pointSize = kNormalPoints;
};

// A bar of the graph, in pixels of the page body: it stands on the line
// y = kBarBase with the given height; `top` is its upper edge.
struct SummaryBar {
    static constexpr int kBarBase = 335;
    static constexpr int kFullHeight = 300;
    static constexpr int kMinimumHeight = 5;
    int height = 0;
    int top = 0;
};

// One fiscal month of the summary: the labels month, tincome, rincome,
// texpenses, rexpenses, sagaku and rsagaku of slot p, and the two bars.
struct SummarySlot {
    SummaryLabel month;      // "4月度"
    SummaryLabel tincome;    // income of the month
    SummaryLabel rincome;    // income from the first month up to this one
    SummaryLabel texpenses;  // expense of the month
    SummaryLabel rexpenses;  // cumulative expense
    SummaryLabel sagaku;     // income minus expense of the month
    SummaryLabel rsagaku;    // cumulative difference
    SummaryBar income;
    SummaryBar expenses;
    // The first day of the slot's calendar month, which the printed summary
    // takes its year and month from.
    QDate monthStart;
    // "yyyy/MM/01".
    QString monthStartText() const;
};

// The page "入出金グラフ": the twelve-month income and expense summary and its
// bar graph, taken from the total rows of the monthly account table as last
// computed. Every text is in the "#,##0" form. The summary print and the graph
// print read it as it stands.
class SummaryFigures {
public:
    static constexpr int kSlots = 12;

    SummaryFigures();

    // Slot p = 1..12 in fiscal order.
    const SummarySlot& slot(int p) const { return m_slots[static_cast<size_t>(p - 1)]; }
    // The scale labels: the maximum at the top, half of it at mid height.
    const SummaryLabel& maxlevel() const { return m_maxlevel; }
    const SummaryLabel& divlevel() const { return m_divlevel; }
    // The year's date range shown after the heading "入出金集計表".
    const QString& range() const { return m_range; }
    // The scale maximum M, the figure a full-height bar stands for (0 only
    // before the first refresh and after a reset).
    Amount scaleMaximum() const { return m_maximum; }

    // The headings of the label rows (slot 13 of the page).
    static QString monthHeading() { return QStringLiteral("月名"); }
    static QString incomeHeading() { return QStringLiteral("収入金額"); }
    static QString cumulativeIncomeHeading() { return QStringLiteral("収入累計"); }
    static QString expenseHeading() { return QStringLiteral("支出金額"); }
    static QString cumulativeExpenseHeading() { return QStringLiteral("支出累計"); }
    static QString differenceHeading() { return QStringLiteral("差引金額"); }
    static QString cumulativeDifferenceHeading() { return QStringLiteral("差引累計"); }
    static QString pageHeading() { return QStringLiteral("入出金集計表"); }

    // At the start of every table computation: "yyyy年MM月dd日～yyyy年MM月dd日",
    // the first day of the start month's period to the last day of the year.
    void setRange(const PeriodTable& periods);
    // After every table computation, from its income and expense total rows.
    // Raises ConversionError when a cumulative figure leaves the amount range.
    void refresh(const MonthlyTable& table, const PeriodTable& periods);
    // A new year or a year opened: every figure "0", no bars, no scale, the
    // month captions 1月..12月 of calendar year `year`.
    void reset(int year);

private:
    std::array<SummarySlot, kSlots> m_slots{};
    SummaryLabel m_maxlevel;
    SummaryLabel m_divlevel;
    QString m_range;
    Amount m_maximum;
};

// The whole yen a display text stands for ("-1,234" is -1234); 0 when it is
// not a whole number.
Amount yenOfDisplayText(const QString& text);

}  // namespace tallyrix
