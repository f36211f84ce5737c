#include "cli/cli.h"

#include <QString>
#include <exception>

#include "cli/analysis_commands.h"
#include "cli/ledger_command.h"
#include "cli/render_command.h"
#include "cli/year_commands.h"
#include "core/errors.h"
#include "core/format_settings.h"

namespace tallyrix {
namespace {

const char kUsage[] =
    "Usage: tallyrix6-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "The headless command line of Tallyrix6, the cash book for small businesses\n"
    "and households. Output is UTF-8; the exit status is 0 on success and 1 on\n"
    "failure, with a one-line message on standard error.\n"
    "\n"
    "Commands:\n"
    "  check FILE                  open a year file and tell what it holds\n"
    "  resave FILE OUT             open a year file and save it again as OUT\n"
    "  balances FILE [--month N]   balances of every book, month N shown\n"
    "  ledger FILE [OPTIONS]       the ledger rows of a book and month:\n"
    "      --book KIND NAME (default: the main cash book) or --all-books,\n"
    "      --month N|ALL (default: the start month) or --day yyyy/MM/dd,\n"
    "      --account T, --description T, --income T, --expense T (searches)\n"
    "  table FILE [OPTIONS]        the monthly account table, its rows tab-separated:\n"
    "      --book KIND NAME (default: all books), --title T (the descriptions of T)\n"
    "  summary FILE [--book KIND NAME]\n"
    "                              the income and expense summary: per month the\n"
    "      month, income, cumulative income, expense, cumulative expense, difference,\n"
    "      cumulative difference and the two bar heights; then the scale and range\n"
    "  export-csv FILE OUT [OPTIONS]\n"
    "                              the CSV export (code page 932, CR LF) of the ledger:\n"
    "      --book KIND NAME (default: the main cash book) or --all-books,\n"
    "      --account T (a title search), --balances, --title (the heading line);\n"
    "      or with --table of the monthly account table: --book KIND NAME\n"
    "      (default: all books), --title-row (the heading row)\n"
    "  render STYLE OUTPUT         a style file drawn as it stands on an A4 sheet:\n"
    "      --png OUT.png [--zoom PERCENT] (the preview at 96 dpi, zoom 5 to 200,\n"
    "      default 100) or --pdf OUT.pdf (the printed page);\n"
    "      --printer-mode: the printer's rules (no preview-only items, its pens)\n"
    "  --help, help                show this text\n"
    "\n"
    "Options before the command:\n"
    "  --today yyyy/MM/dd          take that day as today (default: the system date)\n";

}  // namespace

void CliOutput::print(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), out);
}

int CliOutput::fail(QString message) {
    message.replace(QLatin1String("\r\n"), QLatin1String(" "));
    message.replace(u'\n', u' ');
    const QByteArray bytes = (QStringLiteral("tallyrix6-cli: ") + message + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), err);
    return 1;
}

int runCli(const QStringList& arguments, std::FILE* out, std::FILE* err) {
    fixFormatSettings();
    CliOutput io{out, err};
    if (arguments.isEmpty()) {
        std::fputs(kUsage, err);
        return 1;
    }
    QStringList args = arguments;
    QDate today = QDate::currentDate();
    if (args.size() >= 2 && args.first() == QLatin1String("--today")) {
        const auto date = tryParseDate(args[1]);
        if (!date) {
            return io.fail(QStringLiteral("--today takes a date yyyy/MM/dd"));
        }
        today = *date;
        args = args.mid(2);
    }
    if (args.isEmpty()) {
        std::fputs(kUsage, err);
        return 1;
    }
    const QString& command = args.first();
    const QStringList rest = args.mid(1);
    const CliContext context{io, today};
    try {
        if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
            command == QLatin1String("help")) {
            std::fputs(kUsage, out);
            return 0;
        }
        if (command == QLatin1String("check")) {
            return runCheck(rest, context);
        }
        if (command == QLatin1String("resave")) {
            return runResave(rest, context);
        }
        if (command == QLatin1String("balances")) {
            return runBalances(rest, context);
        }
        if (command == QLatin1String("ledger")) {
            return runLedger(rest, context);
        }
        if (command == QLatin1String("table")) {
            return runTable(rest, context);
        }
        if (command == QLatin1String("summary")) {
            return runSummary(rest, context);
        }
        if (command == QLatin1String("export-csv")) {
            return runExportCsv(rest, context);
        }
        if (command == QLatin1String("render")) {
            return runRender(rest, context);
        }
        return io.fail(QStringLiteral("unknown command '%1' (see --help)").arg(command));
    } catch (const TallyError& error) {
        return io.fail(error.message());
    } catch (const std::exception& error) {
        return io.fail(QString::fromUtf8(error.what()));
    }
}

}  // namespace tallyrix
