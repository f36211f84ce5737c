#include "ledger/balances.h"

#include <gtest/gtest.h>

#include "ledger/periods.h"
#include "tests/support/temp_dir.h"
#include "yearfile/year_file.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

const BookRef kCash{QStringLiteral("現金"), QStringLiteral("現金出納帳")};
const BookRef kPetty{QStringLiteral("小口"), QStringLiteral("営業部")};
const BookRef kBank{QStringLiteral("預金"), QStringLiteral("みずほ銀行")};

// The business year: start month 4, closing day 20, a petty-cash and a bank book.
class BalancesTest : public ::testing::Test {
protected:
    void SetUp() override {
        parseYearFile(fixture("yearfile/business_2015.exv"), ws, QDate(2026, 12, 9));
    }
    QString balanceField(int line) const { return ws.entries.at(line).field(BalanceField); }
    Workspace ws;
};

TEST_F(BalancesTest, RunningBalancesOfTheCashBook) {
    const BalanceValues v = computeBookBalances(ws, kCash, 5);
    EXPECT_EQ(v.opening, Amount::fromYen(100000));
    EXPECT_EQ(v.closing, Amount::fromYen(111500));
    EXPECT_EQ(balanceField(0), QStringLiteral("150000"));
    EXPECT_EQ(balanceField(2), QStringLiteral("126500"));
    // Month ends: "4月" closes on 04/20 after line 1; "5月" after the deposit of 05/01.
    EXPECT_EQ(v.monthEnd[4], Amount::fromYen(140000));
    EXPECT_EQ(v.monthEnd[5], Amount::fromYen(96500));
    EXPECT_EQ(v.monthEnd[6], Amount::fromYen(116500));
    EXPECT_EQ(v.monthEnd[7], Amount::fromYen(111500));
    EXPECT_EQ(v.monthEnd[3], Amount::fromYen(111500));
    EXPECT_EQ(v.monthEnd[13], Amount());
    EXPECT_EQ(v.displayedMonth, Amount::fromYen(96500));
}

TEST_F(BalancesTest, ATransferCountsForBothBooksAndHoldsTheBalanceComputedLast) {
    const BalanceValues bank = computeBookBalances(ws, kBank, 4);
    EXPECT_EQ(bank.opening, Amount::fromYen(200000));
    EXPECT_EQ(balanceField(4), QStringLiteral("230000"));  // the deposit, seen from the bank
    EXPECT_EQ(balanceField(5), QStringLiteral("210000"));  // the withdrawal
    EXPECT_EQ(bank.closing, parseMoney(QStringLiteral("210012")));
    EXPECT_EQ(bank.monthEnd[4], Amount::fromYen(200000));  // nothing before 04/20

    computeBookBalances(ws, kCash, 4);
    EXPECT_EQ(balanceField(4), QStringLiteral("96500"));
    EXPECT_EQ(
        ws.entries.line(4),
        QStringLiteral(
            "d05=,2015/05/01,5,預金,預け入れ,0,30000,96500,現金,現金出納帳,預金,みずほ銀行,"));

    const BalanceValues petty = computeBookBalances(ws, kPetty, 4);
    EXPECT_EQ(balanceField(1), QStringLiteral("15000"));
    EXPECT_EQ(petty.closing, Amount::fromYen(14200));
}

// Several books in one pass end as if computed one after the other: every
// value, and in each transfer line the balance of the book computed later.
TEST_F(BalancesTest, BooksInOnePassEndAsComputedOneAfterTheOther) {
    const BookRef none{QStringLiteral("預金"), QStringLiteral("どこにもない銀行")};
    const QList<QList<BookRef>> orders = {
        {kCash, kPetty, kBank, kCash},
        {kCash, kPetty, kBank, kBank},
        {kCash, kPetty, kBank, kPetty},
        {kBank, kCash},
        {kPetty, none, kCash, BookRef{QStringLiteral("全帳簿"), QStringLiteral("全帳簿")}},
    };
    for (const QList<BookRef>& books : orders) {
        Workspace one;
        Workspace each;
        parseYearFile(fixture("yearfile/business_2015.exv"), one, QDate(2026, 12, 9));
        parseYearFile(fixture("yearfile/business_2015.exv"), each, QDate(2026, 12, 9));
        const std::vector<BalanceValues> together = computeBalancesOfBooks(one, books, 5);
        ASSERT_EQ(together.size(), static_cast<size_t>(books.size()));
        for (qsizetype k = 0; k < books.size(); ++k) {
            const BalanceValues alone = computeBookBalances(each, books[k], 5);
            const BalanceValues& v = together[static_cast<size_t>(k)];
            EXPECT_EQ(v.opening, alone.opening) << books[k].name;
            EXPECT_EQ(v.closing, alone.closing) << books[k].name;
            EXPECT_EQ(v.displayedMonth, alone.displayedMonth) << books[k].name;
            for (int m = 1; m <= 13; ++m) {
                EXPECT_EQ(v.monthEnd[static_cast<size_t>(m)],
                          alone.monthEnd[static_cast<size_t>(m)])
                    << books[k].name << " " << m;
            }
        }
        EXPECT_EQ(one.entries.lines(), each.entries.lines()) << books.last().name;
    }
}

