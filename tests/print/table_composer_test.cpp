#include <gtest/gtest.h>

#include "core/scripted_prompter.h"
#include "core/text_helpers.h"
#include "print/print_list.h"
#include "print/table_composer.h"
#include "tests/print/print_fixture.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

QString headingLine() {
    QString line = QStringLiteral(";");
    for (int k = 0; k < 12; ++k) {
        line += QStringLiteral("%1月度;").arg((k + 3) % 12 + 1);
    }
    return line + QStringLiteral("科目年間計;");
}

// The heading row and `rows` title rows "title1", "title2", ...
QStringList tableList(int rows) {
    QStringList list{headingLine()};
    for (int r = 1; r <= rows; ++r) {
        list.append(QStringLiteral("title%1;1,000;;;;;;;;;;;;1,000;").arg(r));
    }
    return list;
}

StyleTemplate tableTemplate(int rowsPerPage, const QStringList& items) {
    StyleTemplate lines{QStringLiteral("header;Ver1.1;0;0;0;0;401;100;")};
    lines.append(dataItem(QStringLiteral("#maxline=%1").arg(rowsPerPage)));
    for (const QString& text : items) {
        lines.append(dataItem(text));
    }
    return lines;
}

TablePrintValues values() {
    TablePrintValues v;
    v.companyName = QStringLiteral("オルベル商店");
    v.fiscalYear = QStringLiteral("2015/03/21～2016/03/20");
    v.sideCaption = QStringLiteral("月別科目一覧表");
    v.today = QDate(2016, 5, 1);
    return v;
}

struct Composed {
    StyleTemplate page;
    int counter;
};

Composed compose(StyleTemplate page, const QStringList& list, int counter,
                 const TablePrintValues& v = values()) {
    ScriptedPrompter prompter;
    composeTablePage(page, list, counter, v, prompter);
    EXPECT_TRUE(prompter.records().empty());
    return {page, counter};
}

TEST(TableComposer, ThirtyRowsAPage) {
    const QStringList items{"#ka_00", "#ka_01", "#ka_15", "#ka_16", "#ka_30"};
    const QStringList list = tableList(45);
    const Composed first = compose(tableTemplate(30, items), list, 1);
    EXPECT_EQ(styleField(first.page[2], 20), QString());  // the heading's title cell is empty
    EXPECT_EQ(styleField(first.page[3], 20), QStringLiteral("title1"));
    EXPECT_EQ(styleField(first.page[6], 20), QStringLiteral("title30"));
    EXPECT_EQ(first.counter, 1);
    const Composed second = compose(tableTemplate(30, items), list, 2);
    EXPECT_EQ(styleField(second.page[3], 20), QStringLiteral("title31"));
    EXPECT_EQ(styleField(second.page[4], 20), QStringLiteral("title45"));
    EXPECT_EQ(styleField(second.page[5], 20), QString());
    EXPECT_EQ(styleField(second.page[6], 20), QString());
    EXPECT_EQ(second.counter, 0);
    // A list that ends with the last row of page 1.
    EXPECT_EQ(compose(tableTemplate(30, items), tableList(30), 1).counter, 0);
    EXPECT_EQ(compose(tableTemplate(30, items), tableList(31), 1).counter, 1);
}

TEST(TableComposer, CellsAndPageTexts) {
    const QStringList list = tableList(3);
    const Composed c = compose(tableTemplate(30, {"#kb_00", "#km_00", "#kn_00", "#ka_03 #kb_03",
                                                  "#kn_01", "#Y/#M/#D #W", "#OF #PY p#pg #TL"}),
                               list, 1);
    EXPECT_EQ(styleField(c.page[2], 20), QStringLiteral("4月度"));
    EXPECT_EQ(styleField(c.page[3], 20), QStringLiteral("3月度"));
    EXPECT_EQ(styleField(c.page[4], 20), QStringLiteral("科目年間計"));
    EXPECT_EQ(styleField(c.page[5], 20), QStringLiteral("title3 #kb_03"));
    EXPECT_EQ(styleField(c.page[6], 20), QStringLiteral("1,000"));
    EXPECT_EQ(styleField(c.page[7], 20), QStringLiteral("2016/05/01 日"));
    EXPECT_EQ(styleField(c.page[8], 20),
              QStringLiteral("オルベル商店 2015/03/21～2016/03/20 p1 月別科目一覧表"));
}

