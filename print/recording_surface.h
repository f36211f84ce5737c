#pragma once

#include <QStringList>

#include "print/drawing_surface.h"

namespace tallyrix {

// A drawing surface that draws nothing and writes down every call with its
// device coordinates, one line a call:
//   "penStyle dash", "penColour 255", "penWidth 3", "brushStyle clear",
//   "brushColour 16777215", "font ＭＳ 明朝 10pt 96dpi bold italic",
//   "fontColour 0", "rotatedFont ＭＳ 明朝 14px 900", "moveTo 10,20",
//   "lineTo 30,20", "roundRect 1,2,30,40 corner 5x6", "ellipse 1,2,30,40",
//   "arc 1,2,30,40 from 5,6 to 7,8", "chord ...", "fillRect 1,2,30,40",
//   "textOut 10,20 文字", "textExtent 文字 40x20", "clipToText 1,2,30,40 文字",
//   "removeClip", "transparentBackground", "stretchImage 1,2,30,40 400x300".
//
// Its text metrics are simple and exact: a character that code page 932 holds
// in one byte is half the font's pixel height wide, any other as wide as it
// is high; a text is as high as the font.
class RecordingSurface : public DrawingSurface {
public:
    explicit RecordingSurface(QSize resolution = {96, 96});

    const QStringList& calls() const { return m_calls; }
    // The calls that start with the prefix ("textOut", "fillRect ").
    QStringList callsStartingWith(const QString& prefix) const;
    void clear() { m_calls.clear(); }

    PenStyle penStyle() const { return m_penStyle; }
    StyleColour penColour() const { return m_penColour; }
    int penWidth() const { return m_penWidth; }
    BrushStyle brushStyle() const { return m_brushStyle; }
    StyleColour brushColour() const { return m_brushColour; }

    QSize resolution() const override { return m_resolution; }
    void setPenStyle(PenStyle style) override;
    void setPenColour(StyleColour colour) override;
    void setPenWidth(int pixels) override;
    void setBrushStyle(BrushStyle style) override;
    void setBrushColour(StyleColour colour) override;
    void setFont(const TextFont& font) override;
    TextFont font() const override { return m_font; }
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
    void record(const QString& call) { m_calls.append(call); }

    QSize m_resolution;
    QStringList m_calls;
    PenStyle m_penStyle = PenStyle::Solid;
    StyleColour m_penColour = 0;
    int m_penWidth = 1;
    BrushStyle m_brushStyle = BrushStyle::Solid;
    StyleColour m_brushColour = kWhite;
    TextFont m_font;
    int m_pixelHeight = 0;
};

QString penStyleName(PenStyle style);
QString brushStyleName(BrushStyle style);

}  // namespace tallyrix
