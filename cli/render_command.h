#pragma once

#include <QStringList>

#include "cli/cli.h"

namespace tallyrix {

// "render STYLE (--png OUT.png [--zoom PERCENT] | --pdf OUT.pdf) [--printer-mode]":
// the style file drawn as it stands, without a composer, on an A4 sheet.
// Needs a QGuiApplication.
int runRender(const QStringList& arguments, const CliContext& context);

// Whether the command line runs "render" or "print", which draw and so need a
// QGuiApplication rather than a QCoreApplication.
bool isRenderCommand(const QStringList& arguments);

}  // namespace tallyrix