TEST(TableComposer, AmountsFitTheirBoxes) {
    const struct {
        const char* amount;
        const char* placeholder;
        bool b4;
        bool red;
        const char* size;
        const char* pitch;
        const char* colour;
    } cases[] = {
        {"-12,345,678", "#kb_01", false, true, "9", "-1.5", "255"},
        {"-12,345,678", "#kb_01", false, false, "9", "-1.5", "0"},
        {"1,234", "#kb_01", false, true, "10", "0", "0"},
        {"12,345,678", "#kc_01", false, false, "9", "-1.7", "0"},
        {"12,345,678", "#kc_01", true, false, "10", "-2.1", "0"},
        {"-12,345,678", "#kc_01", true, false, "10", "-2", "0"},
        {"1,234,567,890", "#kd_01", false, false, "8", "-1.3", "0"},
        {"-123,456,789", "#kd_01", true, false, "10", "-1.7", "0"},
        {"1,234,567,890,123", "#kd_01", false, false, "10", "0", "0"},
        // The yearly total keeps the style's type, only turns red.
        {"1,234,567,890", "#kn_01", false, true, "10", "0", "0"},
        {"-123,456,789", "#kn_01", false, true, "10", "0", "255"},
    };
    for (const auto& c : cases) {
        const QString amount = QString::fromUtf8(c.amount);
        QStringList cells(14);
        cells[0] = QStringLiteral("title");
        const QString placeholder = QString::fromUtf8(c.placeholder);
        cells[placeholder[2].unicode() - u'a'] = amount;
        const QStringList list{headingLine(), cells.join(u';') + u';'};
        TablePrintValues v = values();
        v.b4Paper = c.b4;
        v.negativeInRed = c.red;
        const Composed composed = compose(tableTemplate(30, {placeholder}), list, 1, v);
        const QString& line = composed.page[2];
        EXPECT_EQ(styleField(line, 20), amount) << c.amount;
        EXPECT_EQ(styleField(line, 15), QString::fromUtf8(c.size)) << c.amount << c.b4;
        EXPECT_EQ(styleField(line, 18), QString::fromUtf8(c.pitch)) << c.amount << c.b4;
        EXPECT_EQ(styleField(line, 19), QString::fromUtf8(c.colour)) << c.amount << c.red;
    }
}

TEST(TableComposer, StyleWithoutRowCountIsReportedAndPrintsTheHeadingOnly) {
    StyleTemplate page{QStringLiteral("header;Ver1.1;0;0;0;0;401;100;"), dataItem("#kb_00"),
                       dataItem("#ka_01")};
    ScriptedPrompter prompter;
    int counter = 1;
    composeTablePage(page, tableList(45), counter, values(), prompter);
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(prompter.records()[0].title, QStringLiteral("確認"));
    EXPECT_EQ(prompter.records()[0].text,
              QStringLiteral("このスタイルには最大行数が指定されていません"));
    EXPECT_EQ(styleField(page[1], 20), QStringLiteral("4月度"));
    EXPECT_EQ(styleField(page[2], 20), QStringLiteral("#ka_01"));
    EXPECT_EQ(counter, 0);  // one page, so that a print run ends
}

TEST(TablePrintList, TakesTheRowsUpToTheBalanceRow) {
    std::vector<QStringList> grid;
    grid.push_back(QStringList{"", ""} + headingLine().split(u';').mid(1, 13));
    grid.push_back({"-", "■収入の部"});
    grid.push_back({"", "売上", " 1,000 ", "0"});
    grid.push_back({"", "　[合　計]", "1,000"});
    grid.push_back({"=", "【収　支　計】", "1,000"});
    grid.push_back({"", "after"});
    const QStringList list = tablePrintList(grid);
    ASSERT_EQ(list.size(), 5);
    EXPECT_EQ(list[2], QStringLiteral("売上;1,000;0;;;;;;;;;;;;"));
    // A full-width blank is part of the caption.
    EXPECT_EQ(styleField(list[3], 1), QStringLiteral("　[合　計]"));
    EXPECT_EQ(list[1].count(u';'), 14);
}

}  // namespace
