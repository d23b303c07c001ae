#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

// The window's small Find box: a text and a line saying how the last find went. It stays open
// beside the window without blocking it; Enter finds the next place, Shift+Enter the one before,
// F3 and Shift+F3 the same, and Escape closes it.
class FindBox : public QWidget {
    Q_OBJECT

public:
    explicit FindBox(QWidget* owner);

    // Shows the box with its title ("Find in bots") and its text selected.
    void open(const QString& title);
    void setStatus(const QString& status);

signals:
    void findRequested(const QString& text, bool backwards);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* edit = nullptr;
    QLabel* status = nullptr;
};
