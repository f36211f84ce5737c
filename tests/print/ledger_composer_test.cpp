#include <gtest/gtest.h>

#include "core/text_helpers.h"
#include "print/ledger_composer.h"
#include "tests/print/print_fixture.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

// A template of M row slots: line 1 the row count, then one description item
// per slot ("#ic_01" ..), then the items of the page.
StyleTemplate slotTemplate(int slotCount, const QStringList& pageItems = {}) {
    StyleTemplate lines{QStringLiteral("header;Ver1.1;0;0;0;0;401;100;")};
    lines.append(dataItem(QStringLiteral("#maxline=%1").arg(slotCount)));
    for (int s = 1; s <= slotCount; ++s) {
        lines.append(dataItem(QStringLiteral("#ic_%1").arg(s, 2, 10, QChar(u'0'))));
    }
    for (const QString& text : pageItems) {
        lines.append(dataItem(text));
    }
    return lines;
}

QStringList rows(int count) {
    QStringList list;
    for (int i = 1; i <= count; ++i) {
        list.append(QStringLiteral("04月%1日(水);売上;row%2;1,000;;%3,000;")
                        .arg(i % 28 + 1, 2, 10, QChar(u'0'))
                        .arg(i)
                        .arg(i));
    }
    return list;
}

LedgerPrintValues cashBook() {
    LedgerPrintValues v;
    v.bookKind = QStringLiteral("現金");
    v.bookName = QStringLiteral("現金出納帳");
    v.mainTitle = QStringLiteral("現金出納帳");
    v.usageType = 1;
    v.startYear = 2015;
    v.shownYear = QStringLiteral("2015");
    v.shownMonth = QStringLiteral("4");
    v.currentMonth = 4;
    v.companyName = QStringLiteral("オルベル商店");
    v.today = QDate(2016, 5, 1);
    return v;
}

// The description printed in slot s (1-based) of a slotTemplate page.
QString slotText(const StyleTemplate& page, int s) {
    return styleField(page[s + 1], 20);
}

QString composedText(const QString& text, const LedgerPrintValues& values,
                     const QStringList& list = rows(3)) {
    StyleTemplate page = slotTemplate(25, {text});
    int counter = 1;
    composeLedgerPage(page, list, counter, values);
    return page.last();
}

TEST(LedgerComposer, RowSlotsOfOnePage) {
    const struct {
        int rows;
        int page;
        QString slot1, slot24, slot25;
        int counterAfter;
    } cases[] = {
        {24, 1, "row1", "row24", "", 0},
        {25, 1, "row1", "row24", "row25", 0},
        {26, 1, "row1", "row24", "   次頁へ続く", 1},
        {26, 2, "row25", "", "", 0},
    };
    for (const auto& c : cases) {
        StyleTemplate page = slotTemplate(25);
        int counter = c.page;
        composeLedgerPage(page, rows(c.rows), counter, cashBook());
        EXPECT_EQ(slotText(page, 1), c.slot1) << c.rows << " rows, page " << c.page;
        EXPECT_EQ(slotText(page, 24), c.slot24) << c.rows << " rows, page " << c.page;
        EXPECT_EQ(slotText(page, 25), c.slot25) << c.rows << " rows, page " << c.page;
        EXPECT_EQ(counter, c.counterAfter ? c.page : 0) << c.rows << " rows, page " << c.page;
        // The directive never prints.
        EXPECT_EQ(styleField(page[1], 20), QString()) << c.rows;
    }
    StyleTemplate second = slotTemplate(25);
    int counter = 2;
    composeLedgerPage(second, rows(26), counter, cashBook());
    EXPECT_EQ(slotText(second, 2), QStringLiteral("row26"));
}

TEST(LedgerComposer, ContinuationRowHasNoAmounts) {
    StyleTemplate page = slotTemplate(3, {"#ia_03", "#id_03", "#if_03", "#cf_03", "#ca_03"});
    int counter = 1;
    composeLedgerPage(page, rows(5), counter, cashBook());
    EXPECT_EQ(slotText(page, 3), QStringLiteral("   次頁へ続く"));
    for (int i = 5; i < page.size(); ++i) {
        EXPECT_EQ(styleField(page[i], 20), QString()) << page[i];
    }
    EXPECT_EQ(counter, 1);
}

