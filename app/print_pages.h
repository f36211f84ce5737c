#pragma once

#include <functional>
#include <memory>

#include "app/qt_printer_service.h"
#include "print/print_page_model.h"
#include "print/print_sources.h"

class QWidget;

namespace tallyrix {

class PrintPreviewWidget;
class PrintSettingsPage;
class Prompter;

// The print page of the main window: its model over the ledger and the
// printers, the side page "印刷" and the work page "印刷プレビュー".
class PrintPages : public PrintPageView {
public:
    using Run = std::function<void(std::function<void()>)>;

    PrintPages(PrintSources& sources, Prompter& prompter, const Folders& folders,
               QWidget* dialogParent, Run run);
    ~PrintPages() override;

    PrintPageModel& model() { return m_model; }
    PrintSettingsPage* settingsPage() const { return m_settings; }
    PrintPreviewWidget* preview() const { return m_preview; }

    void printPageChanged() override;
    void freezeSheet(bool frozen) override;
    void showBanner(bool shown) override;

private:
    QtPrinterService m_printer;
    PrintPageModel m_model;
    PrintSettingsPage* m_settings = nullptr;
    PrintPreviewWidget* m_preview = nullptr;
};

}  // namespace tallyrix
