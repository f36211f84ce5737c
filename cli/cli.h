#pragma once

#include <QDate>
#include <QStringList>
#include <cstdio>

namespace tallyrix {

// The headless command line: UTF-8 on `out`, exit status 0 on success and 1
// with a one-line message on `err` on any failure.
int runCli(const QStringList& arguments, std::FILE* out, std::FILE* err);

// Where a command writes.
struct CliOutput {
    std::FILE* out;
    std::FILE* err;
    void print(const QString& text);
    // Writes the message as one line on standard error and answers exit status 1.
    int fail(QString message);
};

// What every command gets: where to write and the day that counts as today.
struct CliContext {
    CliOutput& io;
    QDate today;
};

}  // namespace tallyrix
