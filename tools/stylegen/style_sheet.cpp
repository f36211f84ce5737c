#include "tools/stylegen/style_sheet.h"

#include <cmath>
#include <stdexcept>

#include "core/cp932.h"
#include "core/errors.h"
#include "core/line_store.h"
#include "print/decimal4.h"

namespace tallyrix::stylegen {

namespace {

constexpr double kMmPerPoint = 25.4 / 72;

QString number(int value) {
    return QString::number(value);
}

}  // namespace

QString mm(double value) {
    // Tenths of a millimetre: finer than any printer's registration, and
    // short enough to read and change by hand.
    return Decimal4::fromDouble(std::round(value * 10) / 10).toString();
}

double emOf(int points) {
    return points * kMmPerPoint;
}

double emWidth(const QString& text) {
    double ems = 0;
    for (QChar c : text) {
        ems += cp932ByteLength(QString(c)) == 1 ? 0.5 : 1.0;
    }
    return ems;
}

double centredX(double centre, double ems, int points) {
    return centre - ems * emOf(points) / 2;
}

double textTop(double top, double height, int points) {
    return top + (height - emOf(points)) / 2;
}

int widthLimit(double width, int points) {
    return static_cast<int>(std::floor(width / (emOf(points) / 2)));
}

StyleSheet::StyleSheet(QString font, Paper paper, Orientation orientation)
    : m_font(std::move(font)) {
    // Offsets 0, the paper and orientation, the zoom at 100 %, the printer's
    // automatic tray (7), no printer remembered.
    m_lines.append(QStringLiteral("header;Ver1.1;0;0;%1;%2;0;100;0;0;0;7;0;;")
                       .arg(static_cast<int>(paper))
                       .arg(static_cast<int>(orientation)));
}

void StyleSheet::item(const QStringList& fields) {
    for (const QString& field : fields) {
        if (field.contains(u';')) {
            throw std::invalid_argument("a style field cannot hold \";\": " + field.toStdString());
        }
    }
    m_lines.append(fields.join(u';') + u';');
}

void StyleSheet::line(double x1, double y1, double x2, double y2, const Pen& pen) {
    item({"1", "0", "0", "0", "line", mm(x1), mm(y1), mm(x2), mm(y2), number(pen.width),
          QString::fromUtf16(pen.style), number(pen.colour), "0"});
}

void StyleSheet::frame(double x1, double y1, double x2, double y2, const Pen& pen) {
    item({"1", "0", "0", "0", "rect", mm(x1), mm(y1), mm(x2), mm(y2), number(pen.width),
          QString::fromUtf16(pen.style), number(pen.colour), "0"});
}

void StyleSheet::fill(double x1, double y1, double x2, double y2, Colour colour) {
    item({"1", "0", "0", "0", "rrect", mm(x1), mm(y1), mm(x2), mm(y2), "0", "0", "0",
          QStringLiteral("実線"), number(colour), QStringLiteral("塗潰"), number(colour), "0"});
}

void StyleSheet::outline(double x1, double y1, double x2, double y2, Colour colour) {
    item({"1", "0", "0", "0", "rrect", mm(x1), mm(y1), mm(x2), mm(y2), "0", "0", "0",
          QStringLiteral("実線"), number(colour), QStringLiteral("枠"), number(colour), "0"});
}

void StyleSheet::text(const Text& t) {
    const QString x = mm(t.x);
    const QString y = mm(t.y);
    const bool filled = t.filledByComposer || t.text.contains(u'#');
    // The point twice (the second is not drawn from).
    QStringList fields{"0", "0", "0", "0", filled ? "data" : "char", x, y, x, y};
    // No shadow, horizontal writing.
    fields << "0"
           << "0"
           << "0"
           << "0";
    // Face, size, style; the normal mode with its pitch; colour and text.
    fields << (t.font.isEmpty() ? m_font : t.font) << number(t.size)
           << (t.bold ? QStringLiteral("太字") : QStringLiteral("標準")) << "0" << mm(t.pitch)
           << number(t.colour) << t.text;
    // Preview-only, the width limit, no box centring.
    fields << (t.previewOnly ? "1" : "0") << number(t.maxWidth) << "0";
    item(fields);
}

void StyleSheet::save(const QString& path) const {
    for (const QString& line : m_lines) {
        const QString bad = firstNonCp932Character(line);
        if (!bad.isEmpty()) {
            throw FileError(QStringLiteral("%1: \"%2\" cannot be written in code page 932: %3")
                                .arg(path, bad, line));
        }
    }
    LineStore store;
    store.assign(m_lines);
    store.saveToFile(path);
}

}  // namespace tallyrix::stylegen
