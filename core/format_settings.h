#pragma once

#include <QChar>
#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

namespace tallyrix {

// The date, time and money formats of the whole program. They are fixed values
// and never follow the regional settings of the machine.
struct FormatSettings {
    QString currencySymbol;  // "\", drawn as a yen sign by Japanese fonts
    int currencyDecimals;
    QChar thousandSeparator;
    QChar decimalSeparator;
    QChar dateSeparator;
    QString shortDateFormat;
    QString longDateFormat;
    QChar timeSeparator;
    QString timeAMString;
    QString timePMString;
    QString shortTimeFormat;
    QString longTimeFormat;
};

const FormatSettings& formatSettings();

// Fixes the process-wide formats once at start-up: nothing formats through the
// machine's locale afterwards.
void fixFormatSettings();

// "yyyy/MM/dd".
QString formatDate(const QDate& date);
// "yyyy年M月d日".
QString formatLongDate(const QDate& date);
// "hh:mm:ss".
QString formatLongTime(const QTime& time);
// "午前 h:mm" / "午後 h:mm".
QString formatShortTime(const QTime& time);

// Reads "yyyy/MM/dd", one-digit month and day included ("2015/7/3").
std::optional<QDate> tryParseDate(QStringView text);
// The same, raising a ConversionError naming the text.
QDate parseDate(QStringView text);

}  // namespace tallyrix
