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
        (QStringList{"Tallyrix4～6-Tallyrix-ファイル(*.exv)", "Tallyrix(1～3)ファイル(*.clv)"}));
    EXPECT_EQ(QtPrompter::qtNameFilters(QStringLiteral("Tallyrix6-Tallyrix-ファイル|*.exv")),
              QStringList{"Tallyrix6-Tallyrix-ファイル (*.exv)"});
    EXPECT_EQ(QtPrompter::qtNameFilters(QStringLiteral("CSV|*.csv;*.txt")),
              QStringList{"CSV (*.csv *.txt)"});
}

}  // namespace

#include <QCoreApplication>
#include <QTranslator>

#include "app/translations.h"

namespace {

// Qt's own buttons read Japanese, as the program's own texts do.
TEST(QtPrompter, QuestionsAndFileDialogsReadJapanese) {
    QTranslator* translator = installQtJapanese(*QCoreApplication::instance());
    ASSERT_NE(translator, nullptr) << "Qt's Japanese translation (qt6-translations-l10n)";
    QtPrompter prompter;
    QStringList buttons;
    whenModalShows([&](QWidget* w) {
        for (QPushButton* button : w->findChildren<QPushButton*>()) {
            buttons.append(button->text());
        }
        qobject_cast<QDialog*>(w)->reject();
    });
    prompter.taskMessage(QStringLiteral("題"), QStringLiteral("見出し"), TaskButtons::YesNo,
                         TaskIcon::Question, QStringLiteral("本文"));
    EXPECT_TRUE(buttons.contains(QStringLiteral("はい(&Y)"))) << buttons.join(u' ').toStdString();
    EXPECT_TRUE(buttons.contains(QStringLiteral("いいえ(&N)"))) << buttons.join(u' ').toStdString();

    QStringList labels;
    whenModalShows([&](QWidget* w) {
        for (QPushButton* button : w->findChildren<QPushButton*>()) {
            labels.append(button->text());
        }
        qobject_cast<QDialog*>(w)->reject();
    });
    FileDialogRequest request;
    request.filter = QStringLiteral("Tallyrix6-Tallyrix-ファイル|*.exv");
    EXPECT_EQ(prompter.openFileName(request), std::nullopt);
    EXPECT_TRUE(labels.contains(QStringLiteral("キャンセル"))) << labels.join(u' ').toStdString();
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

// A message without a heading shows its text as the first line.
TEST(QtPrompter, AMessageWithoutHeadingStartsWithItsText) {
    QtPrompter prompter;
    QString first;
    QString informative;
    whenModalShows([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        first = box->text().section(u'\n', 0, 0);
        informative = box->informativeText();
        box->accept();
    });
    prompter.taskMessage(QStringLiteral("バージョン情報"), QString(), TaskButtons::Ok,
                         TaskIcon::Information,
                         QStringLiteral("ReleaseVersion 20180701A\r\nTallyrix6 for Linux"));
    EXPECT_EQ(first, QStringLiteral("ReleaseVersion 20180701A"));
    EXPECT_TRUE(informative.isEmpty());
}

}  // namespace
