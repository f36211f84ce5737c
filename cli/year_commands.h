#pragma once

#include <QStringList>

#include "cli/cli.h"

namespace tallyrix {

int runCheck(const QStringList& arguments, const CliContext& context);
int runResave(const QStringList& arguments, const CliContext& context);
int runBalances(const QStringList& arguments, const CliContext& context);

}  // namespace tallyrix
