#include "print/recording_surface.h"

#include <cstdlib>

#include "core/cp932.h"

namespace tallyrix {
namespace {

QString pointText(QPoint p) {
    return QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
}

QString rectText(const DeviceRect& r) {
    return QStringLiteral("%1,%2,%3,%4").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
}

}  // namespace

QString penStyleName(PenStyle style) {
    switch (style) {
        case PenStyle::Solid:
            return QStringLiteral("solid");
        case PenStyle::Dash:
            return QStringLiteral("dash");
        case PenStyle::Dot:
            return QStringLiteral("dot");
        case PenStyle::DashDot:
            return QStringLiteral("dashDot");
        case PenStyle::DashDotDot:
            return QStringLiteral("dashDotDot");
        case PenStyle::InsideFrame:
            return QStringLiteral("insideFrame");
    }
    return {};
}

QString brushStyleName(BrushStyle style) {
    switch (style) {
        case BrushStyle::Solid:
            return QStringLiteral("solid");
        case BrushStyle::Clear:
            return QStringLiteral("clear");
        case BrushStyle::Horizontal:
            return QStringLiteral("horizontal");
        case BrushStyle::Vertical:
            return QStringLiteral("vertical");
        case BrushStyle::ForwardDiagonal:
            return QStringLiteral("forwardDiagonal");
        case BrushStyle::BackwardDiagonal:
            return QStringLiteral("backwardDiagonal");
        case BrushStyle::Cross:
            return QStringLiteral("cross");
        case BrushStyle::DiagonalCross:
            return QStringLiteral("diagonalCross");
    }
    return {};
}

RecordingSurface::RecordingSurface(QSize resolution) : m_resolution(resolution) {
    m_font.resolution = resolution.width();
    m_pixelHeight = m_font.pixelHeight();
}

QStringList RecordingSurface::callsStartingWith(const QString& prefix) const {
    QStringList result;
    for (const QString& call : m_calls) {
        if (call.startsWith(prefix)) {
            result.append(call);
        }
    }
    return result;
}

void RecordingSurface::setPenStyle(PenStyle style) {
    m_penStyle = style;
    record(QStringLiteral("penStyle ") + penStyleName(style));
}

void RecordingSurface::setPenColour(StyleColour colour) {
    m_penColour = colour;
    record(QStringLiteral("penColour %1").arg(colour));
}

void RecordingSurface::setPenWidth(int pixels) {
    m_penWidth = pixels;
    record(QStringLiteral("penWidth %1").arg(pixels));
}

void RecordingSurface::setBrushStyle(BrushStyle style) {
    m_brushStyle = style;
    record(QStringLiteral("brushStyle ") + brushStyleName(style));
}

void RecordingSurface::setBrushColour(StyleColour colour) {
    m_brushColour = colour;
    record(QStringLiteral("brushColour %1").arg(colour));
}

void RecordingSurface::setFont(const TextFont& font) {
    m_font = font;
    m_pixelHeight = std::abs(font.pixelHeight());
    QString call =
        QStringLiteral("font %1 %2pt %3dpi").arg(font.face).arg(font.points).arg(font.resolution);
    if (font.bold) {
        call += QStringLiteral(" bold");
    }
    if (font.italic) {
        call += QStringLiteral(" italic");
    }
    record(call);
}

void RecordingSurface::setFontColour(StyleColour colour) {
    record(QStringLiteral("fontColour %1").arg(colour));
}

void RecordingSurface::setRotatedFont(const QString& face, int heightPixels, int angleTenths) {
    m_font.face = face;
    m_pixelHeight = std::abs(heightPixels);
    record(QStringLiteral("rotatedFont %1 %2px %3").arg(face).arg(heightPixels).arg(angleTenths));
}

void RecordingSurface::moveTo(QPoint point) {
    record(QStringLiteral("moveTo ") + pointText(point));
}

void RecordingSurface::lineTo(QPoint point) {
    record(QStringLiteral("lineTo ") + pointText(point));
}

void RecordingSurface::roundRect(const DeviceRect& rect, QSize corner) {
    record(QStringLiteral("roundRect %1 corner %2x%3")
               .arg(rectText(rect))
               .arg(corner.width())
               .arg(corner.height()));
}

void RecordingSurface::ellipse(const DeviceRect& rect) {
    record(QStringLiteral("ellipse ") + rectText(rect));
}

void RecordingSurface::arc(const DeviceRect& box, QPoint start, QPoint end) {
    record(QStringLiteral("arc %1 from %2 to %3")
               .arg(rectText(box), pointText(start), pointText(end)));
}

void RecordingSurface::chord(const DeviceRect& box, QPoint start, QPoint end) {
    record(QStringLiteral("chord %1 from %2 to %3")
               .arg(rectText(box), pointText(start), pointText(end)));
}

void RecordingSurface::fillRect(const DeviceRect& rect) {
    record(QStringLiteral("fillRect ") + rectText(rect));
}

void RecordingSurface::textOut(QPoint topLeft, const QString& text) {
    record(QStringLiteral("textOut %1 %2").arg(pointText(topLeft), text));
}

QSize RecordingSurface::textExtent(const QString& text) {
    int width = 0;
    for (QChar c : text) {
        if (c.isLowSurrogate()) {
            continue;
        }
        const bool halfWidth = !c.isHighSurrogate() && cp932ByteLength(QString(c)) == 1;
        width += halfWidth ? m_pixelHeight / 2 : m_pixelHeight;
    }
    const QSize extent(width, m_pixelHeight);
    record(
        QStringLiteral("textExtent %1 %2x%3").arg(text).arg(extent.width()).arg(extent.height()));
    return extent;
}

bool RecordingSurface::clipToTextShape(const DeviceRect& rect, const QString& text) {
    record(QStringLiteral("clipToText %1 %2").arg(rectText(rect), text));
    return !text.trimmed().isEmpty();
}

void RecordingSurface::removeClip() {
    record(QStringLiteral("removeClip"));
}

void RecordingSurface::setTransparentBackground() {
    record(QStringLiteral("transparentBackground"));
}

void RecordingSurface::stretchImage(const DeviceRect& target, const QImage& image) {
    record(QStringLiteral("stretchImage %1 %2x%3")
               .arg(rectText(target))
               .arg(image.width())
               .arg(image.height()));
}

}  // namespace tallyrix
