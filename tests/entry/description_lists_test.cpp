#include "entry/description_lists.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/cp932.h"
#include "core/scripted_prompter.h"
#include "core/text_checks.h"
#include "entry/beeper.h"
#include "tests/support/counting_beeper.h"
#include "tests/support/temp_dir.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

// Lines as a list file holds them: code page 932, CR LF after each.
QByteArray fileOf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encodeCp932(line) + "\r\n";
    }
    return bytes;
}

class DescriptionListsTest : public ::testing::Test {
protected:
    DescriptionListsTest() { QDir(data.path()).mkpath(QStringLiteral("cldata")); }

    DescriptionLists lists(int usageType = 1) {
        return DescriptionLists(Folders{install.path(), data.path()}, usageType, prompter, beeper);
    }
    QString listFile(const QString& name) const { return data.file("cldata/" + name); }
    void putFixture(const QString& fixtureName, const QString& name) {
        writeBytes(listFile(name), readBytes(fixture("entry/" + fixtureName)));
    }

    TempDir install;
    TempDir data;
    ScriptedPrompter prompter;
    CountingBeeper beeper;
};

TEST_F(DescriptionListsTest, ARegistrationInColumnTwoRowZeroLandsOnLineThirteen) {
    auto grid = lists();
    grid.pick(ListPage::AccountTitles, 4);  // position 5
    prompter.answerText(QStringLiteral("切手代"));
    grid.cellDoubleClick(2, 0);

    QStringList lines(kDescriptionFileLines);
    lines[12] = QStringLiteral("切手代");
    EXPECT_EQ(readBytes(listFile("tekiya5.dat")), fileOf(lines));
    ASSERT_EQ(prompter.records().size(), 1u);
    const auto& box = prompter.records()[0];
    EXPECT_EQ(box.kind, ScriptedPrompter::Kind::Input);
    EXPECT_EQ(box.title, QStringLiteral("現金出納帳6-Tallyrix Version6"));
    EXPECT_EQ(box.heading, QStringLiteral("摘要登録"));
    EXPECT_EQ(box.text, QString());
    EXPECT_EQ(grid.grid().cell(2, 0), QStringLiteral("切手代"));
}

TEST_F(DescriptionListsTest, ThePageAndUsageTypeNameTheFileAndTheCaption) {
    const struct {
        int usageType;
        ListPage page;
        int pickedIndex;
        QString file;
        QString caption;
    } cases[] = {
        {1, ListPage::AccountTitles, 0, "tekiya1.dat", "現金出納帳6-Tallyrix Version6"},
        {1, ListPage::AccountTitles, 59, "tekiya60.dat", "現金出納帳6-Tallyrix Version6"},
        {2, ListPage::AccountTitles, 9, "tekiyb10.dat", "おこづかい帳6-Tallyrix Version6"},
        {1, ListPage::PettyCashBooks, 2, "cash_note.dat", "現金出納帳5-Tallyrix Version5"},
        {2, ListPage::PettyCashBooks, 0, "cash_note.dat", "おこづかい帳5-Tallyrix Version5"},
        {1, ListPage::BankBooks, 1, "bank_note.dat", "現金出納帳5-Tallyrix Version5"},
        {2, ListPage::BankBooks, 0, "bank_note.dat", "おこづかい帳5-Tallyrix Version5"},
    };
    for (const auto& c : cases) {
        QFile::remove(listFile(c.file));
        prompter.clear();
        auto grid = lists(c.usageType);
        grid.changePage(c.page);
        grid.pick(c.page, c.pickedIndex);
        prompter.answerText(QStringLiteral("登録"));
        grid.cellDoubleClick(1, 0);
        EXPECT_EQ(grid.currentFile(), listFile(c.file)) << c.file.toStdString();
        EXPECT_EQ(readBytes(listFile(c.file)).left(6), encodeCp932("登録") + "\r\n")
            << c.file.toStdString();
        ASSERT_EQ(prompter.records().size(), 1u) << c.file.toStdString();
        EXPECT_EQ(prompter.records()[0].title, c.caption) << c.file.toStdString();
    }
}

TEST_F(DescriptionListsTest, CancellingRewritesTheListUnchanged) {
    putFixture("tekiya_written.dat", "tekiya1.dat");
    auto grid = lists();
    grid.pick(ListPage::AccountTitles, 0);
    EXPECT_EQ(grid.grid().cell(1, 0), QStringLiteral("東京～大阪　新幹線"));
    EXPECT_EQ(grid.grid().cell(1, 1), QStringLiteral("ＪＲ－定期券"));
    EXPECT_EQ(grid.grid().cell(3, 11), QStringLiteral("最後のセル"));

    prompter.answerText(std::nullopt);
    grid.cellDoubleClick(2, 0);
    EXPECT_EQ(prompter.records()[0].text, QStringLiteral("切手代"));
    EXPECT_EQ(readBytes(listFile("tekiya1.dat")), readBytes(fixture("entry/tekiya_written.dat")));
}

TEST_F(DescriptionListsTest, AListOfMoreThanThirtySixLinesShowsItsFirstThirtySix) {
    putFixture("tekiya_40lines.dat", "tekiya3.dat");
    auto grid = lists();
    grid.pick(ListPage::AccountTitles, 2);
    EXPECT_EQ(grid.grid().cell(1, 0), QStringLiteral("摘要01"));
    EXPECT_EQ(grid.grid().cell(2, 0), QStringLiteral("摘要13"));
    EXPECT_EQ(grid.grid().cell(3, 11), QStringLiteral("摘要36"));

    // A registration writes the list in its own form: 36 cells, two empty lines.
    prompter.answerText(std::nullopt);
    grid.cellDoubleClick(1, 0);
    QStringList lines;
    for (int i = 1; i <= kDescriptionCells; ++i) {
        lines.append(QStringLiteral("摘要%1").arg(i, 2, 10, QLatin1Char('0')));
    }
    lines << QString() << QString();
    EXPECT_EQ(readBytes(listFile("tekiya3.dat")), fileOf(lines));
}

