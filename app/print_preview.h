#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QScrollArea;
class QSlider;
class QStackedWidget;
class QTabBar;

namespace tallyrix {

class PrintPageModel;

// The printer's sheet at the preview's zoom: grey paper, the printable area in
// white, the composed page drawn on it the way the printer will draw it.
class PrintSheetWidget : public QWidget {
    Q_OBJECT
public:
    explicit PrintSheetWidget(PrintPageModel& model, QWidget* parent = nullptr);
    // The size of the sheet at the model's zoom.
    void refresh();
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PrintPageModel& m_model;
};

// The work page "印刷プレビュー": the month tabs, the zoom, the page buttons,
// the print and printer buttons, and the sheet (or the banner while printing).
class PrintPreviewWidget : public QWidget {
    Q_OBJECT
public:
    PrintPreviewWidget(PrintPageModel& model, std::function<void(std::function<void()>)> run,
                       QWidget* parent = nullptr);

    void refresh();
    void showBanner(bool shown);
    void freezeSheet(bool frozen);
    PrintSheetWidget* sheet() const { return m_sheet; }

private:
    PrintPageModel& m_model;
    std::function<void(std::function<void()>)> m_run;
    bool m_refreshing = false;

    QTabBar* m_monthTabs = nullptr;
    QLabel* m_heading = nullptr;
    QSlider* m_zoom = nullptr;
    QLabel* m_zoomText = nullptr;
    QPushButton* m_first = nullptr;
    QPushButton* m_next = nullptr;
    QLabel* m_pageLabel = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_printer = nullptr;
    QStackedWidget* m_stack = nullptr;
    QScrollArea* m_scroll = nullptr;
    PrintSheetWidget* m_sheet = nullptr;
    QLabel* m_banner = nullptr;
};

}  // namespace tallyrix
