#pragma once

#include <QPainter>
#include <QPrinter>
#include <QStringList>
#include <memory>

#include "print/painter_surface.h"
#include "print/printer_service.h"

class QWidget;

namespace tallyrix {

// The machine's printers through Qt (CUPS), followed by an entry that prints
// to a PDF file, so that a machine without a printer can print too.
class QtPrinterService : public PrinterService {
public:
    explicit QtPrinterService(QWidget* dialogParent = nullptr);
    ~QtPrinterService() override;

    QStringList printers() const override;
    int currentPrinter() const override { return m_current; }
    int defaultPrinter() const override;
    void selectPrinter(int index) override;

    DeviceMode deviceMode() const override;
    DeviceMode defaultDeviceMode() const override;
    void setDeviceMode(const DeviceMode& mode) override;
    PrinterGeometry geometry() const override;

    bool printsToFile() const override { return isPdfEntry(m_current); }
    void setOutputFile(const QString& path) override;

    void beginDocument() override;
    DrawingSurface& pageSurface() override;
    void newPage() override;
    void endDocument() override;
    void abortDocument() override;
    bool setupDialog() override;

    // The caption of the PDF entry.
    static QString pdfEntryName();

private:
    bool isPdfEntry(int index) const { return index == static_cast<int>(m_names.size()); }

    QWidget* m_parent;
    QStringList m_names;  // the system's printers, without the PDF entry
    int m_current = 0;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<PainterSurface> m_surface;
};

}  // namespace tallyrix
