#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

#include "core/folders.h"
#include "core/program_settings.h"
#include "yearfile/backup_menu.h"
#include "yearfile/workspace.h"
#include "yearfile/year_file.h"
#include "yearfile/year_host.h"

namespace tallyrix {

class Prompter;
class LineStore;

// The file commands of the main window: open, save, save as, the backup copies
// and their menu. Every question and message goes through the Prompter.
class FileCommands {
public:
    using Clock = std::function<QDateTime()>;

    // `settings` is read for the start option; `settingsFile` ("tallyrix.conf")
    // receives the opened path under start option 1 and may be empty (no
    // settings are touched then).
    FileCommands(Workspace& ws, Prompter& prompter, YearHost& host, Folders folders,
                 const ProgramSettings& settings, QString settingsFile,
                 Clock clock = &QDateTime::currentDateTime);

    // Loads a year file. False when it was missing or unreadable: the workspace
    // and the file path are then as they were.
    bool openYearFile(const QString& path);
    // "ファイルを開く".
    void openChosenFile();
    // "保　存": to the current file, asking for a name when there is none.
    void saveCurrentFile();
    // "名前をつけて保存".
    void saveAs();
    // Writes the year and a backup copy and updates the backup menu. False when
    // the year file could not be written: nothing has changed then.
    bool saveYearFile(const QString& path);
    // Writes "ini/backup.conf".
    void saveBackupList();
    // Reads "ini/backup.conf" into the menu. An entry whose path is not a
    // backup copy of the data folder is dropped: nothing but the program's own
    // copies is ever restored or deleted.
    void loadBackupList();
    // True for a copy the program writes: "yyyyMMddHHmmss.dat" in the data folder.
    bool isBackupCopy(const QString& path) const;
    // Restores the backup copy behind menu entry n (1..10).
    void restoreBackup(int n);

    // Asks to save pending changes; false when the user cancelled.
    bool askToSaveChanges();
    // Where this year's file dialogs start.
    QString dialogFolder() const;

    // What the last successful open found in its file.
    const ParseOutcome& lastOpen() const { return m_lastOpen; }
    BackupMenu& backupMenu() { return m_menu; }
    const BackupMenu& backupMenu() const { return m_menu; }
    QString backupListFile() const { return m_folders.dataFile(QStringLiteral("ini/backup.conf")); }
    const Folders& folders() const { return m_folders; }
    QDateTime now() const { return m_clock(); }
    Workspace& workspace() { return m_ws; }
    Prompter& prompter() { return m_prompter; }
    YearHost& host() { return m_host; }

private:
    bool writeBackupCopy(const LineStore& lines, const QDateTime& stamp, QString& backupPath);

    Workspace& m_ws;
    Prompter& m_prompter;
    YearHost& m_host;
    Folders m_folders;
    const ProgramSettings& m_settings;
    QString m_settingsFile;
    Clock m_clock;
    BackupMenu m_menu;
    ParseOutcome m_lastOpen;
};

// The question before edits are thrown away.
inline QString discardQuestionText() {
    return QStringLiteral("編集中のデ－タは破棄されます。");
}

// The path with its extension replaced by ".exv" (an older ".clv" is saved as ".exv").
QString exvPathOf(const QString& path);

// Where a file dialog starts: the folder of the year file open now, else that of
// the start data file, else the home folder.
QString fileDialogFolder(const QString& openFile, const QString& startDataFile);

}  // namespace tallyrix
