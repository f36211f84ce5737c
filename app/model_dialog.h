#pragma once

#include <QDialog>
#include <functional>

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

    void act(const std::function<void()>& action) {
        action();
        refresh();
        if (modelClosed()) {
            accept();
        }
    }
};

}  // namespace tallyrix
