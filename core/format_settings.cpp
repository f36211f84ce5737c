#include "core/format_settings.h"

#include <QLocale>

#include "core/errors.h"

namespace tallyrix {

const FormatSettings& formatSettings() {
    static const FormatSettings settings{
        QStringLiteral("\\"),
        0,
        u',',
        u'.',
        u'/',
        QStringLiteral("yyyy/MM/dd"),
        QStringLiteral("yyyy'年'M'月'd'日'"),
        u':',
        QStringLiteral("午前"),
        QStringLiteral("午後"),
        QStringLiteral("AMPM h:mm"),
        QStringLiteral("hh:mm:ss"),
    };
    return settings;
}

void fixFormatSettings() {
    // Qt's own conversions then format as the C locale does whatever the machine says.
    QLocale::setDefault(QLocale::c());
}

namespace {

QString pad2(int value) {
    return QString::number(value).rightJustified(2, u'0');
}

}  // namespace

QString formatDate(const QDate& date) {
    if (!date.isValid()) {
        return {};
    }
    const QChar sep = formatSettings().dateSeparator;
    return QString::number(date.year()).rightJustified(4, u'0') + sep + pad2(date.month()) + sep +
           pad2(date.day());
}

QString formatLongDate(const QDate& date) {
    if (!date.isValid()) {
        return {};
    }
    return QStringLiteral("%1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day());
}

QString formatLongTime(const QTime& time) {
    const QChar sep = formatSettings().timeSeparator;
    return pad2(time.hour()) + sep + pad2(time.minute()) + sep + pad2(time.second());
}

QString formatShortTime(const QTime& time) {
    const FormatSettings& f = formatSettings();
    const QString& marker = time.hour() < 12 ? f.timeAMString : f.timePMString;
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return marker + u' ' + QString::number(hour12) + f.timeSeparator + pad2(time.minute());
}

std::optional<QDate> tryParseDate(QStringView text) {
    // Hand-rolled: year files hold one date per line and are read in bulk.
    text = text.trimmed();
    const QChar separator = formatSettings().dateSeparator;
    static constexpr int kMaxDigits[] = {4, 2, 2};
    int values[3] = {};
    qsizetype pos = 0;
    for (int part = 0; part < 3; ++part) {
        // The digits are counted before they make a number, so a long run of
        // them is refused instead of overflowing.
        const qsizetype first = pos;
        while (pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9') {
            ++pos;
        }
        const qsizetype digits = pos - first;
        if (digits == 0 || digits > kMaxDigits[part]) {
            return std::nullopt;
        }
        for (qsizetype i = first; i < pos; ++i) {
            values[part] = values[part] * 10 + (text[i].unicode() - u'0');
        }
        if (part < 2) {
            if (pos >= text.size() || text[pos] != separator) {
                return std::nullopt;
            }
            ++pos;
        }
    }
    if (pos != text.size() || values[0] < 1) {
        return std::nullopt;
    }
    const QDate date(values[0], values[1], values[2]);
    if (!date.isValid()) {
        return std::nullopt;
    }
    return date;
}

QDate parseDate(QStringView text) {
    if (auto date = tryParseDate(text)) {
        return *date;
    }
    throw ConversionError(QStringLiteral("'%1' は正しい日付ではありません。").arg(text));
}

}  // namespace tallyrix
