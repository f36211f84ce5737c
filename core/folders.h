#pragma once

#include <QStandardPaths>
#include <QString>

namespace tallyrix {

// The two folders the program works from: the install folder with the shipped
// master copies, and the data folder with settings, lists, styles and backups.
struct Folders {
    QString install;
    QString data;

    // A file of the data folder, e.g. dataFile("cldata/kamoku1.dat").
    QString dataFile(const QString& relative) const { return data + u'/' + relative; }
    QString installFile(const QString& relative) const { return install + u'/' + relative; }
};

// The operating system's folder for the location followed by the sub-path.
QString specialFolderPath(QStandardPaths::StandardLocation location, const QString& subPath);

// The program's folder when it holds cldata/ (a build tree), else
// ../share/tallyrix6 beside it (an installed program).
QString installFolderFor(const QString& programFolder);
// The same for the running program (needs the application object).
QString installFolder();

// $TALLYRIX6_DATA_DIR when set, else the per-user data location + "/orbelle/tallyrix6".
QString dataFolder();

// First run: creates the four subfolders, copies the master lists through the
// line store (code page 932, CR LF) and the style and config folders file by file.
// Missing sources are skipped.
void provisionDataFolder(const Folders& folders);

// Creates the data folder with its parents and provisions it when it does not
// exist yet; its existence marks a provisioned folder. Returns true when it
// provisioned. A folder that cannot be created raises a FileError.
bool ensureDataFolder(const Folders& folders);

}  // namespace tallyrix
