#include "yearfile/period_table.h"

#include "yearfile/book.h"

namespace tallyrix {

int PeriodTable::startMonthToStore() const {
    return asRead.startMonth && startMonth == 1 ? *asRead.startMonth : startMonth;
}

int PeriodTable::usageTypeToStore() const {
    return asRead.usageType && usageType == kPocketMoneyUsage ? *asRead.usageType : usageType;
}

bool PeriodTable::alignsMainBookNames() const {
    const int stored = usageTypeToStore();
    return stored == kBusinessUsage || stored == kPocketMoneyUsage;
}

void applyCalendarDefaults(PeriodTable& table, int year) {
    for (int m = 1; m <= 12; ++m) {
        const QDate first(year, m, 1);
        table[m] = {first, first.addMonths(1).addDays(-1), 0};
    }
}

void shiftPeriodsOneYear(PeriodTable& table) {
    for (int m = 1; m <= 12; ++m) {
        table[m].start = table[m].start.addMonths(12);
        table[m].end = table[m].end.addMonths(12);
        table[m].lock = 0;
    }
}

}  // namespace tallyrix
