#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "print/decimal4.h"
#include "print/drawing_surface.h"

namespace tallyrix {

// The printer's page in whole millimetres, as the preview shows it: the
// physical sheet, the unprintable margin at its left and top, and the
// printable area from there on.
struct PrinterGeometry {
    int resolutionX = 600, resolutionY = 600;  // pixels per inch
    int offsetX = 0, offsetY = 0;
    int sheetWidth = 210, sheetHeight = 297;
    int printableWidth = 210, printableHeight = 297;
    bool operator==(const PrinterGeometry&) const = default;
};

// From the printer's figures in device pixels; each length becomes
// round(pixels / (resolution / 25.4)), the divisor taken to four decimal places.
PrinterGeometry printerGeometryFromPixels(QSize resolution, QPoint physicalOffset,
                                          QSize physicalSize, QSize pageSize);

// An A4 sheet on a 600 dpi printer with 4 mm unprintable margins, as many
// laser printers have: the page of the command line and of tests.
PrinterGeometry referenceA4Printer();

// The preview of the sheet at a zoom: the sheet image in screen pixels, the
// printable area on it, and what the renderer draws that area with.
struct PreviewGeometry {
    int zoomedResolutionX = 96, zoomedResolutionY = 96;  // Z and Zy
    QSize sheet;
    QRect printableArea;
    Decimal4 scaleX, scaleY;  // Z / 25.4 and Zy / 25.4
};

PreviewGeometry previewGeometry(const PrinterGeometry& printer, QSize screenResolution,
                                int zoomPercent);

// The colour of the sheet around the printable area.
inline constexpr StyleColour kSheetColour = 10652814;

}  // namespace tallyrix
