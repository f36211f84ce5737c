#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "cli/cli.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return tallyrix::runCli(arguments, stdout, stderr);
}
