#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "core/errors.h"
#include "tools/stylegen/style_set.h"

// Writes the plain-paper style files of every report into a folder:
//   tallyrix6-stylegen FOLDER
// The files in assets/style are its output, checked in as written.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: tallyrix6-stylegen FOLDER\n");
        return 2;
    }
    const QDir folder(arguments[1]);
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "tallyrix6-stylegen: cannot create %s\n",
                     qPrintable(QDir::toNativeSeparators(folder.path())));
        return 1;
    }
    try {
        int written = 0;
        for (const tallyrix::stylegen::NamedStyle& style : tallyrix::stylegen::allStyles()) {
            style.build().save(folder.filePath(style.fileName));
            ++written;
        }
        std::printf("%d style files written to %s\n", written,
                    qPrintable(QDir::toNativeSeparators(folder.path())));
    } catch (const tallyrix::TallyError& error) {
        std::fprintf(stderr, "tallyrix6-stylegen: %s\n", error.what());
        return 1;
    }
    return 0;
}
