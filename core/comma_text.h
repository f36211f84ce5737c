#pragma once

#include <QStringView>
#include <vector>

namespace tallyrix {

// Where one item of a comma text lies in the text. Every item is a plain
// substring: quotes are never part of an item and nothing is unescaped.
struct FieldSpan {
    qsizetype start = 0;
    qsizetype length = 0;
};

// Splits by the comma rule of the year file: items end at ",", CR or a double
// quote; an item that starts with a quote ends at the next quote and the
// character after that quote is skipped; a trailing "," adds no empty item.
void splitCommaText(QStringView text, std::vector<FieldSpan>& spans);

}  // namespace tallyrix