TEST(LedgerComposer, RowPlaceholdersTakeTheirFields) {
    const QStringList list{QStringLiteral("04月15日;消耗品費;文具;1,500;2,000;-12,345;")};
    const struct {
        const char* placeholder;
        const char* value;
    } cases[] = {
        {"#ia_01", "04月15日"},
        {"#ib_01", "消耗品費"},
        {"#ic_01", "文具"},
        {"#id_01", "1,500"},
        {"#ie_01", "2,000"},
        {"#if_01", "-12,345"},
        {"#ca_01", "0415"},
        {"#cb_01", "0415"},
        {"#cd_01", "1,500"},
        {"#ce_01", "2,000"},
        {"#cf_01", "-12,345"},
        {"#cg_01", "15"},
        // An empty slot gives empty values.
        {"#ic_02", ""},
        {"#if_02", ""},
        // The date is cut at a parenthesis.
        {"#ia_03", "04月16日"},
    };
    for (const auto& c : cases) {
        StyleTemplate page{QStringLiteral("header;Ver1.1;0;0;0;0;401;100;"),
                           dataItem(QStringLiteral("#maxline=3")),
                           dataItem(QStringLiteral("[") + c.placeholder + u']')};
        int counter = 1;
        composeLedgerPage(page, list + QStringList{";;;;;;", "04月16日(木);;;;;;"}, counter,
                          cashBook());
        EXPECT_EQ(styleField(page[2], 20), QStringLiteral("[%1]").arg(QString::fromUtf8(c.value)))
            << c.placeholder;
    }
}

TEST(LedgerComposer, OneRowValuePerLineInSlotOrder) {
    const QStringList list = rows(3);
    EXPECT_EQ(styleField(composedText("#ic_02 #ic_01 #ib_01", cashBook(), list), 20),
              QStringLiteral("#ic_02 #ic_01 売上"));
    // The clean-up removes the last slot's placeholders left on a line.
    EXPECT_EQ(styleField(composedText("#ic_01 #ia_25 #cb_25", cashBook(), list), 20),
              QStringLiteral("row1  #cb_25"));
}

TEST(LedgerComposer, LongBalancesShrinkAndNegativeOnesTurnRed) {
    const QString twelve = QStringLiteral("-123,456,789");  // 12 characters
    const QStringList list{QStringLiteral("04月15日;売上;A;;;") + twelve + u';'};
    const struct {
        bool red;
        const char* size;
        const char* pitch;
        const char* colour;
    } cases[] = {{false, "9", "-1.6", "0"}, {true, "9", "-1.6", "255"}};
    for (const auto& c : cases) {
        LedgerPrintValues v = cashBook();
        v.negativeInRed = c.red;
        const QString line = composedText("#if_01", v, list);
        EXPECT_EQ(styleField(line, 15), QString::fromUtf8(c.size));
        EXPECT_EQ(styleField(line, 18), QString::fromUtf8(c.pitch));
        EXPECT_EQ(styleField(line, 19), QString::fromUtf8(c.colour));
        EXPECT_EQ(styleField(line, 20), twelve);
        EXPECT_EQ(line.count(u';'), 22);
    }
    // Ten characters keep the style's type.
    const QString line =
        composedText("#if_01", cashBook(), {QStringLiteral("04月15日;売上;A;;;12,345,678;")});
    EXPECT_EQ(styleField(line, 15), QStringLiteral("10"));
    EXPECT_EQ(styleField(line, 18), QStringLiteral("0"));
}

TEST(LedgerComposer, FormsPrintAmountsWithoutSeparatorsAndMinusAsTheOptionSays) {
    const QStringList list{QStringLiteral("04月15日;売上;A;1,500;;-1,234;")};
    const struct {
        int paper;
        int minusOption;
        bool red;
        const char* balance;
        const char* income;
        const char* colour;
    } cases[] = {
        {1, 0, false, "1234", "1500", "0"},
        {1, 0, true, "1234", "1500", "255"},
        {2, 1, false, "-1234", "1500", "0"},
        {0, 0, false, "-1,234", "1,500", "0"},
    };
    for (const auto& c : cases) {
        LedgerPrintValues v = cashBook();
        v.paperChoice = c.paper;
        v.minusOption = c.minusOption;
        v.negativeInRed = c.red;
        const QString balance = composedText("#cf_01", v, list);
        EXPECT_EQ(styleField(balance, 20), QString::fromUtf8(c.balance))
            << c.paper << c.minusOption;
        EXPECT_EQ(styleField(balance, 19), QString::fromUtf8(c.colour)) << c.paper << c.red;
        EXPECT_EQ(styleField(composedText("#cd_01", v, list), 20), QString::fromUtf8(c.income));
    }
}

