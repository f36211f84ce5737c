#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "tools/stylegen/style_sheet.h"

namespace tallyrix::stylegen {

// A style file to write: its file name in the style folder and its content.
struct NamedStyle {
    QString fileName;
    std::function<StyleSheet()> build;
};

// The heading colours of the plain-paper styles, by their file-name letters.
struct HeadingColour {
    QString letter;  // "G", "B", "P", or empty for white
    bool banded;     // white headings have no band
    Colour colour;
};
const std::vector<HeadingColour>& headingColours();

// The two fonts, by their file-name parts.
struct StyleFont {
    QString part;  // "_ゴシック", "_明朝"
    QString face;
};
const std::vector<StyleFont>& styleFonts();

// The plain-paper ledgers of the cash book, the petty-cash books and the bank
// books: with and without the account-title column and for an account search,
// in both fonts and all heading colours.
std::vector<NamedStyle> ledgerStyles();

// The monthly account tables on A4 and B4, at the account and the description
// level, in both fonts and all heading colours.
std::vector<NamedStyle> monthlyTableStyles();

// The income/expense summary, the balances of every book and the graph.
std::vector<NamedStyle> reportStyles();

// All of them.
std::vector<NamedStyle> allStyles();

}  // namespace tallyrix::stylegen
