#include "window/historykeys.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace {

const QKeySequence UndoKey(Qt::CTRL | Qt::Key_Z);
const QList<QKeySequence> RedoKeys{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};

} // namespace

HistoryKeys::HistoryKeys(QWidget& window, std::function<void(bool forward)> onStep)
    : QObject(&window), step(std::move(onStep)) {
    const auto make = [this, &window](const QList<QKeySequence>& keys, bool forward) {
        auto* action = new QAction(&window);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this, [this, forward] { step(forward); });
        window.addAction(action);
        return action;
    };
    undo = make({UndoKey}, false);
    redo = make(RedoKeys, true);
    setSteps({}, {});
}

void HistoryKeys::setSteps(const QString& undoStep, const QString& redoStep) {
    undo->setText(undoStep.isEmpty() ? tr("Undo") : tr("Undo %1").arg(undoStep));
    undo->setEnabled(!undoStep.isEmpty());
    redo->setText(redoStep.isEmpty() ? tr("Redo") : tr("Redo %1").arg(redoStep));
    redo->setEnabled(!redoStep.isEmpty());
}

void HistoryKeys::watch(QLineEdit* box) {
    box->installEventFilter(this);
}

// A text box claims Ctrl+Z and its redo keys for itself, so the window's actions never see them
// while it has the focus: the box keeps them while it has typing to take back, and hands them to
// the roster's action otherwise, which acts while it is on.
bool HistoryKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const QKeySequence key(static_cast<QKeyEvent*>(event)->keyCombination());
    const bool forward = RedoKeys.contains(key);
    if (!forward && key != UndoKey)
        return false;
    const auto* box = static_cast<QLineEdit*>(watched);
    if (forward ? box->isRedoAvailable() : box->isUndoAvailable())
        return false;
    QAction* action = forward ? redo : undo;
    if (action->isEnabled())
        action->trigger();
    return true;
}
