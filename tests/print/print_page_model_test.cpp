#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <map>

#include "core/bracket_keys.h"
#include "core/errors.h"
#include "core/line_store.h"
#include "core/scripted_prompter.h"
#include "core/text_helpers.h"
#include "print/pdf_printer.h"
#include "print/print_list.h"
#include "print/print_page_model.h"
#include "print/print_sources.h"
#include "print/recording_printer.h"
#include "print/style_template.h"
#include "tests/print/print_fixture.h"
#include "tests/support/temp_dir.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

// A year from April with a number of ledger rows in each month.
class FakeSources : public PrintSources {
public:
    FakeSources() {
        table.startMonth = 4;
        table.startYear = 2015;
        for (int m = 1; m <= 12; ++m) {
            const QDate first(m >= 4 ? 2015 : 2016, m, 1);
            table[m] = {first, first.addMonths(1).addDays(-1)};
        }
    }

    PeriodTable table;
    std::map<int, int> rowsOfMonth;
    int month = 4;
    QString kind = QStringLiteral("現金");
    QString name = QStringLiteral("現金出納帳");
    QString filter;
    QList<int> shown;
    AnalysisFigures figures;

    const PeriodTable& periods() const override { return table; }
    int currentMonth() const override { return month; }
    QDate today() const override { return {2016, 5, 1}; }
    bool negativeInRed() const override { return false; }
    void writeLedgerPrintList(const QString& path) override {
        QStringList rows;
        for (int i = 1; i <= rowsOfMonth[month]; ++i) {
            rows.append(QStringLiteral("%1月%2日;売上;row%2;1,000;;%2,000;").arg(month).arg(i));
        }
        writePrintList(path, rows);
    }
    void showLedgerMonth(int m) override {
        month = m;
        shown.append(m);
    }
    LedgerPrintValues ledgerValues() const override {
        LedgerPrintValues v;
        v.bookKind = kind;
        v.bookName = name;
        v.accountFilter = filter;
        v.mainTitle = QStringLiteral("現金出納帳");
        v.startYear = 2015;
        v.shownYear = QString::number(month >= 4 ? 2015 : 2016);
        v.shownMonth = QString::number(month);
        v.currentMonth = month;
        v.today = today();
        return v;
    }
    BalancePrintValues balanceValues() const override { return {}; }
    AnalysisFigures analysis() const override { return figures; }
    QString companyName() const override { return QStringLiteral("オルベル商店"); }
};

class RecordingView : public PrintPageView {
public:
    QStringList events;
    void showBanner(bool shown) override { events.append(shown ? "banner" : "preview"); }
};

// The ledger styles of the tests: three row slots, the page text "#PM月 p#pg"
// at x = 10 mm, and an even-sheet pair 10 mm to the right.
StyleTemplate ledgerStyle() {
    return {QStringLiteral("header;Ver1.1;0;0;9;0;0;100;0;10;0;0;0;;"),
            dataItem(QStringLiteral("#maxline=3")),
            dataItem(QStringLiteral("#PM月 p#pg")),
            dataItem(QStringLiteral("#ic_01"), QStringLiteral("30")),
            dataItem(QStringLiteral("#ic_02"), QStringLiteral("30")),
            dataItem(QStringLiteral("#ic_03"), QStringLiteral("30"))};
}

class PrintPageTest : public ::testing::Test {
protected:
    PrintPageTest() : model(sources, printer, prompter, Folders{dir.path(), dir.path()}) {
        QDir(dir.path()).mkpath(QStringLiteral("style"));
        QDir(dir.path()).mkpath(QStringLiteral("config"));
        model.setView(&view);
        prompter.setCancelWhenUnscripted(true);
        for (const char* name :
             {"A4現金出納帳_月分1_ゴシックG.sle", "A4現金出納帳_科目指定_ゴシックG.sle",
              "A4銀行勘定帳_科目指定_ゴシックG.sle", "コクヨ金銭出納帳_リ-101.sle"}) {
            writeStyle(QString::fromUtf8(name), ledgerStyle());
        }
        writeStyle(QStringLiteral("入出金集計表.sle"),
                   {QStringLiteral("header;Ver1.1;0;0;9;0;0;100;0;0;0;0;0;;"),
                    dataItem(QStringLiteral("集計 #income01"))});
    }

