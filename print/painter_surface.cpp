#include "print/painter_surface.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace tallyrix {
namespace {

Qt::PenStyle qtPenStyle(PenStyle style) {
    switch (style) {
        case PenStyle::Dash:
            return Qt::DashLine;
        case PenStyle::Dot:
            return Qt::DotLine;
        case PenStyle::DashDot:
            return Qt::DashDotLine;
        case PenStyle::DashDotDot:
            return Qt::DashDotDotLine;
        case PenStyle::Solid:
        case PenStyle::InsideFrame:
            break;
    }
    return Qt::SolidLine;
}

Qt::BrushStyle qtBrushStyle(BrushStyle style) {
    switch (style) {
        case BrushStyle::Solid:
            return Qt::SolidPattern;
        case BrushStyle::Clear:
            return Qt::NoBrush;
        case BrushStyle::Horizontal:
            return Qt::HorPattern;
        case BrushStyle::Vertical:
            return Qt::VerPattern;
        case BrushStyle::ForwardDiagonal:
            return Qt::FDiagPattern;
        case BrushStyle::BackwardDiagonal:
            return Qt::BDiagPattern;
        case BrushStyle::Cross:
            return Qt::CrossPattern;
        case BrushStyle::DiagonalCross:
            return Qt::DiagCrossPattern;
    }
    return Qt::SolidPattern;
}

QRect normalized(const DeviceRect& r) {
    return QRect(QPoint(std::min(r.left, r.right), std::min(r.top, r.bottom)),
                 QPoint(std::max(r.left, r.right) - 1, std::max(r.top, r.bottom) - 1));
}

// The angle, in sixteenths of a degree, of the ellipse point on the ray from the
// box's centre through the point (Qt measures along the ellipse's parameter).
int ellipseAngle(const QRectF& box, QPoint point) {
    const double a = box.width() / 2, b = box.height() / 2;
    if (a <= 0 || b <= 0) {
        return 0;
    }
    const double dx = point.x() - box.center().x();
    const double dy = box.center().y() - point.y();
    const double radians = std::atan2(dy / b, dx / a);
    return static_cast<int>(std::lround(radians * 180 / std::numbers::pi * 16));
}

// Counter-clockwise from start to end; the same point twice is the whole ellipse.
int counterClockwiseSpan(int start, int end) {
    int span = (end - start) % (360 * 16);
    if (span <= 0) {
        span += 360 * 16;
    }
    return span;
}

// Pens wider than this draw nothing more useful and only cost time.
constexpr int kMaxPenPixels = 4096;

}  // namespace

