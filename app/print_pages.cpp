#include "app/print_pages.h"

#include "app/print_preview.h"
#include "app/print_settings_page.h"

namespace tallyrix {

PrintPages::PrintPages(PrintSources& sources, Prompter& prompter, const Folders& folders,
                       QWidget* dialogParent, Run run)
    : m_printer(dialogParent), m_model(sources, m_printer, prompter, folders) {
    m_settings = new PrintSettingsPage(m_model, run);
    m_preview = new PrintPreviewWidget(m_model, run);
    m_model.setView(this);
}

// The widgets belong to the window's pages, which delete them.
PrintPages::~PrintPages() {
    m_model.setView(nullptr);
}

void PrintPages::printPageChanged() {
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
