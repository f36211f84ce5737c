#pragma once

#include <QStringList>

#include "cli/cli.h"

namespace tallyrix {

// "compose FILE --report KIND --style STYLE [--page N] ...": the lines of page N
// of a report composed into the style file, then "# page counter N".
int runCompose(const QStringList& arguments, const CliContext& context);

// "print FILE --report KIND --pdf OUT.pdf ...": the print run of the report
// into a PDF file, with the style files of the data folder. Needs a
// QGuiApplication.
int runPrint(const QStringList& arguments, const CliContext& context);

}  // namespace tallyrix