QColor toQColor(StyleColour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

PainterSurface::PainterSurface(QPainter& painter, QSize resolution, QRect area)
    : m_painter(painter), m_resolution(resolution), m_area(area) {
    m_textFont.face = QStringLiteral("ＭＳ Ｐゴシック");
    m_textFont.resolution = resolution.width();
    setFont(m_textFont);
    if (!m_area.isNull()) {
        m_painter.setClipRect(m_area);
    }
    m_painter.setBackgroundMode(Qt::TransparentMode);
}

QPen PainterSurface::pen() const {
    QPen pen(toQColor(m_penColour), std::clamp(m_penWidth, 1, kMaxPenPixels),
             qtPenStyle(m_penStyle), Qt::SquareCap, Qt::MiterJoin);
    return pen;
}

QBrush PainterSurface::brush() const {
    return QBrush(toQColor(m_brushColour), qtBrushStyle(m_brushStyle));
}

void PainterSurface::setPenStyle(PenStyle style) {
    m_penStyle = style;
}

void PainterSurface::setPenColour(StyleColour colour) {
    m_penColour = colour;
}

void PainterSurface::setPenWidth(int pixels) {
    m_penWidth = pixels;
}

void PainterSurface::setBrushStyle(BrushStyle style) {
    m_brushStyle = style;
}

void PainterSurface::setBrushColour(StyleColour colour) {
    m_brushColour = colour;
}

void PainterSurface::setFont(const TextFont& font) {
    m_textFont = font;
    m_font = QFont(font.face);
    m_font.setPixelSize(std::clamp(std::abs(font.pixelHeight()), 1, 100000));
    m_font.setBold(font.bold);
    m_font.setItalic(font.italic);
    // Characters advance by their own widths, as on the printer.
    m_font.setKerning(false);
    m_fontAngleTenths = 0;
}

void PainterSurface::setFontColour(StyleColour colour) {
    m_fontColour = colour;
}

void PainterSurface::setRotatedFont(const QString& face, int heightPixels, int angleTenths) {
    QFont font(face);
    font.setKerning(false);
    // The height names the cell (ascent + descent); Qt sizes the em.
    constexpr int kProbe = 1000;
    font.setPixelSize(kProbe);
    const int cell = QFontMetrics(font).height();
    const int height = std::clamp(std::abs(heightPixels), 1, 100000);
    font.setPixelSize(std::max(
        1, cell > 0 ? static_cast<int>(std::lround(static_cast<double>(height) * kProbe / cell))
                    : height));
    m_font = font;
    m_textFont.face = face;
    m_fontAngleTenths = angleTenths;
}

void PainterSurface::moveTo(QPoint point) {
    m_position = point;
}

void PainterSurface::lineTo(QPoint point) {
    m_painter.setPen(pen());
    m_painter.drawLine(m_position, point);
    m_position = point;
}

QRectF PainterSurface::shapeBox(const DeviceRect& rect) const {
    QRectF box = normalized(rect);
    if (m_penStyle == PenStyle::InsideFrame && m_penWidth > 1) {
        const double inset = m_penWidth / 2.0;
        box.adjust(inset, inset, -inset, -inset);
    }
    return box;
}

void PainterSurface::prepareShape() {
    m_painter.setPen(pen());
    m_painter.setBrush(brush());
}

void PainterSurface::roundRect(const DeviceRect& rect, QSize corner) {
    prepareShape();
    m_painter.drawRoundedRect(shapeBox(rect), corner.width() / 2.0, corner.height() / 2.0);
}

void PainterSurface::ellipse(const DeviceRect& rect) {
    prepareShape();
    m_painter.drawEllipse(shapeBox(rect));
}

void PainterSurface::arc(const DeviceRect& box, QPoint start, QPoint end) {
    const QRectF b = shapeBox(box);
    const int from = ellipseAngle(b, start);
    m_painter.setPen(pen());
    m_painter.drawArc(b, from, counterClockwiseSpan(from, ellipseAngle(b, end)));
}

void PainterSurface::chord(const DeviceRect& box, QPoint start, QPoint end) {
    const QRectF b = shapeBox(box);
    const int from = ellipseAngle(b, start);
    prepareShape();
    m_painter.drawChord(b, from, counterClockwiseSpan(from, ellipseAngle(b, end)));
}

void PainterSurface::fillRect(const DeviceRect& rect) {
    if (m_brushStyle == BrushStyle::Clear) {
        return;
    }
    const QRect r(QPoint(std::min(rect.left, rect.right), std::min(rect.top, rect.bottom)),
                  QSize(std::abs(rect.width()), std::abs(rect.height())));
    m_painter.fillRect(r, brush());
}

void PainterSurface::textOut(QPoint topLeft, const QString& text) {
    m_painter.setFont(m_font);
    m_painter.setPen(QPen(toQColor(m_fontColour)));
    const int ascent = QFontMetrics(m_font).ascent();
    if (m_fontAngleTenths == 0) {
        m_painter.drawText(QPoint(topLeft.x(), topLeft.y() + ascent), text);
        return;
    }
    // The text turns about its top-left corner.
    m_painter.save();
    m_painter.translate(topLeft);
    m_painter.rotate(-m_fontAngleTenths / 10.0);
    m_painter.drawText(QPoint(0, ascent), text);
    m_painter.restore();
}

QSize PainterSurface::textExtent(const QString& text) {
    const QFontMetrics metrics(m_font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

bool PainterSurface::clipToTextShape(const DeviceRect& rect, const QString& text) {
    const QFontMetrics metrics(m_font);
    const QRect box = normalized(rect).adjusted(0, 0, 1, 1);
    const double left = box.left() + (box.width() - metrics.horizontalAdvance(text)) / 2.0;
    const double baseline = box.top() + (box.height() - metrics.height()) / 2.0 + metrics.ascent();
    QPainterPath path;
    path.addText(QPointF(left, baseline), m_font, text);
    if (path.isEmpty()) {
        return false;
    }
    m_painter.setClipPath(path, m_area.isNull() ? Qt::ReplaceClip : Qt::IntersectClip);
    return true;
}

void PainterSurface::removeClip() {
    if (m_area.isNull()) {
        m_painter.setClipping(false);
    } else {
        m_painter.setClipRect(m_area);
    }
}

void PainterSurface::setTransparentBackground() {
    m_painter.setBackgroundMode(Qt::TransparentMode);
}

void PainterSurface::stretchImage(const DeviceRect& target, const QImage& image) {
    if (target.width() <= 0 || target.height() <= 0 || image.isNull()) {
        return;
    }
    m_painter.drawImage(QRect(target.left, target.top, target.width(), target.height()), image);
}

}  // namespace tallyrix
