#pragma once

#include <QDateTime>
#include <QDir>
#include <QFile>

#include "core/program_settings.h"
#include "core/scripted_prompter.h"
#include "ledger/ledger_model.h"
#include "tests/support/temp_dir.h"
#include "yearfile/file_commands.h"
#include "yearfile/new_year.h"

namespace tallyrix::test {

inline QString yearFixture(const QString& name) {
    return fixture(QStringLiteral("yearfile/") + name);
}

// A main window's file commands without the window: a workspace, the ledger as
// host, a scripted prompter, folders of its own and a clock that moves only when told.
class YearFixture {
public:
    YearFixture()
        : ledger(ws, prompter, [this] { return clock.date(); }),
          files(ws, prompter, ledger, Folders{installDir.path(), dataDir.path()}, settings,
                dataDir.file("tallyrix.conf"), [this] { return clock; }),
          newYear(files) {
        QDir(dataDir.path()).mkpath("ini");
    }

    // A copy of a fixture in the year-file folder, to open and to save over.
    QString copyOfFixture(const QString& name) {
        const QString path = yearsDir.file(name);
        QFile::remove(path);
        QFile::copy(yearFixture(name), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }
    QStringList backupCopies() const {
        return QDir(dataDir.path()).entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name);
    }
    void tick(int seconds = 5) { clock = clock.addSecs(seconds); }

    TempDir installDir;
    TempDir dataDir;
    TempDir yearsDir;
    QDateTime clock{QDate(2016, 4, 15), QTime(12, 34, 56)};
    Workspace ws;
    ScriptedPrompter prompter;
    ProgramSettings settings;
    LedgerModel ledger;
    FileCommands files;
    NewYearCommands newYear;
};

}  // namespace tallyrix::test