    QString stylePath(const QString& name) const { return dir.file("style/" + name); }
    void writeStyle(const QString& name, const StyleTemplate& lines) {
        LineStore store;
        store.assign(lines);
        store.saveToFile(stylePath(name));
    }
    void writeConfig(const QString& name, const QStringList& lines) {
        LineStore store;
        store.assign(lines);
        store.saveToFile(dir.file("config/" + name));
    }
    // The page text of the composed ledger page.
    QString pageText() const { return styleField(model.page()[2], 20); }
    // What each printed sheet of the document shows, and where its page text starts.
    QStringList printedSheets(size_t document = 0) const {
        QStringList sheets;
        for (const auto& page : printer.documents().at(document).pages) {
            const QStringList texts = RecordingPrinter::texts(page);
            sheets.append(texts.value(0));
        }
        return sheets;
    }
    QList<int> pageTextX(size_t document = 0) const {
        QList<int> xs;
        for (const auto& page : printer.documents().at(document).pages) {
            for (const QString& call : page.calls) {
                if (call.startsWith(QLatin1String("textOut ")) && call.contains(u'p')) {
                    xs.append(call.section(u' ', 1, 1).section(u',', 0, 0).toInt());
                    break;
                }
            }
        }
        return xs;
    }

    TempDir dir;
    FakeSources sources;
    RecordingPrinter printer{{QStringLiteral("Laser"), QStringLiteral("Inkjet")}};
    ScriptedPrompter prompter;
    RecordingView view;
    PrintPageModel model;
};

TEST_F(PrintPageTest, PagesStepForwardAndWrapToTheFirst) {
    sources.rowsOfMonth[4] = 6;  // three pages of two rows
    model.printLedger();
    EXPECT_EQ(model.state().reportKind, 2);
    EXPECT_EQ(model.state().stylePath, stylePath("A4現金出納帳_月分1_ゴシックG.sle"));
    EXPECT_EQ(pageText(), QStringLiteral("4月 p1"));
    const struct {
        const char* text;
        int counter;
    } steps[] = {{"4月 p2", 2}, {"4月 p3", 0}, {"4月 p1", 1}, {"4月 p2", 2}};
    for (const auto& step : steps) {
        model.nextPage();
        EXPECT_EQ(pageText(), QString::fromUtf8(step.text));
        EXPECT_EQ(model.state().pageCounter, step.counter);
    }
    model.firstPage();
    EXPECT_EQ(pageText(), QStringLiteral("4月 p1"));
    EXPECT_EQ(styleField(model.page()[3], 20), QStringLiteral("row1"));
}

TEST_F(PrintPageTest, MonthRunWithTheOddFilter) {
    sources.rowsOfMonth[4] = 6;  // April: 3 pages
    sources.rowsOfMonth[5] = 4;  // May: 2 pages
    model.printLedger();
    model.setMonthTicked(1, true);  // April is ticked as the month shown
    model.choosePageFilter(1);
    model.printReport();
    ASSERT_EQ(printer.documents().size(), 1u);
    EXPECT_TRUE(printer.documents()[0].ended);
    EXPECT_EQ(printedSheets(), (QStringList{"4月 p1", "4月 p3", "5月 p2"}));
    EXPECT_EQ(view.events, (QStringList{"banner", "preview", "preview"}));
    // The month shown before printing comes back.
    EXPECT_EQ(sources.month, 4);
    EXPECT_EQ(pageText(), QStringLiteral("4月 p1"));
    EXPECT_FALSE(model.state().printing);
}

