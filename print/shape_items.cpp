#include "print/page_drawing.h"
#include "print/style_names.h"

// The shape kinds: "line", "rect", "rrect", "Ellipse", "Arc", "Chord", "fillrect".

namespace tallyrix {
namespace {

// The pen of a shape item, from its width, style name and colour fields.
struct PenFields {
    int width;
    PenStyle style;
    StyleColour colour;
};

PenFields readPen(const StyleFields& f, int first) {
    return {f.integer(first), penStyleNamed(f.text(first + 1)), f.integerOr0(first + 2)};
}

void applyPen(const PageDrawing& page, const PenFields& pen, int printerExtra) {
    DrawingSurface& s = page.surface();
    s.setPenStyle(pen.style);
    s.setPenColour(pen.colour);
    s.setPenWidth(page.penPixels(pen.width, printerExtra, pen.style));
}

void applyBrush(const PageDrawing& page, const StyleFields& f, int first) {
    const BrushStyle style = brushStyleNamed(f.text(first));
    const StyleColour colour = f.integerOr0(first + 1);
    page.surface().setBrushStyle(style);
    page.surface().setBrushColour(colour);
}

void drawEdges(DrawingSurface& s, const DeviceRect& r) {
    s.moveTo({r.left, r.top});
    s.lineTo({r.right, r.top});
    s.moveTo({r.left, r.bottom});
    s.lineTo({r.right, r.bottom});
    s.moveTo({r.left, r.top});
    s.lineTo({r.left, r.bottom});
    s.moveTo({r.right, r.top});
    s.lineTo({r.right, r.bottom});
}

DeviceRect readRect(const PageDrawing& page, const StyleFields& f) {
    const Decimal4 x1 = f.decimal(6), y1 = f.decimal(7), x2 = f.decimal(8), y2 = f.decimal(9);
    return page.rect(x1, y1, x2, y2);
}

// Line and rectangle pens are made heavier on paper.
constexpr int kLineExtra = 2;
constexpr int kShapeExtra = 4;

}  // namespace

void drawLineItem(PageDrawing& page, const StyleFields& f) {
    const DeviceRect r = readRect(page, f);
    const PenFields pen = readPen(f, 10);
    if (page.skips(f.flag(13))) {
        return;
    }
    applyPen(page, pen, kLineExtra);
    page.surface().moveTo({r.left, r.top});
    page.surface().lineTo({r.right, r.bottom});
    page.resetAfterShape();
}

void drawRectItem(PageDrawing& page, const StyleFields& f) {
    const DeviceRect r = readRect(page, f);
    const PenFields pen = readPen(f, 10);
    if (page.skips(f.flag(13))) {
        return;
    }
    applyPen(page, pen, kShapeExtra);
    drawEdges(page.surface(), r);
    page.resetAfterShape();
}

void drawRoundRectItem(PageDrawing& page, const StyleFields& f) {
    const DeviceRect r = readRect(page, f);
    const int cornerWidth = f.integer(10), cornerHeight = f.integer(11);
    const PenFields pen = readPen(f, 12);
    if (page.skips(f.flag(17))) {
        return;
    }
    applyPen(page, pen, kShapeExtra);
    applyBrush(page, f, 15);
    // Both corner sizes follow the vertical scale.
    const Decimal4 scale = page.context().scaleY;
    const QSize corner(Decimal4::fromInt(cornerWidth).timesTruncated(scale),
                       Decimal4::fromInt(cornerHeight).timesTruncated(scale));
    page.surface().roundRect(r, corner);
    page.resetAfterShape();
}

void drawEllipseItem(PageDrawing& page, const StyleFields& f) {
    const DeviceRect r = readRect(page, f);
    const PenFields pen = readPen(f, 10);
    if (page.skips(f.flag(15))) {
        return;
    }
    applyPen(page, pen, kShapeExtra);
    applyBrush(page, f, 13);
    page.surface().ellipse(r);
    page.resetAfterShape();
}

void drawArcItem(PageDrawing& page, const StyleFields& f, bool chord) {
    const DeviceRect box = readRect(page, f);
    // The start point is whole millimetres from the page origin, both
    // coordinates on the vertical scale; the end point is device pixels.
    const int startX = f.integer(10), startY = f.integer(11);
    const QPoint end(f.integer(12), f.integer(13));
    const PenFields pen = readPen(f, 14);
    if (page.skips(f.flag(19))) {
        return;
    }
    const Decimal4 scale = page.context().scaleY;
    const QPoint start(Decimal4::fromInt(startX).timesTruncated(scale),
                       Decimal4::fromInt(startY).timesTruncated(scale));
    applyPen(page, pen, kShapeExtra);
    applyBrush(page, f, 17);
    if (chord) {
        page.surface().chord(box, start, end);
    } else {
        page.surface().arc(box, start, end);
    }
    page.resetAfterShape();
}

void drawFillRectItem(PageDrawing& page, const StyleFields& f) {
    const DeviceRect r = readRect(page, f);
    const BrushStyle brush = brushStyleNamed(f.text(10));
    const StyleColour frameColour = f.integerOr0(11);
    if (page.skips(f.flag(13))) {
        return;
    }
    const bool framed = f.integerOr0(1) == 1;
    DrawingSurface& s = page.surface();
    // The fill colour is the brush colour the previous item left.
    s.setBrushStyle(brush);
    s.setPenColour(frameColour);
    s.fillRect(r);
    s.setBrushStyle(BrushStyle::Clear);
    if (framed) {
        drawEdges(s, r);
    }
    page.resetAfterShape();
}

}  // namespace tallyrix
