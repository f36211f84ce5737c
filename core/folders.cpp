#include "core/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/errors.h"
#include "core/line_store.h"

namespace tallyrix {

QString specialFolderPath(QStandardPaths::StandardLocation location, const QString& subPath) {
    return QStandardPaths::writableLocation(location) + subPath;
}

QString installFolderFor(const QString& programFolder) {
    if (QFileInfo(programFolder + QStringLiteral("/cldata")).isDir()) {
        return programFolder;
    }
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/tallyrix6"));
}

QString installFolder() {
    return installFolderFor(QCoreApplication::applicationDirPath());
}

QString dataFolder() {
    const QString overridden = qEnvironmentVariable("TALLYRIX6_DATA_DIR");
    if (!overridden.isEmpty()) {
        return QDir::cleanPath(overridden);
    }
    return specialFolderPath(QStandardPaths::GenericDataLocation,
                             QStringLiteral("/orbelle/tallyrix6"));
}

namespace {

void copyThroughLineStore(const QString& from, const QString& to) {
    if (!QFileInfo(from).isFile()) {
        return;
    }
    try {
        LineStore lines;
        lines.loadFromFile(from);
        lines.saveToFile(to);
    } catch (const FileError&) {
        // An unreadable master is skipped like a missing one; the program runs without it.
    }
}

// Files only, no subfolders; existing files are overwritten; errors are not reported.
void copyFolderFiles(const QString& from, const QString& to) {
    const QDir source(from);
    const QStringList names = source.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : names) {
        const QString target = to + u'/' + name;
        QFile::remove(target);
        QFile::copy(source.filePath(name), target);
    }
}

}  // namespace

void provisionDataFolder(const Folders& folders) {
    const QDir data(folders.data);
    for (const char* sub : {"cldata", "style", "config", "ini"}) {
        data.mkpath(QString::fromLatin1(sub));
    }
    QStringList masters{QStringLiteral("kamoku1.dat"), QStringLiteral("kamoku2.dat")};
    for (const char* prefix : {"tekiya", "tekiyb"}) {
        for (int n = 1; n <= 20; ++n) {
            masters.append(QString::fromLatin1(prefix) + QString::number(n) +
                           QStringLiteral(".dat"));
        }
    }
    for (const QString& name : masters) {
        copyThroughLineStore(folders.installFile(QStringLiteral("cldata/") + name),
                             folders.dataFile(QStringLiteral("cldata/") + name));
    }
    copyFolderFiles(folders.installFile(QStringLiteral("style")),
                    folders.dataFile(QStringLiteral("style")));
    copyFolderFiles(folders.installFile(QStringLiteral("config")),
                    folders.dataFile(QStringLiteral("config")));
}

bool ensureDataFolder(const Folders& folders) {
    if (QFileInfo::exists(folders.data)) {
        return false;
    }
    if (!QDir().mkpath(folders.data)) {
        throw FileError(QStringLiteral("データフォルダ %1 を作成できません。").arg(folders.data));
    }
    provisionDataFolder(folders);
    return true;
}

}  // namespace tallyrix
