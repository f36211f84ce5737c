#include "cli/cli.h"

#include <QString>
#include <exception>

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
    "  --help, help    show this text\n";

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

// One line on standard error, whatever line breaks the message holds.
int fail(std::FILE* err, QString message) {
    message.replace(QLatin1String("\r\n"), QLatin1String(" "));
    message.replace(u'\n', u' ');
    print(err, QStringLiteral("tallyrix6-cli: ") + message + u'\n');
    return 1;
}

}  // namespace

int runCli(const QStringList& arguments, std::FILE* out, std::FILE* err) {
    fixFormatSettings();
    if (arguments.isEmpty()) {
        print(err, QString::fromLatin1(kUsage));
        return 1;
    }
    const QString& command = arguments.first();
    try {
        if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
            command == QLatin1String("help")) {
            print(out, QString::fromLatin1(kUsage));
            return 0;
        }
        return fail(err, QStringLiteral("unknown command '%1' (see --help)").arg(command));
    } catch (const TallyError& error) {
        return fail(err, error.message());
    } catch (const std::exception& error) {
        return fail(err, QString::fromUtf8(error.what()));
    }
}

}  // namespace tallyrix
