#include "print/style_page.h"

#include "core/errors.h"
#include "print/page_drawing.h"

namespace tallyrix {
namespace {

void drawItem(PageDrawing& page, const StyleFields& fields) {
    const QString kind = fields.text(5);
    if (kind == u"line") {
        drawLineItem(page, fields);
    } else if (kind == u"Arc") {
        drawArcItem(page, fields, false);
    } else if (kind == u"Ellipse") {
        drawEllipseItem(page, fields);
    } else if (kind == u"rrect") {
        drawRoundRectItem(page, fields);
    } else if (kind == u"rect") {
        drawRectItem(page, fields);
    } else if (kind == u"fillrect") {
        drawFillRectItem(page, fields);
    } else if (kind == u"Chord") {
        drawArcItem(page, fields, true);
    } else if (kind == u"char" || kind == u"data") {
        drawTextItem(page, fields);
    } else if (kind == u"header") {
        page.useSelectedSheetPair();
    } else if (kind == u"image") {
        drawImageItem(page, fields);
    }
}

}  // namespace

void renderStylePage(const StyleTemplate& lines, const RenderContext& context) {
    if (context.surface == nullptr) {
        return;
    }
    PageDrawing page(context);
    for (qsizetype i = 0; i < lines.size() && !lines[i].isEmpty(); ++i) {
        try {
            drawItem(page, StyleFields(lines[i]));
        } catch (const ConversionError& error) {
            // Editors count lines from 1.
            throw ConversionError(QStringLiteral("%1 (%2 行目)").arg(error.message()).arg(i + 1));
        }
    }
}

}  // namespace tallyrix
