#include "print/preview_geometry.h"

#include <cmath>

#include "print/render_context.h"

namespace tallyrix {
namespace {

int wholeMm(int pixels, int pixelsPerInch) {
    const double perMm = pixelsPerMm(pixelsPerInch).toDouble();
    return perMm > 0 ? static_cast<int>(std::lround(pixels / perMm)) : 0;
}

}  // namespace

PrinterGeometry printerGeometryFromPixels(QSize resolution, QPoint physicalOffset,
                                          QSize physicalSize, QSize pageSize) {
    PrinterGeometry g;
    g.resolutionX = resolution.width();
    g.resolutionY = resolution.height();
    g.offsetX = wholeMm(physicalOffset.x(), g.resolutionX);
    g.offsetY = wholeMm(physicalOffset.y(), g.resolutionY);
    g.sheetWidth = wholeMm(physicalSize.width(), g.resolutionX);
    g.sheetHeight = wholeMm(physicalSize.height(), g.resolutionY);
    g.printableWidth = wholeMm(pageSize.width(), g.resolutionX);
    g.printableHeight = wholeMm(pageSize.height(), g.resolutionY);
    return g;
}

PrinterGeometry referenceA4Printer() {
    PrinterGeometry g;
    g.offsetX = 4;
    g.offsetY = 4;
    g.printableWidth = 202;
    g.printableHeight = 289;
    return g;
}

PreviewGeometry previewGeometry(const PrinterGeometry& printer, QSize screenResolution,
                                int zoomPercent) {
    const double zoom = zoomPercent / 100.0;
    const double perMmX = screenResolution.width() / 25.4 * zoom;
    const double perMmY = screenResolution.height() / 25.4 * zoom;
    PreviewGeometry g;
    g.zoomedResolutionX = screenResolution.width() * zoomPercent / 100;
    g.zoomedResolutionY = screenResolution.height() * zoomPercent / 100;
    g.sheet = QSize(static_cast<int>(std::lround(printer.sheetWidth * perMmX)),
                    static_cast<int>(std::lround(printer.sheetHeight * perMmY)));
    g.printableArea = QRect(static_cast<int>(std::lround(printer.offsetX * perMmX)),
                            static_cast<int>(std::lround(printer.offsetY * perMmY)),
                            static_cast<int>(printer.printableWidth * perMmX),
                            static_cast<int>(printer.printableHeight * perMmY));
    g.scaleX = pixelsPerMm(g.zoomedResolutionX);
    g.scaleY = pixelsPerMm(g.zoomedResolutionY);
    return g;
}

}  // namespace tallyrix
