#include "cli/report_commands.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <optional>

#include "analysis/monthly_table_model.h"
#include "cli/opened_year.h"
#include "core/folders.h"
#include "core/scripted_prompter.h"
#include "ledger/periods.h"
#include "print/pdf_printer.h"
#include "print/print_list.h"
#include "print/print_page_model.h"
#include "print/print_sources.h"
#include "print/report_composer.h"
#include "print/report_kind.h"
#include "print/style_file_name.h"
#include "print/style_fonts.h"
#include "print/style_header.h"
#include "print/style_template.h"

namespace tallyrix {
namespace {

const char kComposeUsage[] =
    "usage: compose FILE --report KIND --style STYLE [--page N] [--month M|ALL] "
    "[--book KIND NAME] [--account T] [--paper P] [--title T]";
const char kPrintUsage[] =
    "usage: print FILE --report KIND --pdf OUT.pdf [--month M|ALL] [--book KIND NAME] "
    "[--account T] [--paper P] [--font gothic|mincho] [--colour G|B|P|W] [--column 1|2] "
    "[--title T] [--filter all|odd|even]";

struct ReportOptions {
    QString path;
    int kind = 0;
    QString style;
    QString pdf;
    int page = 1;
    QString month;
    std::optional<BookRef> book;
    QString account;
    int paper = 0;
    QString title;
    int font = 0;
    int colour = 0;
    int column = 0;
    int filter = 0;
};

std::optional<int> choiceOf(const QString& text, const QStringList& names) {
    const qsizetype index = names.indexOf(text);
    return index < 0 ? std::nullopt : std::optional<int>(static_cast<int>(index));
}

// Reads the options; false with `error` set when they make no sense.
bool readOptions(const QStringList& args, bool printing, ReportOptions& o, QString& error) {
    error = QString::fromLatin1(printing ? kPrintUsage : kComposeUsage);
    bool kindGiven = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        auto number = [&](int& target, int low, int high) {
            bool ok = false;
            target = args[++i].toInt(&ok);
            return ok && target >= low && target <= high;
        };
        auto choice = [&](int& target, const QStringList& names) {
            const auto index = choiceOf(args[++i], names);
            target = index.value_or(0);
            return index.has_value();
        };
        bool ok = hasValue;
        if (a == QLatin1String("--report") && hasValue) {
            ok = number(o.kind, 2, 40) && isKnownReport(o.kind);
            kindGiven = true;
            if (!ok) {
                error = QStringLiteral("--report takes 2, 3, 5, 6, 7, 8, 9, 10, 20, 30 or 40");
                return false;
            }
        } else if (a == QLatin1String("--style") && hasValue && !printing) {
            o.style = args[++i];
        } else if (a == QLatin1String("--pdf") && hasValue && printing) {
            o.pdf = args[++i];
        } else if (a == QLatin1String("--page") && hasValue && !printing) {
            ok = number(o.page, 1, 100000);
        } else if (a == QLatin1String("--month") && hasValue) {
            o.month = args[++i];
        } else if (a == QLatin1String("--book") && i + 2 < args.size()) {
            o.book = BookRef{args[i + 1], args[i + 2]};
            i += 2;
        } else if (a == QLatin1String("--account") && hasValue) {
            o.account = args[++i];
        } else if (a == QLatin1String("--paper") && hasValue) {
            ok = number(o.paper, 0, 2);
        } else if (a == QLatin1String("--title") && hasValue) {
            o.title = args[++i];
        } else if (a == QLatin1String("--font") && hasValue && printing) {
            ok = choice(o.font, {QStringLiteral("gothic"), QStringLiteral("mincho")});
        } else if (a == QLatin1String("--colour") && hasValue && printing) {
            ok = choice(o.colour, {QStringLiteral("G"), QStringLiteral("B"), QStringLiteral("P"),
                                   QStringLiteral("W")});
        } else if (a == QLatin1String("--column") && hasValue && printing) {
            ok = choice(o.column, {QStringLiteral("1"), QStringLiteral("2")});
        } else if (a == QLatin1String("--filter") && hasValue && printing) {
            ok = choice(o.filter,
                        {QStringLiteral("all"), QStringLiteral("odd"), QStringLiteral("even")});
        } else if (o.path.isEmpty() && !a.startsWith(QLatin1String("--"))) {
            o.path = a;
        } else {
            ok = false;
        }
        if (!ok) {
            return false;
        }
    }
    if (o.path.isEmpty() || !kindGiven || (printing ? o.pdf.isEmpty() : o.style.isEmpty())) {
        return false;
    }
    if (o.paper >= paperChoices(o.kind).size()) {
        error = QStringLiteral("--paper takes 0 to %1 for report %2")
                    .arg(paperChoices(o.kind).size() - 1)
                    .arg(o.kind);
        return false;
    }
    return true;
}

// The reports of the monthly table page: its book is the page's chosen book.
bool readsTheTable(int kind) {
    return isTableReport(kind) || kind == report::kSummary || kind == report::kGraph;
}

// The table page computed as the print command finds it: the book chosen in
// its chooser and, for the description level, the title opened. Empty when
// it worked.
QString computeTable(MonthlyTableModel& table, const ReportOptions& o) {
    table.enterPage();
    if (o.book) {
        const std::vector<TableBookItem>& items = table.books();
        size_t chosen = 0;
        for (size_t i = 1; i < items.size() && chosen == 0; ++i) {
            if (items[i].kind == o.book->kind && items[i].name == o.book->name) {
                chosen = i;
            }
        }
        if (chosen == 0) {
            return QStringLiteral("no book %1 %2 in %3").arg(o.book->kind, o.book->name, o.path);
        }
        table.chooseBook(static_cast<int>(chosen));
    }
    if (o.kind == report::kTableByDescription) {
        if (o.title.isEmpty()) {
            return QStringLiteral("report 6 prints the descriptions of a title: give --title T");
        }
        table.openTitle(o.title);
    }
    return {};
}

// The ledger as the window would show it when the print command runs: the
// book, the month and the title search of the options. Empty when it worked.
QString showLedger(OpenedYear& year, const ReportOptions& o, bool everyMonth) {
    Workspace& ws = year.workspace();
    LedgerModel& view = year.ledger();
    if (o.book && !readsTheTable(o.kind)) {
        if (!booksInPanelOrder(ws).contains(*o.book)) {
            return QStringLiteral("no book %1 %2 in %3").arg(o.book->kind, o.book->name, o.path);
        }
        view.showBook(*o.book);
    }
    view.state().accountFilter = o.account;
    int month = ws.periods.startMonth;
    if (o.month.compare(QLatin1String("ALL"), Qt::CaseInsensitive) == 0) {
        month = everyMonth && o.account.isEmpty() ? ws.periods.startMonth : PeriodTable::kAllMonths;
    } else if (!o.month.isEmpty()) {
        bool ok = false;
        month = o.month.toInt(&ok);
        if (!ok || month < 1 || month > 12) {
            return QStringLiteral("--month takes 1 to 12 or ALL");
        }
    }
    const qsizetype before = year.notices().size();
    view.showPeriod(month);
    const QStringList notices = year.notices();
    return notices.size() > before ? notices.last() : QString();
}

// The company name and the red-negatives option of the data folder's settings.
ProgramSettings dataFolderSettings() {
    const QString folder = dataFolder();
    return folder.isEmpty() ? ProgramSettings{}
                            : readProgramSettings(folder + u'/' + programSettingsFileName());
}

}  // namespace

