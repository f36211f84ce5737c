#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>

#include "core/amount.h"
#include "core/comma_text.h"

namespace tallyrix {

// The fields of an entry line, in file order.
enum EntryField : int {
    MonthKeyField = 0,
    DateField = 1,
    SequenceField = 2,
    TitleField = 3,
    DescriptionField = 4,
    IncomeField = 5,
    ExpenseField = 6,
    BalanceField = 7,
    KindField = 8,
    NameField = 9,
    CounterKindField = 10,
    CounterNameField = 11,
};
inline constexpr int kEntryFieldCount = 12;

// Fields joined as the program writes them: each followed by ",".
QString joinEntryFields(const QStringList& fields);

// One entry line with its fields found and its date and amounts read once, so
// that the balance loops never split text. The line's text stays exactly as it
// was read until something rewrites it.
class Entry {
public:
    // Raises ConversionError when the date or an amount cannot be read.
    explicit Entry(QString line);

    // The line as it is written to the file.
    const QString& text() const;
    // How many fields the line splits into.
    int fieldCount() const { return m_fieldCount; }
    // Field `index`; empty beyond the line's fields.
    QString field(int index) const;
    // The same without a copy; valid until the entry changes.
    QStringView fieldView(int index) const;
    QStringList fields() const;

    QDate date() const { return QDate::fromJulianDay(m_day); }
    qint64 day() const { return m_day; }
    Amount income() const { return m_income; }
    Amount expense() const { return m_expense; }

    // Book identities, as handed out by the entry list.
    int ownBook() const { return m_ownBook; }
    int counterBook() const { return m_counterBook; }

    // The running balance put into field 7; the text follows when it is next read.
    void setBalance(Amount balance) {
        m_balance = balance;
        m_balanceSet = true;
    }

private:
    friend class EntryList;
    void findFields() const;
    void read();
    void rebuildText() const;
    QStringView storedField(int index) const;

    mutable QString m_text;
    mutable std::array<FieldSpan, kEntryFieldCount> m_spans{};
    mutable int m_fieldCount = 0;
    qint64 m_day = 0;
    Amount m_income;
    Amount m_expense;
    Amount m_balance;
    mutable bool m_balanceSet = false;
    int m_ownBook = -1;
    int m_counterBook = -1;
};

}  // namespace tallyrix
