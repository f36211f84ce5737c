#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <memory>

#include "cli/cli.h"
#include "cli/render_command.h"

namespace {

// Qt's own notices (a missing runtime folder and the like) are not the
// command's output; only its errors are.
void onlyQtErrors(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    // Drawing needs a QGuiApplication; headless, on the offscreen platform.
    std::unique_ptr<QCoreApplication> app;
    if (tallyrix::isRenderCommand(arguments)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        qInstallMessageHandler(onlyQtErrors);
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return tallyrix::runCli(arguments, stdout, stderr);
}
