#pragma once

#include <QStringList>
#include <cstdio>

namespace tallyrix {

// The headless command line: UTF-8 on `out`, exit status 0 on success and 1
// with a one-line message on `err` on any failure.
int runCli(const QStringList& arguments, std::FILE* out, std::FILE* err);

}  // namespace tallyrix
