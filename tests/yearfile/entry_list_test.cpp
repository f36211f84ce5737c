#include "yearfile/entry_list.h"

#include <gtest/gtest.h>

#include "core/errors.h"

using namespace tallyrix;

namespace {

const QString kLine = QStringLiteral(
    "d07=,2015/07/03,12,交通費,電車代,0,1500,98500,現金,現金出納帳,現金,現金出納帳,");

TEST(Entry, ReadsFieldsDateAndAmountsOnce) {
    const Entry entry(kLine);
    EXPECT_EQ(entry.fieldCount(), 12);
    EXPECT_EQ(entry.field(TitleField), QStringLiteral("交通費"));
    EXPECT_EQ(entry.field(BalanceField), QStringLiteral("98500"));
    EXPECT_EQ(entry.date(), QDate(2015, 7, 3));
    EXPECT_EQ(entry.income(), Amount());
    EXPECT_EQ(entry.expense(), Amount::fromYen(1500));
    EXPECT_EQ(entry.text(), kLine);
    EXPECT_EQ(entry.field(20), QString());
}

TEST(Entry, ABalanceRewritesTheLineAsTwelveFields) {
    Entry entry(QStringLiteral(
        "d07=,2015/7/3,12,交通費,電車代,0,1500,,現金,現金出納帳,現金,現金出納帳,extra,"));
    entry.setBalance(Amount::fromYen(-2000));
    EXPECT_EQ(entry.field(BalanceField), QStringLiteral("-2000"));
    EXPECT_EQ(entry.text(),
              QStringLiteral(
                  "d07=,2015/7/3,12,交通費,電車代,0,1500,-2000,現金,現金出納帳,現金,現金出納帳,"));
    EXPECT_EQ(entry.fieldCount(), 12);
}

TEST(Entry, BadDatesAndAmountsNameTheText) {
    const struct {
        const char* line;
        const char* named;
    } cases[] = {
        {"d07=,2015/02/30,1,a,b,0,0,,現金,x,現金,x,", "2015/02/30"},
        {"d07=,2015/07/03,1,a,b,1O0,0,,現金,x,現金,x,", "1O0"},
        {"d07=,2015/07/03,1,a,b,0,１５,,現金,x,現金,x,", "１５"},
        {"d07=,,1,a,b,0,0,,現金,x,現金,x,", "''"},
        {"d07=", "''"},
    };
    for (const auto& c : cases) {
        try {
            Entry entry{QString::fromUtf8(c.line)};
            ADD_FAILURE() << "accepted " << c.line;
        } catch (const ConversionError& error) {
            EXPECT_TRUE(error.message().contains(QString::fromUtf8(c.named))) << c.line;
        }
    }
}

TEST(EntryList, KeepsLinesAndBookNumbersAndRefusesBadIndexes) {
    EntryList list;
    list.append(kLine);
    list.insert(0, QStringLiteral("d04=,2015/04/01,1,売上,,100,0,,小口,営業部,小口,営業部,"));
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.at(1).text(), kLine);
    const int cash = list.bookId({QStringLiteral("現金"), QStringLiteral("現金出納帳")});
    const int petty = list.bookId({QStringLiteral("小口"), QStringLiteral("営業部")});
    EXPECT_GE(cash, 0);
    EXPECT_NE(cash, petty);
    EXPECT_EQ(list.at(0).ownBook(), petty);
    EXPECT_EQ(list.bookId({QStringLiteral("預金"), QStringLiteral("なし")}), -1);

    list.setField(0, NameField, QStringLiteral("本社"));
    EXPECT_EQ(list.line(0),
              QStringLiteral("d04=,2015/04/01,1,売上,,100,0,,小口,本社,小口,営業部,"));
    EXPECT_NE(list.at(0).ownBook(), list.at(0).counterBook());

    EXPECT_THROW(list.at(2), ListIndexError);
    EXPECT_THROW(list.insert(3, kLine), ListIndexError);
    EXPECT_THROW(list.remove(-1), ListIndexError);
    EXPECT_THROW(list.replace(0, QStringLiteral("d04=,bad,1,a,b,0,0,,x,y,x,y,")), ConversionError);
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.line(1), kLine);
    list.remove(0);
    EXPECT_EQ(list.lines(), QStringList{kLine});
}

}  // namespace
