#pragma once

#include <QString>
#include <QStringList>

#include "print/decimal4.h"

namespace tallyrix {

// The fields of one style line, numbered from 1. Each field ends at the next
// ";"; when no ";" is left, the rest of the line is the last field. Fields past
// the end of the line are empty.
//
// The four number readings of the style files raise a ConversionError naming
// the text, which ends the page at that line:
//   decimal       a decimal number with "." and up to four decimal places
//   integer       a whole number
//   integerOr0    a whole number, anything else reads 0
//   flag          empty reads 0, otherwise a whole number
class StyleFields {
public:
    explicit StyleFields(const QString& line);

    int count() const { return static_cast<int>(m_fields.size()); }
    QString text(int n) const;

    Decimal4 decimal(int n) const;
    int integer(int n) const;
    int integerOr0(int n) const;
    int flag(int n) const;

private:
    QStringList m_fields;
};

// Splits a style line into its fields (the first is field 1).
QStringList splitStyleFields(const QString& line);

}  // namespace tallyrix