TEST_F(PrintPageTest, FormsAlternateTheSheetPairsWithinEachMonth) {
    sources.rowsOfMonth[4] = 6;
    sources.rowsOfMonth[5] = 4;
    model.printLedger();
    model.choosePaper(1);
    EXPECT_EQ(model.state().stylePath, stylePath("コクヨ金銭出納帳_リ-101.sle"));
    EXPECT_TRUE(model.state().evenRowVisible);
    EXPECT_EQ(model.state().oddRowCaption, QStringLiteral("奇数ページ"));
    EXPECT_EQ(model.state().evenX, Decimal4::fromInt(10));
    model.setMonthTicked(1, true);
    model.printReport();
    // 10 mm at 600 dpi is 236 pixels; the even-sheet pair adds 10 mm more.
    EXPECT_EQ(pageTextX(), (QList<int>{236, 472, 236, 236, 472}));

    model.setStartEven(true);
    model.printReport();
    EXPECT_EQ(pageTextX(1), (QList<int>{472, 236, 472, 472, 236}));
}

TEST_F(PrintPageTest, BankLedgerWithAFilterPrintsTheShownMonthOnly) {
    sources.kind = QStringLiteral("預金");
    sources.name = QStringLiteral("みずほ銀行");
    sources.filter = QStringLiteral("支払手数料");
    sources.rowsOfMonth[4] = 6;
    sources.rowsOfMonth[5] = 4;
    model.printLedger();
    EXPECT_EQ(model.state().reportKind, 10);
    model.setMonthTicked(1, true);
    model.choosePageFilter(1);
    model.printReport();
    ASSERT_EQ(printer.documents().size(), 1u);
    EXPECT_EQ(printedSheets(), (QStringList{"4月 p1", "4月 p2", "4月 p3"}));
    EXPECT_EQ(view.events, (QStringList{"preview"}));  // no banner
}

TEST_F(PrintPageTest, TheSummaryPrintsOneSheet) {
    sources.figures.summary.months[0].income = QStringLiteral("1,000");
    model.printReportOfKind(20);
    EXPECT_FALSE(model.state().pageButtonsVisible);
    EXPECT_FALSE(model.state().pageFilterEnabled);
    EXPECT_EQ(model.state().previewHeading, QStringLiteral("入出金集計表"));
    model.printReport();
    ASSERT_EQ(printer.documents().size(), 1u);
    ASSERT_EQ(printer.documents()[0].pages.size(), 1u);
    EXPECT_EQ(printedSheets(), QStringList{"集計 1,000"});
}

TEST_F(PrintPageTest, EvenPagesOfAOnePageMonthAreRefused) {
    sources.rowsOfMonth[4] = 2;
    model.printLedger();
    model.choosePageFilter(2);
    model.printReport();
    EXPECT_TRUE(printer.documents().empty());
    EXPECT_EQ(prompter.notices(),
              QStringList{"確認: 偶数ページには印刷ページはありません。\r\n"
                          "印　刷(現金出納帳)設定で全てのページにチェックを入れてください。"});
    EXPECT_EQ(view.events, (QStringList{"banner", "preview", "preview"}));
}

TEST_F(PrintPageTest, NoPagePassingTheFilterPrintsNothing) {
    sources.filter = QStringLiteral("売上");
    sources.month = 13;
    sources.rowsOfMonth[13] = 2;
    model.printLedger();
    EXPECT_EQ(model.state().reportKind, 3);
    EXPECT_FALSE(model.state().monthListEnabled);
    model.choosePageFilter(2);
    model.printReport();
    EXPECT_TRUE(printer.documents().empty());
    EXPECT_TRUE(prompter.notices().isEmpty());
}

TEST_F(PrintPageTest, StyleFileNamesFollowTheChoices) {
    writeConfig("note1.conf", {"[Paper_Sel]=0", "[Font_Sel]=1", "[Kamoku_Sel]=1", "[Color_Sel]=3",
                               "[TrackBar1]=x"});
    writeStyle("A4現金出納帳_月分2_明朝.sle", ledgerStyle());
    sources.rowsOfMonth[4] = 1;
    model.printLedger();
    EXPECT_EQ(model.state().stylePath, stylePath("A4現金出納帳_月分2_明朝.sle"));
    EXPECT_EQ(model.state().zoom, 50);
    // The paper choices of the report and a stored choice outside them.
    writeConfig("note5.conf", {"[Paper_Sel]=7"});
    sources.kind = QStringLiteral("預金");
    model.printLedger();
    EXPECT_EQ(model.state().paperChoices, (QStringList{"A4用紙", "コクヨ勘定帳", "コクヨ経費帳"}));
    EXPECT_EQ(model.state().paper, 0);
}

