#pragma once

#include <cstdint>

#include "core/amount.h"

namespace tallyrix {

struct Workspace;

// Every sum the program forms (balances, period totals, tables) adds up some of
// the year's amounts: the incomes and expenses of its entries and the opening
// balances. So a year whose amounts taken together fit the amount type can never
// overflow a sum; the budget counts them.
class AmountBudget {
public:
    // False, and nothing taken, when the amount no longer fits beside the others.
    bool take(Amount amount);

private:
    std::uint64_t m_used = 0;
};

// True when the amounts of the year and `extra` fit together.
bool amountsFit(const Workspace& ws, Amount extra = Amount());

}  // namespace tallyrix
