#include "cli/year_commands.h"

#include "cli/opened_year.h"
#include "ledger/balances.h"
#include "yearfile/year_file.h"

namespace tallyrix {
namespace {

// One line of text with line breaks of messages flattened.
QString oneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(u'\n', u' ');
    return text;
}

}  // namespace

int runCheck(const QStringList& arguments, const CliContext& context) {
    CliOutput& io = context.io;
    if (arguments.size() != 1) {
        return io.fail(QStringLiteral("usage: check FILE"));
    }
    OpenedYear year(context.today);
    QString error;
    if (!year.open(arguments[0], error)) {
        return io.fail(error);
    }
    const Workspace& ws = year.workspace();
    const bool periodsFromFile = year.files().lastOpen().periodsFromFile;
    QString text;
    text += QStringLiteral("entries %1\n").arg(ws.entries.count());
    text += QStringLiteral("petty-cash books %1\n").arg(ws.pettyBooks.count());
    text += QStringLiteral("bank books %1\n").arg(ws.bankBooks.count());
    text += QStringLiteral("usage type %1\n").arg(ws.periods.usageType);
    text += QStringLiteral("start month %1\n").arg(ws.periods.startMonth);
    text += QStringLiteral("start year %1\n").arg(ws.periods.startYear);
    text +=
        periodsFromFile ? QStringLiteral("periods: file\n") : QStringLiteral("periods: calendar\n");
    for (const QString& notice : year.notices()) {
        text += QStringLiteral("notice: ") + oneLine(notice) + u'\n';
    }
    io.print(text);
    return 0;
}

int runResave(const QStringList& arguments, const CliContext& context) {
    CliOutput& io = context.io;
    if (arguments.size() != 2) {
        return io.fail(QStringLiteral("usage: resave FILE OUT"));
    }
    OpenedYear year(context.today);
    QString error;
    if (!year.open(arguments[0], error)) {
        return io.fail(error);
    }
    serialiseYear(year.workspace()).saveToFile(arguments[1]);
    return 0;
}

int runBalances(const QStringList& arguments, const CliContext& context) {
    CliOutput& io = context.io;
    QString path;
    int month = 0;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--month") && i + 1 < arguments.size()) {
            bool ok = false;
            month = arguments[++i].toInt(&ok);
            if (!ok || month < 1 || month > 12) {
                return io.fail(QStringLiteral("--month takes a month number from 1 to 12"));
            }
        } else if (path.isEmpty() && !arguments[i].startsWith(QLatin1String("--"))) {
            path = arguments[i];
        } else {
            return io.fail(QStringLiteral("usage: balances FILE [--month N]"));
        }
    }
    if (path.isEmpty()) {
        return io.fail(QStringLiteral("usage: balances FILE [--month N]"));
    }
    OpenedYear year(context.today);
    QString error;
    if (!year.open(path, error)) {
        return io.fail(error);
    }
    Workspace& ws = year.workspace();
    if (month == 0) {
        month = ws.periods.startMonth;
    }
    QString text;
    for (const BookRef& book : booksInPanelOrder(ws)) {
        const BalanceValues v = computeBookBalances(ws, book, month);
        QStringList fields{book.kind, book.name, v.opening.toPlainString(),
                           v.closing.toPlainString()};
        for (int m = 1; m <= 12; ++m) {
            fields.append(v.monthEnd[static_cast<size_t>(m)].toPlainString());
        }
        fields.append(v.displayedMonth.toPlainString());
        text += fields.join(u'\t') + u'\n';
    }
    io.print(text);
    return 0;
}

}  // namespace tallyrix
