#include "app/print_pages.h"

#include "app/print_preview.h"
#include "app/print_settings_page.h"

namespace tallyrix {

PrintPages::PrintPages(PrintPageModel& model, const Run& run)
    : m_model(model),
      m_settings(new PrintSettingsPage(model, run)),
      m_preview(new PrintPreviewWidget(model, run)) {
    m_model.setView(this);
}

// The widgets belong to the window's page stacks, which delete them.
PrintPages::~PrintPages() {
    m_model.setView(nullptr);
}

void PrintPages::refresh() {
    m_settings->refresh();
    m_preview->refresh();
}

void PrintPages::freezeSheet(bool frozen) {
    m_preview->freezeSheet(frozen);
}

void PrintPages::showBanner(bool shown) {
    m_preview->showBanner(shown);
}

}  // namespace tallyrix
