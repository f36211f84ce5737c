#include "app/settings_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <memory>

#include "core/scripted_prompter.h"
#include "tests/support/gui_events.h"
#include "tests/support/temp_dir.h"
#include "widgets/numeric_edit.h"
#include "yearfile/workspace.h"
#include "yearfile/year_file.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

// The dialog over the business year 2015 (start month 4, closing day 20, "7月"
// locked, opening balance 100000) with its own data folder.
class SettingsDialogTest : public ::testing::Test {
protected:
    SettingsDialogTest() {
        parseYearFile(fixture("yearfile/business_2015.exv"), ws, QDate(2015, 5, 10));
        model =
            std::make_unique<SettingsDialogModel>(ws, Folders{data.path(), data.path()}, prompter);
        dialog = std::make_unique<SettingsDialog>(*model);
        dialog->show();
    }

    template <class T>
    T* widget(const QString& name) const {
        T* found = dialog->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // 's' the start, 'e' the end of a period.
    QDateEdit* date(char side, int period) const {
        const QString name =
            side == 's' ? QStringLiteral("periodStart") : QStringLiteral("periodEnd");
        return widget<QDateEdit>(name + QString::number(period));
    }
    // The periods as the rows stand from the top: "10月度 2015/10/01-2015/10/31".
    QStringList shownRows() const {
        QList<QLabel*> captions;
        for (int n = 1; n <= 12; ++n) {
            captions.append(widget<QLabel>(QStringLiteral("periodCaption%1").arg(n)));
        }
        std::sort(captions.begin(), captions.end(),
                  [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
        QStringList rows;
        for (QLabel* caption : captions) {
            const int n = caption->objectName().mid(QStringLiteral("periodCaption").size()).toInt();
            EXPECT_EQ(date('s', n)->y(), caption->y());
            rows.append(caption->text() + u' ' + date('s', n)->text() + u'-' +
                        date('e', n)->text());
        }
        return rows;
    }
    // The named period controls in keyboard order, from the first start date.
    QStringList keyboardOrder(QWidget* first) const {
        QStringList names;
        for (QWidget* w = first; names.size() < 36; w = w->nextInFocusChain()) {
            const QString name = w->objectName();
            static const QRegularExpression period(
                QStringLiteral("^period(Start|End|Lock)[0-9]+$"));
            if (period.match(name).hasMatch() && !names.contains(name)) {
                names.append(name);
            }
            if (w->nextInFocusChain() == first) {
                break;
            }
        }
        return names;
    }
    void releaseMouseOn(QAbstractButton* button) {
        const QPoint at(8, button->height() / 2);
        mouse(button, QEvent::MouseButtonPress, at, Qt::LeftButton);
        mouse(button, QEvent::MouseButtonRelease, at, Qt::NoButton);
    }
    void typeYear(const QString& year) {
        auto* box = widget<QSpinBox>(QStringLiteral("startYear"));
        box->selectAll();
        typeText(box, year);
    }

    TempDir data;
    Workspace ws;
    ScriptedPrompter prompter;
    std::unique_ptr<SettingsDialogModel> model;
    std::unique_ptr<SettingsDialog> dialog;
};

TEST_F(SettingsDialogTest, ShowsTheOpenYear) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Tallyrix6-Tallyrix Version6"));
    EXPECT_TRUE(widget<QRadioButton>(QStringLiteral("usageType_1"))->isChecked());
    EXPECT_TRUE(widget<QRadioButton>(QStringLiteral("startMonth4"))->isChecked());
    EXPECT_EQ(widget<QSpinBox>(QStringLiteral("startYear"))->value(), 2015);
    EXPECT_EQ(widget<NumericEdit>(QStringLiteral("openingBalance"))->text(),
              QStringLiteral("100,000"));
    EXPECT_TRUE(widget<QCheckBox>(QStringLiteral("periodLock7"))->isChecked());
    EXPECT_FALSE(widget<QCheckBox>(QStringLiteral("periodLock6"))->isChecked());
    EXPECT_TRUE(widget<QWidget>(QStringLiteral("fontType"))->isHidden());
    EXPECT_TRUE(widget<QWidget>(QStringLiteral("fontSize"))->isHidden());
    const QStringList rows = shownRows();
    EXPECT_EQ(rows.first(), QStringLiteral("4月度 2015/03/21-2015/04/20"));
    EXPECT_EQ(rows.last(), QStringLiteral("3月度 2016/02/21-2016/03/20"));
    EXPECT_EQ(date('s', 5)->y() - date('s', 4)->y(), 30);
}

TEST_F(SettingsDialogTest, TheStartUpChoiceEnablesTheFileBox) {
    auto* file = widget<QLineEdit>(QStringLiteral("startDataFile"));
    auto* browse = widget<QPushButton>(QStringLiteral("chooseStartDataFileButton"));
    EXPECT_FALSE(file->isEnabled());
    EXPECT_FALSE(browse->isEnabled());
    widget<QRadioButton>(QStringLiteral("startOption_2"))->click();
    EXPECT_EQ(model->startOption(), 2);
    EXPECT_TRUE(file->isEnabled());
    EXPECT_TRUE(browse->isEnabled());
    typeText(file, QStringLiteral("/home/a.exv"));
    EXPECT_EQ(model->startDataFile(), QStringLiteral("/home/a.exv"));
    widget<QRadioButton>(QStringLiteral("startOption_1"))->click();
    EXPECT_FALSE(file->isEnabled());
    EXPECT_FALSE(browse->isEnabled());
}

TEST_F(SettingsDialogTest, ReleasingAStartMonthReordersTheRowsAndTheKeyboardOrder) {
    auto* october = widget<QRadioButton>(QStringLiteral("startMonth10"));
    mouse(october, QEvent::MouseButtonPress, QPoint(8, october->height() / 2), Qt::LeftButton);
    // Nothing happens before the button is released.
    EXPECT_EQ(model->checkedStartMonth(), 4);
    mouse(october, QEvent::MouseButtonRelease, QPoint(8, october->height() / 2), Qt::NoButton);
    EXPECT_EQ(model->checkedStartMonth(), 10);
    EXPECT_TRUE(october->isChecked());

    const QStringList rows = shownRows();
    EXPECT_EQ(rows.mid(0, 4), (QStringList{QStringLiteral("10月度 2015/10/01-2015/10/31"),
                                           QStringLiteral("11月度 2015/11/01-2015/11/30"),
                                           QStringLiteral("12月度 2015/12/01-2015/12/31"),
                                           QStringLiteral("1月度 2016/01/01-2016/01/31")}));
    EXPECT_EQ(rows.last(), QStringLiteral("9月度 2016/09/01-2016/09/30"));
    EXPECT_EQ(keyboardOrder(date('s', 10)), model->tabOrder());
    // The open year changes only on apply.
    EXPECT_EQ(ws.periods.startMonth, 4);
}

TEST_F(SettingsDialogTest, EditsOfDatesAndLocksReachTheModel) {
    date('e', 5)->setDate(QDate(2015, 5, 25));
    widget<QCheckBox>(QStringLiteral("periodLock7"))->click();
    widget<QCheckBox>(QStringLiteral("negativeInRed"))->click();
    const auto rows = model->rows();
    EXPECT_EQ(rows[1].end, QDate(2015, 5, 25));
    EXPECT_FALSE(rows[3].locked);
    EXPECT_TRUE(model->negativeInRed());
}

TEST_F(SettingsDialogTest, ATooSmallYearIsRefusedAndKeptForCorrection) {
    typeYear(QStringLiteral("1899"));
    EXPECT_EQ(model->startYear(), 1899);
    widget<QPushButton>(QStringLiteral("applyButton"))->click();
    EXPECT_EQ(prompter.notices(),
              QStringList{QStringLiteral("確認してください。: 開始年度が小さすぎます。")});
    EXPECT_EQ(ws.periods.startYear, 2015);
    EXPECT_FALSE(ws.modified);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(widget<QSpinBox>(QStringLiteral("startYear"))->value(), 1899);
    EXPECT_FALSE(QFile::exists(model->settingsFile()));
}

TEST_F(SettingsDialogTest, ApplyAfterTheQuestionChangesTheYearAndCloses) {
    releaseMouseOn(widget<QRadioButton>(QStringLiteral("startMonth10")));
    prompter.answer(DialogResult::No);
    widget<QPushButton>(QStringLiteral("applyButton"))->click();
    EXPECT_EQ(prompter.records().back().text,
              QStringLiteral("開始月、開始残高を変更していいですか？"));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(ws.periods.startMonth, 4);

    prompter.answer(DialogResult::Yes);
    widget<QPushButton>(QStringLiteral("applyButton"))->click();
    EXPECT_EQ(prompter.notices().last(),
              QStringLiteral("現金出納帳-Tallyrix Version6: 環境設定を登録しました。"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(ws.periods.startMonth, 10);
    EXPECT_EQ(ws.periods[10].start, QDate(2015, 10, 1));
    EXPECT_TRUE(ws.modified);
    EXPECT_TRUE(QFile::exists(model->settingsFile()));
}

TEST_F(SettingsDialogTest, CloseDropsWhatWasNotApplied) {
    typeYear(QStringLiteral("2016"));
    key(widget<QSpinBox>(QStringLiteral("startYear")), Qt::Key_Escape);
    EXPECT_TRUE(model->closed());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(ws.periods.startYear, 2015);
    EXPECT_FALSE(ws.modified);
}

}  // namespace
