#include "yearfile/file_commands.h"

#include <gtest/gtest.h>

#include "core/app_title.h"
#include "core/line_store.h"
#include "tests/yearfile/year_fixture.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

const QString kAsk = QStringLiteral("データが変更されています。現在の状態を保存しますか？");

class FileCommandsTest : public ::testing::Test, public YearFixture {};

TEST_F(FileCommandsTest, OpenLoadsTheYearAndComputesItsBalances) {
    const QString path = copyOfFixture("business_2015.exv");
    ws.modified = true;
    ASSERT_TRUE(files.openYearFile(path));
    EXPECT_TRUE(prompter.records().empty());
    EXPECT_EQ(ws.currentFilePath, path);
    EXPECT_EQ(files.backupMenu().lastFileName, path);
    EXPECT_FALSE(ws.modified);
    EXPECT_EQ(ws.currentBook, ws.mainBook());
    EXPECT_EQ(ledger.state().currentMonth, 4);  // today's month
    EXPECT_EQ(ledger.balances().closing, Amount::fromYen(111500));
}

TEST_F(FileCommandsTest, AMissingFileChangesNothing) {
    ASSERT_TRUE(files.openYearFile(copyOfFixture("business_2015.exv")));
    const QString before = ws.currentFilePath;
    EXPECT_FALSE(files.openYearFile(yearsDir.file("gone.exv")));
    EXPECT_EQ(prompter.notices(),
              QStringList{"確認: 現在のインストールフォルダー\r\n" + installDir.path()});
    EXPECT_EQ(ws.currentFilePath, before);
    EXPECT_EQ(ws.entries.count(), 8);
}

TEST_F(FileCommandsTest, AFileThatFailsHalfWayLeavesTheOpenYearInPlace) {
    const QString good = copyOfFixture("business_2015.exv");
    ASSERT_TRUE(files.openYearFile(good));
    ws.modified = true;
    const QStringList lines = ws.entries.lines();
    EXPECT_FALSE(files.openYearFile(copyOfFixture("bad_amount_line500.exv")));
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_TRUE(prompter.records()[0].text.contains(QStringLiteral("1O0")));
    EXPECT_EQ(ws.entries.lines(), lines);
    EXPECT_EQ(ws.currentFilePath, good);
    EXPECT_EQ(files.backupMenu().lastFileName, good);
    EXPECT_EQ(ws.periods.startMonth, 4);
    EXPECT_TRUE(ws.modified);
    // A save now writes the good year over the good file, as it was.
    prompter.clear();
    files.saveCurrentFile();
    EXPECT_EQ(readBytes(good), readBytes(yearFixture("business_2015.exv")));
}

TEST_F(FileCommandsTest, UnusablePeriodLinesAreTold) {
    ASSERT_TRUE(files.openYearFile(copyOfFixture("no_periods.exv")));
    EXPECT_EQ(prompter.notices(),
              QStringList{
                  "確認: 月設定が無効となっています。お手数ですが環境設定にて再度設定して下さい"});
    EXPECT_FALSE(files.lastOpen().periodsFromFile);
}

TEST_F(FileCommandsTest, StartOptionOneRecordsTheOpenedFileAsStartFile) {
    const struct {
        int option;
        bool rewritten;
    } cases[] = {{ProgramSettings::OpenLastFile, true},
                 {ProgramSettings::OpenStartDataFile, false}};
    for (const auto& c : cases) {
        settings.startOption = c.option;
        writeBytes(dataDir.file("tallyrix.conf"), "[FILE_DIR]=old\r\n[COMPANY_NAME]=x\r\n");
        const QString path = copyOfFixture("business_2015.exv");
        ASSERT_TRUE(files.openYearFile(path));
        LineStore conf;
        conf.loadFromFile(dataDir.file("tallyrix.conf"));
        EXPECT_EQ(conf.at(0), c.rewritten ? "[FILE_DIR]=" + path : QStringLiteral("[FILE_DIR]=old"))
            << c.option;
        EXPECT_EQ(conf.at(1), QStringLiteral("[COMPANY_NAME]=x"));
    }
}

TEST_F(FileCommandsTest, AnOlderFileIsSavedAsExvBesideIt) {
    const QString clv = copyOfFixture("older_8field.clv");
    const QByteArray original = readBytes(clv);
    ASSERT_TRUE(files.openYearFile(clv));
    EXPECT_EQ(ws.currentFilePath, yearsDir.file("older_8field.exv"));
    files.saveCurrentFile();
    EXPECT_TRUE(QFile::exists(yearsDir.file("older_8field.exv")));
    EXPECT_EQ(readBytes(clv), original);
}

