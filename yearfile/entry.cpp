#include "yearfile/entry.h"

#include <vector>

#include "core/format_settings.h"

namespace tallyrix {

QString joinEntryFields(const QStringList& fields) {
    QString text;
    for (const QString& field : fields) {
        text += field;
        text += u',';
    }
    return text;
}

Entry::Entry(QString line) : m_text(std::move(line)) {
    read();
}

void Entry::findFields() const {
    static thread_local std::vector<FieldSpan> spans;
    splitCommaText(m_text, spans);
    m_fieldCount = static_cast<int>(spans.size());
    for (int i = 0; i < kEntryFieldCount; ++i) {
        m_spans[static_cast<size_t>(i)] =
            i < m_fieldCount ? spans[static_cast<size_t>(i)] : FieldSpan{};
    }
}

void Entry::read() {
    findFields();
    m_balanceSet = false;

    m_day = parseDate(storedField(DateField)).toJulianDay();
    m_income = parseMoney(storedField(IncomeField));
    m_expense = parseMoney(storedField(ExpenseField));
}

QStringView Entry::storedField(int index) const {
    if (index < 0 || index >= m_fieldCount || index >= kEntryFieldCount) {
        return {};
    }
    const FieldSpan& span = m_spans[static_cast<size_t>(index)];
    return QStringView(m_text).mid(span.start, span.length);
}

QString Entry::field(int index) const {
    if (index == BalanceField && m_balanceSet) {
        return m_balance.toPlainString();
    }
    return storedField(index).toString();
}

QStringView Entry::fieldView(int index) const {
    if (index == BalanceField && m_balanceSet) {
        rebuildText();
    }
    return storedField(index);
}

QStringList Entry::fields() const {
    QStringList result;
    for (int i = 0; i < kEntryFieldCount; ++i) {
        result.append(field(i));
    }
    return result;
}

// A computed balance rewrites the line as fields 0..11, each followed by ",".
void Entry::rebuildText() const {
    QString text;
    for (int i = 0; i < kEntryFieldCount; ++i) {
        if (i == BalanceField) {
            text += m_balance.toPlainString();
        } else {
            text += storedField(i);
        }
        text += u',';
    }
    m_text = text;
    m_balanceSet = false;
    // The date and amounts stay as read: only field 7 changed.
    findFields();
}

const QString& Entry::text() const {
    if (m_balanceSet) {
        rebuildText();
    }
    return m_text;
}

}  // namespace tallyrix
