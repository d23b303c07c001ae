#pragma once

#include <QObject>

#include <functional>

class QAction;
class QLineEdit;
class QWidget;

// The window's Undo and Redo: their actions, with the keys (Ctrl+Z; Ctrl+Y and Ctrl+Shift+Z on
// every platform) and the entries of the pages' context menus. An action acts on the roster, from
// its key or its menu entry alike. A text box takes the keys first, as every text box does, while
// it has typing of its own to undo or redo; with nothing of its own left the key acts on the
// roster.
class HistoryKeys : public QObject {
    Q_OBJECT

public:
    // step undoes (forward false) or redoes a step of the roster.
    HistoryKeys(QWidget& window, std::function<void(bool forward)> step);

    QAction* undoAction() const { return undo; }
    QAction* redoAction() const { return redo; }
    // Names what each would do ("Edit Bot"; empty: nothing), and turns it on while it would act.
    void setSteps(const QString& undoStep, const QString& redoStep);
    // Lets box take the keys for its own typing first.
    void watch(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(bool)> step;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
};
