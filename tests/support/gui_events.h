#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tallyrix::test {

// Mouse and key events sent straight to a widget, as a user's hand would.
inline void mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, buttons, modifiers);
    QApplication::sendEvent(target, &event);
}

inline void click(QWidget* target, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    mouse(target, QEvent::MouseButtonPress, at, Qt::LeftButton, modifiers);
    mouse(target, QEvent::MouseButtonRelease, at, Qt::NoButton, modifiers);
}

inline void doubleClick(QWidget* target, QPoint at) {
    click(target, at);
    mouse(target, QEvent::MouseButtonDblClick, at, Qt::LeftButton);
    mouse(target, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

inline void key(QWidget* target, int code, const QString& text = QString(),
                Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, code, modifiers, text);
    QApplication::sendEvent(target, &release);
}

// Types text character by character, any script included.
inline void typeText(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        key(target, 0, QString(c));
    }
}

// Runs `act` on the modal window once it shows, from the event loop it runs.
inline void whenModalShows(const std::function<void(QWidget*)>& act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start();
}

}  // namespace tallyrix::test