TEST_F(FileCommandsTest, SavingANewYearAsksForANameAndCancelSavesNothing) {
    prompter.answerText(std::nullopt);
    files.saveCurrentFile();
    ASSERT_EQ(prompter.records().size(), 1u);
    const auto& dialog = prompter.records()[0];
    EXPECT_EQ(dialog.kind, ScriptedPrompter::Kind::SaveFile);
    EXPECT_EQ(dialog.file.filter, QStringLiteral("Tallyrix6-Tallyrix-ファイル|*.exv"));
    EXPECT_EQ(dialog.file.defaultExt, QStringLiteral("exv"));
    EXPECT_TRUE(backupCopies().isEmpty());
    EXPECT_FALSE(QFile::exists(files.backupListFile()));

    prompter.answerText(yearsDir.file("2016.exv"));
    files.saveCurrentFile();
    EXPECT_EQ(ws.currentFilePath, yearsDir.file("2016.exv"));
    EXPECT_EQ(prompter.notices().last(), "確認: " + yearsDir.file("2016.exv") + "を保存しました。");
}

TEST_F(FileCommandsTest, ElevenSavesKeepTenBackupCopiesNewestFirst) {
    const QString path = copyOfFixture("business_2015.exv");
    ASSERT_TRUE(files.openYearFile(path));
    QStringList made;
    for (int i = 0; i < 11; ++i) {
        tick();
        ASSERT_TRUE(files.saveYearFile(path));
        made.append(dataDir.file(clock.toString("yyyyMMddHHmmss") + ".dat"));
        EXPECT_EQ(files.backupMenu()[1].path, made.last());
    }
    const QStringList copies = backupCopies();
    EXPECT_EQ(copies.size(), 10);
    EXPECT_FALSE(QFile::exists(made.first()));
    EXPECT_EQ(files.backupMenu()[10].path, made[1]);
    EXPECT_EQ(readBytes(made.last()), readBytes(path));
    EXPECT_EQ(files.backupMenu()[1].caption,
              QStringLiteral("business_2015.exv(2016/04/15 12:35:51)"));

    LineStore conf;
    conf.loadFromFile(files.backupListFile());
    ASSERT_EQ(conf.count(), 21);
    EXPECT_EQ(conf.at(0), QStringLiteral("[BACK_NAME_1]=business_2015.exv(2016/04/15 12:35:51)"));
    EXPECT_EQ(conf.at(1), "[BACK_FILE_1]=" + made.last());
    EXPECT_EQ(conf.at(20), "[Last_Filename]=" + path);
}

TEST_F(FileCommandsTest, TwoSavesInOneSecondShareOneCopy) {
    const QString path = copyOfFixture("business_2015.exv");
    ASSERT_TRUE(files.openYearFile(path));
    files.saveYearFile(path);
    files.saveYearFile(path);
    EXPECT_EQ(backupCopies().size(), 1);
    EXPECT_EQ(files.backupMenu()[1].path, files.backupMenu()[2].path);
}

TEST_F(FileCommandsTest, RestoringABackupLeavesAnUnnamedModifiedYear) {
    const QString path = copyOfFixture("business_2015.exv");
    ASSERT_TRUE(files.openYearFile(path));
    files.saveYearFile(path);
    const QString copy = files.backupMenu()[1].path;
    ws.entries.remove(0);
    ws.modified = true;

    prompter.clear();
    prompter.answer(DialogResult::No);
    files.restoreBackup(1);
    EXPECT_EQ(ws.entries.count(), 7);  // declined: nothing happened

    prompter.answer(DialogResult::Yes);
    files.restoreBackup(1);
    ASSERT_EQ(prompter.records().size(), 2u);
    const auto& question = prompter.records()[1];
    EXPECT_EQ(question.kind, ScriptedPrompter::Kind::Task);
    EXPECT_EQ(question.title, applicationTitle());
    EXPECT_EQ(question.heading, QStringLiteral("バックアップファイルを読み込みますか？"));
    EXPECT_EQ(question.text, QStringLiteral("編集中のデ－タは破棄されます。"));
    EXPECT_EQ(question.icon, TaskIcon::Question);
    EXPECT_EQ(ws.entries.count(), 8);
    EXPECT_TRUE(ws.currentFilePath.isEmpty());
    EXPECT_TRUE(ws.modified);
    EXPECT_EQ(files.backupMenu().lastFileName, path);
    EXPECT_NE(copy, path);
}

