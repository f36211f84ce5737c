#pragma once

#include <QDialog>
#include <QPushButton>
#include <exception>
#include <functional>

#include "core/prompter.h"

namespace tallyrix {

// A dialog over a view model: every user action goes to the model, then the
// dialog re-reads the model and closes once the model says it is closed.
class ModelDialog : public QDialog {
public:
    using QDialog::QDialog;

    // Shows the model's state in every control.
    virtual void refresh() = 0;

protected:
    virtual bool modelClosed() const = 0;
    // The model's prompter, which tells the errors of an action.
    virtual Prompter& prompter() const = 0;

    // The door of every action of the dialog: whatever goes wrong is told, and
    // the dialog then shows the state the model is in.
    void act(const std::function<void()>& action) {
        try {
            action();
        } catch (const std::exception& error) {
            reportError(prompter(), error);
        }
        refresh();
        if (modelClosed()) {
            accept();
        }
    }
};

// A button of a model dialog. None is an auto-default button: Enter acts only
// where the dialog itself says so.
inline QPushButton* dialogButton(const QString& text, const QString& name, QWidget* parent,
                                 int minimumWidth = 96) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumWidth(minimumWidth);
    return button;
}

}  // namespace tallyrix
