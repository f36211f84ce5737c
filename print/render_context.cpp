#include "print/render_context.h"

namespace tallyrix {

bool usesSheetPairs(int reportKind, int paperChoice) {
    switch (reportKind) {
        case 2:
        case 3:
        case 7:
        case 8:
        case 9:
        case 10:
            return paperChoice != 0;
        default:
            return false;
    }
}

Decimal4 pixelsPerMm(int pixelsPerInch) {
    return Decimal4::fromDouble(pixelsPerInch / 25.4);
}

namespace {

RenderContext contextOn(DrawingSurface& surface, bool printer, int screenResolutionX,
                        int screenResolutionY, int zoomPercent, int printerResolutionX,
                        int printerResolutionY) {
    RenderContext c;
    c.surface = &surface;
    c.printer = printer;
    c.zoomPercent = zoomPercent;
    c.screenResolutionX = screenResolutionX;
    c.screenResolutionY = screenResolutionY;
    c.printerResolutionX = printerResolutionX;
    c.printerResolutionY = printerResolutionY;
    return c;
}

}  // namespace

RenderContext RenderContext::preview(DrawingSurface& surface, int screenResolutionX,
                                     int screenResolutionY, int zoomPercent, int printerResolutionX,
                                     int printerResolutionY) {
    RenderContext c = contextOn(surface, false, screenResolutionX, screenResolutionY, zoomPercent,
                                printerResolutionX, printerResolutionY);
    c.scaleX = pixelsPerMm(c.zoomedResolution());
    c.scaleY = pixelsPerMm(c.zoomedResolutionY());
    return c;
}

RenderContext RenderContext::printerPage(DrawingSurface& surface, int printerResolutionX,
                                         int printerResolutionY, int screenResolutionX,
                                         int screenResolutionY, int zoomPercent) {
    RenderContext c = contextOn(surface, true, screenResolutionX, screenResolutionY, zoomPercent,
                                printerResolutionX, printerResolutionY);
    c.scaleX = pixelsPerMm(printerResolutionX);
    c.scaleY = pixelsPerMm(printerResolutionY);
    return c;
}

}  // namespace tallyrix
