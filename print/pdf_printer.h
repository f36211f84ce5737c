#pragma once

#include <QPainter>
#include <QPdfWriter>
#include <memory>

#include "print/painter_surface.h"
#include "print/printer_service.h"

namespace tallyrix {

// A printer that writes its document as a PDF file: one PDF page a sheet, the
// paper size and orientation of the device mode, a 600 dpi page with 4 mm
// unprintable margins as many laser printers have. Text keeps its characters
// (the fonts go into the file with their text maps).
class PdfPrinter : public PrinterService {
public:
    explicit PdfPrinter(QString path = {}, QString name = QStringLiteral("PDFファイル"));
    ~PdfPrinter() override;

    QStringList printers() const override { return {m_name}; }
    int currentPrinter() const override { return 0; }
    int defaultPrinter() const override { return 0; }
    void selectPrinter(int) override {}
    DeviceMode deviceMode() const override { return m_mode; }
    void setDeviceMode(const DeviceMode& mode) override { m_mode = mode; }
    PrinterGeometry geometry() const override;

    bool printsToFile() const override { return m_path.isEmpty(); }
    void setOutputFile(const QString& path) override { m_path = path; }
    const QString& outputFile() const { return m_path; }
    int pagesWritten() const { return m_pages; }

    void beginDocument() override;
    DrawingSurface& pageSurface() override;
    void newPage() override;
    void endDocument() override;
    void abortDocument() override;

private:
    QString m_path;
    QString m_name;
    DeviceMode m_mode;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<PainterSurface> m_surface;
    int m_pages = 0;
};

// The sheet of a device mode in whole millimetres: its paper size (A4 when it
// has none) turned by its orientation, on a printer of the resolution with
// equal unprintable margins all round.
PrinterGeometry sheetGeometry(const DeviceMode& mode, int resolution, int marginMm);

}  // namespace tallyrix
