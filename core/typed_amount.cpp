#include "core/typed_amount.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace tallyrix {
namespace {

constexpr int kMostDigits = 14;
// Beyond every limit, so the arithmetic below never overflows.
constexpr std::int64_t kCeiling = 100'000'000'000'000;  // 10^14
constexpr std::int64_t kNoUnit = INT64_MAX;
constexpr std::int64_t kNone = -1;

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == QChar(0x3000);
}

QStringView trimmed(QStringView text) {
    while (!text.isEmpty() && isBlank(text.front())) {
        text = text.mid(1);
    }
    while (!text.isEmpty() && isBlank(text.back())) {
        text.chop(1);
    }
    return text;
}

bool isArabicDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９');
}

int digitValue(QChar c) {
    if (c >= u'0' && c <= u'9') {
        return c.unicode() - u'0';
    }
    if (c >= u'０' && c <= u'９') {
        return c.unicode() - u'０';
    }
    switch (c.unicode()) {
        case u'〇':
        case u'零':
            return 0;
        case u'一':
        case u'壱':
            return 1;
        case u'二':
        case u'弐':
            return 2;
        case u'三':
        case u'参':
            return 3;
        case u'四':
            return 4;
        case u'五':
            return 5;
        case u'六':
            return 6;
        case u'七':
            return 7;
        case u'八':
            return 8;
        case u'九':
            return 9;
        default:
            return -1;
    }
}

// 十, 百, 千: they multiply one digit before them (1 when there is none).
std::int64_t smallUnit(QChar c) {
    switch (c.unicode()) {
        case u'十':
        case u'拾':
            return 10;
        case u'百':
            return 100;
        case u'千':
            return 1000;
        default:
            return 0;
    }
}

// 万, 億, 兆: they multiply the whole group before them.
std::int64_t largeUnit(QChar c) {
    switch (c.unicode()) {
        case u'万':
        case u'萬':
            return 10'000;
        case u'億':
            return 100'000'000;
        case u'兆':
            return 1'000'000'000'000;
        default:
            return 0;
    }
}

// Reads the number, or nothing when the text is no number; values past the
// ceiling come out as the ceiling.
std::optional<std::int64_t> readNumber(QStringView text) {
    std::int64_t total = 0;
    std::int64_t group = 0;    // the part before the next 万, 億 or 兆
    std::int64_t run = kNone;  // digits read and not yet placed
    std::int64_t lastSmall = kNoUnit;
    std::int64_t lastLarge = kNoUnit;
    // Digits after a unit name less than that unit ("千二百", not "千二千").
    const auto runFits = [&] { return run == kNone || run < lastSmall; };
    const auto runOr = [&](std::int64_t otherwise) { return run == kNone ? otherwise : run; };

    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (const int digit = digitValue(c); digit >= 0) {
            run = std::min(runOr(0) * 10 + digit, kCeiling);
        } else if (c == u',' || c == u'，') {
            // A separator only between digits.
            if (i == 0 || i + 1 >= text.size() || !isArabicDigit(text[i - 1]) ||
                !isArabicDigit(text[i + 1])) {
                return std::nullopt;
            }
        } else if (const std::int64_t unit = smallUnit(c)) {
            const std::int64_t factor = runOr(1);
            if (factor < 1 || factor > 9 || unit >= lastSmall) {
                return std::nullopt;
            }
            group += factor * unit;
            lastSmall = unit;
            run = kNone;
        } else if (const std::int64_t unit = largeUnit(c)) {
            const std::int64_t value = group + runOr(0);
            // Each group counts fewer than the next unit up ("1億2000万").
            if (!runFits() || value == 0 || unit >= lastLarge ||
                (lastLarge != kNoUnit && value >= lastLarge / unit)) {
                return std::nullopt;
            }
            total = std::min(total + std::min(value, kCeiling / unit) * unit, kCeiling);
            lastLarge = unit;
            lastSmall = kNoUnit;
            group = 0;
            run = kNone;
        } else {
            return std::nullopt;
        }
    }
    const std::int64_t rest = group + runOr(0);
    if (!runFits() || rest >= lastLarge) {
        return std::nullopt;
    }
    return std::min(total + rest, kCeiling);
}

}  // namespace

TypedAmount readTypedAmount(QStringView text, int maxDigits) {
    text = trimmed(text);
    const bool yen = text.endsWith(u'円');
    if (yen) {
        text = trimmed(text.chopped(1));
    }
    if (text.isEmpty()) {
        // A lone "円" names no amount; an empty field is zero.
        return yen ? TypedAmount{} : TypedAmount{TypedAmount::Status::Read, Amount()};
    }
    const std::optional<std::int64_t> number = readNumber(text);
    if (!number) {
        return {};
    }
    std::int64_t limit = 1;
    for (int i = 0; i < std::clamp(maxDigits, 1, kMostDigits); ++i) {
        limit *= 10;
    }
    if (*number >= limit) {
        return {TypedAmount::Status::TooLarge, Amount()};
    }
    return {TypedAmount::Status::Read, Amount::fromYen(*number)};
}

}  // namespace tallyrix
