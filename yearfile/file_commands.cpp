#include "yearfile/file_commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "core/app_title.h"
#include "core/bracket_keys.h"
#include "core/errors.h"
#include "core/prompter.h"
#include "yearfile/year_file.h"

namespace tallyrix {
namespace {

QString heading() {
    return QStringLiteral("確認");
}

FileDialogRequest openRequest(const QString& folder) {
    FileDialogRequest r;
    r.initialDir = folder;
    r.filter = QStringLiteral(
        "Tallyrix4～6-Tallyrix-ファイル(*.exv)|*.exv|Tallyrix(1～3)ファイル(*.clv)|*.clv");
    r.defaultExt = QStringLiteral("exv");
    return r;
}

FileDialogRequest saveRequest(const QString& folder) {
    FileDialogRequest r;
    r.initialDir = folder;
    r.filter = QStringLiteral("Tallyrix6-Tallyrix-ファイル|*.exv");
    r.defaultExt = QStringLiteral("exv");
    r.overwritePrompt = true;
    return r;
}

}  // namespace

QString exvPathOf(const QString& path) {
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    if (suffix.isEmpty()) {
        return path + QStringLiteral(".exv");
    }
    return path.left(path.size() - suffix.size()) + QStringLiteral("exv");
}

QString fileDialogFolder(const QString& openFile, const QString& startDataFile) {
    for (const QString& file : {openFile, startDataFile}) {
        if (!file.isEmpty()) {
            const QFileInfo folder(QFileInfo(file).absolutePath());
            if (folder.isDir()) {
                return folder.absoluteFilePath();
            }
        }
    }
    return QDir::homePath();
}

QString FileCommands::dialogFolder() const {
    return fileDialogFolder(m_ws.currentFilePath, m_settings.startFile());
}

FileCommands::FileCommands(Workspace& ws, Prompter& prompter, YearHost& host, Folders folders,
                           const ProgramSettings& settings, QString settingsFile, Clock clock)
    : m_ws(ws),
      m_prompter(prompter),
      m_host(host),
      m_folders(std::move(folders)),
      m_settings(settings),
      m_settingsFile(std::move(settingsFile)),
      m_clock(std::move(clock)) {}

bool FileCommands::openYearFile(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        m_prompter.showNotice(
            heading(), QStringLiteral("現在のインストールフォルダー\r\n") + m_folders.install);
        return false;
    }
    // The year is read into a fresh workspace, so a file that fails half-way
    // leaves the open year, its path and its state exactly as they were.
    Workspace fresh;
    fresh.periods.openingBalance = m_ws.periods.openingBalance;
    fresh.periods.startMonth = m_ws.periods.startMonth;
    fresh.periods.usageType = m_ws.periods.usageType;
    fresh.periods.startYear = m_ws.periods.startYear;
    fresh.periods.asRead = m_ws.periods.asRead;
    ParseOutcome outcome;
    try {
        outcome = parseYearFile(path, fresh, m_clock().date());
    } catch (const TallyError& error) {
        m_prompter.showNotice(heading(), error.message());
        return false;
    }

    m_lastOpen = outcome;
    m_host.clearAnalysis();
    m_ws.entries = std::move(fresh.entries);
    m_ws.pettyBooks = std::move(fresh.pettyBooks);
    m_ws.bankBooks = std::move(fresh.bankBooks);
    m_ws.periods = fresh.periods;
    m_menu.lastFileName = path;
    if (m_settings.startOption == ProgramSettings::OpenLastFile && !m_settingsFile.isEmpty()) {
        try {
            setBracketKey(QStringLiteral("[FILE_DIR]"), path, m_settingsFile);
        } catch (const TallyError& error) {
            m_prompter.showNotice(heading(), error.message());
        }
    }
    for (const QString& notice : outcome.notices) {
        m_prompter.showNotice(heading(), notice);
    }
    m_ws.currentFilePath = exvPathOf(path);
    m_ws.currentBook = m_ws.mainBook();
    m_host.yearLoaded(YearHost::Arrival::Opened);
    m_ws.modified = false;
    return true;
}

bool FileCommands::askToSaveChanges() {
    if (!m_ws.modified) {
        return true;
    }
    const DialogResult answer = m_prompter.askYesNoCancel(
        QStringLiteral("データが変更されています。現在の状態を保存しますか？"),
        QStringLiteral("はい"), QStringLiteral("いいえ"), QStringLiteral("キャンセル"));
    if (answer == DialogResult::Cancel) {
        return false;
    }
    if (answer == DialogResult::Yes) {
        saveCurrentFile();
    }
    return true;
}

