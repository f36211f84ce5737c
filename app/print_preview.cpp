#include "app/print_preview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include "core/errors.h"
#include "print/painter_surface.h"
#include "print/preview_geometry.h"
#include "print/print_page_model.h"
#include "print/style_page.h"

namespace tallyrix {

PrintSheetWidget::PrintSheetWidget(PrintPageModel& model, QWidget* parent)
    : QWidget(parent), m_model(model) {
    setObjectName(QStringLiteral("sheet"));
    m_model.setScreenResolution(QSize(logicalDpiX(), logicalDpiY()));
}

QSize PrintSheetWidget::sizeHint() const {
    return previewGeometry(m_model.printerGeometry(), m_model.screenResolution(),
                           m_model.state().zoom)
        .sheet;
}

void PrintSheetWidget::refresh() {
    setFixedSize(sizeHint());
    update();
}

void PrintSheetWidget::paintEvent(QPaintEvent*) {
    const PreviewGeometry g = previewGeometry(m_model.printerGeometry(), m_model.screenResolution(),
                                              m_model.state().zoom);
    QPainter painter(this);
    painter.fillRect(QRect(QPoint(0, 0), g.sheet), toQColor(kSheetColour));
    painter.fillRect(g.printableArea, Qt::white);
    painter.translate(g.printableArea.topLeft());
    PainterSurface surface(painter, QSize(g.zoomedResolutionX, g.zoomedResolutionY),
                           QRect(QPoint(0, 0), g.printableArea.size()));
    try {
        renderStylePage(m_model.page(), m_model.previewContext(surface));
    } catch (const TallyError& error) {
        // Told after the paint, not in the middle of it.
        const QString message = error.message();
        QTimer::singleShot(0, this, [this, message] { m_model.previewFailed(message); });
    }
}

PrintPreviewWidget::PrintPreviewWidget(PrintPageModel& model,
                                       std::function<void(std::function<void()>)> run,
                                       QWidget* parent)
    : QWidget(parent), m_model(model), m_run(std::move(run)) {
    setObjectName(QStringLiteral("印刷プレビュー"));
    // Its buttons never make the work area wider than the window gives it.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    m_monthTabs = new QTabBar;
    m_monthTabs->setObjectName(QStringLiteral("printMonthTabs"));
    m_monthTabs->setExpanding(false);
    column->addWidget(m_monthTabs);

    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("previewBar"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 2, 8, 2);
    m_heading = new QLabel;
    m_heading->setObjectName(QStringLiteral("previewHeading"));
    QFont big = m_heading->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    m_heading->setFont(big);
    row->addWidget(m_heading);
    row->addSpacing(16);
    m_zoom = new QSlider(Qt::Horizontal);
    m_zoom->setObjectName(QStringLiteral("zoom"));
    m_zoom->setRange(5, 200);
    m_zoom->setTickInterval(10);
    m_zoom->setTickPosition(QSlider::TicksBelow);
    m_zoom->setFixedWidth(160);
    row->addWidget(m_zoom);
    m_zoomText = new QLabel;
    m_zoomText->setObjectName(QStringLiteral("zoomText"));
    m_zoomText->setMinimumWidth(40);
    row->addWidget(m_zoomText);
    for (int percent : {50, 100, 150, 200}) {
        auto* button = new QPushButton(QStringLiteral("%1%").arg(percent));
        button->setObjectName(QStringLiteral("zoom%1").arg(percent));
        connect(button, &QPushButton::clicked, this,
                [this, percent] { m_run([this, percent] { m_model.setZoom(percent); }); });
        row->addWidget(button);
    }
    row->addSpacing(16);
    m_first = new QPushButton(QStringLiteral("←"));
    m_first->setObjectName(QStringLiteral("firstPage"));
    m_pageLabel = new QLabel(QStringLiteral("Page"));
    m_pageLabel->setObjectName(QStringLiteral("pageLabel"));
    m_next = new QPushButton(QStringLiteral("→"));
    m_next->setObjectName(QStringLiteral("nextPage"));
    row->addWidget(m_first);
    row->addWidget(m_pageLabel);
    row->addWidget(m_next);
    row->addStretch(1);
    m_print = new QPushButton(QStringLiteral("印刷実行"));
    m_print->setObjectName(QStringLiteral("printRun"));
    m_printer = new QPushButton(QStringLiteral("プリンター設定"));
    m_printer->setObjectName(QStringLiteral("previewPrinterSettings"));
    row->addWidget(m_print);
    row->addWidget(m_printer);
    column->addWidget(bar);

    m_stack = new QStackedWidget;
    m_scroll = new QScrollArea;
    m_scroll->setObjectName(QStringLiteral("sheetArea"));
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_sheet = new PrintSheetWidget(m_model);
    m_scroll->setWidget(m_sheet);
    m_stack->addWidget(m_scroll);
    m_banner = new QLabel(QStringLiteral("印　刷　中・・・"));
    m_banner->setObjectName(QStringLiteral("printingBanner"));
    m_banner->setAlignment(Qt::AlignCenter);
    QFont bannerFont = m_banner->font();
    bannerFont.setPointSize(28);
    bannerFont.setBold(true);
    m_banner->setFont(bannerFont);
    m_stack->addWidget(m_banner);
    column->addWidget(m_stack, 1);

    connect(m_zoom, &QSlider::valueChanged, this, [this](int value) {
        if (!m_refreshing) {
            m_run([this, value] { m_model.setZoom(value); });
        }
    });
    connect(m_first, &QPushButton::clicked, this,
            [this] { m_run([this] { m_model.firstPage(); }); });
    connect(m_next, &QPushButton::clicked, this, [this] { m_run([this] { m_model.nextPage(); }); });
    connect(m_print, &QPushButton::clicked, this,
            [this] { m_run([this] { m_model.printReport(); }); });
    connect(m_printer, &QPushButton::clicked, this,
            [this] { m_run([this] { m_model.printerDialog(); }); });
    connect(m_monthTabs, &QTabBar::tabBarClicked, this, [this](int tab) {
        if (!m_refreshing && tab >= 0) {
            m_run([this, tab] { m_model.previewTabChosen(tab); });
        }
    });
    refresh();
}

void PrintPreviewWidget::refresh() {
    m_refreshing = true;
    const PrintPageState& s = m_model.state();
    while (m_monthTabs->count() > s.previewTabs.size()) {
        m_monthTabs->removeTab(m_monthTabs->count() - 1);
    }
    for (int i = 0; i < s.previewTabs.size(); ++i) {
        if (i < m_monthTabs->count()) {
            m_monthTabs->setTabText(i, s.previewTabs[i]);
        } else {
            m_monthTabs->addTab(s.previewTabs[i]);
        }
    }
    if (s.previewTab >= 0 && s.previewTab < m_monthTabs->count()) {
        m_monthTabs->setCurrentIndex(s.previewTab);
    }
    m_heading->setText(s.previewHeading);
    m_zoom->setValue(s.zoom);
    m_zoomText->setText(QStringLiteral("%1%").arg(s.zoom));
    m_first->setVisible(s.pageButtonsVisible);
    m_next->setVisible(s.pageButtonsVisible);
    m_pageLabel->setVisible(s.pageButtonsVisible);
    m_pageLabel->setText(QStringLiteral("Page %1").arg(s.shownPage));
    m_sheet->refresh();
    m_refreshing = false;
}

void PrintPreviewWidget::showBanner(bool shown) {
    m_stack->setCurrentWidget(shown ? static_cast<QWidget*>(m_banner) : m_scroll);
    // The run holds the event loop; the banner is painted before it starts.
    m_stack->repaint();
}

void PrintPreviewWidget::freezeSheet(bool frozen) {
    m_sheet->setUpdatesEnabled(!frozen);
}

}  // namespace tallyrix
