#pragma once

#include <QString>

namespace tallyrix {

// Takes the first field off a CSV line, with its ",". A field starting with a
// double quote ends at a "," directly after a quote; a line without "," is
// taken whole.
QString takeCsvField(QString& line);

}  // namespace tallyrix
