#include "settings/settings_dialog_model.h"

#include <gtest/gtest.h>

#include <QFile>
#include <functional>

#include "core/app_title.h"
#include "core/cp932.h"
#include "core/scripted_prompter.h"
#include "tests/support/temp_dir.h"
#include "yearfile/workspace.h"
#include "yearfile/year_file.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

using Kind = ScriptedPrompter::Kind;

const QString kOrderFault = QStringLiteral("5月の締日設定：前月より前になっています");
const QString kHeaderQuestion = QStringLiteral("開始月、開始残高を変更していいですか？");

QByteArray fileOf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encodeCp932(line) + "\r\n";
    }
    return bytes;
}

// The dialog over the business year 2015 (start month 4, closing day 20, "7月"
// locked, opening balance 100000) with its own data folder.
class SettingsDialogTest : public ::testing::Test {
protected:
    SettingsDialogTest() {
        parseYearFile(fixture("yearfile/business_2015.exv"), ws, QDate(2015, 5, 10));
        yearBefore = serialiseYear(ws).toStringList();
    }

    Folders folders() const { return Folders{data.path(), data.path()}; }
    QString conf() const { return data.file("tallyrix.conf"); }
    void putConf(const QString& fixtureName) {
        writeBytes(conf(), readBytes(fixture("settings/" + fixtureName)));
    }
    SettingsDialogModel open() { return SettingsDialogModel(ws, folders(), prompter); }

    // Nothing of the open year changed and the file was not written.
    void expectNothingApplied(const SettingsDialogModel& dialog) {
        EXPECT_EQ(serialiseYear(ws).toStringList(), yearBefore);
        EXPECT_FALSE(ws.modified);
        EXPECT_FALSE(dialog.applied());
        EXPECT_FALSE(dialog.closed());
        EXPECT_FALSE(QFile::exists(conf()));
    }

    QStringList questions() const {
        QStringList texts;
        for (const auto& r : prompter.records()) {
            if (r.kind == Kind::Task) {
                texts.append(r.text);
            }
        }
        return texts;
    }

    TempDir data;
    Workspace ws;
    ScriptedPrompter prompter;
    QStringList yearBefore;
};

QString rowText(const PeriodRow& row) {
    return QStringLiteral("%1 %2-%3%4")
        .arg(row.caption, row.start.toString(Qt::ISODate), row.end.toString(Qt::ISODate),
             row.locked ? QStringLiteral(" L") : QString());
}

TEST_F(SettingsDialogTest, OpensWithTheYearAndTheFileAsTheyStand) {
    putConf("tallyrix_kept.conf");
    auto dialog = open();

    EXPECT_EQ(dialog.windowTitle(), applicationTitle());
    EXPECT_EQ(dialog.usageType(), 1);  // [OPTION1]=2 does not decide it
    EXPECT_EQ(dialog.startOption(), 2);
    EXPECT_TRUE(dialog.startDataFileEnabled());
    EXPECT_EQ(dialog.startDataFile(), QStringLiteral(" /home/keiri/帳簿/2015年度.exv "));
    EXPECT_EQ(dialog.companyName(), QStringLiteral("株式会社　タリー－商店 A=B"));
    EXPECT_TRUE(dialog.negativeInRed());
    EXPECT_EQ(dialog.fontTypeIndex(), 1);
    EXPECT_EQ(dialog.fontSizeIndex(), 3);  // the later "12"; "13" is no choice
    EXPECT_EQ(dialog.checkedStartMonth(), 4);
    EXPECT_EQ(dialog.startYear(), 2015);
    EXPECT_EQ(dialog.openingBalance(), Amount::fromYen(100000));

    const auto rows = dialog.rows();
    EXPECT_EQ(rowText(rows[0]), "4月度 2015-03-21-2015-04-20");
    EXPECT_EQ(rowText(rows[3]), "7月度 2015-06-21-2015-07-20 L");
    EXPECT_EQ(rowText(rows[11]), "3月度 2016-02-21-2016-03-20");
}

