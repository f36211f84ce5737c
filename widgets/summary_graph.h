#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

#include "analysis/summary_figures.h"

namespace tallyrix {

// The page "入出金グラフ": the heading bar "入出金集計表" with the year's range,
// and below it the bars and the labels of the summary at their fixed places.
class SummaryGraph : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeadingHeight = 30;
    static QColor incomeColor() { return QColor(128, 128, 192); }
    static QColor expenseColor() { return QColor(64, 128, 128); }
    static QColor darkLabelColor() { return QColor(83, 85, 108); }

    explicit SummaryGraph(QWidget* parent = nullptr);

    void setFigures(const SummaryFigures& figures);
    const SummaryFigures& figures() const { return m_figures; }

    // Places in the page body (below the heading bar): slot p = 1..12, or 13
    // for the row headings.
    static int slotX(int p) { return p == 13 ? 2 : 93 + 96 * (p - 1); }
    static QRect incomeBarRect(const SummaryBar& bar, int p);
    static QRect expenseBarRect(const SummaryBar& bar, int p);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintLabel(QPainter& painter, const QRect& rect, const SummaryLabel& label,
                    Qt::Alignment alignment, const QColor& background, const QColor& text) const;

    SummaryFigures m_figures;
};

}  // namespace tallyrix
