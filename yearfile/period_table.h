#pragma once

#include <QDate>
#include <array>
#include <optional>

#include "core/amount.h"

namespace tallyrix {

// One fiscal month: its first and last day and its lock (1 = locked).
struct Period {
    QDate start;
    QDate end;
    int lock = 0;
};

// The twelve fiscal months of a year, indexed by their period number 1..12 (the
// calendar month of their label), with the year's header values.
struct PeriodTable {
    static constexpr int kAllMonths = 13;

    // A header value of the file that lies outside its range. The program works
    // with a safe value instead (start month 1, usage type 2), and the file gets
    // back what it held as long as the value in use is still that safe one.
    struct OutOfRange {
        std::optional<int> startMonth;
        std::optional<int> usageType;
    };

    std::array<Period, 13> periods{};  // index 0 unused
    int startMonth = 1;
    int startYear = 0;
    Amount openingBalance;  // of the main cash book
    int usageType = 1;
    OutOfRange asRead;

    Period& operator[](int n) { return periods[static_cast<size_t>(n)]; }
    const Period& operator[](int n) const { return periods[static_cast<size_t>(n)]; }

    // The period that starts the fiscal year and the one that ends it.
    int firstPeriod() const { return startMonth; }
    int lastPeriod() const { return startMonth == 1 ? 12 : startMonth - 1; }
    // Period number at fiscal position k (1..12) and back.
    int periodAtPosition(int k) const { return (startMonth + k - 2) % 12 + 1; }
    int positionOfPeriod(int n) const { return (n - startMonth + 12) % 12 + 1; }

    // The header values as the year file gets them.
    int startMonthToStore() const;
    int usageTypeToStore() const;
    // Main cash book names follow the usage type only for the two known types.
    bool alignsMainBookNames() const;
};

// Periods 1..12 become the calendar months of `year`, all open.
void applyCalendarDefaults(PeriodTable& table, int year);

// Every period moves twelve months forward (29 February becomes 28 February) and
// opens; the start month stays.
void shiftPeriodsOneYear(PeriodTable& table);

}  // namespace tallyrix
