#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/text_helpers.h"
#include "print/balance_composer.h"
#include "print/summary_composer.h"
#include "tests/print/print_fixture.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

StyleTemplate page(const QStringList& texts) {
    StyleTemplate lines{QStringLiteral("header;Ver1.1;0;0;0;0;401;100;")};
    for (const QString& text : texts) {
        lines.append(dataItem(text));
    }
    return lines;
}

// April to March; income 500,000 in April, otherwise little.
SummaryPrintFigures figures() {
    SummaryPrintFigures f;
    f.range = QStringLiteral("2015年03月21日～2016年03月20日");
    f.scaleMaximum = Amount::fromYen(1000000);
    for (int p = 1; p <= 12; ++p) {
        SummaryPrintMonth& m = f.months[static_cast<size_t>(p - 1)];
        const int month = (p + 2) % 12 + 1;
        m.month = QDate(month >= 4 ? 2015 : 2016, month, 1);
        m.income = p == 1 ? QStringLiteral("500,000") : QStringLiteral("0");
        m.cumulativeIncome = QStringLiteral("500,000");
        m.expense = p == 2 ? QStringLiteral("3,000") : QStringLiteral("0");
        m.cumulativeExpense = p >= 2 ? QStringLiteral("3,000") : QStringLiteral("0");
        m.difference = p == 2 ? QStringLiteral("-3,000") : m.income;
        m.cumulativeDifference = p >= 2 ? QStringLiteral("497,000") : QStringLiteral("500,000");
    }
    f.months[11].cumulativeIncome = QStringLiteral("12,345,678,901");  // 14 characters
    return f;
}

ReportTexts texts() {
    ReportTexts t;
    t.today = QDate(2016, 5, 1);
    t.sideCaption = QStringLiteral("月別科目一覧表");
    t.bookName = QStringLiteral("全帳簿");
    t.fiscalYear = QStringLiteral("2015/03/21～2016/03/20");
    t.companyName = QStringLiteral("オルベル商店");
    t.negativeInRed = true;
    return t;
}

TEST(SummaryComposer, FillsEveryMonthAndTheYear) {
    StyleTemplate lines = page({"#income01", "#rincome01", "#expense02", "#rexpense02", "#sagaku02",
                                "#y01/#m01", "#y12/#m12", "#income13", "#rincome13", "#expense13",
                                "#rsagaku13", "#date #TL #notesname p#pg", "#range #OF"});
    composeSummaryPage(lines, figures(), texts(), 1);
    const QStringList expected{"500,000",
                               "500,000",
                               "3,000",
                               "3,000",
                               "-3,000",
                               "2015/04",
                               "2016/03",
                               "12,345,678,901",
                               "12,345,678,901",
                               "3,000",
                               "497,000",
                               "2016/05/01 月別科目一覧表 全帳簿 p1",
                               "2015年03月21日～2016年03月20日 オルベル商店"};
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(styleField(lines[i + 1], 20), expected[i]) << lines[i + 1];
    }
    EXPECT_EQ(styleField(lines[5], 19), QStringLiteral("255"));  // the negative difference
    EXPECT_EQ(styleField(lines[8], 15), QStringLiteral("9"));    // a long figure is set smaller
    EXPECT_EQ(styleField(lines[8], 18), QStringLiteral("-1.6"));
}

TEST(GraphComposer, AppendsTheBarsOfEveryMonth) {
    StyleTemplate lines = page({"#inc01 #rinc01", "#sag02", "#PY #notename"});
    const qsizetype before = lines.size();
    composeGraphPage(lines, figures(), texts(), 1);
    ASSERT_EQ(lines.size(), before + 24);
    EXPECT_EQ(styleField(lines[1], 20), QStringLiteral("500,000 500,000"));
    EXPECT_EQ(styleField(lines[2], 19), QStringLiteral("255"));
    EXPECT_EQ(styleField(lines[3], 20), QStringLiteral("2015/03/21～2016/03/20 全帳簿"));
    // April's income of 500,000 on a scale of 1,000,000 reaches y 92.5.
    EXPECT_EQ(lines[before],
              QStringLiteral("0;0;0;0;rrect;22;155;30;92.5;0;0;0;実線;12615808;枠;12615808;0;"));
    EXPECT_EQ(lines[before + 1],
              QStringLiteral("0;0;0;0;rrect;32;155;40;155;0;0;0;実線;8421440;枠;8421440;0;"));
    // May's expense of 3,000 would be 0.375 mm high: it gets 2 mm.
    EXPECT_EQ(lines[before + 3],
              QStringLiteral("0;0;0;0;rrect;54;155;62;153;0;0;0;実線;8421440;枠;8421440;0;"));
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("0;0;0;0;rrect;274;155;282;")));
}

