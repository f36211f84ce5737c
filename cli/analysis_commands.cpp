#include "cli/analysis_commands.h"

#include <optional>

#include "analysis/csv_export.h"
#include "analysis/monthly_table_model.h"
#include "cli/opened_year.h"
#include "core/scripted_prompter.h"
#include "yearfile/file_commands.h"

namespace tallyrix {
namespace {

const char kTableUsage[] = "usage: table FILE [--book KIND NAME] [--title T]";
const char kSummaryUsage[] = "usage: summary FILE [--book KIND NAME]";
const char kExportUsage[] =
    "usage: export-csv FILE OUT [--book KIND NAME | --all-books] [--account T] [--balances] "
    "[--title] | export-csv FILE OUT --table [--book KIND NAME] [--title-row]";

struct AnalysisOptions {
    QStringList paths;
    std::optional<BookRef> book;
    std::optional<QString> title;  // table: the description level of this title
    std::optional<QString> account;
    bool allBooks = false;
    bool balances = false;
    bool headingLine = false;  // ledger export: --title, table export: --title-row
    bool table = false;
};

// Reads the options a command allows (`allowed` lists them); false when the
// arguments make no sense for it.
bool readOptions(const QStringList& args, const QStringList& allowed, int pathCount,
                 AnalysisOptions& o) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a.startsWith(QLatin1String("--")) && !allowed.contains(a)) {
            return false;
        }
        if (a == QLatin1String("--book")) {
            if (i + 2 >= args.size()) {
                return false;
            }
            o.book = BookRef{args[i + 1], args[i + 2]};
            i += 2;
        } else if (a == QLatin1String("--title") && allowed.contains(QLatin1String("T"))) {
            if (i + 1 >= args.size()) {
                return false;
            }
            o.title = args[++i];
        } else if (a == QLatin1String("--title")) {
            o.headingLine = true;
        } else if (a == QLatin1String("--title-row")) {
            o.headingLine = true;
        } else if (a == QLatin1String("--account")) {
            if (i + 1 >= args.size()) {
                return false;
            }
            o.account = args[++i];
        } else if (a == QLatin1String("--all-books")) {
            o.allBooks = true;
        } else if (a == QLatin1String("--balances")) {
            o.balances = true;
        } else if (a == QLatin1String("--table")) {
            o.table = true;
        } else if (o.paths.size() < pathCount && !a.startsWith(QLatin1String("--"))) {
            o.paths.append(a);
        } else {
            return false;
        }
    }
    return o.paths.size() == pathCount;
}

// The year with its table page, the book chosen as in the page's chooser.
class TableYear {
public:
    explicit TableYear(const QDate& today)
        : m_year(today), m_table(m_year.workspace(), m_prompter) {
        m_prompter.setCancelWhenUnscripted(true);
    }

    // False with `error` set when the file cannot be opened or has no such book.
    bool open(const QString& path, const std::optional<BookRef>& book, QString& error) {
        if (!m_year.open(path, error)) {
            return false;
        }
        m_table.enterPage();
        if (!book) {
            return true;
        }
        const std::vector<TableBookItem>& items = m_table.books();
        for (size_t i = 1; i < items.size(); ++i) {
            if (items[i].kind == book->kind && items[i].name == book->name) {
                m_table.chooseBook(static_cast<int>(i));
                return true;
            }
        }
        error = QStringLiteral("no book %1 %2 in %3").arg(book->kind, book->name, path);
        return false;
    }

    OpenedYear& year() { return m_year; }
    MonthlyTableModel& table() { return m_table; }

private:
    OpenedYear m_year;
    ScriptedPrompter m_prompter;
    MonthlyTableModel m_table;
};

QString tableText(const MonthlyTable& table) {
    QString text;
    for (int row = 0; row <= table.lastFilledRow(); ++row) {
        text += table.rowTexts(row).join(u'\t') + u'\n';
    }
    return text;
}

QString summaryText(const SummaryFigures& s) {
    QString text;
    for (int p = 1; p <= SummaryFigures::kSlots; ++p) {
        const SummarySlot& slot = s.slot(p);
        text += QStringList{slot.month.text,
                            slot.tincome.text,
                            slot.rincome.text,
                            slot.texpenses.text,
                            slot.rexpenses.text,
                            slot.sagaku.text,
                            slot.rsagaku.text,
                            QString::number(slot.income.height),
                            QString::number(slot.expenses.height)}
                    .join(u'\t') +
                u'\n';
    }
    text += QStringLiteral("maxlevel\t") + s.maxlevel().text + u'\n';
    text += QStringLiteral("divlevel\t") + s.divlevel().text + u'\n';
    text += QStringLiteral("range\t") + s.range() + u'\n';
    return text;
}

