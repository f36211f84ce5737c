#pragma once

#include <QString>
#include <exception>
#include <optional>

namespace tallyrix {

// What a message window answered. Closing a window without a button counts as Cancel.
enum class DialogResult { Ok, Yes, No, Cancel };

enum class TaskButtons { Ok, YesNo };
enum class TaskIcon { None, Question, Information };

// A file dialog as the program asks for it. The filter is the program's own
// form: pairs of caption and pattern separated by "|"
// ("Tallyrix6-Tallyrix-ファイル|*.exv").
struct FileDialogRequest {
    QString title;
    QString filter;
    QString defaultExt;  // without the dot; added when the user types none
    QString initialDir;
    QString fileName;
    bool overwritePrompt = false;
};

// Everything the program says to the user and asks of the user goes through
// here, so that every message and question can be checked without a display.
// Texts may hold "\r\n", which shows as a line break.
class Prompter {
public:
    virtual ~Prompter() = default;

    // The notice window: the application title, a heading, the text, one OK button.
    virtual void showNotice(const QString& heading, const QString& text) = 0;
    // A plain message box with only the text and one OK button.
    virtual void showMessage(const QString& text) = 0;
    // A message window with the given title, heading, buttons and icon.
    virtual DialogResult taskMessage(const QString& title, const QString& heading,
                                     TaskButtons buttons, TaskIcon icon, const QString& text) = 0;
    // Three buttons answering Yes, No and Cancel, titled with the application title.
    virtual DialogResult askYesNoCancel(const QString& text, const QString& yesCaption,
                                        const QString& noCaption, const QString& cancelCaption) = 0;
    // A one-line input box; nothing when cancelled.
    virtual std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                            const QString& value) = 0;
    // The chosen path; nothing when cancelled.
    virtual std::optional<QString> openFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFileName(const FileDialogRequest& request) = 0;
};

// Tells an error that reached the door of a command (a conversion error, a
// file error, an index outside a list), after which the program goes on.
void reportError(Prompter& prompter, const std::exception& error);

}  // namespace tallyrix
