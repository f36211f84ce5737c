#pragma once

#include <QApplication>
#include <QStringList>
#include <memory>

#include "app/main_window.h"
#include "app/single_instance.h"
#include "core/folders.h"

namespace tallyrix {

class Prompter;

// The application object: reports the program's own errors that escape a command
// through the Prompter and goes back to the event loop.
class TallyApplication : public QApplication {
public:
    TallyApplication(int& argc, char** argv);
    void setPrompter(Prompter* prompter) { m_prompter = prompter; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Prompter* m_prompter = nullptr;
};

// The program from its start to its main window.
class Program {
public:
    Program(Prompter& prompter, Folders folders);
    ~Program();

    // Sets up the data folder, takes the single-instance lock in it and creates
    // the main window. False when another copy already runs on the data
    // folder: the user was told and nothing was touched. A lock that cannot be
    // created is told, and the program starts without it.
    bool start(const QStringList& arguments);
    MainWindow* mainWindow() const { return m_mainWindow.get(); }

private:
    Prompter& m_prompter;
    Folders m_folders;
    SingleInstance m_instance;
    std::unique_ptr<MainWindow> m_mainWindow;
};

}  // namespace tallyrix
