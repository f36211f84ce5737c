#include <gtest/gtest.h>

#include "print/report_kind.h"
#include "print/style_file_name.h"

using namespace tallyrix;

namespace {

TEST(StyleFileName, FollowsTheReportAndTheChoices) {
    const struct {
        int kind;
        StyleChoices choices;  // paper, font, column, colour
        const char* name;
    } cases[] = {
        {2, {0, 0, 0, 0}, "A4現金出納帳_月分1_ゴシックG.sle"},
        {2, {0, 1, 1, 3}, "A4現金出納帳_月分2_明朝.sle"},
        {3, {0, 0, 1, 1}, "A4現金出納帳_科目指定_ゴシックB.sle"},
        {7, {0, 1, 0, 2}, "A4経費明細帳_月分1_明朝P.sle"},
        {8, {0, 0, 0, 0}, "A4経費明細帳_科目指定_ゴシックG.sle"},
        {10, {0, 0, 0, 0}, "A4銀行勘定帳_科目指定_ゴシックG.sle"},
        // The forms have one style whatever the font and colour.
        {2, {1, 1, 1, 2}, "コクヨ金銭出納帳_リ-101.sle"},
        {8, {2, 0, 0, 0}, "コクヨ経費明細帳_リ-113.sle"},
        {9, {1, 1, 0, 3}, "コクヨ銀行勘定帳_リ-108.sle"},
        {10, {2, 0, 0, 0}, "コクヨ経費明細帳_リ-113.sle"},
        {5, {0, 0, 0, 0}, "A4月別一覧表_科目_ゴシックG.slf"},
        {6, {1, 0, 0, 2}, "B4月別一覧表_摘要_ゴシックP.slf"},
        {6, {1, 1, 0, 3}, "B4月別一覧表_摘要_明朝.slf"},
        {20, {0, 1, 1, 1}, "入出金集計表.sle"},
        {30, {}, "月別帳簿別残高一覧表.sle"},
        {40, {}, "入出金集計グラフ.sle"},
        {4, {}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(styleFileName(c.kind, c.choices), QString::fromUtf8(c.name)) << c.kind;
    }
}

TEST(ReportKind, FilesPapersAndRuns) {
    EXPECT_EQ(reportSettingsFile(3), QStringLiteral("config/note2.conf"));
    EXPECT_EQ(reportSettingsFile(6), QStringLiteral("config/table1.conf"));
    EXPECT_EQ(reportSettingsFile(40), QStringLiteral("config/total3.conf"));
    EXPECT_EQ(printerSettingsFile(2, 1), QStringLiteral("config/2-1.conf"));
    EXPECT_EQ(paperChoices(10), (QStringList{"A4用紙", "コクヨ勘定帳", "コクヨ経費帳"}));
    EXPECT_EQ(paperChoices(5), (QStringList{"A4", "B4"}));
    EXPECT_EQ(paperChoices(30), QStringList{"A4"});
    const struct {
        int kind;
        PrintRun run;
    } runs[] = {{2, PrintRun::Months},     {9, PrintRun::Months},   {10, PrintRun::Current},
                {6, PrintRun::Current},    {30, PrintRun::Current}, {20, PrintRun::SinglePage},
                {40, PrintRun::SinglePage}};
    for (const auto& r : runs) {
        EXPECT_EQ(printRunOf(r.kind), r.run) << r.kind;
    }
    EXPECT_EQ(ledgerReportOf(QStringLiteral("全帳簿"), false), 2);
    EXPECT_EQ(ledgerReportOf(QStringLiteral("小口"), true), 8);
    EXPECT_EQ(ledgerReportOf(QStringLiteral("預金"), true), 10);
}

}  // namespace
