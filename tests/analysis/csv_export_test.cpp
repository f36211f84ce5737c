#include "analysis/csv_export.h"

#include <gtest/gtest.h>

#include "analysis/monthly_table.h"
#include "core/cp932.h"
#include "core/scripted_prompter.h"
#include "ledger/balances.h"
#include "ledger/view_state.h"
#include "tests/analysis/analysis_fixture.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

const BookRef kCash{"現金", "現金出納帳"};
const BookRef kBank{"預金", "みずほ銀行"};
const BookRef kPetty{"小口", "営業部"};

struct LedgerCase {
    const char* name;
    BookRef book;
    QString accountFilter;
    bool allBooks;
    QStringList lines;
};

class LedgerCsvLines : public ::testing::TestWithParam<LedgerCase> {};

TEST_P(LedgerCsvLines, SeenFromTheCurrentBook) {
    const LedgerCase& c = GetParam();
    const Workspace ws = analysisYear(QStringLiteral("table_2015.exv"));
    LedgerCsvOptions options;
    options.currentBook = c.book;
    options.accountFilter = c.accountFilter;
    options.allBooks = c.allBooks;
    EXPECT_EQ(ledgerCsvLines(ws.entries, options), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    TableYear, LedgerCsvLines,
    ::testing::Values(
        LedgerCase{"CashBook",
                   kCash,
                   {},
                   false,
                   {"現金,現金出納帳,現金,現金出納帳,2015/04/01,売上,現金売上,50000,0,",
                    "現金,現金出納帳,現金,現金出納帳,2015/04/03,Web広告,バナー広告,0,3000,",
                    "現金,現金出納帳,小口,営業部,2015/04/10,小口,小口へ補充　《営業部》,0,10000,",
                    "現金,現金出納帳,預金,みずほ銀行,2015/05/01,預金,預け入れ　《みずほ銀行》,0,"
                    "30000,",
                    "現金,現金出納帳,現金,現金出納帳,2015/05/08,WEB広告,検索広告,0,2000,",
                    "現金,現金出納帳,預金,みずほ銀行,2015/06/25,預金,引き出し　《みずほ銀行》,"
                    "20000,0,",
                    "現金,現金出納帳,現金,現金出納帳,2015/07/03,通信費,電話代①,0,5000,",
                    "現金,現金出納帳,現金,現金出納帳,2015/07/04,コピー代,複合機,0,1200,",
                    "現金,現金出納帳,現金,現金出納帳,2015/07/05,こぴー代,手書き,0,300,",
                    "現金,現金出納帳,現金,現金出納帳,2015/12/10,雑費,,0,0,",
                    "現金,現金出納帳,現金,現金出納帳,2016/03/31,売上,現金売上,1234,0,"}},
        LedgerCase{"BankBook",
                   kBank,
                   {},
                   false,
                   {"現金,現金出納帳,預金,みずほ銀行,2015/05/01,現金,預け入れ　《現金出納帳》,"
                    "30000,0,",
                    "預金,みずほ銀行,預金,みずほ銀行,2015/05/20,売上,振込入金,120000,0,",
                    "現金,現金出納帳,預金,みずほ銀行,2015/06/25,現金,引き出し　《現金出納帳》,0,"
                    "20000,",
                    "預金,みずほ銀行,預金,みずほ銀行,2016/03/15,受取利息,利息,12,0,"}},
        LedgerCase{"PettyCashBook",
                   kPetty,
                   {},
                   false,
                   {"現金,現金出納帳,小口,営業部,2015/04/10,現金,小口へ補充　《現金出納帳》,"
                    "10000,0,",
                    "小口,営業部,小口,営業部,2015/04/15,消耗品費,文具～事務用品,0,800,"}},
        // The title search keeps both sides of the transfers named 預金.
        LedgerCase{"BankBookTitleSearch",
                   kBank,
                   "預金",
                   false,
                   {"現金,現金出納帳,預金,みずほ銀行,2015/05/01,現金,預け入れ　《現金出納帳》,"
                    "30000,0,",
                    "現金,現金出納帳,預金,みずほ銀行,2015/06/25,現金,引き出し　《現金出納帳》,0,"
                    "20000,"}},
        LedgerCase{"AllBooksAsStored",
                   allBooks(),
                   "小口現金",
                   true,
                   {"現金,現金出納帳,小口,営業部,2015/04/10,小口現金,小口へ補充,0,10000,"}}),
    [](const ::testing::TestParamInfo<LedgerCase>& info) { return info.param.name; });

TEST(LedgerCsv, ATransferBetweenTwoBankBooksNamesTheOtherBook) {
    const Workspace ws =
        yearOfLines({"d05=,2015/05/03,1,預金,振替,0,5000,,預金,みずほ銀行,預金,ゆうちょ銀行,"});
    LedgerCsvOptions options;
    options.currentBook = kBank;
    EXPECT_EQ(
        ledgerCsvLines(ws.entries, options),
        QStringList{"預金,みずほ銀行,預金,ゆうちょ銀行,2015/05/03,預金,振替　《ゆうちょ銀行》,0,"
                    "5000,"});
    options.currentBook = {"預金", "ゆうちょ銀行"};
    EXPECT_EQ(ledgerCsvLines(ws.entries, options),
              QStringList{"預金,みずほ銀行,預金,ゆうちょ銀行,2015/05/03,預金,振替　《みずほ銀行》,"
                          "5000,0,"});
}

TEST(LedgerCsv, HeadingAndBalances) {
    Workspace ws = analysisYear(QStringLiteral("only_expense.exv"));
    computeBookBalances(ws, ws.mainBook(), 4);
    LedgerCsvOptions options;
    options.currentBook = kCash;
    options.headingLine = true;
    options.balances = true;
    EXPECT_EQ(
        ledgerCsvLines(ws.entries, options),
        (QStringList{"種別,帳簿名,相手種別,相手帳簿名,日　付,科　目,摘　要,収　入,支　出,差引残高,",
                     "現金,現金出納帳,現金,現金出納帳,2015/04/05,消耗品費,コピー用紙,0,1234,-1234,",
                     "現金,現金出納帳,現金,現金出納帳,2015/06/12,通信費,切手代,0,840,-2074,"}));
}

class CsvExportTest : public ::testing::Test {
protected:
    QStringList questions() const {
        QStringList texts;
        for (const ScriptedPrompter::Record& r : prompter.records()) {
            if (r.kind == ScriptedPrompter::Kind::Task) {
                texts.append(r.title + "|" + r.heading + "|" + r.text);
            }
        }
        return texts;
    }

    TempDir dir;
    ScriptedPrompter prompter;
    CsvExport csv{prompter};
    Workspace ws = analysisYear(QStringLiteral("table_2015.exv"));
    ViewState state;
};

TEST_F(CsvExportTest, TheLedgerExportAsksForTheFileThenBalancesThenTheHeading) {
    const QString path = dir.file("ledger.csv");
    prompter.answerText(path).answer(DialogResult::No).answer(DialogResult::Yes);
    csv.exportLedger(ws.entries, kPetty, state, dir.path());

    const ScriptedPrompter::Record& dialog = prompter.records().front();
    EXPECT_EQ(dialog.kind, ScriptedPrompter::Kind::SaveFile);
    EXPECT_EQ(dialog.file.filter, "CSVファイル|*.csv");
    EXPECT_EQ(dialog.file.defaultExt, "csv");
    EXPECT_EQ(dialog.file.fileName, "");
    EXPECT_EQ(dialog.file.initialDir, dir.path());
    EXPECT_TRUE(dialog.file.overwritePrompt);
    const QString title = "Tallyrix6-Tallyrix Version6";
    EXPECT_EQ(questions(), (QStringList{title + "|" + title + "|明細毎の残高を入れますか？",
                                        title + "|" + title + "|タイトルを入れますか？",
                                        "確認||CSVファイルへ出力しました。"}));
    EXPECT_EQ(readBytes(path),
              encodeCp932("種別,帳簿名,相手種別,相手帳簿名,日　付,科　目,摘　要,収　入,支　出,\r\n"
                          "現金,現金出納帳,小口,営業部,2015/04/10,現金,小口へ補充　《現金出納帳》,"
                          "10000,0,\r\n"
                          "小口,営業部,小口,営業部,2015/04/15,消耗品費,文具～事務用品,0,800,\r\n"));
}

TEST_F(CsvExportTest, NoBalanceQuestionWithATitleSearchOrAllBooks) {
    for (const auto& [filter, all] :
         {std::pair{QString("預金"), false}, std::pair{QString(), true}}) {
        prompter.clear();
        state.accountFilter = filter;
        state.allBooksMode = all;
        prompter.answerText(dir.file("x.csv")).answer(DialogResult::No);
        csv.exportLedger(ws.entries, kCash, state, dir.path());
        EXPECT_EQ(questions().size(), 2) << filter;
        EXPECT_TRUE(questions().front().endsWith("タイトルを入れますか？"));
        EXPECT_EQ(prompter.pendingAnswers(), 0);
    }
}

TEST_F(CsvExportTest, CancellingTheDialogWritesNothingAndAsksNothing) {
    prompter.answerText(std::nullopt);
    csv.exportLedger(ws.entries, kCash, state, dir.path());
    MonthlyTable table;
    prompter.answerText(std::nullopt);
    csv.exportTable(table, dir.path());
    EXPECT_EQ(prompter.records().size(), 2);
    EXPECT_TRUE(questions().isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(CsvExportTest, AFileThatCannotBeWrittenIsToldAndTheOldOneStays) {
    const QString path = dir.file("old.csv");
    writeBytes(path, "old\r\n");
    prompter.answerText(path).answer(DialogResult::Yes).answer(DialogResult::Yes);
    {
        FileSizeLimit diskFull(64);
        csv.exportLedger(ws.entries, kCash, state, dir.path());
    }
    ASSERT_EQ(prompter.notices().size(), 1);
    EXPECT_TRUE(prompter.notices().front().contains(path));
    EXPECT_FALSE(questions().last().contains("CSVファイルへ出力しました。"));
    EXPECT_EQ(readBytes(path), "old\r\n");
}

TEST_F(CsvExportTest, TheTableExportOffersTheLastFileNameAgain) {
    MonthlyTable table;
    const Workspace expense = analysisYear(QStringLiteral("only_expense.exv"));
    table.compute(expense.entries, expense.periods, allBooksItem(), TableLevel::Accounts, {});
    prompter.answerText(dir.file("first.csv")).answer(DialogResult::No).answer(DialogResult::No);
    csv.exportLedger(ws.entries, kCash, state, dir.path());
    prompter.clear();
    prompter.answerText(dir.file("table.csv")).answer(DialogResult::No);
    csv.exportTable(table, dir.path());
    EXPECT_EQ(prompter.records().front().file.fileName, "first.csv");
    EXPECT_EQ(questions().size(), 2);
    const QByteArray bytes = readBytes(dir.file("table.csv"));
    EXPECT_TRUE(bytes.startsWith(encodeCp932("■支出の部\r\n消耗品費,1234,0,0,")));
    EXPECT_EQ(csv.lastFileName(), "table.csv");
}

TEST(TableCsv, TheDescriptionLevelEndsWithItsLastTotalRow) {
    const Workspace ws = analysisYear(QStringLiteral("table_2015.exv"));
    MonthlyTable table;
    table.compute(ws.entries, ws.periods, {"現金出納帳", "現金"}, TableLevel::Descriptions, "預金");
    EXPECT_EQ(
        tableCsvLines(table, true),
        (QStringList{",4月度,5月度,6月度,7月度,8月度,9月度,10月度,11月度,12月度,1月度,2月度,3月度,"
                     "科目年間計,",
                     "■収入の部", "引き出し,0,0,20000,0,0,0,0,0,0,0,0,0,20000,",
                     "　[合　計],0,0,20000,0,0,0,0,0,0,0,0,0,20000,", "■支出の部",
                     "預け入れ,0,30000,0,0,0,0,0,0,0,0,0,0,30000,",
                     "　[合　計],0,30000,0,0,0,0,0,0,0,0,0,0,30000,"}));
}

TEST(TableCsv, RowsWithoutATitleAreLeftOutAndTheBalanceRowIsLast) {
    const Workspace ws = analysisYear(QStringLiteral("table_2015.exv"));
    MonthlyTable table;
    table.compute(ws.entries, ws.periods, allBooksItem(), TableLevel::Descriptions, "雑費");
    EXPECT_EQ(tableCsvLines(table, false),
              (QStringList{"■支出の部", "　[合　計],0,0,0,0,0,0,0,0,0,0,0,0,0,"}));
    table.compute(ws.entries, ws.periods, {"ゆうちょ銀行", "預金"}, TableLevel::Accounts, {});
    EXPECT_EQ(tableCsvLines(table, false),
              QStringList{"【収　支　計】,0,0,0,0,0,0,0,0,0,0,0,0,0,"});
}

}  // namespace