TEST_F(DescriptionListsTest, PicksAndPagesChooseTheList) {
    putFixture("tekiya_40lines.dat", "tekiya1.dat");
    writeBytes(listFile("cash_note.dat"), fileOf({"小口補充"}));
    auto grid = lists();
    grid.pick(ListPage::AccountTitles, 0);
    EXPECT_EQ(grid.grid().cell(1, 0), QStringLiteral("摘要01"));

    // A title without a list shows an empty grid.
    grid.pick(ListPage::AccountTitles, 1);
    EXPECT_EQ(grid.grid().cells(), QStringList(kDescriptionCells));

    // The petty-cash list does not depend on the book.
    grid.pick(ListPage::AccountTitles, 0);
    grid.changePage(ListPage::PettyCashBooks);
    EXPECT_EQ(grid.grid().cell(1, 0), QStringLiteral("小口補充"));
    for (int book : {0, 3}) {
        grid.pick(ListPage::PettyCashBooks, book);
        EXPECT_EQ(grid.grid().cell(1, 0), QStringLiteral("小口補充"));
        EXPECT_EQ(grid.currentFile(), listFile("cash_note.dat"));
    }

    // Back on the titles, the title still picked there shows again.
    grid.changePage(ListPage::AccountTitles);
    EXPECT_EQ(grid.grid().cell(1, 0), QStringLiteral("摘要01"));

    grid.reset();
    EXPECT_EQ(grid.page(), ListPage::AccountTitles);
    EXPECT_EQ(grid.grid().cells(), QStringList(kDescriptionCells));
    EXPECT_EQ(grid.currentFile(), QString());
}

TEST_F(DescriptionListsTest, AClickFillsTheDescriptionAndTheHiddenColumnBeeps) {
    putFixture("tekiya_written.dat", "tekiya1.dat");
    auto grid = lists();
    grid.pick(ListPage::AccountTitles, 0);
    EXPECT_EQ(grid.cellClick(1, 1), QStringLiteral("ＪＲ－定期券"));
    EXPECT_EQ(grid.cellClick(3, 10), QString());
    EXPECT_EQ(beeper.beeps, 0);
    EXPECT_EQ(grid.cellClick(0, 1), std::nullopt);
    EXPECT_EQ(beeper.beeps, 1);

    grid.cellDoubleClick(0, 1);
    EXPECT_EQ(beeper.beeps, 2);
    EXPECT_TRUE(prompter.records().empty());
}

TEST_F(DescriptionListsTest, NothingPickedIsRefusedBeforeAnythingElse) {
    for (const ListPage page :
         {ListPage::AccountTitles, ListPage::PettyCashBooks, ListPage::BankBooks}) {
        prompter.clear();
        auto grid = lists();
        grid.changePage(page);
        grid.cellDoubleClick(1, 0);
        grid.cellDoubleClick(0, 0);  // the hidden column too
        EXPECT_EQ(prompter.notices(), QStringList(2, "確認してください。: 科目を選択してください"));
        EXPECT_EQ(beeper.beeps, 0);
    }
    EXPECT_TRUE(QDir(data.file("cldata")).isEmpty());
}

TEST_F(DescriptionListsTest, ADescriptionTheFileCannotHoldIsRefused) {
    putFixture("tekiya_written.dat", "tekiya1.dat");
    auto grid = lists();
    grid.pick(ListPage::AccountTitles, 0);
    const QString bad = QStringLiteral("カフェ☕代");
    prompter.answerText(bad);
    grid.cellDoubleClick(1, 0);
    EXPECT_EQ(prompter.notices(),
              QStringList{"確認してください。: " + *unsavableCharacterMessage(bad)});
    EXPECT_EQ(grid.grid().cell(1, 0), QStringLiteral("東京～大阪　新幹線"));
    EXPECT_EQ(readBytes(listFile("tekiya1.dat")), readBytes(fixture("entry/tekiya_written.dat")));
}

TEST_F(DescriptionListsTest, AFailedWriteIsToldAndTheOldListStays) {
    putFixture("tekiya_written.dat", "tekiya1.dat");
    auto grid = lists();
    grid.pick(ListPage::AccountTitles, 0);
    prompter.answerText(QStringLiteral("切手代（速達）"));
    {
        FileSizeLimit limit(32);
        grid.cellDoubleClick(1, 5);
    }
    ASSERT_EQ(prompter.notices().size(), 1);
    EXPECT_TRUE(prompter.notices()[0].startsWith(QStringLiteral("確認: ")));
    EXPECT_TRUE(prompter.notices()[0].contains(listFile("tekiya1.dat")));
    EXPECT_EQ(readBytes(listFile("tekiya1.dat")), readBytes(fixture("entry/tekiya_written.dat")));
    // The typed description is not lost: the next registration saves it too.
    EXPECT_EQ(grid.grid().cell(1, 5), QStringLiteral("切手代（速達）"));
    prompter.answerText(std::nullopt);
    grid.cellDoubleClick(1, 6);
    EXPECT_EQ(prompter.notices().size(), 1);
    DescriptionGrid reread;
    reread.load(listFile("tekiya1.dat"));
    EXPECT_EQ(reread.cell(1, 5), QStringLiteral("切手代（速達）"));
}

}  // namespace
