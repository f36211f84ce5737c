#pragma once

#include <QPoint>

#include "print/render_context.h"
#include "print/style_fields.h"

namespace tallyrix {

// One page being drawn: the context, the position offset in force and the
// rules every item kind shares. Used by the item drawers of the renderer.
class PageDrawing {
public:
    explicit PageDrawing(const RenderContext& context);

    const RenderContext& context() const { return m_context; }
    DrawingSurface& surface() const { return *m_context.surface; }
    bool printer() const { return m_context.printer; }

    // The pair a "header" item switches to for the rest of the page.
    void useSelectedSheetPair();

    // trunc((v + offset) × scale).
    int x(Decimal4 v) const { return (v + m_offset.x).timesTruncated(m_context.scaleX); }
    int y(Decimal4 v) const { return (v + m_offset.y).timesTruncated(m_context.scaleY); }
    QPoint point(Decimal4 vx, Decimal4 vy) const { return {x(vx), y(vy)}; }
    DeviceRect rect(Decimal4 x1, Decimal4 y1, Decimal4 x2, Decimal4 y2) const;

    // Preview-only items are left out of the printed page entirely.
    bool skips(int previewOnlyFlag) const { return printer() && previewOnlyFlag == 1; }

    // The pen width in device pixels for a width in 1/144 inch: the printer adds
    // printerExtra; MulDiv(Z, w, 144); patterned pens and widths below one
    // pixel draw one pixel wide.
    int penPixels(int width, int printerExtra, PenStyle style) const;

    // What every shape item leaves behind: a solid white pen, a clear white brush.
    void resetAfterShape() const;

private:
    RenderContext m_context;
    MmOffset m_offset;
};

// MulDiv: a × b / c rounded to the nearest whole number, halves away from zero.
int mulDiv(int a, int b, int c);

// The item drawers, one per kind. Each reads its fields first, so a malformed
// number raises before anything of the item is drawn.
void drawLineItem(PageDrawing& page, const StyleFields& fields);
void drawRectItem(PageDrawing& page, const StyleFields& fields);
void drawRoundRectItem(PageDrawing& page, const StyleFields& fields);
void drawEllipseItem(PageDrawing& page, const StyleFields& fields);
void drawArcItem(PageDrawing& page, const StyleFields& fields, bool chord);
void drawFillRectItem(PageDrawing& page, const StyleFields& fields);
void drawTextItem(PageDrawing& page, const StyleFields& fields);
void drawImageItem(PageDrawing& page, const StyleFields& fields);

}  // namespace tallyrix
