#include "app/qt_prompter.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "core/app_title.h"

namespace tallyrix {

QtPrompter::QtPrompter(QString iconFile) : m_iconFile(std::move(iconFile)) {}

QString QtPrompter::displayText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

QStringList QtPrompter::qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        // A caption that already shows its pattern ("…ファイル(*.exv)") shows it once.
        const QString shown = u'(' + patterns + u')';
        result.append(parts[i].endsWith(shown) ? parts[i] : parts[i] + u' ' + shown);
    }
    return result;
}

void QtPrompter::showNotice(const QString& heading, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), displayText(heading), QMessageBox::Ok,
                    m_parent);
    box.setInformativeText(displayText(text));
    box.setObjectName(QStringLiteral("notice"));
    // Room for a sentence on one line before it wraps.
    box.setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { min-width: 300px; }"));
    box.exec();
}

void QtPrompter::showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), displayText(text), QMessageBox::Ok,
                    m_parent);
    box.setObjectName(QStringLiteral("message"));
    box.exec();
}

DialogResult QtPrompter::taskMessage(const QString& title, const QString& heading,
                                     TaskButtons buttons, TaskIcon icon, const QString& text) {
    const auto standard =
        buttons == TaskButtons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No;
    const QMessageBox::Icon shown = icon == TaskIcon::Question      ? QMessageBox::Question
                                    : icon == TaskIcon::Information ? QMessageBox::Information
                                                                    : QMessageBox::NoIcon;
    // Without a heading the text itself is the first line, not an empty line
    // above it.
    QMessageBox box(shown, title, displayText(heading.isEmpty() ? text : heading), standard,
                    m_parent);
    if (!heading.isEmpty()) {
        box.setInformativeText(displayText(text));
    }
    box.setObjectName(QStringLiteral("taskMessage"));
    box.setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { min-width: 300px; }"));
    box.setEscapeButton(QMessageBox::NoButton);
    const int result = box.exec();
    if (box.clickedButton() == nullptr) {
        return DialogResult::Cancel;
    }
    switch (result) {
        case QMessageBox::Yes:
            return DialogResult::Yes;
        case QMessageBox::No:
            return DialogResult::No;
        case QMessageBox::Ok:
            return DialogResult::Ok;
        default:
            return DialogResult::Cancel;
    }
}

DialogResult QtPrompter::askYesNoCancel(const QString& text, const QString& yesCaption,
                                        const QString& noCaption, const QString& cancelCaption) {
    QMessageBox box(m_parent);
    box.setObjectName(QStringLiteral("askYesNoCancel"));
    box.setWindowTitle(applicationTitle());
    box.setText(displayText(text));
    // No close box: one of the three answers must be chosen.
    box.setWindowFlags((box.windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowCloseButtonHint);
    if (!m_iconFile.isEmpty() && QFileInfo::exists(m_iconFile)) {
        const QIcon icon(m_iconFile);
        box.setWindowIcon(icon);
        box.setIconPixmap(icon.pixmap(32, 32));
    }
    QPushButton* yes = box.addButton(yesCaption, QMessageBox::YesRole);
    QPushButton* no = box.addButton(noCaption, QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(cancelCaption, QMessageBox::RejectRole);
    for (QPushButton* button : {yes, no, cancel}) {
        button->setCursor(Qt::PointingHandCursor);
    }
    box.setDefaultButton(yes);
    box.exec();
    if (box.clickedButton() == yes) {
        return DialogResult::Yes;
    }
    if (box.clickedButton() == no) {
        return DialogResult::No;
    }
    return DialogResult::Cancel;
}

std::optional<QString> QtPrompter::inputBox(const QString& caption, const QString& prompt,
                                            const QString& value) {
    QInputDialog dialog(m_parent);
    dialog.setObjectName(QStringLiteral("inputBox"));
    dialog.setWindowTitle(caption);
    dialog.setLabelText(displayText(prompt));
    dialog.setTextValue(value);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue();
}

std::optional<QString> QtPrompter::fileDialog(const FileDialogRequest& request, bool save) {
    // Never the process's working folder, which means nothing to the user.
    const QString folder = request.initialDir.isEmpty() ? QDir::homePath() : request.initialDir;
    QFileDialog dialog(m_parent, request.title, folder);
    dialog.setObjectName(save ? QStringLiteral("saveFileDialog")
                              : QStringLiteral("openFileDialog"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(qtNameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultExt);
    if (!request.overwritePrompt) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (!request.fileName.isEmpty()) {
        dialog.selectFile(request.fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtPrompter::openFileName(const FileDialogRequest& request) {
    return fileDialog(request, false);
}

std::optional<QString> QtPrompter::saveFileName(const FileDialogRequest& request) {
    return fileDialog(request, true);
}

}  // namespace tallyrix