TEST(GraphComposer, BarTops) {
    const struct {
        const char* figure;
        qint64 maximum;
        const char* top;
    } cases[] = {
        {"0", 1000000, "155"},
        {"500,000", 1000000, "92.5"},
        {"1,000,000", 1000000, "30"},
        {"3,000", 1000000, "153"},
        {"1", 0, "30"},
        {"-1,000", 1000, "153"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(graphBarTop(QString::fromUtf8(c.figure), Amount::fromYen(c.maximum)),
                  QString::fromUtf8(c.top))
            << c.figure;
    }
    EXPECT_THROW(graphBarTop(QStringLiteral("abc"), Amount::fromYen(1)), ConversionError);
}

BalancePrintValues books(int count) {
    BalancePrintValues v;
    for (int i = 1; i <= count; ++i) {
        v.books.push_back({QStringLiteral("預金|銀行%1").arg(i),
                           i == 2 ? QStringLiteral("-5,000") : QStringLiteral("%1,000").arg(i)});
    }
    v.titleLabel = QStringLiteral("現金出納帳   ");
    v.range = QStringLiteral("2015年04月21日～2015年05月20日");
    v.totals = {QStringLiteral("10,000"), QStringLiteral("12,000"), QStringLiteral("-2,000")};
    return v;
}

StyleTemplate balanceTemplate() {
    QStringList texts{"#notetitle_m", "#notetitle_s", "#range", "#income", "#expense", "#sagaku"};
    for (int k = 1; k <= 56; ++k) {
        texts.append(QStringLiteral("#notename%1 #notezan%1").arg(k, 2, 10, QChar(u'0')));
    }
    return page(texts);
}

TEST(BalanceComposer, FiftySixBooksAPage) {
    const struct {
        int books;
        int page;
        const char* slot1;
        const char* slot56;
        int counterAfter;
    } cases[] = {
        {60, 1, "預金|銀行1 1,000", "預金|銀行56 56,000", 1},
        {60, 2, "預金|銀行57 57,000", " ", 0},
        {56, 1, "預金|銀行1 1,000", "預金|銀行56 56,000", 1},
        {56, 2, " ", " ", 0},
        {55, 1, "預金|銀行1 1,000", " ", 0},
    };
    for (const auto& c : cases) {
        StyleTemplate lines = balanceTemplate();
        int counter = c.page;
        composeBalancePage(lines, books(c.books), texts(), counter);
        EXPECT_EQ(styleField(lines[7], 20), QString::fromUtf8(c.slot1)) << c.books << "/" << c.page;
        EXPECT_EQ(styleField(lines[62], 20), QString::fromUtf8(c.slot56))
            << c.books << "/" << c.page;
        EXPECT_EQ(counter, c.counterAfter ? c.page : 0) << c.books << "/" << c.page;
        // The common texts and the totals are on every page.
        EXPECT_EQ(styleField(lines[3], 20), QStringLiteral("2015年04月21日～2015年05月20日"));
        EXPECT_EQ(styleField(lines[6], 20), QStringLiteral("-2,000"));
        EXPECT_EQ(styleField(lines[6], 19), QStringLiteral("255"));
    }
}

TEST(BalanceComposer, TitleAndNegativeBalances) {
    StyleTemplate lines = balanceTemplate();
    int counter = 1;
    composeBalancePage(lines, books(3), texts(), counter);
    EXPECT_EQ(styleField(lines[1], 20), QStringLiteral("現金出納帳   "));
    EXPECT_EQ(styleField(lines[2], 20), QString());
    EXPECT_EQ(styleField(lines[8], 19), QStringLiteral("255"));
    EXPECT_EQ(styleField(lines[7], 19), QStringLiteral("0"));

    BalancePrintValues longTitle = books(3);
    longTitle.titleLabel = QStringLiteral("預金 みずほ銀行大手町支店   ");
    lines = balanceTemplate();
    composeBalancePage(lines, longTitle, texts(), counter);
    EXPECT_EQ(styleField(lines[1], 20), QString());
    EXPECT_EQ(styleField(lines[2], 20), QStringLiteral("預金 みずほ銀行大手町支店"));
}

TEST(BalanceComposer, RangeOfTheShownPeriodOrTheYear) {
    PeriodTable t;
    t.startMonth = 4;
    for (int m = 1; m <= 12; ++m) {
        const int year = m >= 4 ? 2015 : 2016;
        t[m] = {QDate(year, m, 1).addMonths(-1).addDays(20), QDate(year, m, 20)};
    }
    EXPECT_EQ(balanceRangeText(t, 13), QStringLiteral("2015年03月21日～2016年03月20日"));
    EXPECT_EQ(balanceRangeText(t, 5), QStringLiteral("2015年04月21日～2015年05月20日"));
}

}  // namespace
