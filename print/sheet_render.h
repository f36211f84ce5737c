#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "print/preview_geometry.h"
#include "print/render_context.h"
#include "print/style_template.h"

namespace tallyrix {

// How a whole sheet is rendered outside the print page: its printer, the
// screen and zoom of the preview, the rules, and the position offsets.
struct SheetOptions {
    PrinterGeometry printer = referenceA4Printer();
    QSize screenResolution{96, 96};
    int zoomPercent = 100;
    bool printerMode = false;  // preview-only items left out, the printer's pens
    PositionOffsets offsets;
    int reportKind = 0;
    int paperChoice = 0;
};

// A rendered sheet, and the error that ended its page early (empty when the
// whole template was drawn).
struct RenderedSheet {
    QImage image;
    QString error;
};

// The preview's sheet image: the sheet in grey, the printable area in white,
// the page drawn on it at the zoom. In printer mode the page follows the
// printer's rules, with the image standing in for the printer.
RenderedSheet renderPreviewSheet(const StyleTemplate& lines, const SheetOptions& options);

// The page as one PDF page of the sheet's size, drawn within the printable
// area: at the printer's resolution in printer mode, at the zoomed screen
// resolution otherwise. Answers the error that ended the page early (empty
// when none); raises a FileError when the file cannot be written.
QString writePdfPage(const QString& path, const StyleTemplate& lines, const SheetOptions& options);

}  // namespace tallyrix
