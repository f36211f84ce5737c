#include "app/program.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include "core/bracket_keys.h"
#include "core/scripted_prompter.h"
#include "tests/support/temp_dir.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

QString buildInstallFolder() {
    return installFolderFor(QStringLiteral(TALLYRIX_BIN_DIR));
}

TEST(Program, FirstStartProvisionsTheDataFolderAndShowsTheMainWindow) {
    TempDir tmp;
    const Folders folders{buildInstallFolder(), tmp.file("new/orbelle/tallyrix6")};
    ScriptedPrompter prompter;
    Program program(prompter, folders, tmp.file("tallyrix6.lock"));

    ASSERT_TRUE(program.start({QStringLiteral("tallyrix6")}));

    for (const char* sub : {"cldata", "style", "config", "ini"}) {
        EXPECT_TRUE(QFileInfo(folders.dataFile(QString::fromLatin1(sub))).isDir()) << sub;
    }
    Tfcashlook* window = program.mainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tallyrix6-Tallyrix Version6"));
    EXPECT_EQ(window->minimumSize(), QSize(1279, 749));
    EXPECT_GE(window->width(), 1279);
    EXPECT_EQ(window->commandLineFile(), QString());
    EXPECT_TRUE(prompter.records().empty());
}

TEST(Program, CommandLineFileAndPlacementAreTaken) {
    TempDir tmp;
    const Folders folders{buildInstallFolder(), tmp.file("data")};
    QDir().mkpath(folders.dataFile("ini"));
    saveWindowPlacement(folders.dataFile("ini"), QStringLiteral("tallyrix6"), 40, 50, 1400, 900);
    ScriptedPrompter prompter;
    Program program(prompter, folders, tmp.file("tallyrix6.lock"));
    ASSERT_TRUE(program.start({QStringLiteral("tallyrix6"), QStringLiteral("/years/2015.exv")}));
    EXPECT_EQ(program.mainWindow()->commandLineFile(), QStringLiteral("/years/2015.exv"));
    EXPECT_EQ(program.mainWindow()->geometry(), QRect(50, 40, 1400, 900));
    // The data folder existed: nothing was provisioned into it.
    EXPECT_FALSE(QFileInfo(folders.dataFile("cldata")).exists());
}

// The real program, started in another process with its own data folder and
// temporary folder; it runs until killed.
class RunningProgram {
public:
    explicit RunningProgram(const TempDir& tmp) : m_tmp(tmp) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TMPDIR", tmp.path());
        env.insert("TALLYRIX6_DATA_DIR", tmp.file("first-data"));
        m_process.setProcessEnvironment(env);
        m_process.start(QStringLiteral(TALLYRIX_BIN_DIR "/tallyrix6"), {});
    }
    ~RunningProgram() { kill(); }

    // True once the program holds the lock and has set up its data folder.
    bool waitUntilRunning() {
        for (int i = 0; i < 500 && !QFileInfo::exists(m_tmp.file("first-data/ini")); ++i) {
            QThread::msleep(20);
        }
        return QFileInfo::exists(lockPath()) && QFileInfo(m_tmp.file("first-data/ini")).isDir();
    }
    QString lockPath() const { return m_tmp.file("tallyrix6.lock"); }
    void kill() {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    const TempDir& m_tmp;
    QProcess m_process;
};

TEST(Program, SecondStartWhileOneRunsIsRefusedAndTouchesNothing) {
    TempDir tmp;
    RunningProgram first(tmp);
    ASSERT_TRUE(first.waitUntilRunning());

    ScriptedPrompter prompter;
    const Folders folders{buildInstallFolder(), tmp.file("second-data")};
    Program second(prompter, folders, first.lockPath());
    EXPECT_FALSE(second.start({QStringLiteral("tallyrix6")}));
    EXPECT_EQ(second.mainWindow(), nullptr);
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(prompter.records()[0].kind, ScriptedPrompter::Kind::Message);
    EXPECT_EQ(prompter.records()[0].text,
              QStringLiteral("Tallyrix6プログラムはすでに起動しています。"));
    EXPECT_FALSE(QFileInfo::exists(folders.data));
}

TEST(Program, TheLockOfAKilledProgramIsTakenOver) {
    TempDir tmp;
    RunningProgram first(tmp);
    ASSERT_TRUE(first.waitUntilRunning());
    first.kill();
    ASSERT_TRUE(QFileInfo::exists(first.lockPath()));  // left behind by the killed process

    ScriptedPrompter prompter;
    Program second(prompter, {buildInstallFolder(), tmp.file("second-data")}, first.lockPath());
    EXPECT_TRUE(second.start({QStringLiteral("tallyrix6")}));
    EXPECT_TRUE(prompter.records().empty());
}

}  // namespace
