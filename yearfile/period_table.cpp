#include "yearfile/period_table.h"

namespace tallyrix {

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
