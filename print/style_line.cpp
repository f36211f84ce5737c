#include "print/style_line.h"

#include "core/text_helpers.h"

namespace tallyrix {

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
