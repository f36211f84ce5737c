#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

#include "analysis/monthly_table.h"
#include "core/amount.h"

namespace tallyrix {

// What the entries of one row title add up to in each fiscal month (0..11 in
// fiscal order), and which months received anything at all.
struct MonthSums {
    std::array<Amount, 12> amounts{};
    std::uint16_t touched = 0;

    void add(int position, Amount amount) {
        amounts[static_cast<size_t>(position)] += amount;
        touched |= static_cast<std::uint16_t>(1u << position);
    }
    bool received(int position) const { return (touched >> position) & 1u; }
};

// One part of the table (income or expense) as one pass over the entry list
// finds it: the row titles in table order, and what the entries of exactly
// that title add up to.
struct TablePart {
    QStringList titles;
    std::vector<MonthSums> sums;  // by row, as the titles
};

struct TableParts {
    TablePart income;
    TablePart expense;
};

// Walks the entry list once for the table of a book and level: which titles
// give rows, and what each title's months add up to. Lines from the first
// one whose kind mark is "f", "z" or "g" on are not entries and end the walk.
TableParts collectTableParts(const EntryList& entries, const PeriodTable& periods,
                             const TableBookItem& book, TableLevel level,
                             const QString& selectedTitle);

// The fiscal position (0..11) of an entry's month key "d01=".."d12=", or -1
// for any other key.
int fiscalPositionOfKey(QStringView monthKey, const PeriodTable& periods);

// Sorts row titles for the table: by the Japanese collation, ignoring letter
// case; of titles that differ only in letter case the one added first stays.
// Titles that differ in more than case (hiragana and katakana, full and half
// width) keep rows of their own, even where the collation ranks them equal.
QStringList sortRowTitles(const QStringList& titlesInOrderAdded);

}  // namespace tallyrix
