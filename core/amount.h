#pragma once

#include <QString>
#include <compare>
#include <cstdint>

namespace tallyrix {

// A money amount: fixed point with four decimal places in 64 bits, so sums of
// yen amounts are exact.
class Amount {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Amount() = default;
    static constexpr Amount fromYen(std::int64_t yen) { return Amount(yen * kScale); }
    static constexpr Amount fromUnits(std::int64_t units) { return Amount(units); }

    constexpr std::int64_t units() const { return m_units; }
    constexpr bool isZero() const { return m_units == 0; }
    constexpr bool isNegative() const { return m_units < 0; }
    // Rounded to whole yen, halves away from zero.
    std::int64_t roundedYen() const;
    double toDouble() const { return static_cast<double>(m_units) / kScale; }

    // Sums are checked: one that leaves the range raises a ConversionError
    // rather than showing a wrong number.
    constexpr Amount operator-() const { return Amount() - *this; }
    constexpr Amount operator+(Amount other) const {
        std::int64_t sum = 0;
        if (__builtin_add_overflow(m_units, other.m_units, &sum)) {
            throwOutOfRange();
        }
        return Amount(sum);
    }
    constexpr Amount operator-(Amount other) const {
        std::int64_t difference = 0;
        if (__builtin_sub_overflow(m_units, other.m_units, &difference)) {
            throwOutOfRange();
        }
        return Amount(difference);
    }
    constexpr Amount& operator+=(Amount other) { return *this = *this + other; }
    constexpr Amount& operator-=(Amount other) { return *this = *this - other; }
    constexpr auto operator<=>(const Amount&) const = default;

    // The form of the year file: optional "-", digits, and "." with the
    // significant decimals only when there is a fraction ("1500", "-200", "12.5").
    QString toPlainString() const;
    // The "#,##0" form of the screen and the printed pages ("1,500", "-1,500").
    QString toDisplayString() const;
    // The currency form with the program's symbol "\" ("\1,500", "\-1,500").
    QString toCurrencyString() const;
    // The currency form as it is drawn on screen and paper, with the yen sign.
    QString toYenString() const;

    // The text of the error a sum out of range raises.
    static QString outOfRangeMessage();

private:
    [[noreturn]] static void throwOutOfRange();
    constexpr explicit Amount(std::int64_t units) : m_units(units) {}
    std::int64_t m_units = 0;
};

// Reads an amount written in the plain form. Empty text is 0; anything that is
// not a decimal number raises a ConversionError naming the text.
Amount parseMoney(QStringView text);

// The same, answering false instead of raising.
bool tryParseMoney(QStringView text, Amount& result);

}  // namespace tallyrix
