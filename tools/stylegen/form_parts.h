#pragma once

#include <QString>

#include "tools/stylegen/style_sheet.h"

namespace tallyrix::stylegen {

// The rules of every form: a heavy outer frame, a double-weight line under
// the headings and between the parts of a table, thin column lines and grey
// row lines.
inline constexpr Pen kFramePen{3, kBlack};
inline constexpr Pen kHeadingPen{2, kBlack};
inline constexpr Pen kThinPen{1, kBlack};
inline constexpr Pen kRowPen{1, rgb(110, 110, 110)};

inline constexpr Colour kNoteColour = rgb(110, 110, 110);

// "01" .. "09", "10", ...: the slot suffix of row placeholders.
QString twoDigits(int number);

// The row count the ledger and table composers read ("#maxline=" and the
// number). The composers empty it before drawing; the preview of the unfilled
// file shows it small at the foot of the page, the printer never.
void addRowCount(StyleSheet& sheet, int rows, double x, double y);

// The company name ("#OF") from left to right, on a thin line, cut to the
// width it has.
void addCompanyName(StyleSheet& sheet, double left, double right, double top);

// The page number centred under the form and, unless the head shows it, the
// print date at its right end.
enum class PrintDate { InFooter, Elsewhere };
void addFooter(StyleSheet& sheet, double left, double right, double top, int size,
               PrintDate date = PrintDate::InFooter);

}  // namespace tallyrix::stylegen
