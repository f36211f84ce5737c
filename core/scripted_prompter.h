#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <variant>
#include <vector>

#include "core/prompter.h"

namespace tallyrix {

// A Prompter that records every call and answers questions from a script, for
// tests and for the headless command line.
class ScriptedPrompter : public Prompter {
public:
    enum class Kind { Notice, Message, Task, YesNoCancel, Input, OpenFile, SaveFile };

    struct Record {
        Kind kind;
        QString title;
        QString heading;
        QString text;
        QStringList buttons;  // captions, or the file filter of a file dialog
        TaskIcon icon = TaskIcon::None;
        FileDialogRequest file;
    };

    using Answer = std::variant<DialogResult, std::optional<QString>>;

    // Answers are used in order by the questions (task messages, the three-button
    // prompt, input boxes, file dialogs). A question without a scripted answer
    // raises std::logic_error unless a fallback is set.
    ScriptedPrompter& answer(DialogResult result);
    ScriptedPrompter& answerText(std::optional<QString> text);
    // Answer every unscripted question with Cancel / nothing instead of raising.
    void setCancelWhenUnscripted(bool on) { m_cancelWhenUnscripted = on; }

    const std::vector<Record>& records() const { return m_records; }
    // "heading: text" of every notice, in order.
    QStringList notices() const;
    int pendingAnswers() const { return static_cast<int>(m_answers.size()); }
    void clear() { m_records.clear(); }

    void showNotice(const QString& heading, const QString& text) override;
    void showMessage(const QString& text) override;
    DialogResult taskMessage(const QString& title, const QString& heading, TaskButtons buttons,
                             TaskIcon icon, const QString& text) override;
    DialogResult askYesNoCancel(const QString& text, const QString& yesCaption,
                                const QString& noCaption, const QString& cancelCaption) override;
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& value) override;
    std::optional<QString> openFileName(const FileDialogRequest& request) override;
    std::optional<QString> saveFileName(const FileDialogRequest& request) override;

private:
    DialogResult nextResult(const Record& question);
    std::optional<QString> nextText(const Record& question);
    std::optional<QString> fileDialog(Kind kind, const FileDialogRequest& request);

    std::vector<Record> m_records;
    std::deque<Answer> m_answers;
    bool m_cancelWhenUnscripted = false;
};

}  // namespace tallyrix
