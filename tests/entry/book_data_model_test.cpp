#include "entry/book_data_model.h"

#include <gtest/gtest.h>

#include "core/scripted_prompter.h"
#include "core/text_checks.h"

using namespace tallyrix;

namespace {

TEST(BookDataTest, TypingBeyondTheNameBudgetKeepsItsBeginning) {
    const struct {
        const char* typed;
        const char* kept;
    } cases[] = {
        {"あいうえおかきくけこさ", "あいうえおかきくけこ"},  // 11 full-width keep 10
        {"ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKLMNOP"},           // 17 characters, 17 bytes
        {"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁ", "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀ"},           // half-width kana: one byte each
        {"ABCあいうえおかきくけ", "ABCあいうえおかきく"},    // a split character goes whole
        {"あいうえおかABCDEFGH", "あいうえおかABCDEFGH"},    // 14 characters, 20 bytes: fits
    };
    for (const auto& c : cases) {
        ScriptedPrompter prompter;
        BookDataModel data(prompter);
        const QString typed = QString::fromUtf8(c.typed);
        data.nameChange(typed, 2);
        EXPECT_EQ(data.name(), QString::fromUtf8(c.kept)) << c.typed;
        if (typed != data.name()) {
            EXPECT_EQ(data.caret(), data.name().size()) << c.typed;
        } else {
            EXPECT_EQ(data.caret(), 2) << c.typed;
        }
    }
}

TEST(BookDataTest, OpensWithTheBooksValuesUncut) {
    ScriptedPrompter prompter;
    // A longer name from a file stays as it is until the user edits it, so that
    // changing only the balance does not rename the book.
    const QString longName = QStringLiteral("あいうえおかきくけこさし");
    BookDataModel data(prompter, longName, Amount::fromYen(-1500));
    EXPECT_EQ(data.name(), longName);
    EXPECT_EQ(data.caret(), longName.size());
    EXPECT_EQ(data.balanceText(), QStringLiteral("-1500"));
    data.execute();
    EXPECT_TRUE(data.stored());
    EXPECT_EQ(data.name(), longName);
    EXPECT_EQ(data.balance(), Amount::fromYen(-1500));
}

TEST(BookDataTest, TheBalanceBoxTakesUpToNineDigits) {
    const struct {
        const char* typed;
        bool accepted;
        qint64 yen;  // the balance afterwards
    } cases[] = {
        {"999999999", true, 999999999}, {"0", true, 0},        {"", true, 0},
        {"1000000000", false, 5000},    {"-1", false, 5000},   {"12a", false, 5000},
        {"1,500", false, 5000},         {"１２", false, 5000}, {"1.5", false, 5000},
    };
    for (const auto& c : cases) {
        ScriptedPrompter prompter;
        BookDataModel data(prompter, QStringLiteral("営業部"), Amount::fromYen(5000));
        EXPECT_EQ(data.balanceChange(QString::fromUtf8(c.typed)), c.accepted) << c.typed;
        EXPECT_EQ(data.balance(), Amount::fromYen(c.yen)) << c.typed;
        EXPECT_EQ(data.balanceText(),
                  c.accepted ? QString::fromUtf8(c.typed) : QStringLiteral("5000"))
            << c.typed;
    }
}

TEST(BookDataTest, ANameThatWouldBreakTheYearFileIsRefusedAndTheDialogStaysOpen) {
    const QString separators = QStringLiteral("帳簿名に「,」や「\"」は使えません。");
    const struct {
        QString name;
        QString message;
    } cases[] = {
        {QStringLiteral("東京,大阪"), separators},
        {QStringLiteral("\"本店\""), separators},
        {QStringLiteral("カフェ☕"), *unsavableCharacterMessage(QStringLiteral("カフェ☕"))},
    };
    for (const auto& c : cases) {
        ScriptedPrompter prompter;
        BookDataModel data(prompter, QStringLiteral("営業部"), Amount::fromYen(5000));
        data.nameChange(c.name, static_cast<int>(c.name.size()));
        data.execute();
        EXPECT_FALSE(data.closed()) << c.name.toStdString();
        EXPECT_FALSE(data.stored()) << c.name.toStdString();
        EXPECT_EQ(prompter.notices(), QStringList{"確認してください。: " + c.message})
            << c.name.toStdString();

        // Mended, it goes through.
        data.nameChange(QStringLiteral("本店"), 2);
        data.execute();
        EXPECT_TRUE(data.stored()) << c.name.toStdString();
        EXPECT_EQ(prompter.notices().size(), 1) << c.name.toStdString();
    }
}

TEST(BookDataTest, CancelKeepsNothing) {
    ScriptedPrompter prompter;
    BookDataModel data(prompter, QStringLiteral("営業部"), Amount::fromYen(5000));
    data.nameChange(QStringLiteral("新名"), 2);
    data.cancel();
    EXPECT_TRUE(data.closed());
    EXPECT_FALSE(data.stored());
    EXPECT_TRUE(prompter.records().empty());
}

}  // namespace
