#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace tallyrix {

// A style-file number: millimetres, pitches, offsets and device scales carry
// four decimal places. Kept in fixed point so that a coordinate times a scale
// truncates exactly where the decimal arithmetic says it does.
class Decimal4 {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Decimal4() = default;
    static constexpr Decimal4 fromUnits(std::int64_t units) { return Decimal4(units); }
    static constexpr Decimal4 fromInt(std::int64_t value) { return Decimal4(value * kScale); }
    // Rounded to four decimal places, halves away from zero.
    static Decimal4 fromDouble(double value);
    // "12.5", "-3", "0.0001"; empty or anything else answers nothing.
    static std::optional<Decimal4> parse(QStringView text);

    constexpr std::int64_t units() const { return m_units; }
    constexpr bool isZero() const { return m_units == 0; }
    constexpr bool isNegative() const { return m_units < 0; }
    double toDouble() const { return static_cast<double>(m_units) / kScale; }
    // Truncated toward zero.
    constexpr std::int64_t wholePart() const { return m_units / kScale; }
    // The plain form: "12.5", "-3".
    QString toString() const;

    // (this × factor) truncated toward zero to a whole number, clamped to the
    // range a device coordinate can take.
    int timesTruncated(Decimal4 factor) const;

    constexpr Decimal4 operator-() const { return Decimal4(-m_units); }
    constexpr Decimal4 operator+(Decimal4 o) const { return Decimal4(m_units + o.m_units); }
    constexpr Decimal4 operator-(Decimal4 o) const { return Decimal4(m_units - o.m_units); }
    constexpr Decimal4 operator*(std::int64_t n) const { return Decimal4(m_units * n); }
    constexpr Decimal4& operator+=(Decimal4 o) {
        m_units += o.m_units;
        return *this;
    }
    constexpr Decimal4& operator-=(Decimal4 o) {
        m_units -= o.m_units;
        return *this;
    }
    constexpr auto operator<=>(const Decimal4&) const = default;

private:
    constexpr explicit Decimal4(std::int64_t units) : m_units(units) {}
    std::int64_t m_units = 0;
};

// Device coordinates are kept well inside the range painters handle.
inline constexpr int kDeviceCoordinateLimit = 1 << 26;

}  // namespace tallyrix
