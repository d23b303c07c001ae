#pragma once

#include <QObject>

#include <functional>

class QAction;
class QLineEdit;
class QWidget;

// The window's Undo and Redo: their actions, with the keys (Ctrl+Z; Ctrl+Y and Ctrl+Shift+Z on
// every platform) and the entries of the pages' context menus. A text box with typing of its own
// to undo or redo takes the key first, as every text box does; with nothing of its own left, or
// with the focus anywhere else in the window, the key acts on the roster.
class HistoryKeys : public QObject {
    Q_OBJECT

public:
    // step undoes (forward false) or redoes a step of the roster; refresh sets the actions'
    // texts and whether they are on, just before a key or a context menu may use them.
    HistoryKeys(QWidget& window, std::function<void(bool forward)> step,
                std::function<void()> refresh);

    QAction* undoAction() const { return undo; }
    QAction* redoAction() const { return redo; }
    // The text box the focus is in (a line edit, or an editable box's), or none.
    static QLineEdit* focusedTextBox();
    // Whether the text box with the focus has typing of its own to undo (or redo).
    static bool textBoxCanStep(bool forward);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void trigger(bool forward);

    QWidget& window;
    std::function<void(bool)> step;
    std::function<void()> refresh;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
};
