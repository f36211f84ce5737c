#pragma once

#include <QMainWindow>
#include <QStringList>

#include "core/folders.h"

namespace tallyrix {

class Prompter;

// The main window. Its workspace and commands arrive with the ledger; for now it
// sets up the process and the data folder and shows the empty window.
class Tfcashlook : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kMinimumWidth = 1279;
    static constexpr int kMinimumHeight = 749;

    Tfcashlook(Prompter& prompter, const Folders& folders, const QStringList& arguments,
               QWidget* parent = nullptr);

    const QString& commandLineFile() const { return m_commandLineFile; }
    const Folders& folders() const { return m_folders; }

private:
    void initWorkspace(const QStringList& arguments);
    void applyWindowPlacement();

    Prompter& m_prompter;
    Folders m_folders;
    QString m_commandLineFile;
};

}  // namespace tallyrix
