#include "app/qt_prompter.h"

#include <gtest/gtest.h>

#include "tests/support/gui_events.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

QPushButton* buttonWithText(QWidget* window, const QString& text) {
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->text().remove(u'&') == text) {
            return button;
        }
    }
    return nullptr;
}

TEST(QtPrompter, NoticeShowsTitleHeadingAndTextWithLineBreaks) {
    QtPrompter prompter;
    QString title;
    QString heading;
    QString text;
    int buttons = 0;
    whenModalShows([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        heading = box->text();
        text = box->informativeText();
        buttons = static_cast<int>(box->buttons().size());
        box->accept();
    });
    prompter.showNotice(QStringLiteral("確認"), QStringLiteral("一行目\r\n二行目"));
    EXPECT_EQ(title, QStringLiteral("Tallyrix6-Tallyrix Version6"));
    EXPECT_EQ(heading, QStringLiteral("確認"));
    EXPECT_EQ(text, QStringLiteral("一行目\n二行目"));
    EXPECT_EQ(buttons, 1);
}

TEST(QtPrompter, YesNoCancelAnswersByTheButtonPressed) {
    const struct {
        const char* press;
        DialogResult expected;
    } cases[] = {{"はい", DialogResult::Yes},
                 {"いいえ", DialogResult::No},
                 {"キャンセル", DialogResult::Cancel}};
    for (const auto& c : cases) {
        QtPrompter prompter;
        bool handCursor = false;
        whenModalShows([&](QWidget* w) {
            QPushButton* button = buttonWithText(w, QString::fromUtf8(c.press));
            ASSERT_NE(button, nullptr);
            handCursor = button->cursor().shape() == Qt::PointingHandCursor;
            EXPECT_FALSE(w->windowFlags() & Qt::WindowCloseButtonHint);
            button->click();
        });
        const DialogResult result = prompter.askYesNoCancel(
            QStringLiteral("データが変更されています。現在の状態を保存しますか？"),
            QStringLiteral("はい"), QStringLiteral("いいえ"), QStringLiteral("キャンセル"));
        EXPECT_EQ(result, c.expected) << c.press;
        EXPECT_TRUE(handCursor);
    }
}

TEST(QtPrompter, InputBoxReturnsTheTextOrNothing) {
    QtPrompter prompter;
    whenModalShows([](QWidget* w) {
        auto* dialog = qobject_cast<QDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->reject();
    });
    EXPECT_EQ(prompter.inputBox("題", "入力", "初期値"), std::nullopt);
}

TEST(QtPrompter, FileFiltersBecomeQtNameFilters) {
    EXPECT_EQ(
        QtPrompter::qtNameFilters(QStringLiteral(
            "Tallyrix4～6-Tallyrix-ファイル(*.exv)|*.exv|Tallyrix(1～3)ファイル(*.clv)|*.clv")),
        (QStringList{"Tallyrix4～6-Tallyrix-ファイル(*.exv) (*.exv)",
                     "Tallyrix(1～3)ファイル(*.clv) (*.clv)"}));
    EXPECT_EQ(QtPrompter::qtNameFilters(QStringLiteral("CSV|*.csv;*.txt")),
              QStringList{"CSV (*.csv *.txt)"});
}

}  // namespace