TEST_F(SettingsDialogTest, WithoutASettingsFileTheDefaultsShow) {
    auto dialog = open();
    EXPECT_EQ(dialog.startOption(), 1);
    EXPECT_FALSE(dialog.startDataFileEnabled());
    EXPECT_EQ(dialog.startDataFile(), QString());
    EXPECT_EQ(dialog.companyName(), QString());
    EXPECT_FALSE(dialog.negativeInRed());
    EXPECT_EQ(SettingsDialogModel::fontTypeChoices()[dialog.fontTypeIndex()], "ゴシック体");
    EXPECT_EQ(SettingsDialogModel::fontSizeChoices()[dialog.fontSizeIndex()], "10pt");
}

TEST_F(SettingsDialogTest, StartMonthClickReordersRowsIntoCalendarMonths) {
    auto dialog = open();
    dialog.startMonthClick(10);

    QStringList captions;
    for (const PeriodRow& row : dialog.rows()) {
        captions.append(row.caption);
        const int year = row.period >= 10 ? 2015 : 2016;
        EXPECT_EQ(row.start, QDate(year, row.period, 1)) << row.caption.toStdString();
        EXPECT_EQ(row.end, QDate(year, row.period, 1).addMonths(1).addDays(-1))
            << row.caption.toStdString();
        EXPECT_EQ(row.locked, row.period == 7);
    }
    EXPECT_EQ(captions, QStringList({"10月度", "11月度", "12月度", "1月度", "2月度", "3月度",
                                     "4月度", "5月度", "6月度", "7月度", "8月度", "9月度"}));
    const QStringList order = dialog.tabOrder();
    EXPECT_EQ(order.mid(0, 4),
              QStringList({"periodStart10", "periodEnd10", "periodStart11", "periodEnd11"}));
    EXPECT_EQ(order.mid(22, 4),
              QStringList({"periodStart9", "periodEnd9", "periodLock10", "periodLock11"}));
    EXPECT_EQ(dialog.checkedStartMonth(), 10);
    EXPECT_TRUE(prompter.records().empty());  // no question
    EXPECT_EQ(serialiseYear(ws).toStringList(), yearBefore);

    // The shown year, not the open year's, is used.
    ASSERT_TRUE(dialog.setStartYear(2020));
    dialog.startMonthClick(1);
    EXPECT_EQ(rowText(dialog.rows()[11]), "12月度 2020-12-01-2020-12-31");
}

