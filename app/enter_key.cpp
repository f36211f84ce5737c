#include "app/enter_key.h"

#include <QKeyEvent>
#include <QWidget>

namespace tallyrix {
namespace {

class EnterKeyFilter : public QObject {
public:
    EnterKeyFilter(QWidget* chooser, std::function<void()> action)
        : QObject(chooser), m_action(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                modifiers == Qt::NoModifier) {
                m_action();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};

}  // namespace

void onEnterKey(QWidget* chooser, std::function<void()> action) {
    chooser->installEventFilter(new EnterKeyFilter(chooser, std::move(action)));
}

}  // namespace tallyrix
