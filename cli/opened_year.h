#pragma once

#include <QString>
#include <QStringList>

#include "core/program_settings.h"
#include "core/scripted_prompter.h"
#include "ledger/ledger_model.h"
#include "yearfile/file_commands.h"
#include "yearfile/workspace.h"

namespace tallyrix {

// A year file opened as the program opens it, without a window and without
// touching the data folder or the settings.
class OpenedYear {
public:
    // The program's empty start year: calendar months of today's year.
    explicit OpenedYear(const QDate& today);
    // False when the file could not be opened; `error` then holds the message.
    bool open(const QString& path, QString& error);

    Workspace& workspace() { return m_ws; }
    LedgerModel& ledger() { return m_ledger; }
    FileCommands& files() { return m_files; }
    // The notices the open showed, texts only.
    QStringList notices() const;

private:
    QDate m_today;
    Workspace m_ws;
    ScriptedPrompter m_prompter;
    LedgerModel m_ledger;
    ProgramSettings m_settings;
    FileCommands m_files;
};

}  // namespace tallyrix
