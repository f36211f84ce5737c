#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>

#include "app/print_preview.h"
#include "app/print_settings_page.h"
#include "core/errors.h"
#include "print/print_page_model.h"
#include "print/print_sources.h"
#include "print/recording_printer.h"
#include "tests/ledger/ledger_fixture.h"
#include "tests/support/gui_events.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

// The print page and its preview over the business year, with the fixture
// styles of four row slots in a data folder of their own.
class PrintPagesTest : public ::testing::Test, public PrintPageView {
protected:
    PrintPagesTest()
        : sources(ledger.view, settings),
          model(sources, printer, prompter, Folders{data.path(), data.path()}),
          run([this](const std::function<void()>& command) {
              try {
                  command();
              } catch (const TallyError& error) {
                  errors.append(error.message());
              }
          }),
          page(model, run),
          preview(model, run) {
        QDir(data.path()).mkpath(QStringLiteral("style"));
        QFile::copy(fixture("print/compose/ledger_rows4.sle"),
                    data.file("style/A4現金出納帳_月分1_ゴシックG.sle"));
        QFile::copy(fixture("print/compose/ledger_form.sle"),
                    data.file("style/コクヨ金銭出納帳_リ-101.sle"));
        prompter.setCancelWhenUnscripted(true);
        model.setView(this);
        ledger.view.showPeriod(4);
        model.printLedger();
    }

    void printPageChanged() override {
        page.refresh();
        preview.refresh();
    }
    void showBanner(bool shown) override {
        preview.showBanner(shown);
        bannerShown.append(banner()->isVisibleTo(&preview));
    }

    template <typename T>
    T* in(QWidget& parent, const char* name) {
        T* widget = parent.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QWidget* banner() { return preview.findChild<QWidget*>(QStringLiteral("printingBanner")); }
    QString pageLabel() { return in<QLabel>(preview, "pageLabel")->text(); }

    LedgerFixture ledger;
    ProgramSettings settings;
    LedgerPrintSources sources;
    TempDir data;
    RecordingPrinter printer;
    ScriptedPrompter prompter;
    PrintPageModel model;
    QStringList errors;
    QList<bool> bannerShown;
    std::function<void(std::function<void()>)> run;
    PrintSettingsPage page;
    PrintPreviewWidget preview;
};

TEST_F(PrintPagesTest, ShowsTheChoicesOfTheReport) {
    QGroupBox* paper = in<QGroupBox>(page, "paperGroup");
    QStringList captions;
    for (QRadioButton* button : paper->findChildren<QRadioButton*>()) {
        if (button->isVisibleTo(&page)) {
            captions.append(button->text());
        }
    }
    EXPECT_EQ(captions, (QStringList{"A4用紙", "コクヨ出納帳", "コクヨ経費帳"}));
    EXPECT_EQ(in<QCheckBox>(page, "month1")->text(), QStringLiteral("4月"));
    EXPECT_EQ(in<QCheckBox>(page, "month12")->text(), QStringLiteral("3月"));
    EXPECT_TRUE(in<QCheckBox>(page, "month1")->isChecked());
    EXPECT_EQ(in<QLabel>(page, "oddCaption")->text(), QStringLiteral("全体位置調整"));
    EXPECT_FALSE(in<QDoubleSpinBox>(page, "evenX")->isVisibleTo(&page));
    EXPECT_FALSE(in<QGroupBox>(page, "minusGroup")->isEnabled());
    QTabBar* tabs = in<QTabBar>(preview, "printMonthTabs");
    EXPECT_EQ(tabs->count(), 12);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("4月"));
    EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(PrintPagesTest, APreprintedFormShowsItsEvenSheetRow) {
    for (QRadioButton* button : in<QGroupBox>(page, "paperGroup")->findChildren<QRadioButton*>()) {
        if (button->text() == u"コクヨ出納帳") {
            button->click();
        }
    }
    EXPECT_EQ(model.state().paper, 1);
    EXPECT_TRUE(model.state().stylePath.endsWith(QStringLiteral("コクヨ金銭出納帳_リ-101.sle")));
    EXPECT_EQ(in<QLabel>(page, "oddCaption")->text(), QStringLiteral("奇数ページ"));
    EXPECT_TRUE(in<QDoubleSpinBox>(page, "evenX")->isVisibleTo(&page));
    EXPECT_TRUE(in<QCheckBox>(page, "startEven")->isVisibleTo(&page));
    EXPECT_TRUE(in<QGroupBox>(page, "minusGroup")->isEnabled());
    EXPECT_FALSE(in<QGroupBox>(page, "fontGroup")->isEnabled());
    // The form's header puts the even sheets 5 mm to the right.
    EXPECT_EQ(in<QDoubleSpinBox>(page, "evenX")->text(), QStringLiteral("5"));
}

TEST_F(PrintPagesTest, PageButtonsAndZoom) {
    EXPECT_EQ(pageLabel(), QStringLiteral("Page 1"));
    in<QPushButton>(preview, "nextPage")->click();
    EXPECT_EQ(pageLabel(), QStringLiteral("Page 2"));
    in<QPushButton>(preview, "nextPage")->click();
    EXPECT_EQ(pageLabel(), QStringLiteral("Page 1"));

    const QSize full = preview.sheet()->size();
    in<QPushButton>(preview, "zoom50")->click();
    EXPECT_EQ(model.state().zoom, 50);
    EXPECT_NEAR(preview.sheet()->width(), full.width() / 2, 1);
    EXPECT_NEAR(preview.sheet()->height(), full.height() / 2, 1);
}

TEST_F(PrintPagesTest, EnterInTheOddOffsetShowsTheOffsetsAtOnce) {
    QDoubleSpinBox* oddX = in<QDoubleSpinBox>(page, "oddX");
    oddX->findChild<QLineEdit*>()->selectAll();
    typeText(oddX, QStringLiteral("1.5"));
    key(oddX, Qt::Key_Return);
    EXPECT_TRUE(model.page()[0].startsWith(QStringLiteral("header;Ver1.1;1.5;0;")))
        << model.page()[0];
}

TEST_F(PrintPagesTest, TheBannerShowsWhilePrinting) {
    in<QPushButton>(preview, "printRun")->click();
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n');
    ASSERT_EQ(printer.documents().size(), 1u);
    EXPECT_EQ(printer.documents()[0].pages.size(), 2u);
    EXPECT_EQ(bannerShown.value(0), true);
    EXPECT_EQ(bannerShown.last(), false);
}

}  // namespace