TEST_F(FileCommandsTest, RestoringWhileUnmodifiedAsksNothingAndAnEmptyEntryTellsTheFileIsMissing) {
    files.restoreBackup(3);
    EXPECT_EQ(prompter.notices(),
              QStringList{"確認: 現在のインストールフォルダー\r\n" + installDir.path()});
    EXPECT_TRUE(ws.modified);
    EXPECT_TRUE(ws.currentFilePath.isEmpty());
}

TEST_F(FileCommandsTest, OpenCommandAsksToSaveFirst) {
    const QString path = copyOfFixture("business_2015.exv");
    ASSERT_TRUE(files.openYearFile(path));
    ws.modified = true;

    prompter.answer(DialogResult::Cancel);
    files.openChosenFile();
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(prompter.records()[0].text, kAsk);
    EXPECT_EQ(prompter.records()[0].buttons, (QStringList{"はい", "いいえ", "キャンセル"}));

    prompter.clear();
    prompter.answer(DialogResult::No).answerText(copyOfFixture("pocket_2015.exv"));
    files.openChosenFile();
    ASSERT_EQ(prompter.records().size(), 2u);
    EXPECT_EQ(
        prompter.records()[1].file.filter,
        QStringLiteral(
            "Tallyrix4～6-Tallyrix-ファイル(*.exv)|*.exv|Tallyrix(1～3)ファイル(*.clv)|*.clv"));
    EXPECT_EQ(ws.mainTitle(), QStringLiteral("おこづかい帳"));
    EXPECT_FALSE(ws.modified);

    ws.modified = true;
    prompter.clear();
    prompter.answer(DialogResult::Yes)
        .answerText(std::nullopt);  // saved, then the open is cancelled
    tick();
    files.openChosenFile();
    EXPECT_EQ(backupCopies().size(), 1);
    EXPECT_FALSE(ws.modified);
}

TEST_F(FileCommandsTest, SaveAsUsesTheNewPathFromThenOn) {
    ASSERT_TRUE(files.openYearFile(copyOfFixture("business_2015.exv")));
    prompter.answerText(yearsDir.file("copy.exv"));
    files.saveAs();
    EXPECT_EQ(ws.currentFilePath, yearsDir.file("copy.exv"));
    EXPECT_EQ(files.backupMenu().lastFileName, yearsDir.file("copy.exv"));
    EXPECT_EQ(readBytes(yearsDir.file("copy.exv")), readBytes(yearFixture("business_2015.exv")));
}

// A write that fails (no such folder, a full disk) leaves the old file, the
// workspace, the backup menu and the modified flag as they were.
TEST_F(FileCommandsTest, AFailedSaveChangesNothing) {
    const QString path = copyOfFixture("business_2015.exv");
    ASSERT_TRUE(files.openYearFile(path));
    tick();
    files.saveYearFile(path);
    ws.entries.remove(7);
    ws.modified = true;
    const QByteArray before = readBytes(path);
    const QStringList lines = ws.entries.lines();
    const QString back1 = files.backupMenu()[1].path;
    const QByteArray backupList = readBytes(files.backupListFile());

    prompter.clear();
    EXPECT_FALSE(files.saveYearFile(yearsDir.file("missing-folder/x.exv")));
    tick();
    {
        FileSizeLimit diskFull(64);
        EXPECT_FALSE(files.saveYearFile(path));
    }
    EXPECT_EQ(prompter.records().size(), 2u);
    for (const auto& record : prompter.records()) {
        EXPECT_EQ(record.kind, ScriptedPrompter::Kind::Notice);
        EXPECT_FALSE(record.text.contains(QStringLiteral("を保存しました。")));
    }
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(ws.entries.lines(), lines);
    EXPECT_TRUE(ws.modified);
    EXPECT_EQ(ws.currentFilePath, path);
    EXPECT_EQ(files.backupMenu()[1].path, back1);
    EXPECT_EQ(readBytes(files.backupListFile()), backupList);
    EXPECT_EQ(backupCopies().size(), 1);
}