int runCompose(const QStringList& arguments, const CliContext& context) {
    CliOutput& io = context.io;
    ReportOptions o;
    QString error;
    if (!readOptions(arguments, false, o, error)) {
        return io.fail(error);
    }
    if (!QFileInfo(o.style).isFile()) {
        return io.fail(QStringLiteral("no style file %1").arg(o.style));
    }
    OpenedYear year(context.today);
    if (!year.open(o.path, error)) {
        return io.fail(error);
    }
    error = showLedger(year, o, false);
    if (!error.isEmpty()) {
        return io.fail(error);
    }
    ScriptedPrompter prompter;
    prompter.setCancelWhenUnscripted(true);
    MonthlyTableModel table(year.workspace(), prompter);
    error = computeTable(table, o);
    if (!error.isEmpty()) {
        return io.fail(error);
    }
    const ProgramSettings settings = dataFolderSettings();
    LedgerPrintSources sources(year.ledger(), settings, &table);
    StyleTemplate lines = loadStyleTemplate(o.style);
    upgradeStyleTemplate(lines);
    QStringList list;
    if (isLedgerReport(o.kind)) {
        list = ledgerPrintList(year.ledger().rows());
    } else if (isTableReport(o.kind)) {
        list = tablePrintList(analysisFigures(table).grid);
    }
    prompter.clear();
    int counter = o.page;
    composeReportPage(lines, o.kind, list, counter, sources, {o.paper, 0}, prompter);
    QString text;
    for (const ScriptedPrompter::Record& record : prompter.records()) {
        text += QStringLiteral("# notice: ") + record.text + u'\n';
    }
    for (const QString& line : lines) {
        text += line + u'\n';
    }
    text += QStringLiteral("# page counter %1\n").arg(counter);
    io.print(text);
    return 0;
}

