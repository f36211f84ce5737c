#include "app/preedit_guard.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace tallyrix {

PreeditGuard::PreeditGuard(QObject* parent) : QObject(parent) {}

void PreeditGuard::watch(QLineEdit* edit) {
    m_composing.insert(edit, false);
    edit->installEventFilter(this);
    connect(edit, &QObject::destroyed, this, [this](QObject* gone) { m_composing.remove(gone); });
}

bool PreeditGuard::composing(const QLineEdit* edit) const {
    return m_composing.value(edit, false);
}

bool PreeditGuard::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit == nullptr || !m_composing.contains(watched)) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::InputMethod:
            // A commit may come with the next reading already started, so only
            // the preedit left after the event tells whether composing goes on.
            m_composing[watched] =
                !static_cast<QInputMethodEvent*>(event)->preeditString().isEmpty();
            break;
        case QEvent::ShortcutOverride:
            // While composing, keys such as PageDown page the candidates: no
            // shortcut of the window takes them.
            if (m_composing.value(watched)) {
                event->accept();
                return true;
            }
            break;
        case QEvent::FocusOut:
            // Leaving the edit ends the composition, one way or the other.
            m_composing[watched] = false;
            break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Return && key != Qt::Key_Enter) {
                break;
            }
            if (!m_composing.value(watched)) {
                emit enterPressed(edit);
            }
            return true;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tallyrix
