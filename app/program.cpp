#include "app/program.h"

#include "core/errors.h"
#include "core/prompter.h"

namespace tallyrix {

TallyApplication::TallyApplication(int& argc, char** argv) : QApplication(argc, argv) {}

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

Program::Program(Prompter& prompter, Folders folders)
    : m_prompter(prompter),
      m_folders(std::move(folders)),
      m_instance(SingleInstance::lockPathIn(m_folders.data)) {}

Program::~Program() = default;

bool Program::start(const QStringList& arguments) {
    // The lock lives in the data folder, so the folder comes first; a copy that
    // runs has made it already, so this never provisions under a running copy.
    ensureDataFolder(m_folders);
    QString reason;
    switch (m_instance.acquire(&reason)) {
        case SingleInstance::Outcome::Acquired:
            break;
        case SingleInstance::Outcome::HeldByAnotherCopy:
            m_prompter.showMessage(QStringLiteral("Tallyrix6プログラムはすでに起動しています。"));
            return false;
        case SingleInstance::Outcome::CannotCreate:
            m_prompter.showNotice(
                QStringLiteral("確認"),
                QStringLiteral("起動の確認に使うファイルを作成できません。\r\n") +
                    m_instance.lockPath() + QStringLiteral("\r\n") + reason +
                    QStringLiteral("\r\n同じデータフォルダーで二つ同時に起動しないでください。"));
            break;
    }
    m_mainWindow = std::make_unique<MainWindow>(m_prompter, m_folders, arguments);
    return true;
}

}  // namespace tallyrix
