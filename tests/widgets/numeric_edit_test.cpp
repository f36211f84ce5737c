#include "widgets/numeric_edit.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

using namespace tallyrix;

namespace {

// Types text key by key, as a keyboard would.
void type(NumericEdit& edit, const QString& text) {
    for (const QChar c : text) {
        const int key = c.unicode() < 0x80 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&edit, &press);
    }
}

void commit(NumericEdit& edit, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(&edit, &event);
}

TEST(NumericEditTest, TypedDigitsShowWithSeparatorsAndAnythingElseIsRefused) {
    const struct {
        const char* typed;
        int maxDigits;
        const char* shown;
        qint64 value;
    } cases[] = {
        {"1234567", 9, "1,234,567", 1234567},
        {"12a3", 9, "123", 123},         // the letter is dropped, the digits stay
        {"1-2.3 4", 9, "1,234", 1234},   // no sign, no decimals, no blanks
        {"１２３４", 9, "1,234", 1234},  // full-width digits from the keyboard
        {"0070", 9, "70", 70},           // leading zeros go
        {"1234567890", 9, "123,456,789", 123456789},
        {"12345", 3, "123", 123},
        {"", 9, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        NumericEdit edit;
        edit.setMaxDigits(c.maxDigits);
        type(edit, QString::fromUtf8(c.typed));
        EXPECT_EQ(edit.text(), QString::fromUtf8(c.shown));
        EXPECT_EQ(edit.value(), Amount::fromYen(c.value));
    }
}

TEST(NumericEditTest, RefusedInputKeepsTheAmountAndTheCursor) {
    NumericEdit edit;
    edit.setValue(Amount::fromYen(98765));
    EXPECT_EQ(edit.text(), QStringLiteral("98,765"));
    edit.setCursorPosition(1);
    type(edit, QStringLiteral("x"));
    EXPECT_EQ(edit.text(), QStringLiteral("98,765"));
    EXPECT_EQ(edit.value(), Amount::fromYen(98765));

    // Typing inside the number keeps the cursor after the typed digit.
    type(edit, QStringLiteral("1"));
    EXPECT_EQ(edit.text(), QStringLiteral("918,765"));
    type(edit, QStringLiteral("2"));
    EXPECT_EQ(edit.text(), QStringLiteral("9,128,765"));
}

TEST(NumericEditTest, InputMethodCommitsOnlyDigitsAndMakesThemAscii) {
    NumericEdit edit;
    commit(edit, QStringLiteral("１２３"));
    EXPECT_EQ(edit.text(), QStringLiteral("123"));
    commit(edit, QStringLiteral("４５６７"));
    EXPECT_EQ(edit.text(), QStringLiteral("1,234,567"));
    EXPECT_EQ(edit.value(), Amount::fromYen(1234567));

    for (const QString& refused :
         {QStringLiteral("あ"), QStringLiteral("８円"), QStringLiteral("12345678")}) {
        SCOPED_TRACE(refused.toStdString());
        commit(edit, refused);
        EXPECT_EQ(edit.text(), QStringLiteral("1,234,567"));
    }
}

TEST(NumericEditTest, SetValueShowsZeroAsEmptyAndPastedSeparatorsAreKept) {
    NumericEdit edit;
    edit.setValue(Amount::fromYen(1500));
    EXPECT_EQ(edit.text(), QStringLiteral("1,500"));
    edit.setValue(Amount());
    EXPECT_EQ(edit.text(), QString());
    EXPECT_EQ(edit.value(), Amount());

    edit.insert(QStringLiteral("12,345,678"));  // as a paste does
    EXPECT_EQ(edit.value(), Amount::fromYen(12345678));
    EXPECT_EQ(edit.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST(NumericEditTest, EnterAndReturnAreReportedAndTaken) {
    NumericEdit edit;
    int entered = 0;
    QObject::connect(&edit, &NumericEdit::enterPressed, [&] { ++entered; });
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(&edit, &press);
        EXPECT_TRUE(press.isAccepted());
    }
    EXPECT_EQ(entered, 2);
}

}  // namespace
