#include "widgets/numeric_edit.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

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

    // What cannot be read leaves the amount as it was.
    for (const QString& refused : {QStringLiteral("あ"), QStringLiteral("12345678")}) {
        SCOPED_TRACE(refused.toStdString());
        commit(edit, refused);
        EXPECT_EQ(edit.text(), QStringLiteral("1,234,567"));
    }
}

TEST(NumericEditTest, ConvertedNumeralsAreReadAsTheAmountTheyName) {
    const struct {
        const char* before;
        const char* committed;
        const char* shown;
    } cases[] = {
        {"", "千二百", "1,200"},
        {"", "三万五千円", "35,000"},
        {"", "５０００円", "5,000"},
        {"12", "万", "120,000"},  // the commit goes where the cursor is
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.committed);
        NumericEdit edit;
        edit.setText(QString::fromUtf8(c.before));
        commit(edit, QString::fromUtf8(c.committed));
        EXPECT_EQ(edit.text(), QString::fromUtf8(c.shown));
        EXPECT_TRUE(edit.holdsAmount());
    }
}

TEST(NumericEditTest, AnUnreadableCommitIsKeptAndReportedWhenTheOwnerAsks) {
    NumericEdit edit;
    QStringList reported;
    QObject::connect(&edit, &NumericEdit::unreadableTextCommitted,
                     [&](const QString& text) { reported.append(text); });
    edit.setKeepsUnreadableText(true);
    commit(edit, QStringLiteral("５０００えｎ"));
    EXPECT_EQ(edit.text(), QStringLiteral("５０００えｎ"));
    EXPECT_FALSE(edit.holdsAmount());
    EXPECT_EQ(edit.value(), Amount());
    EXPECT_EQ(reported, QStringList{QStringLiteral("５０００えｎ")});

    // The text can be corrected key by key; once it reads, it is an amount again.
    for (int i = 0; i < 2; ++i) {
        QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        QApplication::sendEvent(&edit, &backspace);
    }
    EXPECT_EQ(edit.text(), QStringLiteral("5,000"));
    EXPECT_TRUE(edit.holdsAmount());
    EXPECT_EQ(reported.size(), 1);
}

TEST(NumericEditTest, AsksForDigitsAndSelectsItsAmountWhenEnteredFromTheKeyboard) {
    EXPECT_TRUE(NumericEdit().inputMethodHints().testFlag(Qt::ImhDigitsOnly));

    QWidget window;
    auto* before = new QLineEdit(&window);
    auto* edit = new NumericEdit(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    for (const Qt::FocusReason reason :
         {Qt::TabFocusReason, Qt::BacktabFocusReason, Qt::OtherFocusReason}) {
        SCOPED_TRACE(reason);
        before->setFocus();
        edit->setValue(Amount::fromYen(12800));
        edit->setCursorPosition(6);
        edit->setFocus(reason);
        ASSERT_TRUE(edit->hasFocus());
        EXPECT_EQ(edit->selectedText(), QStringLiteral("12,800"));
        type(*edit, QStringLiteral("5"));
        EXPECT_EQ(edit->text(), QStringLiteral("5"));
    }
}

TEST(NumericEditTest, SetValueShowsZeroAsEmptyAndPastedSeparatorsAreKept) {
    NumericEdit edit;
    edit.setValue(Amount::fromYen(1500));
    EXPECT_EQ(edit.text(), QStringLiteral("1,500"));
    edit.setValue(Amount());
    EXPECT_EQ(edit.text(), QString());
    EXPECT_EQ(edit.value(), Amount());

    // A negative amount cannot be typed, but what setValue() shows reads back.
    edit.setValue(Amount::fromYen(-1500));
    EXPECT_EQ(edit.value(), Amount::fromYen(-1500));
    EXPECT_TRUE(edit.holdsAmount());
    edit.clear();
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
