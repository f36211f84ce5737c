#include "print/style_fields.h"

#include <algorithm>
#include <optional>

#include "core/errors.h"

namespace tallyrix {
namespace {

std::optional<int> parseWhole(const QString& text) {
    const QString s = text.trimmed();
    if (s.isEmpty()) {
        return std::nullopt;
    }
    qsizetype i = (s[0] == u'-' || s[0] == u'+') ? 1 : 0;
    if (i == s.size()) {
        return std::nullopt;
    }
    for (; i < s.size(); ++i) {
        if (s[i] < u'0' || s[i] > u'9') {
            return std::nullopt;
        }
    }
    bool ok = false;
    const int value = s.toInt(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

[[noreturn]] void notAnInteger(const QString& text) {
    throw ConversionError(QStringLiteral("'%1' は有効な整数値ではありません。").arg(text));
}

}  // namespace

QStringList splitStyleFields(const QString& line) {
    QStringList fields;
    qsizetype start = 0;
    for (qsizetype pos = line.indexOf(u';'); pos >= 0; pos = line.indexOf(u';', start)) {
        fields.append(line.mid(start, pos - start));
        start = pos + 1;
    }
    fields.append(line.mid(start));
    return fields;
}

StyleFields::StyleFields(const QString& line) : m_fields(splitStyleFields(line)) {}

QString StyleFields::text(int n) const {
    return (n >= 1 && n <= count()) ? m_fields[n - 1] : QString();
}

Decimal4 StyleFields::decimal(int n) const {
    const QString value = text(n);
    const auto number = Decimal4::parse(value);
    if (!number) {
        throw ConversionError(
            QStringLiteral("'%1' は有効な浮動小数点値ではありません。").arg(value));
    }
    // Far beyond any sheet, and small enough that pitches times character
    // counts and offsets never overflow.
    constexpr std::int64_t kLimit = 1'000'000'000LL * Decimal4::kScale;
    return Decimal4::fromUnits(std::clamp(number->units(), -kLimit, kLimit));
}

int StyleFields::integer(int n) const {
    const QString value = text(n);
    const auto number = parseWhole(value);
    if (!number) {
        notAnInteger(value);
    }
    return *number;
}

int StyleFields::integerOr0(int n) const {
    return parseWhole(text(n)).value_or(0);
}

int StyleFields::flag(int n) const {
    const QString value = text(n);
    return value.isEmpty() ? 0 : integer(n);
}

}  // namespace tallyrix
