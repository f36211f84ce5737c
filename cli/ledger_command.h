#pragma once

#include <QStringList>

#include "cli/cli.h"

namespace tallyrix {

// "ledger FILE [options]": the rows of the ledger as the window shows them.
int runLedger(const QStringList& arguments, const CliContext& context);

}  // namespace tallyrix