int runPrint(const QStringList& arguments, const CliContext& context) {
    CliOutput& io = context.io;
    ReportOptions o;
    QString error;
    if (!readOptions(arguments, true, o, error)) {
        return io.fail(error);
    }
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return io.fail(QStringLiteral("print needs a QGuiApplication"));
    }
    const Folders folders{installFolder(), dataFolder()};
    if (!QFileInfo(folders.dataFile(QStringLiteral("style"))).isDir()) {
        return io.fail(QStringLiteral("no style folder in the data folder %1").arg(folders.data));
    }
    OpenedYear year(context.today);
    if (!year.open(o.path, error)) {
        return io.fail(error);
    }
    const bool everyMonth =
        o.month.compare(QLatin1String("ALL"), Qt::CaseInsensitive) == 0 && o.account.isEmpty();
    error = showLedger(year, o, true);
    if (!error.isEmpty()) {
        return io.fail(error);
    }
    installStyleFonts();
    ScriptedPrompter prompter;
    prompter.setCancelWhenUnscripted(true);
    MonthlyTableModel table(year.workspace(), prompter);
    error = computeTable(table, o);
    if (!error.isEmpty()) {
        return io.fail(error);
    }
    prompter.clear();
    const ProgramSettings settings = dataFolderSettings();
    LedgerPrintSources sources(year.ledger(), settings, &table);
    PdfPrinter printer(o.pdf);
    PrintPageModel model(sources, printer, prompter, folders);
    if (isLedgerReport(o.kind)) {
        model.printLedger();
    } else if (isTableReport(o.kind)) {
        model.printTable(o.kind == report::kTableByTitle ? 0 : 1);
    } else {
        model.printReportOfKind(o.kind);
    }
    if (model.state().reportKind != o.kind) {
        return io.fail(QStringLiteral("the ledger shown prints as report %1, not %2")
                           .arg(model.state().reportKind)
                           .arg(o.kind));
    }
    // The options stand for the choices of the print page, whatever it kept.
    model.choosePaper(o.paper);
    model.chooseFont(o.font);
    model.chooseColumn(o.column);
    model.chooseColour(o.colour);
    model.choosePageFilter(o.filter);
    for (int position = 0; position < 12 && everyMonth; ++position) {
        model.setMonthTicked(position, true);
    }
    // A style the data folder lacks would be asked for; the command line names it.
    const PrintPageState& s = model.state();
    const QString wanted =
        model.styleFolder() + u'/' + styleFileName(o.kind, {s.paper, s.font, s.column, s.colour});
    if (!QFileInfo(wanted).isFile() || s.stylePath != wanted) {
        return io.fail(QStringLiteral("no style file %1").arg(wanted));
    }
    model.printReport();
    for (const auto& record : prompter.records()) {
        if (record.kind == ScriptedPrompter::Kind::Notice) {
            return io.fail(record.text);
        }
    }
    const int pages = printer.pagesWritten();
    io.print(QStringLiteral("%1: %2 %3\n")
                 .arg(QFileInfo(o.pdf).fileName())
                 .arg(pages)
                 .arg(pages == 1 ? QStringLiteral("page") : QStringLiteral("pages")));
    return 0;
}

}  // namespace tallyrix
