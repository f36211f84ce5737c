// Runs the golden tests of the command line, kept the way ledger and hledger keep
// theirs: one file per command, each case an intent, a command line, the exact
// output and the exit status.
//
//   # intent of the case (one or more lines)
//   $ tallyrix6-cli ARG ARG "AN ARG WITH SPACES"
//   expected standard output, line by line
//   >>>2 /regular expression the whole standard error must match/
//   >>>file PRODUCED = EXPECTED      (byte for byte)
//   >>>= 0
//
// "@YEARS@", "@DATA@", "@EXPECTED@" and "@SCRATCH@" stand for the fixture folders
// and a scratch folder. A case ends at its ">>>=" line. With no ">>>2" line the
// standard error must be empty when the exit status is 0.
//
//   golden_runner PROGRAM FILE.test --list          the intents, one per line
//   golden_runner PROGRAM FILE.test --case N        runs case N (from 1)
//   golden_runner PROGRAM FILE.test --update        rewrites the expected outputs
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>
#include <cstdio>
#include <vector>

namespace {

struct Case {
    QStringList intent;
    QString command;  // after "$ "
    QStringList stdoutLines;
    QString stderrPattern;  // empty: none given
    std::vector<std::pair<QString, QString>> files;
    int exitStatus = 0;
    // Lines of the file, for rewriting: the first stdout line and the line after the last.
    int stdoutBegin = 0;
    int stdoutEnd = 0;
    int exitLine = 0;
};

struct TestFile {
    QStringList lines;
    std::vector<Case> cases;
    bool endsWithNewline = true;
};

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

bool parse(const QString& path, TestFile& file, QString& error) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read ") + path;
        return false;
    }
    QString text = QString::fromUtf8(in.readAll());
    file.endsWithNewline = text.endsWith(u'\n');
    if (file.endsWithNewline) {
        text.chop(1);
    }
    file.lines = text.split(u'\n');
    Case current;
    bool inCase = false;
    for (int i = 0; i < file.lines.size(); ++i) {
        const QString& line = file.lines[i];
        if (!inCase) {
            if (line.startsWith(QLatin1String("# "))) {
                current.intent.append(line.mid(2));
            } else if (line.startsWith(QLatin1String("$ "))) {
                current.command = line.mid(2);
                current.stdoutBegin = current.stdoutEnd = i + 1;
                inCase = true;
            } else if (!line.trimmed().isEmpty()) {
                error = QStringLiteral("%1:%2: expected \"# \" or \"$ \"").arg(path).arg(i + 1);
                return false;
            }
            continue;
        }
        if (line.startsWith(QLatin1String(">>>2 "))) {
            QString pattern = line.mid(5).trimmed();
            if (pattern.size() < 2 || !pattern.startsWith(u'/') || !pattern.endsWith(u'/')) {
                error = QStringLiteral("%1:%2: >>>2 takes /regex/").arg(path).arg(i + 1);
                return false;
            }
            current.stderrPattern = pattern.mid(1, pattern.size() - 2);
        } else if (line.startsWith(QLatin1String(">>>file "))) {
            const QStringList parts = line.mid(8).split(QStringLiteral(" = "));
            if (parts.size() != 2) {
                error =
                    QStringLiteral("%1:%2: >>>file takes PRODUCED = EXPECTED").arg(path).arg(i + 1);
                return false;
            }
            current.files.emplace_back(parts[0].trimmed(), parts[1].trimmed());
        } else if (line.startsWith(QLatin1String(">>>= "))) {
            current.exitStatus = line.mid(5).trimmed().toInt();
            current.exitLine = i;
            file.cases.push_back(current);
            current = Case{};
            inCase = false;
        } else if (current.stderrPattern.isEmpty() && current.files.empty()) {
            current.stdoutLines.append(line);
            current.stdoutEnd = i + 1;
        } else {
            error = QStringLiteral("%1:%2: output after a >>> line").arg(path).arg(i + 1);
            return false;
        }
    }
    if (inCase) {
        error = path + QStringLiteral(": the last case has no \">>>= \" line");
        return false;
    }
    return true;
}

QString expand(QString text) {
    const QString data = QStringLiteral(TALLYRIX_TEST_DATA);
    text.replace(QLatin1String("@YEARS@"), data + QStringLiteral("/yearfile"));
    text.replace(QLatin1String("@EXPECTED@"), data + QStringLiteral("/cli"));
    text.replace(QLatin1String("@DATA@"), data);
    text.replace(QLatin1String("@SCRATCH@"), QStringLiteral(TALLYRIX_GOLDEN_SCRATCH));
    return text;
}

// Words of a command line; double quotes keep spaces inside one word.
QStringList words(const QString& line) {
    QStringList out;
    QString word;
    bool quoted = false;
    bool any = false;
    for (const QChar c : line) {
        if (c == u'"') {
            quoted = !quoted;
            any = true;
        } else if (c == u' ' && !quoted) {
            if (any) {
                out.append(word);
            }
            word.clear();
            any = false;
        } else {
            word.append(c);
            any = true;
        }
    }
    if (any) {
        out.append(word);
    }
    return out;
}

struct Outcome {
    QByteArray out;
    QByteArray err;
    int status = -1;
};

Outcome run(const QString& program, const Case& c) {
    QStringList args = words(expand(c.command));
    if (!args.isEmpty()) {
        args.removeFirst();  // the program's own name
    }
    for (const auto& [produced, expected] : c.files) {
        QFile::remove(expand(produced));
    }
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TALLYRIX6_DATA_DIR"),
               QStringLiteral(TALLYRIX_GOLDEN_SCRATCH "/never-created"));
    process.setProcessEnvironment(env);
    process.start(program, args);
    process.waitForFinished(120000);
    Outcome o;
    o.out = process.readAllStandardOutput();
    o.err = process.readAllStandardError();
    o.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return o;
}

