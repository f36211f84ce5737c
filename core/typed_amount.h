#pragma once

#include <QStringView>

#include "core/amount.h"

namespace tallyrix {

// An amount as a user types it: digits (ASCII or full-width, with or without
// thousands separators), kanji numerals as an input method converts them
// ("千二百", "三万五千", "1万2千"), either with a trailing "円". Blanks around it
// do not count; empty text is zero.
struct TypedAmount {
    enum class Status { Read, NotAnAmount, TooLarge };
    Status status = Status::NotAnAmount;
    Amount value;

    bool read() const { return status == Status::Read; }
};

// `maxDigits` is the most digits the value may have (1..14).
TypedAmount readTypedAmount(QStringView text, int maxDigits);

}  // namespace tallyrix
