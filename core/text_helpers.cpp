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

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= 0x20) {
        ++first;
    }
    while (last > first && text[last - 1].unicode() <= 0x20) {
        --last;
    }
    return text.mid(first, last - first);
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

}  // namespace tallyrix