// Runs the export as the window does, answering its dialog and questions; the
// message of a failed write becomes the command's error.
int runExport(CliOutput& io, ScriptedPrompter& prompter, const std::function<void()>& command) {
    command();
    const QStringList notices = prompter.notices();
    if (!notices.isEmpty()) {
        return io.fail(notices.last().section(QStringLiteral(": "), 1, -1));
    }
    return 0;
}

}  // namespace

int runTable(const QStringList& arguments, const CliContext& context) {
    CliOutput& io = context.io;
    AnalysisOptions o;
    if (!readOptions(arguments, {"--book", "--title", "T"}, 1, o)) {
        return io.fail(QString::fromLatin1(kTableUsage));
    }
    TableYear year(context.today);
    QString error;
    if (!year.open(o.paths[0], o.book, error)) {
        return io.fail(error);
    }
    if (o.title) {
        year.table().openTitle(*o.title);
    }
    io.print(tableText(year.table().table()));
    return 0;
}

int runSummary(const QStringList& arguments, const CliContext& context) {
    CliOutput& io = context.io;
    AnalysisOptions o;
    if (!readOptions(arguments, {"--book"}, 1, o)) {
        return io.fail(QString::fromLatin1(kSummaryUsage));
    }
    TableYear year(context.today);
    QString error;
    if (!year.open(o.paths[0], o.book, error)) {
        return io.fail(error);
    }
    io.print(summaryText(year.table().summary()));
    return 0;
}

int runExportCsv(const QStringList& arguments, const CliContext& context) {
    CliOutput& io = context.io;
    AnalysisOptions o;
    const QStringList ledgerOptions{"--book",     "--all-books", "--account",
                                    "--balances", "--title",     "--table"};
    const QStringList tableOptions{"--book", "--table", "--title-row"};
    if (!readOptions(arguments, ledgerOptions + tableOptions, 2, o)) {
        return io.fail(QString::fromLatin1(kExportUsage));
    }
    const QString& out = o.paths[1];
    ScriptedPrompter prompter;
    CsvExport csv(prompter);
    const auto yes = [](bool on) { return on ? DialogResult::Yes : DialogResult::No; };

    if (o.table) {
        if (o.allBooks || o.account || o.balances || arguments.contains(QLatin1String("--title"))) {
            return io.fail(QString::fromLatin1(kExportUsage));
        }
        TableYear year(context.today);
        QString error;
        if (!year.open(o.paths[0], o.book, error)) {
            return io.fail(error);
        }
        prompter.answerText(out).answer(yes(o.headingLine));
        return runExport(io, prompter, [&] { csv.exportTable(year.table().table(), QString()); });
    }

    if (arguments.contains(QLatin1String("--title-row")) || (o.book && o.allBooks)) {
        return io.fail(QString::fromLatin1(kExportUsage));
    }
    if (o.balances && (o.account || o.allBooks)) {
        return io.fail(QStringLiteral(
            "--balances goes with neither --account nor --all-books: a running balance is "
            "one book's"));
    }
    OpenedYear year(context.today);
    QString error;
    if (!year.open(o.paths[0], error)) {
        return io.fail(error);
    }
    Workspace& ws = year.workspace();
    LedgerModel& view = year.ledger();
    if (o.book) {
        if (!booksInPanelOrder(ws).contains(*o.book)) {
            return io.fail(
                QStringLiteral("no book %1 %2 in %3").arg(o.book->kind, o.book->name, o.paths[0]));
        }
        view.showBook(*o.book);
    }
    ViewState& state = view.state();
    state.accountFilter = o.account.value_or(QString());
    if (o.allBooks) {
        state.allBooksMode = true;
        view.switchBook(LedgerModel::AllBooksTarget);
    }
    view.refresh();
    prompter.answerText(out);
    if (!o.account && !o.allBooks) {
        prompter.answer(yes(o.balances));
    }
    prompter.answer(yes(o.headingLine));
    return runExport(io, prompter,
                     [&] { csv.exportLedger(ws.entries, ws.currentBook, state, QString()); });
}

}  // namespace tallyrix
