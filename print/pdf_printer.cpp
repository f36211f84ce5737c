#include "print/pdf_printer.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <cmath>

#include "core/errors.h"

namespace tallyrix {
namespace {

constexpr int kResolution = 600;
constexpr int kMarginMm = 4;

}  // namespace

PrinterGeometry sheetGeometry(const DeviceMode& mode, int resolution, int marginMm) {
    const QSizeF size = pageSizeOfPaper(mode.paperSize).size(QPageSize::Millimeter);
    int width = static_cast<int>(std::lround(size.width()));
    int height = static_cast<int>(std::lround(size.height()));
    if (mode.orientation == 1) {
        std::swap(width, height);
    }
    PrinterGeometry g;
    g.resolutionX = resolution;
    g.resolutionY = resolution;
    g.offsetX = marginMm;
    g.offsetY = marginMm;
    g.sheetWidth = width;
    g.sheetHeight = height;
    g.printableWidth = width - 2 * marginMm;
    g.printableHeight = height - 2 * marginMm;
    return g;
}

PdfPrinter::PdfPrinter(QString path, QString name)
    : m_path(std::move(path)), m_name(std::move(name)) {}

PdfPrinter::~PdfPrinter() {
    if (m_painter && m_painter->isActive()) {
        m_painter->end();
    }
}

PrinterGeometry PdfPrinter::geometry() const {
    return sheetGeometry(m_mode, kResolution, kMarginMm);
}

void PdfPrinter::beginDocument() {
    const PrinterGeometry g = geometry();
    m_writer = std::make_unique<QPdfWriter>(m_path);
    m_writer->setCreator(QStringLiteral("Tallyrix6"));
    m_writer->setTitle(QFileInfo(m_path).completeBaseName());
    m_writer->setResolution(kResolution);
    const QMarginsF margins(g.offsetX, g.offsetY, g.sheetWidth - g.offsetX - g.printableWidth,
                            g.sheetHeight - g.offsetY - g.printableHeight);
    m_writer->setPageLayout(
        QPageLayout(QPageSize(QSizeF(g.sheetWidth, g.sheetHeight), QPageSize::Millimeter),
                    QPageLayout::Portrait, margins, QPageLayout::Millimeter));
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_writer.get())) {
        m_painter.reset();
        m_writer.reset();
        throw FileError(QStringLiteral("ファイル %1 に書き込めません。").arg(m_path));
    }
    const QRect area(0, 0, static_cast<int>(g.printableWidth * kResolution / 25.4),
                     static_cast<int>(g.printableHeight * kResolution / 25.4));
    m_surface = std::make_unique<PainterSurface>(*m_painter, QSize(kResolution, kResolution), area);
    m_pages = 1;
}

DrawingSurface& PdfPrinter::pageSurface() {
    if (!m_surface) {
        throw FileError(QStringLiteral("印刷が開始されていません。"));
    }
    return *m_surface;
}

void PdfPrinter::newPage() {
    if (m_writer && m_writer->newPage()) {
        ++m_pages;
    }
}

void PdfPrinter::endDocument() {
    m_surface.reset();
    if (m_painter) {
        m_painter->end();
    }
    m_painter.reset();
    m_writer.reset();
}

void PdfPrinter::abortDocument() {
    endDocument();
    QFile::remove(m_path);
    m_pages = 0;
}

}  // namespace tallyrix
