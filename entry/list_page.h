#pragma once

namespace tallyrix {

// The three list pages beside the entry dialog's account field: what the field
// is filled from, and which description list is shown.
enum class ListPage { AccountTitles, PettyCashBooks, BankBooks };

}  // namespace tallyrix
