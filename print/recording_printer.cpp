#include "print/recording_printer.h"

#include <stdexcept>

namespace tallyrix {

RecordingPrinter::RecordingPrinter(QStringList printers, PrinterGeometry geometry)
    : m_printers(std::move(printers)), m_geometry(geometry) {}

QStringList RecordingPrinter::texts(const Page& page) {
    QStringList texts;
    for (const QString& call : page.calls) {
        if (call.startsWith(QLatin1String("textOut "))) {
            texts.append(call.section(u' ', 2));
        }
    }
    return texts;
}

void RecordingPrinter::selectPrinter(int index) {
    if (index >= 0 && index < m_printers.size()) {
        m_current = index;
        m_events.append(QStringLiteral("select %1").arg(index));
    }
}

void RecordingPrinter::setDeviceMode(const DeviceMode& mode) {
    m_mode = mode;
    m_events.append(QStringLiteral("setDeviceMode paper %1 source %2 copies %3 orientation %4")
                        .arg(mode.paperSize)
                        .arg(mode.paperSource)
                        .arg(mode.copies)
                        .arg(mode.orientation));
}

void RecordingPrinter::beginDocument() {
    if (!m_documents.empty() && !m_documents.back().ended && !m_documents.back().aborted) {
        throw std::logic_error("a document was begun while another one is open");
    }
    m_documents.emplace_back();
    m_events.append(QStringLiteral("begin"));
    m_surface =
        std::make_unique<RecordingSurface>(QSize(m_geometry.resolutionX, m_geometry.resolutionY));
}

DrawingSurface& RecordingPrinter::pageSurface() {
    if (!m_surface) {
        throw std::logic_error("drawing on a printer without a document");
    }
    return *m_surface;
}

void RecordingPrinter::closePage() {
    m_documents.back().pages.push_back({m_surface->calls(), m_mode, m_current});
    m_surface->clear();
}

void RecordingPrinter::newPage() {
    pageSurface();
    closePage();
    m_events.append(QStringLiteral("newPage"));
}

void RecordingPrinter::endDocument() {
    pageSurface();
    closePage();
    m_documents.back().ended = true;
    m_surface.reset();
    m_events.append(QStringLiteral("end"));
}

void RecordingPrinter::abortDocument() {
    if (m_surface) {
        m_documents.back().aborted = true;
        m_surface.reset();
    }
    m_events.append(QStringLiteral("abort"));
}

bool RecordingPrinter::setupDialog() {
    ++m_dialogs;
    if (!m_answer) {
        return false;
    }
    selectPrinter(m_answer->printer);
    m_mode.copies = m_answer->copies;
    m_mode.paperSize = m_answer->paperSize;
    return true;
}

}  // namespace tallyrix
