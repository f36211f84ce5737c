#include "widgets/calendar_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

#include "ledger/calendar_month.h"

namespace tallyrix {

namespace {

constexpr qreal kMargin = 3;
constexpr qreal kHeadingHeight = 26;
constexpr qreal kWeekdayHeight = 18;
constexpr qreal kTodayHeight = 20;
constexpr qreal kWeekColumnWidth = 24;
constexpr int kButtonWidth = 28;
constexpr int kButtonHeight = 22;

// The shade of the heading bar and the lines: a light tint of the selection
// colour, so the calendar reads as one piece.
const QColor kHeadingShade(0xE6, 0xE6, 0xF2);
const QColor kRuleColour(0xA8, 0xA8, 0xC8);
const QColor kCaptionColour(0x40, 0x40, 0x70);

QColor colourOf(CalendarRgb rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

}  // namespace

CalendarWidget::CalendarWidget(CalendarMonth& month, QWidget* parent)
    : QWidget(parent),
      m_month(month),
      m_previous(new QToolButton(this)),
      m_next(new QToolButton(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    const auto setUp = [](QToolButton* button, const QString& text, const QString& name) {
        button->setText(text);
        button->setObjectName(name);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(kButtonWidth, kButtonHeight);
    };
    setUp(m_previous, QStringLiteral("<<"), QStringLiteral("previous"));
    setUp(m_next, QStringLiteral(">>"), QStringLiteral("next"));
    connect(m_previous, &QToolButton::clicked, this, &CalendarWidget::previousClicked);
    connect(m_next, &QToolButton::clicked, this, &CalendarWidget::nextClicked);
    placeButtons();
}

void CalendarWidget::refresh() {
    update();
}

QSize CalendarWidget::sizeHint() const {
    return {230, 200};
}

QSize CalendarWidget::minimumSizeHint() const {
    return {200, 170};
}

CalendarWidget::Geometry CalendarWidget::geometry() const {
    Geometry g;
    const QRectF inner = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    g.heading = QRectF(inner.left(), inner.top(), inner.width(), kHeadingHeight);
    const qreal top = g.heading.bottom() + 2;
    g.weekdays = QRectF(inner.left(), top, inner.width(), kWeekdayHeight);
    g.todayRow = QRectF(inner.left(), inner.bottom() - kTodayHeight, inner.width(), kTodayHeight);
    const qreal gridTop = g.weekdays.bottom() + 2;
    const qreal gridHeight = std::max<qreal>(g.todayRow.top() - 2 - gridTop, 6);
    g.weekColumn = QRectF(inner.left(), gridTop, kWeekColumnWidth, gridHeight);
    g.grid = QRectF(g.weekColumn.right(), gridTop, inner.width() - kWeekColumnWidth, gridHeight);
    g.cellWidth = g.grid.width() / CalendarMonth::Columns;
    g.cellHeight = g.grid.height() / CalendarMonth::Rows;
    return g;
}

QRectF CalendarWidget::cellRect(int cell) const {
    if (cell < 0 || cell >= CalendarMonth::CellCount) {
        return {};
    }
    return cellIn(geometry(), cell);
}

QRectF CalendarWidget::cellIn(const Geometry& g, int cell) {
    const int row = cell / CalendarMonth::Columns;
    const int column = cell % CalendarMonth::Columns;
    return QRectF(g.grid.left() + column * g.cellWidth, g.grid.top() + row * g.cellHeight,
                  g.cellWidth, g.cellHeight);
}

QRectF CalendarWidget::weekNumberRect(int row) const {
    const Geometry g = geometry();
    return QRectF(g.weekColumn.left(), g.weekColumn.top() + row * g.cellHeight,
                  g.weekColumn.width(), g.cellHeight);
}

QRectF CalendarWidget::todayRect() const {
    // Only the words are a link, as in the native control.
    const Geometry g = geometry();
    const QString text = CalendarMonth::todayCaption() + u' ' + m_month.todayText();
    const qreal width = fontMetrics().horizontalAdvance(text) + 8;
    return QRectF(g.grid.left(), g.todayRow.top(), std::min(width, g.todayRow.width()),
                  g.todayRow.height());
}

void CalendarWidget::placeButtons() {
    const Geometry g = geometry();
    const int y = static_cast<int>(g.heading.center().y()) - kButtonHeight / 2;
    m_previous->move(static_cast<int>(g.heading.left()) + 1, y);
    m_next->move(static_cast<int>(g.heading.right()) - kButtonWidth, y);
}

void CalendarWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeButtons();
}

void CalendarWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect(), colourOf(calendar_colors::Background));
    if (hasFocus()) {
        // The keys move the selected date: the frame takes its colour.
        painter.setPen(QPen(colourOf(calendar_colors::SelectedBackground), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    } else {
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

    const Geometry g = geometry();
    paintHeading(painter, g);
    paintWeekdays(painter, g);
    paintWeekNumbers(painter, g);
    paintDays(painter, g);
    paintToday(painter);
}

void CalendarWidget::paintHeading(QPainter& painter, const Geometry& g) const {
    painter.fillRect(g.heading, kHeadingShade);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(kCaptionColour);
    const QRectF text = g.heading.adjusted(kButtonWidth + 2, 0, -kButtonWidth - 2, 0);
    painter.drawText(text, Qt::AlignCenter | Qt::TextSingleLine, m_month.heading());
    painter.setFont(font());
}

void CalendarWidget::paintWeekdays(QPainter& painter, const Geometry& g) const {
    painter.setPen(kCaptionColour);
    const QRectF week(g.weekColumn.left(), g.weekdays.top(), g.weekColumn.width(),
                      g.weekdays.height());
    painter.drawText(week, Qt::AlignCenter, CalendarMonth::weekColumnCaption());
    const QStringList captions = CalendarMonth::weekdayCaptions();
    for (int column = 0; column < CalendarMonth::Columns && column < captions.size(); ++column) {
        const QRectF cell(g.grid.left() + column * g.cellWidth, g.weekdays.top(), g.cellWidth,
                          g.weekdays.height());
        painter.drawText(cell, Qt::AlignCenter, captions[column]);
    }
    painter.setPen(kRuleColour);
    const qreal y = g.weekdays.bottom() + 0.5;
    painter.drawLine(QPointF(g.grid.left() + 2, y), QPointF(g.grid.right() - 2, y));
}

void CalendarWidget::paintWeekNumbers(QPainter& painter, const Geometry& g) const {
    painter.setPen(kRuleColour);
    const qreal x = g.weekColumn.right() - 1.5;
    painter.drawLine(QPointF(x, g.weekColumn.top() + 1), QPointF(x, g.weekColumn.bottom() - 1));
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    const auto numbers = m_month.weekNumbers();
    for (int row = 0; row < CalendarMonth::Rows; ++row) {
        painter.drawText(weekNumberRect(row), Qt::AlignCenter,
                         QString::number(numbers[static_cast<size_t>(row)]));
    }
}

void CalendarWidget::paintDays(QPainter& painter, const Geometry& g) const {
    const auto days = m_month.days();
    for (int i = 0; i < CalendarMonth::CellCount; ++i) {
        const CalendarDay& day = days[static_cast<size_t>(i)];
        const QRectF cell = cellIn(g, i);
        if (day.background != calendar_colors::Background) {
            painter.fillRect(cell.adjusted(1, 1, -1, -1), colourOf(day.background));
        }
        painter.setPen(colourOf(day.textColor));
        painter.drawText(cell, Qt::AlignCenter | Qt::TextSingleLine, day.text);
    }
}

void CalendarWidget::paintToday(QPainter& painter) const {
    const QRectF area = todayRect();
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(kCaptionColour);
    painter.drawText(area.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     CalendarMonth::todayCaption() + u' ' + m_month.todayText());
    painter.setFont(font());
}

void CalendarWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPointF pos = event->position();
    if (todayRect().contains(pos)) {
        emit todayClicked();
        return;
    }
    const Geometry g = geometry();
    if (!g.grid.contains(pos)) {
        return;
    }
    const int column = std::min(static_cast<int>((pos.x() - g.grid.left()) / g.cellWidth),
                                CalendarMonth::Columns - 1);
    const int row = std::min(static_cast<int>((pos.y() - g.grid.top()) / g.cellHeight),
                             CalendarMonth::Rows - 1);
    emit dayClicked(row * CalendarMonth::Columns + column,
                    event->modifiers().testFlag(Qt::ShiftModifier));
}

void CalendarWidget::keyPressEvent(QKeyEvent* event) {
    int days = 0;
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Minus:
            days = -1;
            break;
        case Qt::Key_Right:
        case Qt::Key_Plus:
            days = 1;
            break;
        case Qt::Key_Up:
            days = -CalendarMonth::Columns;
            break;
        case Qt::Key_Down:
            days = CalendarMonth::Columns;
            break;
        default:
            break;
    }
    // Shift comes with "+" on many keyboards; other modifiers mean other keys.
    if (days == 0 || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier |
                                            Qt::MetaModifier)) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    emit daysStepped(days);
}

void CalendarWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void CalendarWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

}  // namespace tallyrix
