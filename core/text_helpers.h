#pragma once

#include <QString>

namespace tallyrix {

// The n-th piece (1-based) of the text cut at the separator, but only when a
// separator follows it; otherwise empty. fieldAt("a,b,c,", ",", 3) is "c",
// fieldAt("a,b,c", ",", 3) is empty.
QString fieldAt(const QString& text, const QString& separator, int n);

// Every occurrence, left to right; replaced text is not scanned again.
QString replaceAll(const QString& text, const QString& find, const QString& replacement);

// Everything from the first "(" on removed.
QString cutAtParen(const QString& text);

// "12月" -> "12", "5日" -> "5"; an empty remainder reads "0".
QString monthDayNumber(const QString& label);

// "7月15日" -> "15".
QString dayOfLabel(const QString& label);

// Every "," removed; an empty result reads "0".
QString stripCommas(const QString& text);

// Blanks and control characters (up to U+0020) removed at both ends; a
// full-width space is text and stays.
QString trimBlanks(const QString& text);

// The text as a decimal number, or the default when it is not one.
double parseFloatOr(const QString& text, double defaultValue);

}  // namespace tallyrix
