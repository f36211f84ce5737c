#pragma once

#include <QString>

#include "print/decimal4.h"
#include "print/style_template.h"

namespace tallyrix {

// The header line (line 0) of a style file:
//   "header;" version ";" odd x ";" odd y ";" paper size ";" orientation ";"
//   "0;" zoom ";" "0;" even x ";" even y ";" paper source ";" printer index ";;"
// The offsets are millimetres added to every coordinate of the page: one pair
// for odd and one for even sheets of pre-printed forms.
struct StyleHeader {
    Decimal4 oddX, oddY;
    int paperSize = 0;    // the Windows paper size number (9 A4, 12 B4 (JIS)); 0 = not set
    int orientation = 0;  // 0 portrait, 1 landscape
    Decimal4 evenX, evenY;
    int paperSource = 0;  // the printer's tray code
};

// The header line of a template made from nothing.
inline constexpr char16_t kNewStyleHeader[] = u"header;Ver1.1;0;0;0;0;401;100;";

inline constexpr char16_t kCurrentStyleVersion[] = u"Ver1.1";
inline constexpr char16_t kOldStyleVersion[] = u"Ver1.0";

// The version named by the first line up to the first empty line whose field 1
// is "header"; empty when there is none.
QString styleVersion(const StyleTemplate& lines);

// Brings a "Ver1.0" template to "Ver1.1" in memory: every text item ("char",
// "data") after the header line gets copies of its x and y (fields 6, 7) after
// field 7, where the newer format keeps its second point, and the header line
// names "Ver1.1". Answers whether the template was upgraded.
bool upgradeStyleTemplate(StyleTemplate& lines);

// Reads the header line (line 0). Malformed offsets or paper size raise a
// ConversionError naming the text; the even-sheet offsets may be empty (0), the
// orientation and the paper source read 0 when they are not numbers. An empty
// template reads as the header of a new one.
StyleHeader readStyleHeader(const StyleTemplate& lines);

}  // namespace tallyrix
