#include "print/csv_field.h"

namespace tallyrix {

QString takeCsvField(QString& line) {
    QString field;
    if (line.startsWith(u'"')) {
        const qsizetype close = line.indexOf(QLatin1String("\","), 1);
        if (close >= 0) {
            field = line.mid(1, close - 1);
            line.remove(0, close + 2);
            return field;
        }
        if (!line.contains(u',')) {
            field = line.mid(1);
            if (field.endsWith(u'"')) {
                field.chop(1);
            }
            line.clear();
            return field;
        }
        // An opening quote that is never closed before a comma: read as unquoted.
    }
    const qsizetype comma = line.indexOf(u',');
    if (comma < 0) {
        field = line;
        line.clear();
    } else {
        field = line.left(comma);
        line.remove(0, comma + 1);
    }
    return field;
}

}  // namespace tallyrix