TEST(LedgerComposer, TitleWordsFollowTheBookAndTheUsageType) {
    const struct {
        const char* kind;
        int usage;
        const char* filter;
        const char* text;
        const char* printed;
    } cases[] = {
        {"現金", 2, "", "現金出納帳", "おこづかい帳"},
        {"現金", 2, "", "科目別一覧表 #NS", "おこづかい帳 おこづかい帳"},
        {"現金", 2, "交通費", "#NS", "おこづかい帳－交通費"},
        {"現金", 1, "", "科目別一覧表", "現金出納帳"},
        {"小口", 1, "", "科目別一覧表", "小口現金"},
        {"預金", 1, "", "科目別一覧表", "銀行勘定帳"},
        {"預金", 1, "", "#NS", "みずほ銀行"},
        {"預金", 1, "支払手数料", "#KF #NS", "支払手数料 みずほ銀行－支払手数料"},
    };
    for (const auto& c : cases) {
        LedgerPrintValues v = cashBook();
        v.bookKind = QString::fromUtf8(c.kind);
        v.usageType = c.usage;
        v.mainTitle = c.usage == 2 ? QStringLiteral("おこづかい帳") : QStringLiteral("現金出納帳");
        v.bookName = v.bookKind == u"預金" ? QStringLiteral("みずほ銀行") : v.mainTitle;
        v.accountFilter = QString::fromUtf8(c.filter);
        EXPECT_EQ(styleField(composedText(QString::fromUtf8(c.text), v), 20),
                  QString::fromUtf8(c.printed))
            << c.kind << " " << c.text;
    }
}

TEST(LedgerComposer, CentredTitlePrefix) {
    const struct {
        const char* title;
        QString prefix;
    } cases[] = {
        {"", ""},
        {"帳", ""},
        {"帳簿", QString(26, u' ')},
        {"現金帳", QStringLiteral("　") + QString(23, u' ')},
        {"小口現金", QStringLiteral(" 　") + QString(21, u' ')},
        {"現金出納帳", QStringLiteral("  　") + QString(19, u' ')},
        {"科目別一覧表", QString(22, u' ')},
        {"現金　帳", QStringLiteral("  　") + QString(19, u' ')},  // the blank counts twice
        {"0123456789012345678901234567", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(centredTitlePrefix(QString::fromUtf8(c.title)), c.prefix) << c.title;
    }
    EXPECT_EQ(styleField(composedText("#tl", cashBook()), 20),
              QStringLiteral("  　") + QString(19, u' ') + QStringLiteral("現金出納帳"));
}

TEST(LedgerComposer, AllBooksPrintTheListTitle) {
    LedgerPrintValues v = cashBook();
    v.allBooksMode = true;
    v.bookKind = QStringLiteral("全帳簿");
    v.bookName = QStringLiteral("全帳簿");
    EXPECT_EQ(styleField(composedText("[#NS]", v), 20), QStringLiteral("[]"));
    EXPECT_EQ(styleField(composedText("#tl", v), 20),
              QString(22, u' ') + QStringLiteral("科目別一覧表"));
    // The title words are left alone in the all-books view.
    EXPECT_EQ(styleField(composedText("現金出納帳", v), 20), QStringLiteral("現金出納帳"));
}

TEST(LedgerComposer, PageTexts) {
    LedgerPrintValues v = cashBook();
    EXPECT_EQ(styleField(composedText("#Y/#M/#D(#W) #OF p#pg", v), 20),
              QStringLiteral("2016/05/01(日) オルベル商店 p1"));
    const struct {
        const char* filter;
        int month;
        int paper;
        const char* printed;
    } years[] = {
        {"", 4, 0, "2015|4月分"},
        {"", 4, 1, "2015|4月分"},
        {"交通費", 13, 0, "2015年度|"},
        {"交通費", 13, 1, "2015|"},
        {"交通費", 4, 0, "2015年4月|4月分"},
        {"交通費", 4, 2, "2015|4月分"},
    };
    for (const auto& c : years) {
        v.accountFilter = QString::fromUtf8(c.filter);
        v.currentMonth = c.month;
        v.paperChoice = c.paper;
        EXPECT_EQ(styleField(composedText("#PY|#PM月分", v), 20), QString::fromUtf8(c.printed))
            << c.filter << " " << c.month << " " << c.paper;
    }
}

TEST(LedgerComposer, TemplatesWithoutUsableSlotsAreOnePage) {
    for (const QString& directive : {QStringLiteral("no directive"), QStringLiteral("#maxline=1"),
                                     QStringLiteral("#maxline=x")}) {
        StyleTemplate page{QStringLiteral("header;Ver1.1;0;0;0;0;401;100;"), dataItem(directive),
                           dataItem(QStringLiteral("#ic_01 p#pg"))};
        int counter = 3;
        composeLedgerPage(page, rows(40), counter, cashBook());
        EXPECT_EQ(counter, 0) << directive;
        EXPECT_EQ(styleField(page[2], 20), QStringLiteral("#ic_01 p3")) << directive;
    }
}

TEST(LedgerComposer, EmptyLinesStayWhereThePageEnds) {
    StyleTemplate page = slotTemplate(2, {"現金出納帳"});
    page.insert(2, QString());
    int counter = 1;
    composeLedgerPage(page, rows(1), counter, cashBook());
    EXPECT_EQ(page[2], QString());
}

}  // namespace
