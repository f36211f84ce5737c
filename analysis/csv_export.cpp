#include "analysis/csv_export.h"

#include <QFileInfo>

#include "analysis/monthly_table.h"
#include "core/app_title.h"
#include "core/errors.h"
#include "core/line_store.h"
#include "core/prompter.h"
#include "core/text_helpers.h"
#include "ledger/view_state.h"

namespace tallyrix {
namespace {

QString annotated(QStringView description, QStringView otherBook) {
    QString text = description.toString();
    text += QStringLiteral("　《");
    text += otherBook;
    text += u'》';
    return text;
}

// The description of a line seen from the current book: a transfer names the
// other book.
QString describedFrom(const Entry& e, const BookRef& current) {
    const QStringView kind = e.fieldView(KindField);
    const QStringView counterKind = e.fieldView(CounterKindField);
    const QStringView description = e.fieldView(DescriptionField);
    if (kind != counterKind) {
        if (kind == current.kind) {
            return annotated(description, e.fieldView(CounterNameField));
        }
        if (counterKind == current.kind) {
            return annotated(description, e.fieldView(NameField));
        }
    } else {
        if (e.fieldView(CounterNameField) != current.name) {
            return annotated(description, e.fieldView(CounterNameField));
        }
        if (e.fieldView(NameField) != current.name) {
            return annotated(description, e.fieldView(NameField));
        }
    }
    return description.toString();
}

QString ledgerRecord(const Entry& e, const LedgerCsvOptions& o) {
    const BookRef& current = o.currentBook;
    QString line;
    const auto put = [&line](QStringView field) {
        line += field;
        line += u',';
    };
    for (int field : {KindField, NameField, CounterKindField, CounterNameField, DateField}) {
        put(e.fieldView(field));
    }
    const QStringView kind = e.fieldView(KindField);
    const QStringView counterKind = e.fieldView(CounterKindField);
    // A transfer between kinds is titled with the kind of the other book.
    if (kind != counterKind && kind == current.kind) {
        put(counterKind);
    } else if (kind != counterKind && counterKind == current.kind) {
        put(kind);
    } else {
        put(e.fieldView(TitleField));
    }
    if (o.allBooks) {
        put(e.fieldView(DescriptionField));
        put(e.fieldView(IncomeField));
        put(e.fieldView(ExpenseField));
    } else {
        put(describedFrom(e, current));
        const bool own = kind == current.kind && e.fieldView(NameField) == current.name;
        put(e.fieldView(own ? IncomeField : ExpenseField));
        put(e.fieldView(own ? ExpenseField : IncomeField));
    }
    if (o.balances) {
        put(e.field(BalanceField));
    }
    return line;
}

}  // namespace

QStringList ledgerCsvLines(const EntryList& entries, const LedgerCsvOptions& o) {
    QStringList lines;
    if (o.headingLine) {
        QString heading =
            QStringLiteral("種別,帳簿名,相手種別,相手帳簿名,日　付,科　目,摘　要,収　入,支　出,");
        if (o.balances) {
            heading += QStringLiteral("差引残高,");
        }
        lines.append(heading);
    }
    const BookRef& current = o.currentBook;
    for (const Entry& e : entries) {
        const bool ofCurrentBook =
            (e.fieldView(KindField) == current.kind && e.fieldView(NameField) == current.name) ||
            (e.fieldView(CounterKindField) == current.kind &&
             e.fieldView(CounterNameField) == current.name);
        if (!ofCurrentBook && !o.allBooks) {
            continue;
        }
        if (!o.accountFilter.isEmpty() && e.fieldView(TitleField) != o.accountFilter) {
            continue;
        }
        lines.append(ledgerRecord(e, o));
    }
    return lines;
}

QStringList tableCsvLines(const MonthlyTable& table, bool headingLine) {
    QStringList lines;
    if (headingLine) {
        QString heading;
        for (int c = MonthlyTable::kTitleColumn; c <= MonthlyTable::kYearColumn; ++c) {
            heading += trimBlanks(table.cell(0, c));
            heading += u',';
        }
        lines.append(heading);
    }
    for (int row = 1; row < table.rowCount(); ++row) {
        const QString& title = table.title(row);
        if (title.isEmpty()) {
            continue;
        }
        if (table.marker(row) == QLatin1String("-")) {
            lines.append(title);
            continue;
        }
        QString line;
        for (int c = MonthlyTable::kTitleColumn; c <= MonthlyTable::kYearColumn; ++c) {
            QString text = table.cell(row, c);
            text.remove(u',');
            if (text.isEmpty()) {
                text = QStringLiteral("0");
            }
            line += trimBlanks(text);
            line += u',';
        }
        lines.append(line);
        if (table.marker(row) == QLatin1String("=")) {
            break;
        }
    }
    return lines;
}

std::optional<QString> CsvExport::askFile(const QString& folder, const QString& proposed) {
    FileDialogRequest request;
    request.filter = QStringLiteral("CSVファイル|*.csv");
    request.defaultExt = QStringLiteral("csv");
    request.initialDir = folder;
    request.fileName = proposed;
    request.overwritePrompt = true;
    std::optional<QString> path = m_prompter.saveFileName(request);
    if (path) {
        m_lastFileName = QFileInfo(*path).fileName();
    }
    return path;
}

bool CsvExport::ask(const QString& question) {
    return m_prompter.taskMessage(applicationTitle(), applicationTitle(), TaskButtons::YesNo,
                                  TaskIcon::Question, question) == DialogResult::Yes;
}

void CsvExport::write(const QString& path, const QStringList& lines) {
    LineStore store;
    store.assign(lines);
    try {
        store.saveToFile(path);
    } catch (const FileError& error) {
        m_prompter.showNotice(QStringLiteral("確認"), error.message());
        return;
    }
    m_prompter.taskMessage(QStringLiteral("確認"), QString(), TaskButtons::Ok,
                           TaskIcon::Information, csvDoneText());
}

void CsvExport::exportLedger(const EntryList& entries, const BookRef& currentBook,
                             const ViewState& state, const QString& folder) {
    const std::optional<QString> path = askFile(folder, QString());
    if (!path) {
        return;
    }
    LedgerCsvOptions options;
    options.currentBook = currentBook;
    options.accountFilter = state.accountFilter;
    options.allBooks = state.allBooksMode;
    // A running balance means nothing across books or for one title alone.
    if (options.accountFilter.isEmpty() && !options.allBooks) {
        options.balances = ask(balanceQuestion());
    }
    options.headingLine = ask(headingQuestion());
    write(*path, ledgerCsvLines(entries, options));
}

void CsvExport::exportTable(const MonthlyTable& table, const QString& folder) {
    const std::optional<QString> path = askFile(folder, m_lastFileName);
    if (!path) {
        return;
    }
    const bool headingLine = ask(headingQuestion());
    write(*path, tableCsvLines(table, headingLine));
}

}  // namespace tallyrix
