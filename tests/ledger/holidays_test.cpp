#include "ledger/holidays.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <ostream>
#include <vector>

#include "core/app_title.h"
#include "core/scripted_prompter.h"
#include "tests/support/temp_dir.h"

using namespace tallyrix;
using tallyrix::test::fixture;
using tallyrix::test::readBytes;
using tallyrix::test::writeBytes;

namespace {

class HolidaysTest : public ::testing::Test {
protected:
    HolidaysTest() { QDir().mkpath(dir.file(QStringLiteral("config"))); }

    QString listFile() const { return dir.file(QStringLiteral("config/SDAYLIST.DAT")); }

    test::TempDir dir;
    Folders folders{QString(), dir.path()};
    ScriptedPrompter prompter;
    Holidays holidays{prompter, folders};
};

TEST_F(HolidaysTest, MissingFileMeansNoHolidays) {
    holidays.load();
    EXPECT_EQ(holidays.lines().count(), 0);
    EXPECT_FALSE(holidays.isHoliday(1, 1));
    EXPECT_TRUE(prompter.records().empty());
    EXPECT_FALSE(QFileInfo::exists(listFile()));
}

TEST_F(HolidaysTest, GarbageFileLoadsAndOnlyExactTwoDigitPairsCount) {
    QFile::copy(fixture(QStringLiteral("ledger/sdaylist_garbage.dat")), listFile());
    holidays.load();
    EXPECT_TRUE(prompter.records().empty());
    EXPECT_EQ(holidays.lines().count(), 9);
    const struct {
        int month;
        int day;
        bool holiday;
    } cases[] = {
        {5, 5, true},    {12, 31, true},  // quoted fields follow the comma rule
        {7, 20, true},                    // last line without a line break
        {1, 1, false},                    // "1,1," and full-width digits are not "01,01,"
        {13, 40, false}, {0, 0, false},  {-1, 5, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(holidays.isHoliday(c.month, c.day), c.holiday) << c.month << "/" << c.day;
    }

    // Toggling one day keeps every other line, garbage included.
    prompter.answer(DialogResult::Yes);
    EXPECT_TRUE(holidays.toggle(7, 20));
    EXPECT_FALSE(holidays.isHoliday(7, 20));
    const QByteArray saved = readBytes(listFile());
    EXPECT_TRUE(saved.startsWith("05,05,\r\ngarbage line\r\n"));
    EXPECT_TRUE(saved.endsWith(
        "1,1,\r\n\r\n13,40,\r\n\"12\",\"31\",\r\n\x82\x4f\x82\x50,\x82\x4f\x82\x50,\r\n"));
    EXPECT_EQ(saved.count("\r\n"), 8);
}

struct ToggleCase {
    const char* name;
    QByteArray before;
    int month;
    int day;
    std::vector<DialogResult> answers;
    QStringList questions;
    QByteArray after;
    bool holidayAfter;
    bool changed;
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const ToggleCase& c, std::ostream* os) {
    *os << c.name;
}

class HolidaysToggle : public HolidaysTest, public ::testing::WithParamInterface<ToggleCase> {};

TEST_P(HolidaysToggle, AsksInOrderAndRewritesTheWholeFile) {
    const ToggleCase& c = GetParam();
    if (!c.before.isNull()) {
        writeBytes(listFile(), c.before);
    }
    holidays.load();
    for (DialogResult answer : c.answers) {
        prompter.answer(answer);
    }
    const bool changed = holidays.toggle(c.month, c.day);

    QStringList asked;
    for (const auto& r : prompter.records()) {
        ASSERT_EQ(r.kind, ScriptedPrompter::Kind::Task);
        EXPECT_EQ(r.title, applicationTitle());
        EXPECT_EQ(r.heading, QString());
        EXPECT_EQ(r.icon, TaskIcon::Question);
        EXPECT_EQ(r.buttons, (QStringList{"Yes", "No"}));
        asked.append(r.text);
    }
    EXPECT_EQ(asked, c.questions);
    EXPECT_EQ(prompter.pendingAnswers(), 0);
    EXPECT_EQ(readBytes(listFile()), c.after);
    EXPECT_EQ(holidays.isHoliday(c.month, c.day), c.holidayAfter);
    EXPECT_EQ(changed, c.changed);
}

const QString kAdd5May = QStringLiteral("05月05日を休日として再設定しますか？");
const QString kRemove5May = QStringLiteral("05月05日を平日として再設定しますか？");

INSTANTIATE_TEST_SUITE_P(
    Cases, HolidaysToggle,
    ::testing::Values(
        ToggleCase{"AddToMissingFile",
                   {},
                   5,
                   5,
                   {DialogResult::Yes},
                   {kAdd5May},
                   "05,05,\r\n",
                   true,
                   true},
        ToggleCase{
            "NoWritesTheEmptyList", {}, 5, 5, {DialogResult::No}, {kAdd5May}, "", false, false},
        ToggleCase{"ClosingCountsAsNo",
                   "01,01,\r\n",
                   5,
                   5,
                   {DialogResult::Cancel},
                   {kAdd5May},
                   "01,01,\r\n",
                   false,
                   false},
        ToggleCase{"TwoDigitFormOfLongerNumbers",
                   "01,01,\r\n",
                   11,
                   3,
                   {DialogResult::Yes},
                   {QStringLiteral("11月03日を休日として再設定しますか？")},
                   "01,01,\r\n11,03,\r\n",
                   true,
                   true},
        // The rewrite is visible in the line breaks: same lines, CR LF after each.
        ToggleCase{"NoKeepsTheHolidayAndRewritesIt",
                   "01,01,\n05,05,",
                   5,
                   5,
                   {DialogResult::No},
                   {kRemove5May},
                   "01,01,\r\n05,05,\r\n",
                   true,
                   false},
        ToggleCase{"YesRemovesTheFirstMatchOnly",
                   "05,05,\r\n01,01,\r\n05,05,\r\n",
                   5,
                   5,
                   {DialogResult::Yes},
                   {kRemove5May},
                   "01,01,\r\n05,05,\r\n",
                   true,
                   true},
        ToggleCase{"NoGoesOnToTheNextMatch",
                   "05,05,\r\n01,01,\r\n05,05,\r\n",
                   5,
                   5,
                   {DialogResult::No, DialogResult::Yes},
                   {kRemove5May, kRemove5May},
                   "05,05,\r\n01,01,\r\n",
                   true,
                   true},
        // Declining every match never turns into the adding question.
        ToggleCase{"NoToEveryMatchAddsNothing",
                   "05,05,\r\n05,05,\r\n",
                   5,
                   5,
                   {DialogResult::No, DialogResult::Cancel},
                   {kRemove5May, kRemove5May},
                   "05,05,\r\n05,05,\r\n",
                   true,
                   false},
        ToggleCase{"OneDigitLineDoesNotMatch",
                   "5,5,\r\n",
                   5,
                   5,
                   {DialogResult::Yes},
                   {kAdd5May},
                   "5,5,\r\n05,05,\r\n",
                   true,
                   true}),
    [](const ::testing::TestParamInfo<ToggleCase>& info) { return std::string(info.param.name); });

TEST_F(HolidaysTest, WriteErrorIsShownAndTheToggleIsKept) {
    holidays.load();
    QDir(dir.file(QStringLiteral("config"))).removeRecursively();

    prompter.answer(DialogResult::Yes);
    EXPECT_TRUE(holidays.toggle(5, 5));
    const QStringList notices = prompter.notices();
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].startsWith(QStringLiteral("確認: ")));
    EXPECT_TRUE(notices[0].contains(listFile()));
    EXPECT_TRUE(holidays.isHoliday(5, 5));

    // Once the folder is back, the next toggle writes both days.
    QDir().mkpath(dir.file(QStringLiteral("config")));
    prompter.answer(DialogResult::Yes);
    holidays.toggle(12, 31);
    EXPECT_EQ(readBytes(listFile()), QByteArray("05,05,\r\n12,31,\r\n"));
    EXPECT_EQ(prompter.notices().size(), 1);
}

TEST_F(HolidaysTest, UnreadableFileIsShownAndNothingIsOverwritten) {
    // A folder where the file should be can be neither read nor replaced.
    QDir().mkpath(listFile());
    holidays.load();
    EXPECT_EQ(prompter.notices().size(), 1);
    EXPECT_EQ(holidays.lines().count(), 0);

    prompter.answer(DialogResult::Yes);
    holidays.toggle(5, 5);
    EXPECT_EQ(prompter.notices().size(), 1);  // told once; the file is left alone
    EXPECT_TRUE(QFileInfo(listFile()).isDir());
    EXPECT_TRUE(holidays.isHoliday(5, 5));
}

}  // namespace
