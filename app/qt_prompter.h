#pragma once

#include <QPointer>
#include <QWidget>

#include "core/prompter.h"

namespace tallyrix {

// The Prompter of the running program: Qt message boxes, input boxes and file dialogs.
class QtPrompter : public Prompter {
public:
    // iconFile: the picture of the three-button save prompt; may be missing.
    explicit QtPrompter(QString iconFile = {});
    void setParentWindow(QWidget* parent) { m_parent = parent; }
    void setIconFile(const QString& iconFile) { m_iconFile = iconFile; }

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

    // "caption|*.exv|caption|*.clv" as Qt's "caption (*.exv);;caption (*.clv)".
    static QStringList qtNameFilters(const QString& filter);
    // The program's texts break lines with "\r\n".
    static QString displayText(const QString& text);

private:
    std::optional<QString> fileDialog(const FileDialogRequest& request, bool save);

    QPointer<QWidget> m_parent;
    QString m_iconFile;
};

}  // namespace tallyrix
