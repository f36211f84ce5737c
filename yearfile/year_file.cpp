#include "yearfile/year_file.h"

#include "yearfile/amount_budget.h"

#include "core/amount.h"
#include "core/bracket_keys.h"
#include "core/comma_text.h"
#include "core/errors.h"
#include "core/format_settings.h"
#include "core/text_helpers.h"

namespace tallyrix {
namespace {

// Fields of a line by the comma rule.
QStringList splitLine(const QString& line) {
    LineStore fields;
    fields.setCommaText(line);
    return fields.toStringList();
}

QString fieldOf(const QStringList& fields, int index) {
    return index < fields.size() ? fields[index] : QString();
}

// Integers of the file: the value, or 0 when the text is not a number.
int integerOr0(const QString& text) {
    return bracketInt(text, 0);
}

// The 12 period lines end 13 lines before the end; stops at the first that is
// not one. Returns true when all 12 were read.
bool readPeriods(LineStore& lines, PeriodTable& table, int& headerIndex) {
    const int p = lines.count() - 13;
    headerIndex = -1;
    if (p < 0) {
        return false;
    }
    for (int n = 1; n <= 12; ++n) {
        const QStringList fields = splitLine(lines[p]);
        if (fieldOf(fields, 0) != QLatin1String("f")) {
            return false;
        }
        table[n] = {parseDate(fieldOf(fields, 1)), parseDate(fieldOf(fields, 2)),
                    integerOr0(fieldOf(fields, 3))};
        lines.remove(p);
    }
    headerIndex = p;
    return true;
}

// True when the line was a header line.
bool readHeader(LineStore& lines, int index, PeriodTable& table, const QDate& today) {
    const QString line = lines[index];
    const QStringList fields = splitLine(line);
    if (fieldOf(fields, 0) != QLatin1String("g")) {
        return false;  // no header: the values of the year before stay
    }
    table.openingBalance = parseMoney(fieldOf(fields, 1));
    table.startMonth = integerOr0(fieldOf(fields, 2));
    table.usageType = integerOr0(fieldOf(fields, 3));
    // The start year counts only when a "," follows it.
    const QString yearText = fieldAt(line, QStringLiteral(","), 5);
    table.startYear = bracketInt(yearText, today.year());
    // A start month or usage type outside its range would break every month
    // lookup and the account titles: the program works with the first month and
    // a pocket-money year (what the main title already says of such a file), and
    // the file gets back what it held.
    table.asRead = {};
    if (table.startMonth < 1 || table.startMonth > 12) {
        table.asRead.startMonth = table.startMonth;
        table.startMonth = 1;
    }
    if (table.usageType != kBusinessUsage && table.usageType != kPocketMoneyUsage) {
        table.asRead.usageType = table.usageType;
        table.usageType = kPocketMoneyUsage;
    }
    if (table.startYear < 1900) {
        table.startYear = table[table.startMonth].start.year();
    }
    lines.remove(index);
    return true;
}

// Completes an entry line of an older version and aligns its main cash book name
// with the usage type; unchanged lines keep their exact text.
QString normalisedEntryLine(const QString& line, const QStringList& fields, int usageType,
                            bool align) {
    QStringList result = fields;
    bool changed = false;
    if (fields.size() <= 8) {
        result = splitLine(line + QStringLiteral(",,,,,"));
        while (result.size() < kEntryFieldCount) {
            result.append(QString());
        }
        result[KindField] = cashKind();
        result[NameField] = businessTitle();
        result[CounterKindField] = cashKind();
        result[CounterNameField] = businessTitle();
        changed = true;
    }
    const QString from = usageType == kBusinessUsage ? pocketMoneyTitle() : businessTitle();
    const QString to = mainTitleFor(usageType);
    for (int index : {NameField, CounterNameField}) {
        if (align && index < result.size() && result[index] == from) {
            result[index] = to;
            changed = true;
        }
    }
    return changed ? joinEntryFields(result.mid(0, kEntryFieldCount)) : line;
}

// True for an older line or one naming the other usage type's main cash book.
bool needsNormalising(const QString& line, const std::vector<FieldSpan>& spans, int usageType,
                      bool align) {
    if (spans.size() <= 8) {
        return true;
    }
    if (!align) {
        return false;
    }
    const QString other = usageType == kBusinessUsage ? pocketMoneyTitle() : businessTitle();
    for (size_t index : {size_t(NameField), size_t(CounterNameField)}) {
        if (index < spans.size() &&
            QStringView(line).mid(spans[index].start, spans[index].length) == other) {
            return true;
        }
    }
    return false;
}

// A file whose amounts together leave the range is refused at once, naming the
// line, rather than shown with a wrong number later.
void takeFromBudget(AmountBudget& budget, Amount amount, int lineNumber) {
    if (!budget.take(amount)) {
        throw ConversionError(QStringLiteral("%1行目: ").arg(lineNumber) +
                              Amount::outOfRangeMessage());
    }
}

}  // namespace

ParseOutcome parseYearLines(LineStore& lines, Workspace& ws, const QDate& today) {
    ParseOutcome outcome;
    applyCalendarDefaults(ws.periods, today.year());
    ws.entries.clear();
    ws.pettyBooks.clear();
    ws.bankBooks.clear();

    int headerIndex = -1;
    AmountBudget budget;
    outcome.periodsFromFile = readPeriods(lines, ws.periods, headerIndex);
    if (!outcome.periodsFromFile) {
        // The periods read before the broken line stay; the others keep the
        // calendar months set above.
        outcome.notices.append(invalidPeriodsMessage());
    } else {
        // The header is the last of the file's lines, after the twelve period lines.
        if (readHeader(lines, headerIndex, ws.periods, today)) {
            takeFromBudget(budget, ws.periods.openingBalance, headerIndex + 13);
        }
    }

    std::vector<FieldSpan> spans;
    for (int i = 0; i < lines.count(); ++i) {
        const QString& line = lines[i];
        const int lineNumber = i + 1;  // the lines before the periods keep their place
        splitCommaText(line, spans);
        const QStringView first =
            spans.empty() ? QStringView() : QStringView(line).mid(spans[0].start, spans[0].length);
        if (first.startsWith(u'd')) {
            const int usage = ws.periods.usageType;
            const bool align = ws.periods.alignsMainBookNames();
            ws.entries.append(needsNormalising(line, spans, usage, align)
                                  ? normalisedEntryLine(line, splitLine(line), usage, align)
                                  : line);
            const Entry& entry = ws.entries.at(ws.entries.count() - 1);
            takeFromBudget(budget, entry.income(), lineNumber);
            takeFromBudget(budget, entry.expense(), lineNumber);
        } else if (first.startsWith(u'z')) {
            const QString kind =
                spans.size() > 1 ? line.mid(spans[1].start, spans[1].length) : QString();
            if (kind == pettyCashKind()) {
                ws.pettyBooks.add(line);
            } else if (kind == bankKind()) {
                ws.bankBooks.add(line);
            } else {
                continue;
            }
            Amount opening;
            if (spans.size() > 3 &&
                tryParseMoney(QStringView(line).mid(spans[3].start, spans[3].length), opening)) {
                takeFromBudget(budget, opening, lineNumber);
            }
        }
    }
    return outcome;
}

ParseOutcome parseYearFile(const QString& path, Workspace& ws, const QDate& today) {
    LineStore lines;
    lines.loadFromFile(path);
    return parseYearLines(lines, ws, today);
}

LineStore serialiseYear(const Workspace& ws) {
    LineStore lines;
    lines.setCapacity(ws.entries.count() + ws.pettyBooks.count() + ws.bankBooks.count() + 13);
    for (const Entry& entry : ws.entries) {
        lines.add(entry.text());
    }
    for (const LineStore* books : {&ws.pettyBooks, &ws.bankBooks}) {
        for (const QString& line : *books) {
            lines.add(line);
        }
    }
    const PeriodTable& t = ws.periods;
    for (int n = 1; n <= 12; ++n) {
        lines.add(QStringLiteral("f,%1,%2,%3")
                      .arg(formatDate(t[n].start), formatDate(t[n].end))
                      .arg(t[n].lock));
    }
    lines.add(QStringLiteral("g,%1,%2,%3,%4,")
                  .arg(t.openingBalance.toPlainString())
                  .arg(t.startMonthToStore())
                  .arg(t.usageTypeToStore())
                  .arg(t.startYear));
    return lines;
}

}  // namespace tallyrix