QStringList outputLines(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    if (text.isEmpty()) {
        return {};
    }
    if (text.endsWith(u'\n')) {
        text.chop(1);
    }
    return text.split(u'\n');
}

// A unified diff of two line lists, from their longest common subsequence.
QString unifiedDiff(const QStringList& expected, const QStringList& actual) {
    const int n = static_cast<int>(expected.size());
    const int m = static_cast<int>(actual.size());
    std::vector<std::vector<int>> lcs(n + 1, std::vector<int>(m + 1, 0));
    for (int i = n - 1; i >= 0; --i) {
        for (int j = m - 1; j >= 0; --j) {
            lcs[i][j] = expected[i] == actual[j] ? lcs[i + 1][j + 1] + 1
                                                 : std::max(lcs[i + 1][j], lcs[i][j + 1]);
        }
    }
    QString diff = QStringLiteral("--- expected\n+++ actual\n");
    int i = 0;
    int j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && expected[i] == actual[j]) {
            diff += u' ' + expected[i++] + u'\n';
            ++j;
        } else if (i < n && (j == m || lcs[i + 1][j] >= lcs[i][j + 1])) {
            diff += u'-' + expected[i++] + u'\n';
        } else {
            diff += u'+' + actual[j++] + u'\n';
        }
    }
    return diff;
}

int runCase(const QString& program, const QString& path, const Case& c) {
    const Outcome o = run(program, c);
    QStringList failures;
    const QStringList actual = outputLines(o.out);
    if (actual != c.stdoutLines) {
        failures.append(QStringLiteral("standard output differs:\n") +
                        unifiedDiff(c.stdoutLines, actual));
    }
    if (o.status != c.exitStatus) {
        failures.append(
            QStringLiteral("exit status %1, expected %2").arg(o.status).arg(c.exitStatus));
    }
    const QString errText = QString::fromUtf8(o.err);
    if (!c.stderrPattern.isEmpty()) {
        const QRegularExpression re(
            QStringLiteral("\\A(?:") + c.stderrPattern + QStringLiteral(")\\z"),
            QRegularExpression::DotMatchesEverythingOption);
        QString shown = errText;
        if (shown.endsWith(u'\n')) {
            shown.chop(1);
        }
        if (!re.match(shown).hasMatch()) {
            failures.append(QStringLiteral("standard error does not match /%1/:\n%2")
                                .arg(c.stderrPattern, errText));
        }
    } else if (c.exitStatus == 0 && !errText.isEmpty()) {
        failures.append(QStringLiteral("unexpected standard error:\n") + errText);
    }
    for (const auto& [produced, expected] : c.files) {
        QFile a(expand(produced));
        QFile b(expand(expected));
        if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) ||
            a.readAll() != b.readAll()) {
            failures.append(expand(produced) + QStringLiteral(" differs from ") + expand(expected));
        }
    }
    if (failures.isEmpty()) {
        return 0;
    }
    err() << path << ": " << c.intent.join(u' ') << "\n$ " << c.command << "\n"
          << failures.join(u'\n') << Qt::endl;
    return 1;
}

int update(const QString& program, const QString& path, TestFile& file) {
    // From the last case up, so that earlier line numbers stay valid.
    for (auto c = file.cases.rbegin(); c != file.cases.rend(); ++c) {
        const Outcome o = run(program, *c);
        file.lines[c->exitLine] = QStringLiteral(">>>= ") + QString::number(o.status);
        QStringList lines = file.lines;
        lines.erase(lines.begin() + c->stdoutBegin, lines.begin() + c->stdoutEnd);
        const QStringList actual = outputLines(o.out);
        for (int k = 0; k < actual.size(); ++k) {
            lines.insert(c->stdoutBegin + k, actual[k]);
        }
        file.lines = lines;
        for (const auto& [produced, expected] : c->files) {
            QFile::remove(expand(expected));
            QFile::copy(expand(produced), expand(expected));
        }
    }
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        err() << "cannot write " << path << Qt::endl;
        return 1;
    }
    out.write((file.lines.join(u'\n') + (file.endsWithNewline ? QStringLiteral("\n") : QString()))
                  .toUtf8());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        err() << "usage: golden_runner PROGRAM FILE.test (--list | --case N | --update)"
              << Qt::endl;
        return 2;
    }
    QDir().mkpath(QStringLiteral(TALLYRIX_GOLDEN_SCRATCH));
    const QString program = args[1];
    const QString path = args[2];
    TestFile file;
    QString error;
    if (!parse(path, file, error)) {
        err() << error << Qt::endl;
        return 2;
    }
    if (args[3] == QLatin1String("--list")) {
        QTextStream out(stdout);
        for (const Case& c : file.cases) {
            out << c.intent.value(0) << '\n';
        }
        return 0;
    }
    if (args[3] == QLatin1String("--update")) {
        return update(program, path, file);
    }
    if (args[3] == QLatin1String("--case") && args.size() > 4) {
        const int n = args[4].toInt();
        if (n < 1 || n > static_cast<int>(file.cases.size())) {
            err() << path << ": no case " << args[4] << Qt::endl;
            return 2;
        }
        return runCase(program, path, file.cases[static_cast<size_t>(n - 1)]);
    }
    err() << "usage: golden_runner PROGRAM FILE.test (--list | --case N | --update)" << Qt::endl;
    return 2;
}
