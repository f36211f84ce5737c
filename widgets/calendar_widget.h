#pragma once

#include <QRectF>
#include <QWidget>

class QToolButton;

namespace tallyrix {

class CalendarMonth;

// Draws the month of a CalendarMonth and forwards every click and key to the
// owner, which acts on the model and then calls refresh(). The widget keeps no
// state of its own: colours, texts and what a click means all come from the
// model. It takes focus, shows it with its frame, and turns the arrow keys and
// +/- into steps of the selected date.
class CalendarWidget : public QWidget {
    Q_OBJECT

public:
    explicit CalendarWidget(CalendarMonth& month, QWidget* parent = nullptr);

    // Repaints from the model after the owner has changed it.
    void refresh();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Where things are drawn, in widget coordinates.
    QRectF cellRect(int cell) const;
    QRectF weekNumberRect(int row) const;
    QRectF todayRect() const;
    QToolButton* previousButton() const { return m_previous; }
    QToolButton* nextButton() const { return m_next; }

signals:
    // Any of the 42 cells, the neighbouring months' grey ones included.
    void dayClicked(int cell, bool shift);
    void previousClicked();
    void nextClicked();
    void todayClicked();
    // The selected date this many days on: ←/→ one day, ↑/↓ a week, +/- a day.
    void daysStepped(int days);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Geometry {
        QRectF heading;
        QRectF weekdays;
        QRectF grid;  // the day cells, without the week column
        QRectF weekColumn;
        QRectF todayRow;
        qreal cellWidth = 0;
        qreal cellHeight = 0;
    };
    Geometry geometry() const;
    static QRectF cellIn(const Geometry& g, int cell);
    void placeButtons();
    void paintHeading(QPainter& painter, const Geometry& g) const;
    void paintWeekdays(QPainter& painter, const Geometry& g) const;
    void paintDays(QPainter& painter, const Geometry& g) const;
    void paintWeekNumbers(QPainter& painter, const Geometry& g) const;
    void paintToday(QPainter& painter) const;

    CalendarMonth& m_month;
    QToolButton* m_previous;
    QToolButton* m_next;
};

}  // namespace tallyrix