void FileCommands::openChosenFile() {
    if (!askToSaveChanges()) {
        return;
    }
    if (const auto path = m_prompter.openFileName(openRequest(dialogFolder()))) {
        openYearFile(*path);
    }
}

void FileCommands::saveCurrentFile() {
    if (m_ws.currentFilePath.isEmpty()) {
        if (const auto path = m_prompter.saveFileName(saveRequest(dialogFolder()))) {
            m_ws.currentFilePath = *path;
        }
    }
    if (!m_ws.currentFilePath.isEmpty()) {
        saveYearFile(m_ws.currentFilePath);
    }
}

void FileCommands::saveAs() {
    if (const auto path = m_prompter.saveFileName(saveRequest(dialogFolder()))) {
        saveYearFile(*path);
    }
}

bool FileCommands::writeBackupCopy(const LineStore& lines, const QDateTime& stamp,
                                   QString& backupPath) {
    backupPath = m_folders.dataFile(stamp.toString(QStringLiteral("yyyyMMddHHmmss")) +
                                    QStringLiteral(".dat"));
    try {
        lines.saveToFile(backupPath);
        return true;
    } catch (const TallyError& error) {
        m_prompter.showNotice(heading(), error.message());
        return false;
    }
}

bool FileCommands::saveYearFile(const QString& path) {
    const LineStore lines = serialiseYear(m_ws);
    try {
        lines.saveToFile(path);
    } catch (const TallyError& error) {
        m_prompter.showNotice(heading(), error.message());
        return false;
    }
    // The backup copy is written before the menu changes, so a copy that cannot
    // be written costs neither the oldest copy nor a menu entry.
    const QDateTime stamp = m_clock();
    QString backupPath;
    if (writeBackupCopy(lines, stamp, backupPath)) {
        const QString oldest = m_menu[BackupMenu::kEntries].path;
        if (isBackupCopy(oldest) && oldest != backupPath) {
            QFile::remove(oldest);
        }
        m_menu.shiftDown();
        m_menu[1].path = backupPath;
        m_menu[1].caption = QFileInfo(path).fileName() + u'(' +
                            stamp.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")) + u')';
    }
    m_menu.lastFileName = path;
    m_ws.modified = false;
    m_ws.currentFilePath = path;
    m_host.yearSaved();
    saveBackupList();
    m_prompter.showNotice(heading(), path + QStringLiteral("を保存しました。"));
    return true;
}

void FileCommands::saveBackupList() {
    try {
        saveBackupMenu(backupListFile(), m_menu);
    } catch (const TallyError& error) {
        m_prompter.showNotice(heading(), error.message());
    }
}

bool FileCommands::isBackupCopy(const QString& path) const {
    if (path.isEmpty()) {
        return false;
    }
    static const QRegularExpression name(QStringLiteral("^[0-9]{14}\\.dat$"));
    const QFileInfo info(path);
    return name.match(info.fileName()).hasMatch() &&
           QDir::cleanPath(info.absolutePath()) ==
               QDir::cleanPath(QDir(m_folders.data).absolutePath());
}

void FileCommands::loadBackupList() {
    loadBackupMenu(backupListFile(), m_menu);
    for (int n = 1; n <= BackupMenu::kEntries; ++n) {
        if (!m_menu[n].path.isEmpty() && !isBackupCopy(m_menu[n].path)) {
            m_menu[n] = BackupMenu::Item{};
        }
    }
}

void FileCommands::restoreBackup(int n) {
    if (m_ws.modified) {
        const DialogResult answer = m_prompter.taskMessage(
            applicationTitle(), QStringLiteral("バックアップファイルを読み込みますか？"),
            TaskButtons::YesNo, TaskIcon::Question, discardQuestionText());
        // Only a clear Yes discards the edits; closing the window keeps them.
        if (answer != DialogResult::Yes) {
            return;
        }
    }
    const QString remembered = m_menu.lastFileName;
    openYearFile(m_menu[n].path);
    m_ws.currentFilePath.clear();
    m_ws.modified = true;
    m_menu.lastFileName = remembered;
}

}  // namespace tallyrix
