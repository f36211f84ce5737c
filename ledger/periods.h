#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "yearfile/period_table.h"

namespace tallyrix {

// The period (1..12) whose dates hold the date; with overlapping periods the
// last one wins; 0 when none does.
int periodOfDate(const PeriodTable& table, const QDate& date);

// The fiscal tab position (1..12) of the first period holding the date; a date
// in no period counts as period 12.
int tabOfDate(const PeriodTable& table, const QDate& date);

// "d01=" .. "d12=", the first field of an entry line.
QString monthKey(int period);

// Period 13 (all months) is never locked.
bool isPeriodLocked(const PeriodTable& table, int period);

// The calendar year of a period's month label.
int calendarYearOfPeriod(const PeriodTable& table, int period);

// The first day an entry may carry: the start of the start month's period.
QDate firstDayOfRecords(const PeriodTable& table);

// The period numbers of the twelve month tabs, in fiscal order.
std::array<int, 12> tabMonthList(int startMonth);
// The ledger's tab captions: "ALL", then "4月", "5月", ... from the start month.
QStringList ledgerTabCaptions(int startMonth);

// A refusal of the period settings: the message window's heading and text.
struct PeriodMessage {
    QString heading;
    QString text;
};

// "自動設定（月末締）": twelve calendar months from the start month; locks stay.
void autoSetMonthEnd(PeriodTable& table, int startMonth, int startYear);

// "自動設定(任意)": the start month's period is set; the eleven after it follow
// with the same closing day. Refused (keeping what was set so far) when a
// closing day is the 28th or later or a start day after the 28th.
std::optional<PeriodMessage> autoSetFromStartMonth(PeriodTable& table, int startMonth);

// The first rule the twelve date pairs break, or nothing: first the spans
// (neither a period nor the year longer than a year), then their order.
std::optional<PeriodMessage> validatePeriods(const PeriodTable& table, int startMonth);
std::optional<PeriodMessage> validatePeriodSpans(const PeriodTable& table);
std::optional<PeriodMessage> validatePeriodOrder(const PeriodTable& table, int startMonth);

}  // namespace tallyrix
