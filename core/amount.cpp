#include "core/amount.h"

#include <limits>

#include "core/errors.h"
#include "core/format_settings.h"

namespace tallyrix {
namespace {

QString groupThousands(std::uint64_t value) {
    QString digits = QString::number(value);
    const QChar separator = formatSettings().thousandSeparator;
    for (qsizetype pos = digits.size() - 3; pos > 0; pos -= 3) {
        digits.insert(pos, separator);
    }
    return digits;
}

std::uint64_t magnitude(std::int64_t value) {
    return value < 0 ? static_cast<std::uint64_t>(-(value + 1)) + 1
                     : static_cast<std::uint64_t>(value);
}

}  // namespace

QString Amount::outOfRangeMessage() {
    return QStringLiteral("金額の合計が扱える範囲を超えています。");
}

void Amount::throwOutOfRange() {
    throw ConversionError(outOfRangeMessage());
}

std::int64_t Amount::roundedYen() const {
    const std::uint64_t abs = magnitude(m_units);
    const auto yen = static_cast<std::int64_t>((abs + kScale / 2) / kScale);
    return m_units < 0 ? -yen : yen;
}

QString Amount::toPlainString() const {
    const std::uint64_t abs = magnitude(m_units);
    QString text = QString::number(abs / kScale);
    std::uint64_t fraction = abs % kScale;
    if (fraction != 0) {
        QString decimals = QString::number(fraction).rightJustified(4, u'0');
        while (decimals.endsWith(u'0')) {
            decimals.chop(1);
        }
        text += formatSettings().decimalSeparator;
        text += decimals;
    }
    return m_units < 0 ? u'-' + text : text;
}

QString Amount::toDisplayString() const {
    const std::int64_t yen = roundedYen();
    const QString digits = groupThousands(magnitude(yen));
    return yen < 0 ? u'-' + digits : digits;
}

QString Amount::toCurrencyString() const {
    const std::int64_t yen = roundedYen();
    const QString& symbol = formatSettings().currencySymbol;
    const QString digits = groupThousands(magnitude(yen));
    return yen < 0 ? symbol + u'-' + digits : symbol + digits;
}

QString Amount::toYenString() const {
    QString text = toCurrencyString();
    text.replace(formatSettings().currencySymbol, QString(QChar(0x00A5)));
    return text;
}

bool tryParseMoney(QStringView text, Amount& result) {
    const QStringView s = text.trimmed();
    if (s.isEmpty()) {
        result = Amount();
        return text.isEmpty();
    }
    qsizetype i = 0;
    bool negative = false;
    if (s[i] == u'-' || s[i] == u'+') {
        negative = s[i] == u'-';
        ++i;
    }
    constexpr std::uint64_t kLimit = std::numeric_limits<std::int64_t>::max();
    std::uint64_t units = 0;
    int digits = 0;
    int decimals = 0;
    bool seenPoint = false;
    bool roundUp = false;
    bool dropped = false;
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == formatSettings().decimalSeparator && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (c < u'0' || c > u'9') {
            return false;
        }
        ++digits;
        const auto digit = static_cast<std::uint64_t>(c.unicode() - u'0');
        if (seenPoint) {
            if (decimals == 4) {
                // Beyond the fourth decimal only the first dropped digit counts.
                roundUp = roundUp || (!dropped && digit >= 5);
                dropped = true;
                continue;
            }
            ++decimals;
        }
        if (units > (kLimit - digit) / 10) {
            return false;
        }
        units = units * 10 + digit;
    }
    if (digits == 0) {
        return false;
    }
    for (int d = decimals; d < 4; ++d) {
        if (units > kLimit / 10) {
            return false;
        }
        units *= 10;
    }
    if (roundUp) {
        if (units == kLimit) {
            return false;
        }
        ++units;
    }
    const auto value = static_cast<std::int64_t>(units);
    result = Amount::fromUnits(negative ? -value : value);
    return true;
}

Amount parseMoney(QStringView text) {
    Amount result;
    if (!tryParseMoney(text, result)) {
        throw ConversionError(QStringLiteral("'%1' は正しい金額ではありません。").arg(text));
    }
    return result;
}

}  // namespace tallyrix
