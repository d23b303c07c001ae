#include "window/historykeys.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

const QKeySequence UndoKey(Qt::CTRL | Qt::Key_Z);
const QList<QKeySequence> RedoKeys{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};

} // namespace

HistoryKeys::HistoryKeys(QWidget& owner, std::function<void(bool forward)> onStep,
                         std::function<void()> onRefresh)
    : QObject(&owner), window(owner), step(std::move(onStep)), refresh(std::move(onRefresh)) {
    const auto make = [this](const QString& text, const QList<QKeySequence>& keys, bool forward) {
        auto* action = new QAction(text, &window);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this, [this, forward] { trigger(forward); });
        window.addAction(action);
        return action;
    };
    undo = make(u"Undo"_s, {UndoKey}, false);
    redo = make(u"Redo"_s, RedoKeys, true);
    qApp->installEventFilter(this);
}

QLineEdit* HistoryKeys::focusedTextBox() {
    QWidget* focus = QApplication::focusWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(focus))
        return edit->isReadOnly() ? nullptr : edit;
    if (auto* combo = qobject_cast<QComboBox*>(focus))
        return combo->lineEdit();
    return nullptr;
}

bool HistoryKeys::textBoxCanStep(bool forward) {
    const QLineEdit* edit = focusedTextBox();
    return edit && (forward ? edit->isRedoAvailable() : edit->isUndoAvailable());
}

void HistoryKeys::trigger(bool forward) {
    if (QLineEdit* edit = focusedTextBox(); edit && textBoxCanStep(forward)) {
        if (forward)
            edit->redo();
        else
            edit->undo();
        return;
    }
    step(forward);
}

// A text box claims Ctrl+Z and its redo key for itself whether or not it has anything to undo;
// here the window's actions get them instead, and pass them on to the text box while it has
// typing of its own to take back. The actions are brought up to date before every key and menu.
bool HistoryKeys::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::ContextMenu)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &window)
        return false;
    if (type == QEvent::ContextMenu) {
        refresh();
        return false;
    }
    const QKeySequence key(static_cast<QKeyEvent*>(event)->keyCombination());
    if (key != UndoKey && !RedoKeys.contains(key))
        return false;
    refresh();
    if (!focusedTextBox())
        return false;
    event->ignore();
    return true;
}
