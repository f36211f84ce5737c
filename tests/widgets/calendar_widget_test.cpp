#include "widgets/calendar_widget.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolButton>

#include "core/folders.h"
#include "core/scripted_prompter.h"
#include "ledger/calendar_month.h"
#include "ledger/holidays.h"
#include "tests/support/temp_dir.h"

using namespace tallyrix;

namespace {

class CalendarWidgetTest : public ::testing::Test {
protected:
    CalendarWidgetTest() {
        // July 2015 starts on a Wednesday: cells 0..2 are June's grey days.
        month.selectDate(QDate(2015, 7, 3));
        widget.resize(widget.sizeHint());
        QObject::connect(&widget, &CalendarWidget::dayClicked,
                         [this](int cell, bool shift) { days.emplace_back(cell, shift); });
        QObject::connect(&widget, &CalendarWidget::todayClicked, [this] { ++todays; });
        QObject::connect(&widget, &CalendarWidget::previousClicked, [this] { ++previous; });
        QObject::connect(&widget, &CalendarWidget::nextClicked, [this] { ++next; });
    }

    void click(QPointF at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QMouseEvent press(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, modifiers);
        QApplication::sendEvent(&widget, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, widget.mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, modifiers);
        QApplication::sendEvent(&widget, &release);
    }

    test::TempDir dir;
    ScriptedPrompter prompter;
    Holidays holidays{prompter, Folders{QString(), dir.path()}};
    CalendarMonth month{holidays, CalendarMonth::Range::MainWindow, [] {},
                        [] { return QDate(2015, 7, 3); }};
    CalendarWidget widget{month};
    std::vector<std::pair<int, bool>> days;
    int todays = 0;
    int previous = 0;
    int next = 0;
};

TEST_F(CalendarWidgetTest, ClickAtACellCentreReportsThatCellAndShift) {
    for (const QSize size : {widget.sizeHint(), QSize(320, 280)}) {
        widget.resize(size);
        for (int cell = 0; cell < CalendarMonth::CellCount; ++cell) {
            days.clear();
            // Grey cells are reported as well; the model ignores them.
            const bool shift = cell % 5 == 0;
            click(widget.cellRect(cell).center(), shift ? Qt::ShiftModifier : Qt::NoModifier);
            ASSERT_EQ(days, (std::vector<std::pair<int, bool>>{{cell, shift}}))
                << "cell " << cell << " at " << size.width() << "x" << size.height();
        }
    }
    EXPECT_EQ(todays, 0);
}

TEST_F(CalendarWidgetTest, HeadingButtonsTodayAndWeekColumnForwardNoDay) {
    widget.previousButton()->click();
    widget.nextButton()->click();
    widget.nextButton()->click();
    EXPECT_EQ(previous, 1);
    EXPECT_EQ(next, 2);

    click(widget.todayRect().center());
    EXPECT_EQ(todays, 1);

    click(widget.weekNumberRect(2).center());
    click(QPointF(widget.width() / 2.0, 10));  // the heading line
    click(widget.cellRect(0).center(), Qt::NoModifier);
    EXPECT_EQ(days, (std::vector<std::pair<int, bool>>{{0, false}}));
    // The widget itself changes nothing: what a click means is the owner's.
    EXPECT_EQ(month.selectedDate(), QDate(2015, 7, 3));
}

TEST_F(CalendarWidgetTest, PaintsTheModelsColours) {
    const int selected = 2 + 3;  // 3 July, after Sun..Tue of June's last week
    ASSERT_TRUE(month.days()[selected].selected);
    QImage image = widget.grab().toImage();
    const QPoint inset = widget.cellRect(selected).topLeft().toPoint() + QPoint(3, 3);
    EXPECT_EQ(image.pixelColor(inset), QColor::fromRgb(calendar_colors::SelectedBackground));
    const QPoint plain = widget.cellRect(selected + 1).topLeft().toPoint() + QPoint(3, 3);
    EXPECT_EQ(image.pixelColor(plain), QColor::fromRgb(calendar_colors::Background));

    // After the owner moves the selection, refresh() shows it.
    month.selectDate(*month.clickDay(selected + 1, false));
    widget.refresh();
    image = widget.grab().toImage();
    EXPECT_EQ(image.pixelColor(plain), QColor::fromRgb(calendar_colors::SelectedBackground));
    EXPECT_EQ(image.pixelColor(inset), QColor::fromRgb(calendar_colors::Background));
}

TEST_F(CalendarWidgetTest, ArrowsAndPlusMinusStepTheDateAndFocusShows) {
    EXPECT_EQ(widget.focusPolicy(), Qt::StrongFocus);
    std::vector<int> steps;
    QObject::connect(&widget, &CalendarWidget::daysStepped, [&](int d) { steps.push_back(d); });
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        int days;  // 0: no step
    } cases[] = {
        {Qt::Key_Left, Qt::NoModifier, -1},      {Qt::Key_Right, Qt::NoModifier, 1},
        {Qt::Key_Up, Qt::NoModifier, -7},        {Qt::Key_Down, Qt::NoModifier, 7},
        {Qt::Key_Plus, Qt::ShiftModifier, 1},    {Qt::Key_Minus, Qt::KeypadModifier, -1},
        {Qt::Key_Right, Qt::ControlModifier, 0}, {Qt::Key_A, Qt::NoModifier, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        steps.clear();
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers);
        QApplication::sendEvent(&widget, &press);
        EXPECT_EQ(steps, c.days == 0 ? std::vector<int>{} : std::vector<int>{c.days});
        EXPECT_EQ(press.isAccepted(), c.days != 0);
    }
    EXPECT_EQ(month.selectedDate(), QDate(2015, 7, 3));  // the owner's to move

    const QPoint frame(1, widget.height() / 2);
    const QColor plain = widget.grab().toImage().pixelColor(frame);
    widget.show();
    QApplication::setActiveWindow(&widget);
    widget.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(widget.hasFocus());
    EXPECT_NE(widget.grab().toImage().pixelColor(frame), plain);
    EXPECT_EQ(widget.grab().toImage().pixelColor(frame),
              QColor::fromRgb(calendar_colors::SelectedBackground));
}

}  // namespace
