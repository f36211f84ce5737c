#include "app/qt_printer_service.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinterInfo>

#include "core/errors.h"

namespace tallyrix {

QtPrinterService::QtPrinterService(QWidget* dialogParent)
    : m_parent(dialogParent),
      m_names(QPrinterInfo::availablePrinterNames()),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    m_current = defaultPrinter();
    selectPrinter(m_current);
}

QtPrinterService::~QtPrinterService() {
    if (m_painter && m_painter->isActive()) {
        m_painter->end();
    }
}

QString QtPrinterService::pdfEntryName() {
    return QStringLiteral("PDFファイルに印刷");
}

QStringList QtPrinterService::printers() const {
    return m_names + QStringList{pdfEntryName()};
}

int QtPrinterService::defaultPrinter() const {
    const qsizetype index = m_names.indexOf(QPrinterInfo::defaultPrinterName());
    return index >= 0 ? static_cast<int>(index) : static_cast<int>(m_names.size());
}

void QtPrinterService::selectPrinter(int index) {
    if (index < 0 || index > static_cast<int>(m_names.size())) {
        return;
    }
    m_current = index;
    if (isPdfEntry(index)) {
        m_printer->setOutputFormat(QPrinter::PdfFormat);
    } else {
        m_printer->setOutputFormat(QPrinter::NativeFormat);
        m_printer->setOutputFileName(QString());
        m_printer->setPrinterName(m_names[index]);
    }
}

DeviceMode QtPrinterService::deviceMode() const {
    DeviceMode mode;
    mode.paperSize = paperOfPageSize(m_printer->pageLayout().pageSize());
    mode.paperSource = static_cast<int>(m_printer->paperSource());
    mode.copies = m_printer->copyCount();
    mode.orientation = m_printer->pageLayout().orientation() == QPageLayout::Landscape ? 1 : 0;
    return mode;
}

DeviceMode QtPrinterService::defaultDeviceMode() const {
    DeviceMode mode;
    if (!isPdfEntry(m_current)) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(m_names[m_current]);
        mode.paperSize = paperOfPageSize(info.defaultPageSize());
    }
    return mode;
}

void QtPrinterService::setDeviceMode(const DeviceMode& mode) {
    // A header that names no paper leaves the printer's own.
    if (mode.paperSize > 0) {
        m_printer->setPageSize(pageSizeOfPaper(mode.paperSize));
    }
    m_printer->setPaperSource(static_cast<QPrinter::PaperSource>(mode.paperSource));
    m_printer->setCopyCount(std::max(mode.copies, 1));
    m_printer->setPageOrientation(mode.orientation == 1 ? QPageLayout::Landscape
                                                        : QPageLayout::Portrait);
}

PrinterGeometry QtPrinterService::geometry() const {
    const QRect paper = m_printer->paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = m_printer->pageRect(QPrinter::DevicePixel).toRect();
    const int resolution = m_printer->resolution();
    return printerGeometryFromPixels(QSize(resolution, resolution),
                                     page.topLeft() - paper.topLeft(), paper.size(), page.size());
}

void QtPrinterService::setOutputFile(const QString& path) {
    m_printer->setOutputFileName(path);
}

void QtPrinterService::beginDocument() {
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_printer.get())) {
        m_painter.reset();
        throw FileError(QStringLiteral("プリンター %1 で印刷を開始できません。")
                            .arg(printers().value(m_current)));
    }
    const QRect page = m_printer->pageRect(QPrinter::DevicePixel).toRect();
    const int resolution = m_printer->resolution();
    m_surface = std::make_unique<PainterSurface>(*m_painter, QSize(resolution, resolution),
                                                 QRect(QPoint(0, 0), page.size()));
}

DrawingSurface& QtPrinterService::pageSurface() {
    if (!m_surface) {
        throw FileError(QStringLiteral("印刷が開始されていません。"));
    }
    return *m_surface;
}

void QtPrinterService::newPage() {
    m_printer->newPage();
}

void QtPrinterService::endDocument() {
    m_surface.reset();
    if (m_painter) {
        m_painter->end();
    }
    m_painter.reset();
}

void QtPrinterService::abortDocument() {
    m_printer->abort();
    endDocument();
}

bool QtPrinterService::setupDialog() {
    QPrintDialog dialog(m_printer.get(), m_parent);
    dialog.setWindowTitle(QStringLiteral("プリンター設定"));
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    if (m_printer->outputFormat() == QPrinter::PdfFormat) {
        m_current = static_cast<int>(m_names.size());
    } else {
        const qsizetype index = m_names.indexOf(m_printer->printerName());
        m_current = index >= 0 ? static_cast<int>(index) : m_current;
    }
    return true;
}

}  // namespace tallyrix
