#include "cli/ledger_command.h"

#include "cli/opened_year.h"
#include "core/format_settings.h"
#include "ledger/periods.h"

namespace tallyrix {
namespace {

const char kUsage[] =
    "usage: ledger FILE [--book KIND NAME | --all-books] [--month N|ALL] [--day yyyy/MM/dd] "
    "[--account T] [--description T] [--income T] [--expense T]";

struct LedgerOptions {
    QString path;
    std::optional<BookRef> book;
    bool allBooks = false;
    QString month;
    std::optional<QDate> day;
    QString account, description, income, expense;
};

// Reads the options; false with `error` set when they make no sense.
bool readOptions(const QStringList& args, LedgerOptions& o, QString& error) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](QString& target) {
            if (i + 1 >= args.size()) {
                return false;
            }
            target = args[++i];
            return true;
        };
        bool ok = true;
        if (a == QLatin1String("--book")) {
            ok = i + 2 < args.size();
            if (ok) {
                o.book = BookRef{args[i + 1], args[i + 2]};
                i += 2;
            }
        } else if (a == QLatin1String("--all-books")) {
            o.allBooks = true;
        } else if (a == QLatin1String("--month")) {
            ok = value(o.month);
        } else if (a == QLatin1String("--day")) {
            QString text;
            ok = value(text) && (o.day = tryParseDate(text)).has_value();
        } else if (a == QLatin1String("--account")) {
            ok = value(o.account);
        } else if (a == QLatin1String("--description")) {
            ok = value(o.description);
        } else if (a == QLatin1String("--income")) {
            ok = value(o.income);
        } else if (a == QLatin1String("--expense")) {
            ok = value(o.expense);
        } else if (o.path.isEmpty() && !a.startsWith(QLatin1String("--"))) {
            o.path = a;
        } else {
            ok = false;
        }
        if (!ok) {
            error = QString::fromLatin1(kUsage);
            return false;
        }
    }
    if (o.path.isEmpty()) {
        error = QString::fromLatin1(kUsage);
        return false;
    }
    return true;
}

int periodOfOption(const QString& text, int startMonth, bool& ok) {
    if (text.isEmpty()) {
        ok = true;
        return startMonth;
    }
    if (text.compare(QLatin1String("ALL"), Qt::CaseInsensitive) == 0) {
        ok = true;
        return PeriodTable::kAllMonths;
    }
    const int month = text.toInt(&ok);
    ok = ok && month >= 1 && month <= 12;
    return month;
}

bool bookExists(const Workspace& ws, const BookRef& book) {
    const QList<BookRef> books = booksInPanelOrder(ws);
    return books.contains(book);
}

}  // namespace

int runLedger(const QStringList& arguments, const CliContext& context) {
    CliOutput& io = context.io;
    LedgerOptions o;
    QString error;
    if (!readOptions(arguments, o, error)) {
        return io.fail(error);
    }
    OpenedYear year(context.today);
    if (!year.open(o.path, error)) {
        return io.fail(error);
    }
    Workspace& ws = year.workspace();
    LedgerModel& view = year.ledger();
    bool ok = false;
    const int month = periodOfOption(o.month, ws.periods.startMonth, ok);
    if (!ok) {
        return io.fail(QStringLiteral("--month takes 1 to 12 or ALL"));
    }
    if (o.book) {
        if (!bookExists(ws, *o.book)) {
            return io.fail(
                QStringLiteral("no book %1 %2 in %3").arg(o.book->kind, o.book->name, o.path));
        }
        view.showBook(*o.book);
    }
    ViewState& s = view.state();
    s.accountFilter = o.account;
    s.descriptionFilter = o.description;
    s.incomeFilter = o.income;
    s.expenseFilter = o.expense;
    if (o.allBooks) {
        s.allBooksMode = true;
        view.switchBook(LedgerModel::AllBooksTarget);
    }
    const int noticesBefore = static_cast<int>(year.notices().size());
    if (o.day) {
        s.dayMode = true;
        view.chooseDay(*o.day);
    } else {
        view.showPeriod(month);
    }
    const QStringList notices = year.notices();
    if (notices.size() > noticesBefore) {
        return io.fail(notices.last());
    }

    QString text = QStringLiteral("# ") + view.titleLabel() + QStringLiteral("\n# ") +
                   view.rangeLabel() + u'\n';
    for (const LedgerRow& r : view.rows()) {
        text +=
            QStringList{r.marker, r.date, r.title, r.description, r.income, r.expense, r.balance}
                .join(u'\t') +
            u'\n';
    }
    io.print(text);
    return 0;
}

}  // namespace tallyrix
