#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

int main(int argc, char** argv) {
    // An offscreen screen the size of a common desktop, so that the main window's
    // minimum size fits and a placement is taken as a user's screen would take it.
    // One file per test process: CTest runs them side by side.
    const QString config =
        QDir::tempPath() +
        QStringLiteral("/tallyrix6-test-screen-%1.json").arg(QCoreApplication::applicationPid());
    QFile file(config);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1920,
                      "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    QFile::remove(config);
    return result;
}