TEST_F(BalancesTest, ABookWithoutEntriesKeepsItsOpeningBalance) {
    ws.bankBooks.add(QStringLiteral("z,預金,新しい口座,1234,"));
    const BalanceValues v =
        computeBookBalances(ws, {QStringLiteral("預金"), QStringLiteral("新しい口座")}, 4);
    EXPECT_EQ(v.opening, Amount::fromYen(1234));
    EXPECT_EQ(v.closing, Amount::fromYen(1234));
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(v.monthEnd[static_cast<size_t>(m)], Amount::fromYen(1234)) << m;
    }
}

TEST_F(BalancesTest, OpeningBalancesOfBookLines) {
    const struct {
        const char* value;
        std::int64_t yen;
    } cases[] = {{"5000", 5000}, {"-300", -300}, {"12.5", 0},
                 {"abc", 0},     {"", 0},        {"3000000000", 3000000000}};
    for (const auto& c : cases) {
        ws.pettyBooks.clear();
        ws.pettyBooks.add(QStringLiteral("z,小口,営業部,%1,").arg(QString::fromUtf8(c.value)));
        EXPECT_EQ(bookOpeningBalance(ws, kPetty), Amount::fromYen(c.yen)) << c.value;
    }
    ws.pettyBooks.add(QStringLiteral("z,小口,営業部,9,"));
    EXPECT_EQ(bookOpeningBalance(ws, kPetty), Amount::fromYen(9));  // the last line wins
    EXPECT_EQ(bookOpeningBalance(ws, {QStringLiteral("小口"), QStringLiteral("ない")}), Amount());
}

TEST_F(BalancesTest, DatesOutsideThePeriodsCountInTheFirstOrLastMonth) {
    ws.entries.insert(
        0, QStringLiteral("d04=,2015/01/01,0,売上,早すぎ,1,0,,現金,現金出納帳,現金,現金出納帳,"));
    ws.entries.append(
        QStringLiteral("d03=,2016/12/31,9,売上,遅すぎ,1000,0,,現金,現金出納帳,現金,現金出納帳,"));
    const BalanceValues v = computeBookBalances(ws, kCash, 4);
    EXPECT_EQ(v.monthEnd[4], Amount::fromYen(140001));
    EXPECT_EQ(v.monthEnd[3], Amount::fromYen(112501));
    EXPECT_EQ(v.monthEnd[2], Amount::fromYen(111501));
    EXPECT_EQ(balancePeriodOfDate(ws.periods, QDate(2015, 1, 1)), 4);
    EXPECT_EQ(balancePeriodOfDate(ws.periods, QDate(2016, 12, 31)), 3);
}

TEST_F(BalancesTest, LinesOutOfDateOrderSetTheSlotsFromTheirPeriodOn) {
    // A later line dated in "4月" overwrites every month end from "4月" on.
    ws.entries.append(
        QStringLiteral("d04=,2015/04/05,9,売上,後から,1,0,,現金,現金出納帳,現金,現金出納帳,"));
    const BalanceValues v = computeBookBalances(ws, kCash, 4);
    EXPECT_EQ(v.monthEnd[4], Amount::fromYen(111501));
    EXPECT_EQ(v.monthEnd[12], Amount::fromYen(111501));
    EXPECT_EQ(v.monthEnd[3], Amount::fromYen(111501));
}

TEST_F(BalancesTest, OlderShortLinesAreCompletedWithTheMainCashBook) {
    ws.entries.append(QStringLiteral("d04=,2015/04/02,9,売上,古い,500,0,"));
    ws.entries.append(QStringLiteral("d04=,2015/04/03,10,売上,古い,0,100,0,現金,"));  // nine fields
    computeBookBalances(ws, kCash, 4);
    EXPECT_EQ(ws.entries.line(8),
              QStringLiteral(
                  "d04=,2015/04/02,9,売上,古い,500,0,112000,現金,現金出納帳,現金,現金出納帳,"));
    // A nine-field line gets the same text appended, which leaves the main cash book
    // as its counterpart only.
    EXPECT_EQ(ws.entries.line(9),
              QStringLiteral("d04=,2015/04/03,10,売上,古い,0,100,112100,現金,,現金,現金出納帳,"));
}

TEST_F(BalancesTest, MonthCheckRewritesEveryMonthKeyFromTheDates) {
    autoSetMonthEnd(ws.periods, 1, 2015);
    ws.periods.startMonth = 1;
    reassignMonthKeys(ws);
    EXPECT_TRUE(ws.entries.line(2).startsWith(QStringLiteral("d04=,2015/04/21")));
    EXPECT_TRUE(ws.entries.line(4).startsWith(QStringLiteral("d05=,2015/05/01")));
    // 2016/03/15 lies after the last period ("12月" of 2015).
    EXPECT_TRUE(ws.entries.line(7).startsWith(QStringLiteral("d12=,2016/03/15")));
    ws.entries.insert(0, QStringLiteral("d07=,2014/06/01,0,x,y,0,0,5"));
    reassignMonthKeys(ws);
    EXPECT_EQ(ws.entries.line(0),
              QStringLiteral("d01=,2014/06/01,0,x,y,0,0,5,現金,現金出納帳,現金,現金出納帳,"));
}

}  // namespace
