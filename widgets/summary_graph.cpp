#include "widgets/summary_graph.h"

#include <QPainter>

namespace tallyrix {
namespace {

constexpr int kBarWidth = 35;
constexpr int kExpenseBarOffset = 41;
constexpr int kLabelWidth = 78;
constexpr int kLabelHeight = 20;
constexpr int kScaleHeight = 18;
constexpr int kRuleLength = 1250;
constexpr int kRuleHeight = 3;
constexpr int kRules[] = {33, 195, 349, 493};

// The label rows: their top, and how they look.
enum class Look { Dark, Income, Expense, Plain };
struct LabelRow {
    int y;
    Look look;
    SummaryLabel SummarySlot::*label;
    QString (*heading)();
};
const LabelRow kLabelRows[] = {
    {358, Look::Dark, &SummarySlot::month, &SummaryFigures::monthHeading},
    {376, Look::Income, &SummarySlot::tincome, &SummaryFigures::incomeHeading},
    {401, Look::Plain, &SummarySlot::rincome, &SummaryFigures::cumulativeIncomeHeading},
    {436, Look::Expense, &SummarySlot::texpenses, &SummaryFigures::expenseHeading},
    {461, Look::Plain, &SummarySlot::rexpenses, &SummaryFigures::cumulativeExpenseHeading},
    {502, Look::Dark, &SummarySlot::sagaku, &SummaryFigures::differenceHeading},
    {527, Look::Plain, &SummarySlot::rsagaku, &SummaryFigures::cumulativeDifferenceHeading},
};

QColor backgroundOf(Look look) {
    switch (look) {
        case Look::Dark:
            return SummaryGraph::darkLabelColor();
        case Look::Income:
            return SummaryGraph::incomeColor();
        case Look::Expense:
            return SummaryGraph::expenseColor();
        default:
            return {};
    }
}

}  // namespace

SummaryGraph::SummaryGraph(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
}

void SummaryGraph::setFigures(const SummaryFigures& figures) {
    m_figures = figures;
    update();
}

QRect SummaryGraph::incomeBarRect(const SummaryBar& bar, int p) {
    return QRect(slotX(p), bar.top, kBarWidth, bar.height);
}

QRect SummaryGraph::expenseBarRect(const SummaryBar& bar, int p) {
    return QRect(slotX(p) + kExpenseBarOffset, bar.top, kBarWidth, bar.height);
}

QSize SummaryGraph::sizeHint() const {
    return QSize(2 + kRuleLength + 8, kHeadingHeight + 527 + kLabelHeight + 8);
}

void SummaryGraph::paintLabel(QPainter& painter, const QRect& rect, const SummaryLabel& label,
                              Qt::Alignment alignment, const QColor& background,
                              const QColor& text) const {
    if (background.isValid()) {
        painter.fillRect(rect, background);
    }
    QFont font = painter.font();
    font.setPointSize(label.pointSize);
    painter.setFont(font);
    painter.setPen(text);
    painter.drawText(rect.adjusted(2, 0, -2, 0), int(alignment | Qt::AlignVCenter), label.text);
}

void SummaryGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont base = font();
    base.setPointSize(SummaryLabel::kNormalPoints);
    painter.setFont(base);

    // The heading bar.
    const QRect heading(0, 0, width(), kHeadingHeight);
    QLinearGradient gradient(heading.topLeft(), heading.bottomLeft());
    gradient.setColorAt(0, QColor(96, 98, 128));
    gradient.setColorAt(1, darkLabelColor());
    painter.fillRect(heading, gradient);
    QFont big = base;
    big.setPointSize(14);
    big.setBold(true);
    painter.setFont(big);
    painter.setPen(Qt::white);
    const QRect title = heading.adjusted(12, 0, 0, 0);
    painter.drawText(title, int(Qt::AlignLeft | Qt::AlignVCenter), SummaryFigures::pageHeading());
    const int titleWidth = painter.fontMetrics().horizontalAdvance(SummaryFigures::pageHeading());
    painter.setFont(base);
    painter.drawText(title.adjusted(titleWidth + 24, 0, 0, 0),
                     int(Qt::AlignLeft | Qt::AlignVCenter), m_figures.range());

    painter.translate(0, kHeadingHeight);
    for (int y : kRules) {
        painter.fillRect(QRect(2, y, kRuleLength, kRuleHeight), QColor(128, 128, 128));
    }
    paintLabel(painter, QRect(2, 13, kLabelWidth, kScaleHeight), m_figures.maxlevel(),
               Qt::AlignRight, Qt::white, Qt::black);
    paintLabel(painter, QRect(2, 177, kLabelWidth, kScaleHeight), m_figures.divlevel(),
               Qt::AlignRight, Qt::white, Qt::black);

    for (int p = 1; p <= SummaryFigures::kSlots; ++p) {
        const SummarySlot& slot = m_figures.slot(p);
        if (slot.income.height > 0) {
            painter.fillRect(incomeBarRect(slot.income, p), incomeColor());
        }
        if (slot.expenses.height > 0) {
            painter.fillRect(expenseBarRect(slot.expenses, p), expenseColor());
        }
    }
    for (const LabelRow& row : kLabelRows) {
        const QColor background = backgroundOf(row.look);
        const QColor text = background.isValid() ? QColor(Qt::white) : QColor(Qt::black);
        const Qt::Alignment alignment =
            row.look == Look::Dark && row.y == 358 ? Qt::AlignHCenter : Qt::AlignRight;
        SummaryLabel heading{row.heading(), SummaryLabel::kNormalPoints};
        paintLabel(painter, QRect(slotX(13), row.y, kLabelWidth, kLabelHeight), heading, alignment,
                   background, text);
        for (int p = 1; p <= SummaryFigures::kSlots; ++p) {
            paintLabel(painter, QRect(slotX(p), row.y, kLabelWidth, kLabelHeight),
                       m_figures.slot(p).*row.label, alignment, background, text);
        }
    }
}

}  // namespace tallyrix
