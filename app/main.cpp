#include "app/fonts.h"
#include "app/program.h"
#include "app/qt_prompter.h"
#include "app/translations.h"
#include "core/app_title.h"

int main(int argc, char** argv) {
    using namespace tallyrix;
    TallyApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tallyrix6"));
    installJapaneseFonts();
    installQtJapanese(app);

    QtPrompter prompter;
    app.setPrompter(&prompter);
    const Folders folders{installFolder(), dataFolder()};
    prompter.setIconFile(folders.installFile(QStringLiteral("dialog.ico")));

    Program program(prompter, folders);
    try {
        if (!program.start(QApplication::arguments())) {
            return 0;
        }
    } catch (const std::exception& error) {
        reportError(prompter, error);
        return 1;
    }
    prompter.setParentWindow(program.mainWindow());
    program.mainWindow()->show();
    return QApplication::exec();
}
