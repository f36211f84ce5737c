#pragma once

#include <QFont>
#include <QPainter>
#include <QRect>

#include "print/drawing_surface.h"

namespace tallyrix {

// The drawing surface over a QPainter: the preview widget, a QImage, a QPrinter
// page or a PDF file. The painter's origin is the top-left of the printable
// area; `area`, when given, is the printable area in the painter's coordinates,
// outside which nothing is drawn. Text sizes are pixel sizes, so a text
// measures the same on every device at the same resolution.
class PainterSurface : public DrawingSurface {
public:
    PainterSurface(QPainter& painter, QSize resolution, QRect area = {});

    QSize resolution() const override { return m_resolution; }

    void setPenStyle(PenStyle style) override;
    void setPenColour(StyleColour colour) override;
    void setPenWidth(int pixels) override;
    void setBrushStyle(BrushStyle style) override;
    void setBrushColour(StyleColour colour) override;

    void setFont(const TextFont& font) override;
    TextFont font() const override { return m_textFont; }
    void setFontColour(StyleColour colour) override;
    void setRotatedFont(const QString& face, int heightPixels, int angleTenths) override;

    void moveTo(QPoint point) override;
    void lineTo(QPoint point) override;
    void roundRect(const DeviceRect& rect, QSize corner) override;
    void ellipse(const DeviceRect& rect) override;
    void arc(const DeviceRect& box, QPoint start, QPoint end) override;
    void chord(const DeviceRect& box, QPoint start, QPoint end) override;
    void fillRect(const DeviceRect& rect) override;

    void textOut(QPoint topLeft, const QString& text) override;
    QSize textExtent(const QString& text) override;

    bool clipToTextShape(const DeviceRect& rect, const QString& text) override;
    void removeClip() override;
    void setTransparentBackground() override;

    void stretchImage(const DeviceRect& target, const QImage& image) override;

private:
    QPen pen() const;
    QBrush brush() const;
    // The outline box of a shape; an inside-frame pen keeps its stroke within it.
    QRectF shapeBox(const DeviceRect& rect) const;
    void prepareShape();

    QPainter& m_painter;
    QSize m_resolution;
    QRect m_area;

    PenStyle m_penStyle = PenStyle::Solid;
    StyleColour m_penColour = 0;
    int m_penWidth = 1;
    BrushStyle m_brushStyle = BrushStyle::Solid;
    StyleColour m_brushColour = kWhite;

    TextFont m_textFont;
    QFont m_font;
    StyleColour m_fontColour = 0;
    int m_fontAngleTenths = 0;

    QPoint m_position;
};

// A style colour (0x00BBGGRR) as a Qt colour.
QColor toQColor(StyleColour colour);

}  // namespace tallyrix