TEST_F(FileCommandsTest, SavingIntoAReadOnlyFolderKeepsTheOldFile) {
    const QString path = copyOfFixture("business_2015.exv");
    ASSERT_TRUE(files.openYearFile(path));
    ws.entries.remove(0);
    const QByteArray before = readBytes(path);
    QFile::setPermissions(yearsDir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool enforced = !QFile(yearsDir.file("probe")).open(QIODevice::WriteOnly);
    if (enforced) {
        EXPECT_FALSE(files.saveYearFile(path));
        EXPECT_EQ(readBytes(path), before);
        EXPECT_TRUE(backupCopies().isEmpty());
    }
    QFile::setPermissions(yearsDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!enforced) {
        GTEST_SKIP() << "folder permissions are not enforced for this user (root)";
    }
}

TEST_F(FileCommandsTest, ABackupCopyThatCannotBeWrittenKeepsTheMenu) {
    const QString path = copyOfFixture("business_2015.exv");
    ASSERT_TRUE(files.openYearFile(path));
    QDir(dataDir.path())
        .mkpath(clock.toString("yyyyMMddHHmmss") + ".dat");  // a folder in its place
    EXPECT_TRUE(files.saveYearFile(path));
    EXPECT_EQ(files.backupMenu()[1].caption, QStringLiteral("---"));
    EXPECT_FALSE(ws.modified);
    ASSERT_EQ(prompter.notices().size(), 2);
    EXPECT_TRUE(prompter.notices().last().endsWith(QStringLiteral("を保存しました。")));
}

}  // namespace

namespace {

// A hand-edited or damaged backup list must not make a save delete, or a
// restore read, any file but the program's own copies in the data folder.
TEST_F(FileCommandsTest, OnlyTheProgramsOwnBackupCopiesAreEverDeleted) {
    const QString path = copyOfFixture("business_2015.exv");
    ASSERT_TRUE(files.openYearFile(path));
    const QString victim = yearsDir.file("20150101000000.dat");  // the right name elsewhere
    const QString document = dataDir.file("notes.dat");          // the data folder, another name
    const QString ownCopy = dataDir.file("20160101000000.dat");  // a copy the program wrote
    for (const QString& file : {victim, document, ownCopy}) {
        writeBytes(file, "keep");
    }
    const struct {
        QString listed;
        bool kept;  // in the menu after the list is read
        bool deletedBySave;
    } cases[] = {
        {victim, false, false},
        {document, false, false},
        {ownCopy, true, true},
    };
    for (const auto& c : cases) {
        writeBytes(ownCopy, "keep");
        QString list;
        for (int n = 1; n <= 10; ++n) {
            const QString file = n == 10 ? c.listed : QString();
            list += QStringLiteral("[BACK_NAME_%1]=x\r\n[BACK_FILE_%1]=%2\r\n").arg(n).arg(file);
        }
        writeBytes(files.backupListFile(), list.toUtf8());
        files.loadBackupList();
        EXPECT_EQ(files.backupMenu()[10].path.isEmpty(), !c.kept) << c.listed;
        EXPECT_EQ(files.backupMenu()[10].caption,
                  c.kept ? QStringLiteral("x") : QStringLiteral("---"))
            << c.listed;
        tick();
        ASSERT_TRUE(files.saveYearFile(path));
        EXPECT_TRUE(QFile::exists(victim)) << c.listed;
        EXPECT_TRUE(QFile::exists(document)) << c.listed;
        EXPECT_EQ(QFile::exists(ownCopy), !c.deletedBySave) << c.listed;
    }
}

// Sums beyond the amount type are refused at open, naming the line; the open
// year stays as it was.
TEST_F(FileCommandsTest, AYearWhoseSumsOverflowIsRefusedAtOpen) {
    const QString good = copyOfFixture("business_2015.exv");
    ASSERT_TRUE(files.openYearFile(good));
    EXPECT_FALSE(files.openYearFile(copyOfFixture("huge_incomes.exv")));
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(prompter.records()[0].text,
              QStringLiteral("2行目: 金額の合計が扱える範囲を超えています。"));
    EXPECT_EQ(ws.currentFilePath, good);
    EXPECT_EQ(ws.entries.count(), 8);
}

}  // namespace

namespace {

// File dialogs start in the folder of the year open now, else in that of the
// start data file, else in the home folder; never in the working folder.
TEST_F(FileCommandsTest, FileDialogsStartBesideTheYear) {
    prompter.setCancelWhenUnscripted(true);
    files.openChosenFile();
    EXPECT_EQ(prompter.records().back().file.initialDir, QDir::homePath());

    settings.startDataFile = installDir.file("start.exv");
    files.openChosenFile();
    EXPECT_EQ(prompter.records().back().file.initialDir,
              QFileInfo(installDir.path()).absoluteFilePath());

    ASSERT_TRUE(files.openYearFile(copyOfFixture("business_2015.exv")));
    for (const auto& command : {std::function<void()>([this] { files.openChosenFile(); }),
                                std::function<void()>([this] { files.saveAs(); }),
                                std::function<void()>([this] { newYear.makeNextYear(); })}) {
        command();
        EXPECT_EQ(prompter.records().back().file.initialDir,
                  QFileInfo(yearsDir.path()).absoluteFilePath());
    }
}

}  // namespace
