#include "app/program.h"

#include "core/errors.h"
#include "core/prompter.h"

namespace tallyrix {

TallyApplication::TallyApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void reportError(Prompter& prompter, const std::exception& error) {
    if (const auto* ours = dynamic_cast<const TallyError*>(&error)) {
        prompter.showMessage(ours->message());
    } else {
        prompter.showMessage(QString::fromUtf8(error.what()));
    }
}

bool TallyApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        if (m_prompter == nullptr) {
            throw;
        }
        reportError(*m_prompter, error);
        return false;
    }
}

Program::Program(Prompter& prompter, Folders folders, QString lockPath)
    : m_prompter(prompter), m_folders(std::move(folders)), m_instance(lockPath) {}

Program::~Program() = default;

bool Program::start(const QStringList& arguments) {
    if (!m_instance.tryAcquire()) {
        m_prompter.showMessage(QStringLiteral("Tallyrix6プログラムはすでに起動しています。"));
        return false;
    }
    m_mainWindow = std::make_unique<Tfcashlook>(m_prompter, m_folders, arguments);
    return true;
}

}  // namespace tallyrix
