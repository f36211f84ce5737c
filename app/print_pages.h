#pragma once

#include <functional>

#include "print/print_page_model.h"

namespace tallyrix {

class PrintPreviewWidget;
class PrintSettingsPage;

// The two pages of the print page model in the main window: the side page
// "印刷" and the work page "印刷プレビュー". The window takes the widgets into
// its page stacks.
class PrintPages : public PrintPageView {
public:
    using Run = std::function<void(std::function<void()>)>;

    PrintPages(PrintPageModel& model, const Run& run);
    ~PrintPages() override;

    PrintSettingsPage* settingsPage() const { return m_settings; }
    PrintPreviewWidget* preview() const { return m_preview; }
    void refresh();

    void printPageChanged() override { refresh(); }
    void freezeSheet(bool frozen) override;
    void showBanner(bool shown) override;

private:
    PrintPageModel& m_model;
    PrintSettingsPage* m_settings = nullptr;
    PrintPreviewWidget* m_preview = nullptr;
};

}  // namespace tallyrix
