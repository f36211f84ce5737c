#pragma once

#include <QString>

namespace tallyrix {

// The n-th piece (1-based) of the text cut at the separator, but only when a
// separator follows it; otherwise empty. fieldAt("a,b,c,", ",", 3) is "c",
// fieldAt("a,b,c", ",", 3) is empty.
QString fieldAt(const QString& text, const QString& separator, int n);

// The last ";"-ended piece among at most n pieces from the left (all when n <= 0).
QString lastFieldUpTo(const QString& text, int n);

// Takes the first field off a CSV line, with its ",". A field starting with a
// double quote ends at a "," directly after a quote.
QString takeCsvField(QString& line);

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

// The text as a decimal number, or the default when it is not one.
double parseFloatOr(const QString& text, double defaultValue);

// Style lines: 22 fields, each followed by ";".
inline constexpr int kStyleFieldCount = 22;

// The line rebuilt as fields 1..22 with field n replaced by the value.
QString setStyleField(const QString& line, const QString& value, int n);

// Fills the first occurrence of the placeholder; "0" becomes empty when
// zeroBlank is set. An empty result becomes four spaces.
QString fillText(const QString& line, const QString& placeholder, const QString& value,
                 bool zeroBlank);

// As fillText; a negative value turns the item red (field 19 "255") when red is set.
QString fillSigned(const QString& line, const QString& placeholder, const QString& value, bool red,
                   bool zeroBlank);

// As fillText; a positive amount of 11 to 15 characters gets the smaller type
// (field 15 "9", field 18 "-1.6") so that it fits its box.
QString fillFitted(const QString& line, const QString& placeholder, const QString& value,
                   bool zeroBlank);

}  // namespace tallyrix
