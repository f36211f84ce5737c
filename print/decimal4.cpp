#include "print/decimal4.h"

#include <algorithm>
#include <cmath>

#include "core/amount.h"

namespace tallyrix {

Decimal4 Decimal4::fromDouble(double value) {
    return Decimal4(static_cast<std::int64_t>(std::llround(value * kScale)));
}

std::optional<Decimal4> Decimal4::parse(QStringView text) {
    // The plain amount form is exactly the decimal form of the style files.
    Amount amount;
    if (text.trimmed().isEmpty() || !tryParseMoney(text, amount)) {
        return std::nullopt;
    }
    return Decimal4(amount.units());
}

QString Decimal4::toString() const {
    return Amount::fromUnits(m_units).toPlainString();
}

int Decimal4::timesTruncated(Decimal4 factor) const {
    const __int128 product = static_cast<__int128>(m_units) * factor.m_units;
    const __int128 whole = product / (static_cast<__int128>(kScale) * kScale);
    return static_cast<int>(
        std::clamp<__int128>(whole, -kDeviceCoordinateLimit, kDeviceCoordinateLimit));
}

}  // namespace tallyrix
