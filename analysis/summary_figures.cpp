#include "analysis/summary_figures.h"

#include <algorithm>
#include <cmath>

#include "analysis/monthly_table.h"
#include "core/text_helpers.h"
#include "ledger/periods.h"

namespace tallyrix {
namespace {

QString withoutSeparators(const QString& text) {
    QString plain = text;
    plain.remove(u',');
    return plain;
}

// A figure of a total cell as the scale reads it: 0 when it is no number.
Amount scaleValueOf(const QString& text) {
    Amount value;
    return tryParseMoney(withoutSeparators(text), value) ? value : Amount();
}

// Long figures get a smaller font; a font once made smaller stays so.
void shrinkFigure(SummaryLabel& label) {
    const qsizetype length = label.text.size();
    if (length == 11 || length == 12) {
        label.pointSize = 8;
    } else if (length == 13) {
        label.pointSize = 7;
    }
}

void shrinkCumulativeDifference(SummaryLabel& label) {
    const qsizetype length = label.text.size();
    if (length >= 11 && length <= 13) {
        label.pointSize = 8;
    }
}

void shrinkScale(SummaryLabel& label) {
    const qsizetype length = label.text.size();
    if (length >= 11 && length <= 14) {
        label.pointSize = 8;
    }
}

// The bar of a month figure against the scale maximum: 300 px for the
// maximum, at least 5 px for any figure that is not "0", none below zero.
SummaryBar barOf(const QString& text, Amount maximum) {
    const double value = parseFloatOr(withoutSeparators(text), 0.0);
    const double exact = value * SummaryBar::kFullHeight / maximum.toDouble();
    int height = exact > 0 ? static_cast<int>(std::trunc(exact)) : 0;
    if (height == 0 && text != QLatin1String("0") && exact >= 0) {
        height = SummaryBar::kMinimumHeight;
    }
    return {height, SummaryBar::kBarBase - height};
}

}  // namespace

Amount yenOfDisplayText(const QString& text) {
    const QString plain = withoutSeparators(text);
    Amount value;
    if (plain.contains(u'.') || !tryParseMoney(plain, value) ||
        value.units() % Amount::kScale != 0) {
        return Amount();
    }
    return value;
}

QString SummarySlot::monthStartText() const {
    return monthStart.toString(QStringLiteral("yyyy/MM/01"));
}

SummaryFigures::SummaryFigures() {
    reset(QDate::currentDate().year());
}

void SummaryFigures::setRange(const PeriodTable& periods) {
    const QString format = QStringLiteral("yyyy'年'MM'月'dd'日'");
    m_range = periods[periods.firstPeriod()].start.toString(format) + QStringLiteral("～") +
              periods[periods.lastPeriod()].end.toString(format);
}

void SummaryFigures::refresh(const MonthlyTable& table, const PeriodTable& periods) {
    const int incomeRow = table.incomeTotalRow();
    const int expenseRow = table.expenseTotalRow();
    const auto totalText = [&table](int row, int column) {
        return row > 0 ? table.cell(row, column) : QStringLiteral("0");
    };
    m_maximum = Amount();
    for (int p = 1; p <= kSlots; ++p) {
        SummarySlot& s = m_slots[static_cast<size_t>(p - 1)];
        const int column = p + 1;
        s.month.text = table.cell(0, column);
        const int month = periods.periodAtPosition(p);
        s.monthStart = QDate(calendarYearOfPeriod(periods, month), month, 1);
        s.tincome.text = totalText(incomeRow, column);
        s.texpenses.text = totalText(expenseRow, column);
        for (const QString& total : {s.tincome.text, s.texpenses.text}) {
            m_maximum = std::max(m_maximum, scaleValueOf(total));
        }

        // Whole yen in 64 bits: cumulative figures of billions stay right.
        const Amount income = yenOfDisplayText(s.tincome.text);
        const Amount expense = yenOfDisplayText(s.texpenses.text);
        const Amount difference = income - expense;
        if (p == 1) {
            s.rincome.text = s.tincome.text;
            s.rexpenses.text = s.texpenses.text;
            s.sagaku.text = difference.toDisplayString();
            s.rsagaku.text = s.sagaku.text;
        } else {
            const SummarySlot& before = m_slots[static_cast<size_t>(p - 2)];
            s.rincome.text = (yenOfDisplayText(before.rincome.text) + income).toDisplayString();
            s.rexpenses.text =
                (yenOfDisplayText(before.rexpenses.text) + expense).toDisplayString();
            s.sagaku.text = difference.toDisplayString();
            s.rsagaku.text = (yenOfDisplayText(before.rsagaku.text) + difference).toDisplayString();
        }
    }
    for (SummarySlot& s : m_slots) {
        for (SummaryLabel* label :
             {&s.tincome, &s.rincome, &s.texpenses, &s.rexpenses, &s.sagaku}) {
            shrinkFigure(*label);
        }
        shrinkCumulativeDifference(s.rsagaku);
    }

    if (m_maximum.isZero()) {
        m_maximum = Amount::fromYen(1);
    }
    for (SummarySlot& s : m_slots) {
        s.income = barOf(s.tincome.text, m_maximum);
        s.expenses = barOf(s.texpenses.text, m_maximum);
    }
    m_maxlevel.text = m_maximum.toDisplayString();
    m_divlevel.text = Amount::fromYen(m_maximum.roundedYen() / 2).toDisplayString();
    shrinkScale(m_maxlevel);
    shrinkScale(m_divlevel);
}

void SummaryFigures::reset(int year) {
    for (int p = 1; p <= kSlots; ++p) {
        SummarySlot& s = m_slots[static_cast<size_t>(p - 1)];
        s.income = {0, 0};
        s.expenses = {0, 0};
        for (SummaryLabel* label :
             {&s.tincome, &s.rincome, &s.texpenses, &s.rexpenses, &s.sagaku, &s.rsagaku}) {
            label->text = QStringLiteral("0");
        }
        s.month.text = QString::number(p) + QStringLiteral("月");
        s.monthStart = QDate(year, p, 1);
    }
    m_maxlevel.text.clear();
    m_divlevel.text.clear();
    m_maximum = Amount();
}

}  // namespace tallyrix
