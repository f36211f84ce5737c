#pragma once

#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "print/printer_service.h"
#include "print/recording_surface.h"

namespace tallyrix {

// A printer that prints nothing and writes down what it was given: the
// documents with the drawing calls of each page and the device mode they
// were printed with, and the order of the document calls. For tests.
class RecordingPrinter : public PrinterService {
public:
    struct Page {
        QStringList calls;
        DeviceMode mode;
        int printer = 0;
    };
    struct Document {
        std::vector<Page> pages;
        bool ended = false;
        bool aborted = false;
    };

    explicit RecordingPrinter(QStringList printers = {QStringLiteral("Recorder")},
                              PrinterGeometry geometry = referenceA4Printer());

    const std::vector<Document>& documents() const { return m_documents; }
    // "begin", "newPage", "end", "abort", "select N", "setDeviceMode ..." in order.
    const QStringList& events() const { return m_events; }
    // The texts drawn on a page, in order.
    static QStringList texts(const Page& page);

    void setDefaultPrinter(int index) { m_default = index; }
    void setGeometry(const PrinterGeometry& geometry) { m_geometry = geometry; }
    // What the next setup dialog answers: the printer and copies chosen, or cancel.
    struct DialogAnswer {
        int printer = 0;
        int copies = 1;
        int paperSize = 9;
    };
    void answerDialog(std::optional<DialogAnswer> answer) { m_answer = answer; }
    int dialogsShown() const { return m_dialogs; }

    QStringList printers() const override { return m_printers; }
    int currentPrinter() const override { return m_current; }
    int defaultPrinter() const override { return m_default; }
    void selectPrinter(int index) override;
    DeviceMode deviceMode() const override { return m_mode; }
    void setDeviceMode(const DeviceMode& mode) override;
    PrinterGeometry geometry() const override { return m_geometry; }

    void beginDocument() override;
    DrawingSurface& pageSurface() override;
    void newPage() override;
    void endDocument() override;
    void abortDocument() override;
    bool setupDialog() override;

private:
    void closePage();

    QStringList m_printers;
    PrinterGeometry m_geometry;
    int m_current = 0;
    int m_default = 0;
    DeviceMode m_mode;
    std::vector<Document> m_documents;
    QStringList m_events;
    std::unique_ptr<RecordingSurface> m_surface;
    std::optional<DialogAnswer> m_answer;
    int m_dialogs = 0;
};

}  // namespace tallyrix
