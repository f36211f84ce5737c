#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

namespace tallyrix {

// Pen styles of the style files ("実線", "破線", "点線", "一点鎖線", "二点鎖線",
// "立体線"). InsideFrame is a solid pen whose stroke stays inside the shape.
enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, InsideFrame };

// Brush styles: solid, clear (no fill) and the six hatches.
enum class BrushStyle {
    Solid,
    Clear,
    Horizontal,
    Vertical,
    ForwardDiagonal,   // "\\\\": down from left to right
    BackwardDiagonal,  // "////": up from left to right
    Cross,
    DiagonalCross,
};

// Colours are written 0x00BBGGRR: 0 black, 255 red, 16777215 white.
using StyleColour = int;
inline constexpr StyleColour kWhite = 0xFFFFFF;

// A rectangle by its corners as the style files give them; right and bottom
// lie just outside, as on the printer page.
struct DeviceRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const DeviceRect&) const = default;
};

// A text font: the face as the style file names it, its size in points and
// the resolution that turns points into pixels: the character height is
// round(points × resolution / 72) device pixels.
struct TextFont {
    QString face;
    int points = 10;
    int resolution = 96;
    bool bold = false;
    bool italic = false;

    int pixelHeight() const;
    bool operator==(const TextFont&) const = default;
};

// Everything the page renderer draws with. Coordinates are device pixels of the
// surface. The surface keeps its drawing state (pen, brush, font) from call to
// call and from one page to the next; a fresh surface has a solid black pen of
// width 1, a solid white brush and a 10 point font at the surface's resolution.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Pixels per inch, x and y.
    virtual QSize resolution() const = 0;

    virtual void setPenStyle(PenStyle style) = 0;
    virtual void setPenColour(StyleColour colour) = 0;
    virtual void setPenWidth(int pixels) = 0;
    virtual void setBrushStyle(BrushStyle style) = 0;
    virtual void setBrushColour(StyleColour colour) = 0;

    // The font of the text calls; replaces a rotated font.
    virtual void setFont(const TextFont& font) = 0;
    virtual TextFont font() const = 0;
    virtual void setFontColour(StyleColour colour) = 0;
    // A regular-weight font whose cell (ascent + descent) is heightPixels high,
    // with its baseline turned counter-clockwise by angleTenths tenths of a degree.
    virtual void setRotatedFont(const QString& face, int heightPixels, int angleTenths) = 0;

    virtual void moveTo(QPoint point) = 0;
    // A line with the pen from the current point; the end becomes the current point.
    virtual void lineTo(QPoint point) = 0;
    // Outlined with the pen, filled with the brush.
    virtual void roundRect(const DeviceRect& rect, QSize corner) = 0;
    virtual void ellipse(const DeviceRect& rect) = 0;
    // Counter-clockwise along the ellipse in the box, from where the ray from its
    // centre through `start` meets it to where the ray through `end` does.
    virtual void arc(const DeviceRect& box, QPoint start, QPoint end) = 0;
    // As arc, closed by the chord and filled with the brush.
    virtual void chord(const DeviceRect& box, QPoint start, QPoint end) = 0;
    // Fills with the brush only; a clear brush fills nothing.
    virtual void fillRect(const DeviceRect& rect) = 0;

    // Text in the font colour with its top-left at the point; no background.
    virtual void textOut(QPoint topLeft, const QString& text) = 0;
    // Width and height of the text in the current font.
    virtual QSize textExtent(const QString& text) = 0;

    // Limits drawing to the glyph shapes of the text set in the current font,
    // centred in the rectangle on one line. False when no shape results.
    virtual bool clipToTextShape(const DeviceRect& rect, const QString& text) = 0;
    virtual void removeClip() = 0;
    // Text and hatches draw no background from now on.
    virtual void setTransparentBackground() = 0;

    // The whole picture stretched into the rectangle, copying its pixels.
    virtual void stretchImage(const DeviceRect& target, const QImage& image) = 0;
};

}  // namespace tallyrix
