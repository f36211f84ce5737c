#pragma once

#include <QString>
#include <QStringList>

#include "core/text_helpers.h"
#include "print/recording_surface.h"
#include "print/render_context.h"
#include "print/style_page.h"

namespace tallyrix::test {

// The fields of a text item ("char"), by name; the defaults draw "文字" at
// (10, 20) mm in 10 point Mincho.
struct TextFields {
    QString group = "0";
    QString kind = "char";
    QString x = "10", y = "20", x2 = "0", y2 = "0";
    QString dx = "0", dy = "0";
    QString vertical = "0";
    QString shadow = "0";  // also the angle of rotated text
    QString face = "ＭＳ 明朝";
    QString size = "10";
    QString style = "標準";
    QString mode = "0";
    QString pitch = "0";
    QString colour = "0";
    QString text = "文字";
    QString previewOnly = "0";
    QString maxDigits = "0";
    QString centring = "0";
};

inline QString textLine(const TextFields& f) {
    return QStringList{f.group,  "0",    "0",           "0",         f.kind,    f.x,
                       f.y,      f.x2,   f.y2,          f.dx,        f.dy,      f.vertical,
                       f.shadow, f.face, f.size,        f.style,     f.mode,    f.pitch,
                       f.colour, f.text, f.previewOnly, f.maxDigits, f.centring}
               .join(u';') +
           u';';
}

// A "data" item holding the text, at x mm (default 10) and 20 mm down: what
// the composers fill.
inline QString dataItem(const QString& text, const QString& x = QStringLiteral("10")) {
    TextFields f;
    f.kind = QStringLiteral("data");
    f.x = x;
    f.text = text;
    return textLine(f);
}

// Field n (1-based) of a style line.
inline QString styleField(const QString& line, int n) {
    return fieldAt(line, QStringLiteral(";"), n);
}

// A screen of 96 dpi at 100 %: Z = 96, 3.7795 pixels a millimetre; the printer
// has 600 dpi: 23.622 pixels a millimetre.
inline RenderContext previewOn(RecordingSurface& surface, int zoomPercent = 100) {
    return RenderContext::preview(surface, 96, 96, zoomPercent, 600, 600);
}

inline RenderContext printerOn(RecordingSurface& surface) {
    return RenderContext::printerPage(surface, 600, 600, 96, 96, 100);
}

// The calls of a page with the header line of a new template before the items.
inline QStringList record(const QStringList& items, const RenderContext& context,
                          RecordingSurface& surface) {
    surface.clear();
    QStringList lines{QStringLiteral("header;Ver1.1;0;0;0;0;401;100;")};
    lines += items;
    renderStylePage(lines, context);
    return surface.calls();
}

}  // namespace tallyrix::test
