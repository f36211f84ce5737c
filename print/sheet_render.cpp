#include "print/sheet_render.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "core/errors.h"
#include "print/painter_surface.h"
#include "print/style_page.h"

namespace tallyrix {
namespace {

RenderContext contextFor(DrawingSurface& surface, const SheetOptions& o, int pageResolutionX,
                         int pageResolutionY) {
    const QSize screen = o.screenResolution;
    RenderContext c =
        o.printerMode
            ? RenderContext::printerPage(surface, pageResolutionX, pageResolutionY, screen.width(),
                                         screen.height(), o.zoomPercent)
            : RenderContext::preview(surface, screen.width(), screen.height(), o.zoomPercent,
                                     o.printer.resolutionX, o.printer.resolutionY);
    c.offsets = o.offsets;
    c.reportKind = o.reportKind;
    c.paperChoice = o.paperChoice;
    return c;
}

QString drawPage(const StyleTemplate& lines, const RenderContext& context) {
    try {
        renderStylePage(lines, context);
    } catch (const TallyError& error) {
        return error.message();
    }
    return {};
}

}  // namespace

RenderedSheet renderPreviewSheet(const StyleTemplate& lines, const SheetOptions& options) {
    const PreviewGeometry g =
        previewGeometry(options.printer, options.screenResolution, options.zoomPercent);
    RenderedSheet sheet;
    sheet.image = QImage(g.sheet, QImage::Format_RGB32);
    if (sheet.image.isNull()) {
        sheet.error = QStringLiteral("the sheet image cannot be made");
        return sheet;
    }
    sheet.image.fill(toQColor(kSheetColour));
    QPainter painter(&sheet.image);
    painter.fillRect(g.printableArea, Qt::white);
    painter.translate(g.printableArea.topLeft());
    const QSize resolution(g.zoomedResolutionX, g.zoomedResolutionY);
    PainterSurface surface(painter, resolution, QRect(QPoint(0, 0), g.printableArea.size()));
    // In printer mode the sheet image is the printer, at the preview's resolution.
    sheet.error =
        drawPage(lines, contextFor(surface, options, resolution.width(), resolution.height()));
    return sheet;
}

QString writePdfPage(const QString& path, const StyleTemplate& lines, const SheetOptions& options) {
    const PrinterGeometry& p = options.printer;
    const PreviewGeometry g = previewGeometry(p, options.screenResolution, options.zoomPercent);
    const QSize resolution = options.printerMode ? QSize(p.resolutionX, p.resolutionY)
                                                 : QSize(g.zoomedResolutionX, g.zoomedResolutionY);
    QPdfWriter writer(path);
    writer.setCreator(QStringLiteral("Tallyrix6"));
    writer.setTitle(QFileInfo(path).completeBaseName());
    writer.setResolution(resolution.width());
    const QMarginsF margins(p.offsetX, p.offsetY, p.sheetWidth - p.offsetX - p.printableWidth,
                            p.sheetHeight - p.offsetY - p.printableHeight);
    writer.setPageLayout(
        QPageLayout(QPageSize(QSizeF(p.sheetWidth, p.sheetHeight), QPageSize::Millimeter),
                    QPageLayout::Portrait, margins, QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer)) {
        throw FileError(QStringLiteral("ファイル %1 に書き込めません。").arg(path));
    }
    const QRect area(0, 0, static_cast<int>(p.printableWidth * resolution.width() / 25.4),
                     static_cast<int>(p.printableHeight * resolution.height() / 25.4));
    PainterSurface surface(painter, resolution, area);
    const QString error =
        drawPage(lines, contextFor(surface, options, resolution.width(), resolution.height()));
    painter.end();
    return error;
}

}  // namespace tallyrix