TEST_F(PrintPageTest, AMissingStyleIsAskedFor) {
    sources.rowsOfMonth[4] = 1;
    model.printLedger();
    model.chooseFont(1);  // A4現金出納帳_月分1_明朝G.sle does not exist
    ASSERT_EQ(prompter.records().size(), 1u);
    const FileDialogRequest& asked = prompter.records()[0].file;
    EXPECT_EQ(asked.title, QStringLiteral("出納帳スタイルを指定して下さい"));
    EXPECT_EQ(asked.filter, QStringLiteral("出納帳スタイル|*.sle|すべてのファイル|*.*"));
    EXPECT_EQ(asked.defaultExt, QStringLiteral("sle"));
    EXPECT_EQ(asked.initialDir, dir.file("style"));
    // Cancelled: the page that was shown stays.
    EXPECT_EQ(model.state().stylePath, stylePath("A4現金出納帳_月分1_ゴシックG.sle"));
    EXPECT_EQ(pageText(), QStringLiteral("4月 p1"));

    prompter.answerText(stylePath("A4現金出納帳_科目指定_ゴシックG.sle"));
    model.chooseColour(1);
    EXPECT_EQ(model.state().stylePath, stylePath("A4現金出納帳_科目指定_ゴシックG.sle"));
}

TEST_F(PrintPageTest, ConfirmKeepsTheOffsetsInTheStyleFile) {
    sources.rowsOfMonth[4] = 1;
    model.printLedger();
    model.setOffsets(Decimal4::parse(u"1.5").value(), Decimal4::fromInt(-2), Decimal4(),
                     Decimal4::fromInt(3));
    model.setZoom(75);
    model.confirm();
    const StyleTemplate saved = loadStyleTemplate(stylePath("A4現金出納帳_月分1_ゴシックG.sle"));
    EXPECT_EQ(saved[0], QStringLiteral("header;Ver1.1;1.5;-2;9;0;0;75;0;0;3;0;0;;"));
    // The saved file holds the placeholders, not the composed page.
    EXPECT_EQ(styleField(saved[2], 20), QStringLiteral("#PM月 p#pg"));
    model.setOffsets(Decimal4(), Decimal4(), Decimal4(), Decimal4());
    model.printLedger();
    EXPECT_EQ(model.state().oddX.toString(), QStringLiteral("1.5"));
    EXPECT_EQ(model.state().oddY.toString(), QStringLiteral("-2"));
    EXPECT_EQ(model.state().evenY.toString(), QStringLiteral("3"));
}

TEST_F(PrintPageTest, PrinterDialogRemembersThePrinterOfTheReportAndPaper) {
    sources.rowsOfMonth[4] = 1;
    model.printLedger();
    printer.answerDialog(std::nullopt);
    model.printerDialog();
    EXPECT_FALSE(QFileInfo::exists(dir.file("config/2-0.conf")));
    EXPECT_EQ(readSettingsLines(dir.file("config/note1.conf")),
              (QStringList{"[Paper_Sel]=0", "[Font_Sel]=0", "[Kamoku_Sel]=0", "[Color_Sel]=0",
                           "[TrackBar1]=100"}));

    printer.answerDialog(RecordingPrinter::DialogAnswer{1, 3, 12});
    model.printerDialog();
    EXPECT_EQ(readSettingsLines(dir.file("config/2-0.conf")), QStringList{"[PrinterIndex]=1"});
    const StyleTemplate saved = loadStyleTemplate(stylePath("A4現金出納帳_月分1_ゴシックG.sle"));
    EXPECT_EQ(saved[0], QStringLiteral("header;Ver1.1;0;0;12;0;0;100;0;10;0;0;1;;"));
    EXPECT_EQ(model.state().copies, 3);

    // Opened again, the report goes to that printer.
    printer.selectPrinter(0);
    model.printLedger();
    EXPECT_EQ(printer.currentPrinter(), 1);
    // An index the list does not hold keeps the current printer.
    writeConfig("2-0.conf", {"[PrinterIndex]=5"});
    model.printLedger();
    EXPECT_EQ(printer.currentPrinter(), 0);  // the default, selected on opening
}

