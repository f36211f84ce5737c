#include "app/Ucashlook.h"

#include "core/app_title.h"
#include "core/bracket_keys.h"
#include "core/format_settings.h"
#include "core/prompter.h"

namespace tallyrix {

Tfcashlook::Tfcashlook(Prompter& prompter, const Folders& folders, const QStringList& arguments,
                       QWidget* parent)
    : QMainWindow(parent), m_prompter(prompter), m_folders(folders) {
    setObjectName(QStringLiteral("fcashlook"));
    initWorkspace(arguments);
}

void Tfcashlook::initWorkspace(const QStringList& arguments) {
    fixFormatSettings();
    setWindowTitle(applicationTitle());
    // arguments[0] is the program itself.
    m_commandLineFile = arguments.size() > 1 ? arguments[1] : QString();
    ensureDataFolder(m_folders);
    applyWindowPlacement();
}

void Tfcashlook::applyWindowPlacement() {
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    const WindowPlacement placement =
        loadWindowPlacement(m_folders.dataFile(QStringLiteral("ini")), QStringLiteral("tallyrix6"));
    if (placement.height < 1) {
        setGeometry(10, 10, 938, 708);
    } else {
        setGeometry(placement.left, placement.top, placement.width, placement.height);
    }
}

}  // namespace tallyrix
