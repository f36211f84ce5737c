#pragma once

#include <QStringList>

#include "cli/cli.h"

namespace tallyrix {

// "table FILE [--book KIND NAME] [--title T]": the monthly account table as shown.
int runTable(const QStringList& arguments, const CliContext& context);

// "summary FILE [--book KIND NAME]": the figures and bars of the summary page.
int runSummary(const QStringList& arguments, const CliContext& context);

// "export-csv FILE OUT [...]": the CSV export of the ledger or of the table.
int runExportCsv(const QStringList& arguments, const CliContext& context);

}  // namespace tallyrix
