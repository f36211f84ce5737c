#pragma once

#include <QColor>
#include <QWidget>

namespace tallyrix {

// A panel filled with a vertical gradient, behind title blocks and group
// labels. An optional caption is drawn at the left; children may be laid out
// on it like on any widget.
class GradientPanel : public QWidget {
    Q_OBJECT

public:
    explicit GradientPanel(QWidget* parent = nullptr);

    void setColors(const QColor& top, const QColor& bottom);
    QColor topColor() const { return m_top; }
    QColor bottomColor() const { return m_bottom; }

    void setText(const QString& text);
    QString text() const { return m_text; }
    void setTextColor(const QColor& color);
    QColor textColor() const { return m_textColor; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Draws the caption; the title block draws its own texts instead.
    virtual void paintContents(QPainter& painter);

private:
    QColor m_top;
    QColor m_bottom;
    QColor m_textColor;
    QString m_text;
};

// The program's name block: "Tallyrix6" large over "Tallyrix version VI".
class TitleBlock : public GradientPanel {
    Q_OBJECT

public:
    explicit TitleBlock(QWidget* parent = nullptr);

    static QString title() { return QStringLiteral("Tallyrix6"); }
    static QString subtitle() { return QStringLiteral("Tallyrix version VI"); }

    QSize sizeHint() const override;

protected:
    void paintContents(QPainter& painter) override;

private:
    QFont titleFont() const;
    QFont subtitleFont() const;
};

}  // namespace tallyrix
