#include "yearfile/amount_budget.h"

#include <limits>

#include "yearfile/workspace.h"

namespace tallyrix {

bool AmountBudget::take(Amount amount) {
    constexpr auto kLimit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    const std::int64_t units = amount.units();
    const std::uint64_t magnitude = units < 0 ? static_cast<std::uint64_t>(-(units + 1)) + 1
                                              : static_cast<std::uint64_t>(units);
    if (magnitude > kLimit - m_used) {
        return false;
    }
    m_used += magnitude;
    return true;
}

bool amountsFit(const Workspace& ws, Amount extra) {
    AmountBudget budget;
    if (!budget.take(extra) || !budget.take(ws.periods.openingBalance)) {
        return false;
    }
    for (const LineStore* books : {&ws.pettyBooks, &ws.bankBooks}) {
        for (const QString& line : *books) {
            Amount opening;
            if (tryParseMoney(bookLineField(line, 4), opening) && !budget.take(opening)) {
                return false;
            }
        }
    }
    for (const Entry& entry : ws.entries) {
        if (!budget.take(entry.income()) || !budget.take(entry.expense())) {
            return false;
        }
    }
    return true;
}

}  // namespace tallyrix