TEST_F(SettingsDialogTest, NumberBoxesTakeOnlyTheirDigits) {
    auto dialog = open();
    EXPECT_FALSE(dialog.setStartYear(0));
    EXPECT_FALSE(dialog.setStartYear(10000));
    EXPECT_EQ(dialog.startYear(), 2015);
    EXPECT_FALSE(dialog.setOpeningBalance(Amount::fromYen(-1)));
    EXPECT_FALSE(dialog.setOpeningBalance(Amount::fromYen(1'000'000'000)));
    EXPECT_EQ(dialog.openingBalance(), Amount::fromYen(100000));
    EXPECT_TRUE(dialog.setOpeningBalance(Amount::fromYen(999'999'999)));
}

TEST_F(SettingsDialogTest, StartYearOutsideItsRangeIsRefused) {
    const struct {
        int year;
        const char* notice;
    } cases[] = {
        {1899, "開始年度が小さすぎます。"},
        {2101, "開始年度が大きすぎます。"},
    };
    for (const auto& c : cases) {
        prompter.clear();
        auto dialog = open();
        ASSERT_TRUE(dialog.setStartYear(c.year));
        dialog.setOpeningBalance(Amount::fromYen(5000));  // would ask; the year comes first
        dialog.apply();
        EXPECT_EQ(prompter.notices(),
                  QStringList{QStringLiteral("確認してください。: ") + c.notice});
        EXPECT_EQ(prompter.records().size(), 1u);
        expectNothingApplied(dialog);
    }
}

TEST_F(SettingsDialogTest, PeriodStartingBeforeThePreviousEndsIsRefused) {
    auto dialog = open();
    dialog.setPeriodStart(5, QDate(2015, 4, 15));  // "4月" ends 2015/04/20
    dialog.setPeriodLocked(8, true);
    dialog.apply();
    EXPECT_EQ(prompter.notices(), QStringList{"確認してください。: " + kOrderFault});
    EXPECT_TRUE(questions().isEmpty());
    expectNothingApplied(dialog);
    // The user's input stays for a correction.
    EXPECT_EQ(dialog.rows()[1].start, QDate(2015, 4, 15));
    EXPECT_TRUE(dialog.rows()[4].locked);
}

// The spans are checked before the header question, the period order after it.
TEST_F(SettingsDialogTest, HeaderQuestionSitsBetweenSpanAndOrderChecks) {
    const struct {
        const char* name;
        std::function<void(SettingsDialogModel&)> fault;
        std::optional<DialogResult> answer;
        QStringList records;
    } cases[] = {
        {"span fault: no question",
         [](SettingsDialogModel& d) { d.setPeriodEnd(4, QDate(2016, 5, 1)); },
         std::nullopt,
         {"確認してください。 1年以上の期間が設定されています。\r\n2015/03/21～2016/05/01"}},
        {"order fault, declined",
         [](SettingsDialogModel& d) { d.setPeriodStart(5, QDate(2015, 4, 15)); },
         DialogResult::No,
         {kHeaderQuestion}},
        {"order fault, accepted",
         [](SettingsDialogModel& d) { d.setPeriodStart(5, QDate(2015, 4, 15)); },
         DialogResult::Yes,
         {kHeaderQuestion, "確認してください。 " + kOrderFault}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prompter.clear();
        if (c.answer) {
            prompter.answer(*c.answer);
        }
        auto dialog = open();
        dialog.setOpeningBalance(Amount::fromYen(120000));
        c.fault(dialog);
        dialog.apply();
        QStringList records;
        for (const auto& r : prompter.records()) {
            records.append(r.kind == Kind::Task ? r.text : r.heading + " " + r.text);
        }
        EXPECT_EQ(records, c.records);
        EXPECT_EQ(prompter.pendingAnswers(), 0);
        expectNothingApplied(dialog);
    }
}

TEST_F(SettingsDialogTest, UnchangedHeaderAsksNothingAndApplies) {
    auto dialog = open();
    // A fraction is cut off; in whole yen the balance is unchanged.
    ASSERT_TRUE(dialog.setOpeningBalance(Amount::fromUnits(100000 * Amount::kScale + 9000)));
    dialog.setPeriodLocked(8, true);
    dialog.setPeriodLocked(7, false);
    dialog.setPeriodEnd(3, QDate(2016, 3, 19));
    dialog.apply();

    EXPECT_TRUE(questions().isEmpty());
    EXPECT_EQ(prompter.notices(),
              QStringList{"現金出納帳-Tallyrix Version6: 環境設定を登録しました。"});
    EXPECT_TRUE(dialog.closed());
    EXPECT_TRUE(dialog.applied());
    EXPECT_TRUE(ws.modified);
    EXPECT_EQ(ws.periods.openingBalance, Amount::fromYen(100000));
    EXPECT_EQ(ws.periods[8].lock, 1);
    EXPECT_EQ(ws.periods[7].lock, 0);
    EXPECT_EQ(ws.periods[3].end, QDate(2016, 3, 19));
    EXPECT_EQ(ws.periods.startMonth, 4);
    EXPECT_EQ(ws.periods.startYear, 2015);
    EXPECT_TRUE(QFile::exists(conf()));
}

TEST_F(SettingsDialogTest, ChangedHeaderIsAskedAndOnlyYesApplies) {
    const struct {
        const char* name;
        std::function<void(SettingsDialogModel&)> change;
    } changes[] = {
        {"start month", [](SettingsDialogModel& d) { d.startMonthClick(10); }},
        {"opening balance",
         [](SettingsDialogModel& d) { d.setOpeningBalance(Amount::fromYen(100001)); }},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.name);
        prompter.clear();
        prompter.answer(DialogResult::No);
        auto declined = open();
        c.change(declined);
        declined.apply();
        ASSERT_EQ(prompter.records().size(), 1u);
        const auto& question = prompter.records()[0];
        EXPECT_EQ(question.kind, Kind::Task);
        EXPECT_EQ(question.title, applicationTitle());
        EXPECT_EQ(question.heading, applicationTitle());
        EXPECT_EQ(question.buttons, QStringList({"Yes", "No"}));
        EXPECT_EQ(question.icon, TaskIcon::Question);
        EXPECT_EQ(question.text, kHeaderQuestion);
        expectNothingApplied(declined);
    }

    prompter.answer(DialogResult::Yes);
    auto dialog = open();
    dialog.startMonthClick(10);
    dialog.setOpeningBalance(Amount::fromYen(250000));
    dialog.apply();
    EXPECT_TRUE(dialog.closed());
    EXPECT_EQ(ws.periods.startMonth, 10);
    EXPECT_EQ(ws.periods.openingBalance, Amount::fromYen(250000));
    EXPECT_EQ(ws.periods[10].start, QDate(2015, 10, 1));
    EXPECT_EQ(ws.periods[9].end, QDate(2016, 9, 30));
    EXPECT_TRUE(ws.modified);
}

TEST_F(SettingsDialogTest, WritesTheSettingsFileWholeInItsOrder) {
    const struct {
        const char* name;
        const char* input;
        std::function<void(SettingsDialogModel&)> edit;
        QByteArray expected;
    } cases[] = {
        {"hidden values kept, texts untrimmed", "tallyrix_kept.conf", [](SettingsDialogModel&) {},
         readBytes(fixture("settings/tallyrix_kept_written.conf"))},
        {"no file: the defaults", nullptr, [](SettingsDialogModel&) {},
         "[FILE_DIR]=\r\n[COMPANY_NAME]=\r\n[OPTION2]=FALSE\r\n[OPTION3]=1\r\n"
         "[FONT_SIZE]=10\r\n[Start_Opt_1]=1\r\n"},
        {"edited", "tallyrix_kept.conf",
         [](SettingsDialogModel& d) {
             d.setCompanyName("有限会社　～テスト～");
             d.setNegativeInRed(false);
             d.setStartOption(1);
         },
         fileOf({"[FILE_DIR]= /home/keiri/帳簿/2015年度.exv ",
                 "[COMPANY_NAME]=有限会社　～テスト～", "[OPTION2]=FALSE", "[OPTION3]=2",
                 "[FONT_SIZE]=12", "[Start_Opt_1]=1"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(conf());
        if (c.input) {
            putConf(c.input);
        }
        auto dialog = open();
        c.edit(dialog);
        dialog.apply();
        ASSERT_TRUE(dialog.closed());
        EXPECT_EQ(readBytes(conf()), c.expected);
    }
}

TEST_F(SettingsDialogTest, UnwritableSettingsFileKeepsTheDialogOpen) {
    SettingsDialogModel dialog(ws, Folders{data.path(), data.file("gone")}, prompter);
    dialog.setPeriodLocked(8, true);
    dialog.apply();
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(prompter.records()[0].heading, QStringLiteral("確認"));
    EXPECT_TRUE(prompter.records()[0].text.contains(data.file("gone")));
    EXPECT_EQ(serialiseYear(ws).toStringList(), yearBefore);
    EXPECT_FALSE(ws.modified);
    EXPECT_FALSE(dialog.closed());
    dialog.close();
    EXPECT_TRUE(dialog.closed());
    EXPECT_FALSE(dialog.applied());
}

TEST_F(SettingsDialogTest, TextTheFileCannotHoldIsRefused) {
    putConf("tallyrix_kept.conf");
    const QByteArray before = readBytes(conf());
    auto dialog = open();
    dialog.setCompanyName(QStringLiteral("商店😀"));
    dialog.apply();
    EXPECT_EQ(prompter.notices(), QStringList{"確認してください。: 「😀」は保存できない文字です。"
                                              "別の文字に置き換えてください。"});
    EXPECT_EQ(readBytes(conf()), before);
    EXPECT_EQ(serialiseYear(ws).toStringList(), yearBefore);
    EXPECT_FALSE(dialog.closed());
}

TEST_F(SettingsDialogTest, StartUpChoiceEnablesTheStartDataFile) {
    putConf("tallyrix_kept.conf");
    auto dialog = open();
    dialog.setStartOption(1);
    EXPECT_FALSE(dialog.startDataFileEnabled());
    dialog.chooseStartDataFile();
    dialog.setStartDataFile("/elsewhere.exv");
    EXPECT_TRUE(prompter.records().empty());
    EXPECT_EQ(dialog.startDataFile(), QStringLiteral(" /home/keiri/帳簿/2015年度.exv "));

    dialog.setStartOption(2);
    ASSERT_TRUE(dialog.startDataFileEnabled());
    prompter.answerText(QStringLiteral("/home/keiri/2016年度.exv"));
    dialog.chooseStartDataFile();
    ASSERT_EQ(prompter.records().size(), 1u);
    const auto& request = prompter.records()[0].file;
    EXPECT_EQ(prompter.records()[0].kind, Kind::OpenFile);
    EXPECT_EQ(request.filter, QStringLiteral("現金出納帳-Tallyrix Version6(*.exv)|*.exv"));
    EXPECT_EQ(request.defaultExt, QStringLiteral("exv"));
    EXPECT_EQ(dialog.startDataFile(), QStringLiteral("/home/keiri/2016年度.exv"));

    prompter.answerText(std::nullopt);  // cancelled: the box keeps its path
    dialog.chooseStartDataFile();
    EXPECT_EQ(dialog.startDataFile(), QStringLiteral("/home/keiri/2016年度.exv"));
}

TEST_F(SettingsDialogTest, MonthEndAutoSetRunsOnlyOnYes) {
    auto dialog = open();
    prompter.answer(DialogResult::No);
    dialog.autoSetMonthEnds();
    EXPECT_EQ(rowText(dialog.rows()[0]), "4月度 2015-03-21-2015-04-20");

    prompter.answer(DialogResult::Yes);
    dialog.autoSetMonthEnds();
    EXPECT_EQ(questions(),
              QStringList({"月末締に自動設定をしますか？", "月末締に自動設定をしますか？"}));
    EXPECT_EQ(rowText(dialog.rows()[0]), "4月度 2015-04-01-2015-04-30");
    EXPECT_EQ(rowText(dialog.rows()[11]), "3月度 2016-03-01-2016-03-31");
    EXPECT_EQ(serialiseYear(ws).toStringList(), yearBefore);
}

TEST_F(SettingsDialogTest, ClosingDayAutoSetFollowsTheStartMonth) {
    auto dialog = open();
    dialog.setPeriodStart(4, QDate(2015, 3, 26));
    dialog.setPeriodEnd(4, QDate(2015, 4, 25));
    prompter.answer(DialogResult::Yes);
    dialog.autoSetFromClosingDay();
    EXPECT_EQ(questions(), QStringList{"開始月を基準に自動設定をしますか？"});
    EXPECT_EQ(rowText(dialog.rows()[1]), "5月度 2015-04-26-2015-05-25");
    EXPECT_EQ(rowText(dialog.rows()[11]), "3月度 2016-02-26-2016-03-25");
    EXPECT_TRUE(prompter.notices().isEmpty());

    // A closing day of the 28th is refused and the rows stay as they were.
    dialog.setPeriodEnd(4, QDate(2015, 4, 28));
    prompter.answer(DialogResult::Yes);
    dialog.autoSetFromClosingDay();
    EXPECT_EQ(prompter.notices(),
              QStringList{"現金出納帳-Tallyrix Version6: 28日以降の場合は自動設定できません。"
                          "各月をクリックして設定して下さい"});
    EXPECT_EQ(rowText(dialog.rows()[1]), "5月度 2015-04-26-2015-05-25");
}

// The window of the test: runs the script on the shown dialog.
class ScriptedSettingsView : public SettingsDialogView {
public:
    void showSettingsDialog(SettingsDialogModel& dialog) override {
        ++shown;
        if (script) {
            script(dialog);
        }
    }
    int shown = 0;
    std::function<void(SettingsDialogModel&)> script;
};

TEST_F(SettingsDialogTest, UsageChangeRenamesTheMainBookInEveryLine) {
    ScriptedSettingsView view;
    view.script = [](SettingsDialogModel& d) {
        d.setUsageType(2);
        d.apply();
    };
    ASSERT_TRUE(runSettingsDialog(ws, QString(), folders(), prompter, view));

    EXPECT_EQ(view.shown, 1);
    EXPECT_EQ(ws.usageType(), 2);
    EXPECT_EQ(ws.mainTitle(), QStringLiteral("おこづかい帳"));
    EXPECT_TRUE(ws.modified);
    const QStringList lines = ws.entries.lines();
    EXPECT_EQ(
        lines[0],
        "d04=,2015/04/01,1,売上,現金売上,50000,0,150000,現金,おこづかい帳,現金,おこづかい帳,");
    EXPECT_EQ(
        lines[1],
        "d04=,2015/04/10,2,小口現金,小口へ補充,0,10000,140000,現金,おこづかい帳,小口,営業部,");
    // Lines of other books stay byte-exact.
    EXPECT_EQ(lines[3],
              "d05=,2015/04/25,4,消耗品費,文具～事務用品,0,800,14200,小口,営業部,小口,営業部,");
    EXPECT_TRUE(lines.filter(QStringLiteral("現金出納帳")).isEmpty());
}

TEST_F(SettingsDialogTest, ClosingWithoutApplyingLeavesTheYear) {
    ScriptedSettingsView view;
    view.script = [](SettingsDialogModel& d) {
        d.setUsageType(2);
        d.startMonthClick(1);
        d.close();
    };
    ASSERT_TRUE(runSettingsDialog(ws, QString(), folders(), prompter, view));
    EXPECT_EQ(serialiseYear(ws).toStringList(), yearBefore);
    EXPECT_FALSE(ws.modified);
    EXPECT_TRUE(prompter.records().empty());
    EXPECT_FALSE(QFile::exists(conf()));
}

TEST_F(SettingsDialogTest, RefusedWhileAnAccountTitleSearchIsActive) {
    ScriptedSettingsView view;
    EXPECT_FALSE(runSettingsDialog(ws, QStringLiteral("売上"), folders(), prompter, view));
    EXPECT_EQ(view.shown, 0);
    EXPECT_EQ(prompter.notices(), QStringList{"確認: 科目検索指定時は環境設定の変更はできません"});
}

TEST_F(SettingsDialogTest, AlignmentFollowsTheUsageInEffect) {
    const QStringList original = ws.entries.lines();
    ws.periods.usageType = 2;
    ASSERT_EQ(alignMainBookNames(ws), 6);
    EXPECT_EQ(alignMainBookNames(ws), 0);
    ws.periods.usageType = 1;
    EXPECT_EQ(alignMainBookNames(ws), 6);
    EXPECT_EQ(ws.entries.lines(), original);
    EXPECT_FALSE(ws.modified);  // the dialog's apply marks the year, not the alignment
    // A usage type the file held out of range aligns nothing until one is chosen.
    ws.periods.usageType = 2;
    ws.periods.asRead.usageType = 0;
    EXPECT_EQ(alignMainBookNames(ws), 0);
    EXPECT_EQ(ws.entries.lines(), original);
}

}  // namespace
