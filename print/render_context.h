#pragma once

#include "print/decimal4.h"
#include "print/drawing_surface.h"

namespace tallyrix {

// An x, y shift in millimetres.
struct MmOffset {
    Decimal4 x, y;
    bool operator==(const MmOffset&) const = default;
};

// The user's position adjustment: one pair for odd and one for even sheets of
// pre-printed forms, and which of them the page being drawn is.
struct PositionOffsets {
    MmOffset oddSheet;
    MmOffset evenSheet;
    bool evenSheetPage = false;  // the odd/even selector: the page uses the even-sheet pair
};

// The report kinds of the ledgers (cash, petty-cash and bank books, with and
// without an account filter): on a pre-printed form (paper choice above 0)
// their pages take the odd- or even-sheet pair; every other page the odd one.
bool usesSheetPairs(int reportKind, int paperChoice);

// Everything one page render needs besides the template.
//
// Style coordinates are millimetres from the top-left of the printable area:
// the surface's origin. A device coordinate is trunc((v + offset) × scale).
//
// On the preview the scales are Z / 25.4, where Z = trunc(screen resolution x ×
// zoom / 100); fonts are made at resolution Z. On the printer they are the
// printer's resolution / 25.4 and fonts follow the printer. Pen widths follow Z
// on both, so that lines keep the weight the user saw.
struct RenderContext {
    DrawingSurface* surface = nullptr;
    bool printer = false;  // the printer rules: preview-only items left out, heavier pens

    Decimal4 scaleX, scaleY;  // device pixels per millimetre, four decimal places
    int zoomPercent = 100;
    int screenResolutionX = 96, screenResolutionY = 96;
    int printerResolutionX = 600, printerResolutionY = 600;

    PositionOffsets offsets;
    int reportKind = 0;
    int paperChoice = 0;  // 0 plain paper, 1 and 2 the pre-printed forms

    // Z, the zoomed screen resolution.
    int zoomedResolution() const { return screenResolutionX * zoomPercent / 100; }
    int zoomedResolutionY() const { return screenResolutionY * zoomPercent / 100; }

    // The preview of a page at the zoom; text cuts are measured at the printer's resolution.
    static RenderContext preview(DrawingSurface& surface, int screenResolutionX,
                                 int screenResolutionY, int zoomPercent, int printerResolutionX,
                                 int printerResolutionY);
    // The printed page; pen widths follow the screen resolution at the zoom.
    static RenderContext printerPage(DrawingSurface& surface, int printerResolutionX,
                                     int printerResolutionY, int screenResolutionX,
                                     int screenResolutionY, int zoomPercent);
};

// Pixels per millimetre of a resolution in pixels per inch, four decimal places.
Decimal4 pixelsPerMm(int pixelsPerInch);

}  // namespace tallyrix
