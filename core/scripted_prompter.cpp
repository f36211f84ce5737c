#include "core/scripted_prompter.h"

#include <stdexcept>

#include "core/app_title.h"

namespace tallyrix {

ScriptedPrompter& ScriptedPrompter::answer(DialogResult result) {
    m_answers.emplace_back(result);
    return *this;
}

ScriptedPrompter& ScriptedPrompter::answerText(std::optional<QString> text) {
    m_answers.emplace_back(std::move(text));
    return *this;
}

QStringList ScriptedPrompter::notices() const {
    QStringList result;
    for (const Record& r : m_records) {
        if (r.kind == Kind::Notice) {
            result.append(r.heading + QStringLiteral(": ") + r.text);
        }
    }
    return result;
}

namespace {

[[noreturn]] void unscripted(const ScriptedPrompter::Record& question, const char* wanted) {
    throw std::logic_error(std::string("unscripted question (") + wanted +
                           "): " + question.text.toStdString());
}

}  // namespace

DialogResult ScriptedPrompter::nextResult(const Record& question) {
    if (m_answers.empty()) {
        if (m_cancelWhenUnscripted) {
            return DialogResult::Cancel;
        }
        unscripted(question, "a button");
    }
    Answer next = m_answers.front();
    if (!std::holds_alternative<DialogResult>(next)) {
        unscripted(question, "a button, but the script holds a text");
    }
    m_answers.pop_front();
    return std::get<DialogResult>(next);
}

std::optional<QString> ScriptedPrompter::nextText(const Record& question) {
    if (m_answers.empty()) {
        if (m_cancelWhenUnscripted) {
            return std::nullopt;
        }
        unscripted(question, "a text");
    }
    Answer next = m_answers.front();
    if (!std::holds_alternative<std::optional<QString>>(next)) {
        unscripted(question, "a text, but the script holds a button");
    }
    m_answers.pop_front();
    return std::get<std::optional<QString>>(next);
}

void ScriptedPrompter::showNotice(const QString& heading, const QString& text) {
    m_records.push_back(
        {Kind::Notice, applicationTitle(), heading, text, {QStringLiteral("OK")}, {}, {}});
}

void ScriptedPrompter::showMessage(const QString& text) {
    m_records.push_back({Kind::Message, {}, {}, text, {QStringLiteral("OK")}, {}, {}});
}

DialogResult ScriptedPrompter::taskMessage(const QString& title, const QString& heading,
                                           TaskButtons buttons, TaskIcon icon,
                                           const QString& text) {
    const QStringList captions = buttons == TaskButtons::Ok
                                     ? QStringList{QStringLiteral("OK")}
                                     : QStringList{QStringLiteral("Yes"), QStringLiteral("No")};
    m_records.push_back({Kind::Task, title, heading, text, captions, icon, {}});
    if (buttons == TaskButtons::Ok) {
        return DialogResult::Ok;
    }
    return nextResult(m_records.back());
}

DialogResult ScriptedPrompter::askYesNoCancel(const QString& text, const QString& yesCaption,
                                              const QString& noCaption,
                                              const QString& cancelCaption) {
    m_records.push_back({Kind::YesNoCancel,
                         applicationTitle(),
                         {},
                         text,
                         {yesCaption, noCaption, cancelCaption},
                         TaskIcon::None,
                         {}});
    return nextResult(m_records.back());
}

std::optional<QString> ScriptedPrompter::inputBox(const QString& caption, const QString& prompt,
                                                  const QString& value) {
    m_records.push_back({Kind::Input, caption, prompt, value, {}, TaskIcon::None, {}});
    return nextText(m_records.back());
}

std::optional<QString> ScriptedPrompter::fileDialog(Kind kind, const FileDialogRequest& request) {
    m_records.push_back(
        {kind, request.title, {}, request.fileName, {request.filter}, TaskIcon::None, request});
    return nextText(m_records.back());
}

std::optional<QString> ScriptedPrompter::openFileName(const FileDialogRequest& request) {
    return fileDialog(Kind::OpenFile, request);
}

std::optional<QString> ScriptedPrompter::saveFileName(const FileDialogRequest& request) {
    return fileDialog(Kind::SaveFile, request);
}

}  // namespace tallyrix
