#include "widgets/gradient_panel.h"

#include <QLinearGradient>
#include <QPainter>

namespace tallyrix {

namespace {

constexpr int kTextIndent = 8;

// Works for fonts sized in points and in pixels alike.
QFont scaled(QFont font, qreal factor) {
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * factor);
    } else {
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * factor)));
    }
    return font;
}

}  // namespace

GradientPanel::GradientPanel(QWidget* parent)
    : QWidget(parent), m_top(0x6A, 0x7F, 0xB8), m_bottom(0x2A, 0x3A, 0x6E), m_textColor(Qt::white) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientPanel::setColors(const QColor& top, const QColor& bottom) {
    m_top = top;
    m_bottom = bottom;
    update();
}

void GradientPanel::setText(const QString& text) {
    m_text = text;
    updateGeometry();
    update();
}

void GradientPanel::setTextColor(const QColor& color) {
    m_textColor = color;
    update();
}

QSize GradientPanel::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    return {metrics.horizontalAdvance(m_text) + 2 * kTextIndent, metrics.height() + 8};
}

void GradientPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, m_top);
    gradient.setColorAt(1, m_bottom);
    painter.fillRect(rect(), gradient);
    paintContents(painter);
}

void GradientPanel::paintContents(QPainter& painter) {
    if (m_text.isEmpty()) {
        return;
    }
    painter.setPen(m_textColor);
    painter.setFont(font());
    painter.drawText(rect().adjusted(kTextIndent, 0, -kTextIndent, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_text);
}

TitleBlock::TitleBlock(QWidget* parent) : GradientPanel(parent) {}

QFont TitleBlock::titleFont() const {
    QFont large = scaled(font(), 2.2);
    large.setBold(true);
    return large;
}

QFont TitleBlock::subtitleFont() const {
    return scaled(font(), 0.9);
}

QSize TitleBlock::sizeHint() const {
    const QFontMetrics big(titleFont());
    const QFontMetrics small(subtitleFont());
    const int width = std::max(big.horizontalAdvance(title()), small.horizontalAdvance(subtitle()));
    return {width + 2 * kTextIndent + 8, big.height() + small.height() + 12};
}

void TitleBlock::paintContents(QPainter& painter) {
    const QFontMetrics big(titleFont());
    const QFontMetrics small(subtitleFont());
    const int blockHeight = big.height() + small.height();
    const int top = std::max(0, (height() - blockHeight) / 2);
    const QRect titleArea(kTextIndent, top, width() - 2 * kTextIndent, big.height());
    const QRect subtitleArea(kTextIndent, titleArea.bottom() + 1, titleArea.width(),
                             small.height());

    painter.setPen(textColor());
    painter.setFont(titleFont());
    painter.drawText(titleArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title());
    painter.setFont(subtitleFont());
    painter.drawText(subtitleArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     subtitle());
}

}  // namespace tallyrix
