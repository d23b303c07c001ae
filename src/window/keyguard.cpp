#include "window/keyguard.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

KeyGuard::KeyGuard(QWidget& guarded) : QObject(&guarded), window(guarded) {
    const auto controls = window.findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (control->window() == &window)
            control->installEventFilter(this);
    }
}

// A key whose action is off acts nowhere, while that action's page is on view.
bool KeyGuard::isOffActionKey(const QKeySequence& key) const {
    const auto actions = window.findChildren<QAction*>();
    for (const QAction* action : actions) {
        if (action->isEnabled() || !action->shortcuts().contains(key))
            continue;
        const auto owners = action->associatedObjects();
        for (const QObject* owner : owners) {
            const auto* widget = qobject_cast<const QWidget*>(owner);
            if (widget && widget->isVisible())
                return true;
        }
    }
    return false;
}

bool KeyGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    // On Windows AltGr comes as Ctrl+Alt: what it types is a letter of the keyboard's own.
    const bool altLetter = modifiers.testFlag(Qt::AltModifier) &&
                           !modifiers.testFlag(Qt::ControlModifier) && !key->text().isEmpty() &&
                           key->text().at(0).isPrint();
    if (!altLetter && !isOffActionKey(QKeySequence(key->keyCombination())))
        return false;
    // What the control takes as its own before any shortcut, it keeps.
    QKeyEvent claim(QEvent::ShortcutOverride, key->key(), modifiers, key->text());
    claim.ignore();
    QCoreApplication::sendEvent(watched, &claim);
    return !claim.isAccepted() || altLetter;
}
