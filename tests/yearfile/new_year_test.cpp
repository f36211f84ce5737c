#include "yearfile/new_year.h"

#include <gtest/gtest.h>

#include "core/app_title.h"
#include "core/line_store.h"
#include "tests/yearfile/year_fixture.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

class NewYearTest : public ::testing::Test, public YearFixture {};

TEST_F(NewYearTest, NewYearResetsToAnEmptyCalendarYear) {
    ASSERT_TRUE(files.openYearFile(copyOfFixture("business_2015.exv")));
    ws.currentBook = {QStringLiteral("小口"), QStringLiteral("営業部")};
    prompter.clear();
    newYear.newPocketMoneyYear();
    EXPECT_EQ(ws.currentBook, (BookRef{QStringLiteral("現金"), QStringLiteral("おこづかい帳")}));
    EXPECT_EQ(ws.entries.count(), 0);
    EXPECT_EQ(ws.pettyBooks.count() + ws.bankBooks.count(), 0);
    EXPECT_EQ(ws.periods.startMonth, 1);
    EXPECT_EQ(ws.periods.startYear, 2016);
    EXPECT_EQ(ws.periods.openingBalance, Amount());
    EXPECT_EQ(ws.periods[2].end, QDate(2016, 2, 29));
    EXPECT_EQ(ws.periods[7].lock, 0);
    EXPECT_TRUE(ws.currentFilePath.isEmpty());
    EXPECT_FALSE(ws.modified);
    EXPECT_EQ(prompter.notices(), QStringList{"確認: 環境設定にて開始月と締日を設定して下さい"});
}

TEST_F(NewYearTest, DecliningTheQuestionKeepsTheUnsavedYear) {
    ASSERT_TRUE(files.openYearFile(copyOfFixture("business_2015.exv")));
    ws.modified = true;
    prompter.clear();
    prompter.answer(DialogResult::No);
    newYear.newBusinessYear();
    ASSERT_EQ(prompter.records().size(), 1u);
    const auto& question = prompter.records()[0];
    EXPECT_EQ(question.title, applicationTitle());
    EXPECT_EQ(question.heading, applicationTitle());
    EXPECT_EQ(question.text, QStringLiteral("編集中のデ－タは破棄されます。"));
    EXPECT_EQ(question.buttons, (QStringList{"Yes", "No"}));
    EXPECT_EQ(ws.entries.count(), 8);
    EXPECT_TRUE(ws.modified);
}

TEST_F(NewYearTest, NextYearCarriesEveryBalanceOver) {
    const QString source = copyOfFixture("next_year_source.exv");
    ASSERT_TRUE(files.openYearFile(source));
    const QByteArray sourceBytes = readBytes(source);
    prompter.clear();
    const QString target = yearsDir.file("2016.exv");
    prompter.answerText(target);
    newYear.makeNextYear();

    const auto& dialog = prompter.records()[0];
    EXPECT_EQ(dialog.file.filter, QStringLiteral("現金出納帳-Tallyrix6-ファイル|*.exv"));
    EXPECT_EQ(dialog.file.defaultExt, QStringLiteral("exv"));
    LineStore saved;
    saved.loadFromFile(target);
    const QStringList lines = saved.toStringList();
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[0], QStringLiteral("z,小口,営業部,3000,"));
    EXPECT_EQ(lines[1], QStringLiteral("z,預金,みずほ銀行,0,"));
    EXPECT_EQ(lines[2 + 3], QStringLiteral("f,2016/04/01,2016/04/30,0"));
    EXPECT_EQ(lines[2 + 1], QStringLiteral("f,2017/02/01,2017/02/28,0"));
    EXPECT_EQ(lines[14], QStringLiteral("g,52000,4,1,2016,"));
    EXPECT_EQ(ws.currentFilePath, target);
    EXPECT_EQ(files.backupMenu().lastFileName, target);
    EXPECT_FALSE(ws.modified);
    EXPECT_EQ(backupCopies().size(), 1);
    EXPECT_EQ(prompter.notices().last(), "確認: " + target + "を保存しました。");
    EXPECT_EQ(readBytes(source), sourceBytes);
    EXPECT_EQ(ws.currentBook, ws.mainBook());

    // Again from the result: nothing moves but the year.
    prompter.clear();
    tick();
    prompter.answerText(yearsDir.file("2017.exv"));
    newYear.makeNextYear();
    EXPECT_EQ(prompter.records()[0].file.fileName, target);  // the name box kept its content
    saved.loadFromFile(yearsDir.file("2017.exv"));
    EXPECT_EQ(saved.at(0), QStringLiteral("z,小口,営業部,3000,"));
    EXPECT_EQ(saved.at(14), QStringLiteral("g,52000,4,1,2017,"));
}

TEST_F(NewYearTest, NextYearKeepsThePocketMoneyUsage) {
    ASSERT_TRUE(files.openYearFile(copyOfFixture("pocket_2015.exv")));
    prompter.answerText(yearsDir.file("pocket_2016.exv"));
    newYear.makeNextYear();
    EXPECT_EQ(ws.mainTitle(), QStringLiteral("おこづかい帳"));
    LineStore saved;
    saved.loadFromFile(yearsDir.file("pocket_2016.exv"));
    EXPECT_EQ(saved.at(saved.count() - 1), QStringLiteral("g,4200,1,2,2016,"));
}

TEST_F(NewYearTest, TheTwentyNinthOfFebruaryFallsToTheTwentyEighth) {
    ASSERT_TRUE(files.openYearFile(copyOfFixture("closing28.exv")));
    ws.periods[3].end = QDate(2016, 2, 29);  // a year whose February period ends on its last day
    prompter.answerText(yearsDir.file("next.exv"));
    newYear.makeNextYear();
    EXPECT_EQ(ws.periods[2].end, QDate(2016, 2, 28));
    EXPECT_EQ(ws.periods[3].start, QDate(2016, 3, 1));
    EXPECT_EQ(ws.periods[3].end, QDate(2017, 2, 28));
    EXPECT_EQ(ws.periods[3].lock, 0);
}

TEST_F(NewYearTest, CancellingTheDialogChangesNothing) {
    ASSERT_TRUE(files.openYearFile(copyOfFixture("next_year_source.exv")));
    const QStringList lines = ws.entries.lines();
    prompter.answerText(std::nullopt);
    newYear.makeNextYear();
    EXPECT_EQ(ws.entries.lines(), lines);
    EXPECT_EQ(ws.periods.startYear, 2015);
}

}  // namespace
