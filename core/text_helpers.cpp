#include "core/text_helpers.h"

#include "core/format_settings.h"

namespace tallyrix {

QString fieldAt(const QString& text, const QString& separator, int n) {
    if (separator.isEmpty()) {
        return {};
    }
    qsizetype start = 0;
    int i = 0;
    for (qsizetype pos = text.indexOf(separator); pos >= 0; pos = text.indexOf(separator, start)) {
        ++i;
        if (i == n) {
            return text.mid(start, pos - start);
        }
        start = pos + separator.size();
    }
    return {};
}

QString lastFieldUpTo(const QString& text, int n) {
    QString last;
    qsizetype start = 0;
    int taken = 0;
    for (qsizetype pos = text.indexOf(u';'); pos >= 0 && (n <= 0 || taken < n);
         pos = text.indexOf(u';', start)) {
        last = text.mid(start, pos - start);
        start = pos + 1;
        ++taken;
    }
    return last;
}

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

QString replaceAll(const QString& text, const QString& find, const QString& replacement) {
    if (find.isEmpty()) {
        return text;
    }
    QString result;
    qsizetype start = 0;
    for (qsizetype pos = text.indexOf(find); pos >= 0; pos = text.indexOf(find, start)) {
        result += QStringView(text).mid(start, pos - start);
        result += replacement;
        start = pos + find.size();
    }
    result += QStringView(text).mid(start);
    return result;
}

QString cutAtParen(const QString& text) {
    const qsizetype pos = text.indexOf(u'(');
    return pos < 0 ? text : text.left(pos);
}

namespace {

QString removeFirst(const QString& text, QChar c) {
    const qsizetype pos = text.indexOf(c);
    return pos < 0 ? text : text.left(pos) + text.mid(pos + 1);
}

}  // namespace

QString monthDayNumber(const QString& label) {
    QString text = removeFirst(label, u'月');
    if (text.isEmpty()) {
        text = QStringLiteral("0");
    }
    text = removeFirst(text, u'日');
    if (text.isEmpty()) {
        text = QStringLiteral("0");
    }
    return text;
}

QString dayOfLabel(const QString& label) {
    const qsizetype pos = label.indexOf(u'月');
    return removeFirst(label.mid(pos + 1), u'日');
}

QString stripCommas(const QString& text) {
    QString result = text;
    result.remove(u',');
    return result.isEmpty() ? QStringLiteral("0") : result;
}

double parseFloatOr(const QString& text, double defaultValue) {
    const QString s = text.trimmed();
    if (s.isEmpty()) {
        return defaultValue;
    }
    // Plain decimal numbers only: no hex, no "inf"/"nan", no thousands separators.
    for (QChar c : s) {
        if (!(c.isDigit() && c.unicode() < 128) && c != u'-' && c != u'+' && c != u'.' &&
            c != u'e' && c != u'E') {
            return defaultValue;
        }
    }
    bool ok = false;
    const double value = s.toDouble(&ok);
    return ok ? value : defaultValue;
}

QString setStyleField(const QString& line, const QString& value, int n) {
    static const QString kSemicolon = QStringLiteral(";");
    QString result;
    for (int i = 1; i <= kStyleFieldCount; ++i) {
        result += (i == n) ? value : fieldAt(line, kSemicolon, i);
        result += u';';
    }
    return result;
}

namespace {

struct Filled {
    QString line;
    bool found;
};

Filled fill(const QString& line, const QString& placeholder, const QString& value, bool zeroBlank) {
    const QString shown = (zeroBlank && value == QLatin1String("0")) ? QString() : value;
    const qsizetype pos = placeholder.isEmpty() ? -1 : line.indexOf(placeholder);
    QString result = line;
    if (pos >= 0) {
        result.replace(pos, placeholder.size(), shown);
    }
    if (result.isEmpty()) {
        result = QStringLiteral("    ");
    }
    return {result, pos >= 0};
}

}  // namespace

QString fillText(const QString& line, const QString& placeholder, const QString& value,
                 bool zeroBlank) {
    return fill(line, placeholder, value, zeroBlank).line;
}

QString fillSigned(const QString& line, const QString& placeholder, const QString& value, bool red,
                   bool zeroBlank) {
    Filled filled = fill(line, placeholder, value, zeroBlank);
    if (red && filled.found && value.contains(u'-')) {
        filled.line = setStyleField(filled.line, QStringLiteral("255"), 19);
    }
    return filled.line;
}

QString fillFitted(const QString& line, const QString& placeholder, const QString& value,
                   bool zeroBlank) {
    Filled filled = fill(line, placeholder, value, zeroBlank);
    QString digits = value;
    digits.remove(u',');
    if (filled.found && parseFloatOr(digits, 0) > 0 && value.size() >= 11 && value.size() <= 15) {
        filled.line = setStyleField(filled.line, QStringLiteral("9"), 15);
        filled.line = setStyleField(filled.line, QStringLiteral("-1.6"), 18);
    }
    return filled.line;
}

}  // namespace tallyrix
