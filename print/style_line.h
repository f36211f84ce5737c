#pragma once

#include <QString>

namespace tallyrix {

// The helpers through which the page composers fill a style line's fields and
// placeholders. A style line written back by them has 22 fields, each followed
// by ";".
inline constexpr int kStyleFieldCount = 22;

// The last ";"-ended piece among at most n pieces from the left (all when n <= 0).
QString lastFieldUpTo(const QString& text, int n);

// The line rebuilt as fields 1..22 with field n replaced by the value; anything
// after field 22 is dropped.
QString setStyleField(const QString& line, const QString& value, int n);

// Fills the first occurrence of the placeholder; "0" becomes empty when
// zeroBlank is set. An empty result becomes four spaces, so that a filled line
// never ends the page the way an empty line does.
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
