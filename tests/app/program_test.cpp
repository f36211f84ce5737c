#include "app/program.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMap>
#include <QProcess>
#include <QScreen>
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
    Program program(prompter, folders);

    ASSERT_TRUE(program.start({QStringLiteral("tallyrix6")}));

    for (const char* sub : {"cldata", "style", "config", "ini"}) {
        EXPECT_TRUE(QFileInfo(folders.dataFile(QString::fromLatin1(sub))).isDir()) << sub;
    }
    MainWindow* window = program.mainWindow();
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
    Program program(prompter, folders);
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
        env.insert("TMPDIR", tmp.file("first-tmp"));
        env.insert("TALLYRIX6_DATA_DIR", dataFolder());
        m_process.setProcessEnvironment(env);
        m_process.start(QStringLiteral(TALLYRIX_BIN_DIR "/tallyrix6"), {});
    }
    ~RunningProgram() { kill(); }

    QString dataFolder() const { return m_tmp.file("first-data"); }
    QString lockPath() const { return SingleInstance::lockPathIn(dataFolder()); }

    // True once the program holds the lock and has set up its data folder.
    bool waitUntilRunning() {
        const auto running = [this] {
            return QFileInfo(m_tmp.file("first-data/ini")).isDir() &&
                   QFileInfo(lockPath()).size() > 0;  // the owner is written once it holds the lock
        };
        for (int i = 0; i < 500 && !running(); ++i) {
            QThread::msleep(20);
        }
        return running();
    }
    void kill() {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    const TempDir& m_tmp;
    QProcess m_process;
};

// Every file of a folder with its bytes, to see that nothing was written.
QMap<QString, QByteArray> contentsOf(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, readBytes(path));
    }
    return files;
}

// A second copy on the same data folder is refused, whatever its temporary
// folder, and writes nothing there.
TEST(Program, SecondStartOnTheSameDataFolderIsRefusedAndTouchesNothing) {
    TempDir tmp;
    RunningProgram first(tmp);
    ASSERT_TRUE(first.waitUntilRunning());
    const auto before = contentsOf(first.dataFolder());

    const QByteArray tmpdir = qgetenv("TMPDIR");
    qputenv("TMPDIR", tmp.file("second-tmp").toLocal8Bit());
    ScriptedPrompter prompter;
    Program second(prompter, {buildInstallFolder(), first.dataFolder()});
    EXPECT_FALSE(second.start({QStringLiteral("tallyrix6")}));
    qputenv("TMPDIR", tmpdir);
    EXPECT_EQ(second.mainWindow(), nullptr);
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(prompter.records()[0].kind, ScriptedPrompter::Kind::Message);
    EXPECT_EQ(prompter.records()[0].text,
              QStringLiteral("Tallyrix6プログラムはすでに起動しています。"));
    EXPECT_EQ(contentsOf(first.dataFolder()), before);

    // Another data folder is another set of files: that copy may run.
    ScriptedPrompter other;
    Program third(other, {buildInstallFolder(), tmp.file("third-data")});
    EXPECT_TRUE(third.start({QStringLiteral("tallyrix6")}));
}

TEST(Program, TheLockOfAKilledProgramIsTakenOver) {
    TempDir tmp;
    RunningProgram first(tmp);
    ASSERT_TRUE(first.waitUntilRunning());
    first.kill();
    ASSERT_TRUE(QFileInfo::exists(first.lockPath()));  // left behind by the killed process

    ScriptedPrompter prompter;
    Program second(prompter, {buildInstallFolder(), first.dataFolder()});
    EXPECT_TRUE(second.start({QStringLiteral("tallyrix6")}));
    EXPECT_TRUE(prompter.records().empty());
}

TEST(Program, ALockThatCannotBeCreatedIsToldAndTheProgramStarts) {
    TempDir tmp;
    const Folders folders{buildInstallFolder(), tmp.file("data")};
    QDir().mkpath(SingleInstance::lockPathIn(folders.data));  // a folder where the file should be
    ScriptedPrompter prompter;
    Program program(prompter, folders);
    EXPECT_TRUE(program.start({QStringLiteral("tallyrix6")}));
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_TRUE(prompter.records()[0].text.startsWith(
        QStringLiteral("起動の確認に使うファイルを作成できません。")));
    EXPECT_NE(program.mainWindow(), nullptr);
}

}  // namespace

namespace {

// A placement larger than any screen, from a damaged or foreign file, is cut
// to the screen; the minimum size stays.
TEST(Program, AHugePlacementIsKeptOnTheScreen) {
    const struct {
        int top, left, width, height;
    } cases[] = {{0, 0, 60000, 60000}, {10, 10, 2147483647, 2147483647}, {-5000, 90000, 1300, 800}};
    for (const auto& c : cases) {
        TempDir tmp;
        const Folders folders{buildInstallFolder(), tmp.file("data")};
        QDir().mkpath(folders.dataFile("ini"));
        saveWindowPlacement(folders.dataFile("ini"), QStringLiteral("tallyrix6"), c.top, c.left,
                            c.width, c.height);
        ScriptedPrompter prompter;
        Program program(prompter, folders);
        ASSERT_TRUE(program.start({QStringLiteral("tallyrix6")}));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect placed = program.mainWindow()->geometry();
        EXPECT_TRUE(screen.contains(placed)) << c.width << " " << placed.width();
        EXPECT_GE(placed.width(), 1279);
        EXPECT_GE(placed.height(), 749);
    }
}

}  // namespace
