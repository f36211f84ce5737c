#include "tools/stylegen/form_parts.h"

namespace tallyrix::stylegen {

QString twoDigits(int number) {
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

void addRowCount(StyleSheet& sheet, int rows, double x, double y) {
    sheet.text({.x = x,
                .y = y,
                .text = QStringLiteral("#maxline=%1").arg(rows),
                .size = 6,
                .colour = kNoteColour,
                .previewOnly = true});
}

void addCompanyName(StyleSheet& sheet, double left, double right, double top) {
    constexpr int size = 11;
    sheet.text({.x = left,
                .y = top,
                .text = QStringLiteral("#OF"),
                .size = size,
                .maxWidth = widthLimit(right - 1 - left, size)});
    sheet.horizontal(left - 2, right, top + emOf(size) + 1.2, kThinPen);
}

void addFooter(StyleSheet& sheet, double left, double right, double top, int size, PrintDate date) {
    // Centred for a one-digit page number.
    sheet.text({.x = centredX((left + right) / 2, emWidth(QStringLiteral("- 1 -")), size),
                .y = top,
                .text = QStringLiteral("- #pg -"),
                .size = size});
    if (date == PrintDate::Elsewhere) {
        return;
    }
    const int dateSize = size - 1;
    const QString printed = QStringLiteral("作成日　#Y年#M月#D日");
    sheet.text({.x = right - 1 - emWidth(QStringLiteral("作成日　2025年01月01日")) * emOf(dateSize),
                .y = top + (emOf(size) - emOf(dateSize)) / 2,
                .text = printed,
                .size = dateSize});
}

}  // namespace tallyrix::stylegen
