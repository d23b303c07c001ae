#pragma once

#include <QObject>

class QWidget;

// Keeps keys that act nowhere from changing a value. A key of one of the window's actions that is
// off (Move Earlier at the first entry, say) would otherwise reach the control with the focus,
// and a slider takes Ctrl+Shift+Up as a step; an Alt+letter that no label or button of the page
// owns would be typed into a text box. Both are dropped, unless the control with the focus claims
// the key as its own (a text box its Ctrl+Z, say).
class KeyGuard : public QObject {
    Q_OBJECT

public:
    // Guards every control window holds now.
    explicit KeyGuard(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isOffActionKey(const QKeySequence& key) const;
    QWidget& window;
};