TEST_F(PrintPageTest, APrintRunThatFailsLeavesNoDocumentOpen) {
    StyleTemplate broken = ledgerStyle();
    broken.append(QStringLiteral("0;0;0;0;line;1O;0;20;0;1;実線;0;0;"));
    writeStyle("A4現金出納帳_月分1_ゴシックG.sle", broken);
    sources.rowsOfMonth[4] = 1;
    model.printLedger();
    EXPECT_THROW(model.printReport(), ConversionError);
    ASSERT_EQ(printer.documents().size(), 1u);
    EXPECT_TRUE(printer.documents()[0].aborted);
    EXPECT_FALSE(model.state().printing);
    EXPECT_EQ(view.events.last(), QStringLiteral("preview"));
}

TEST_F(PrintPageTest, AMissingPrintListLeavesThePageUnfilled) {
    sources.rowsOfMonth[4] = 1;
    model.printLedger();
    QFile::remove(model.printListPath());
    EXPECT_THROW(model.nextPage(), FileError);
    EXPECT_EQ(pageText(), QStringLiteral("#PM月 p#pg"));
}

TEST(PrintPagePdf, ThePdfEntryAsksForItsFileAndWritesEverySheet) {
    TempDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("style"));
    LineStore style;
    style.assign(ledgerStyle());
    style.saveToFile(dir.file("style/A4現金出納帳_月分1_ゴシックG.sle"));
    FakeSources sources;
    sources.rowsOfMonth[4] = 6;
    PdfPrinter printer;
    ScriptedPrompter prompter;
    PrintPageModel model(sources, printer, prompter, Folders{dir.path(), dir.path()});
    model.printLedger();

    prompter.answerText(std::nullopt);
    model.printReport();
    EXPECT_EQ(printer.pagesWritten(), 0);

    const QString pdf = dir.file("ledger.pdf");
    prompter.answerText(pdf);
    model.printReport();
    EXPECT_EQ(printer.pagesWritten(), 3);
    EXPECT_TRUE(readBytes(pdf).startsWith("%PDF"));
    EXPECT_EQ(prompter.records().back().file.title, QStringLiteral("PDFファイルに印刷"));
}

}  // namespace

namespace {

TEST_F(PrintPageTest, OlderStylesGetTheirSecondTextPointBeforeTheyAreComposed) {
    // A Ver1.0 text item has no x2, y2: its type size is field 13, its colour field 17.
    writeStyle(
        "A4現金出納帳_月分1_ゴシックG.sle",
        {QStringLiteral("header;Ver1.0;0;0;9;0;0;100;0;0;0;0;0;;"),
         QStringLiteral("1;0;0;0;data;0.0001;0;0;0;0;0;ＭＳ 明朝;8;標準;0;0;0;#maxline=3;0;0;"),
         QStringLiteral("1;0;0;0;data;10;20;0;0;0;0;ＭＳ 明朝;10;標準;0;0;0;#if_01;0;0;")});
    sources.rowsOfMonth[4] = 1;
    model.printLedger();
    const QString line = model.page()[2];
    EXPECT_EQ(styleField(line, 8), QStringLiteral("10"));
    EXPECT_EQ(styleField(line, 9), QStringLiteral("20"));
    EXPECT_EQ(styleField(line, 20), QStringLiteral("1,000"));
    EXPECT_EQ(model.page()[0].left(14), QStringLiteral("header;Ver1.1;"));
}

}  // namespace
