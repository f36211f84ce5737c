#pragma once

class QCoreApplication;
class QTranslator;

namespace tallyrix {

// Loads Qt's own texts in Japanese (the buttons of questions and input boxes,
// the file dialogs) from the system's Qt translations, so that every standard
// window reads Japanese like the program's own. The translator belongs to the
// application; nothing when the translations are not installed.
QTranslator* installQtJapanese(QCoreApplication& app);

}  // namespace tallyrix
