#pragma once

// Helpers for tests that drive the real main window.
#include "testsupport.h"
#include "window/addonfolder.h"
#include "window/mainwindow.h"

#include <QAnyStringView>

class QAbstractButton;
class QLineEdit;

// The main window on a program folder, shown: its first show loads bots.ini from there.
class ShownWindow : public MainWindow {
public:
    explicit ShownWindow(const QString& folderPath);
};

// Answers every folder dialog while it lives with folder (empty: the player cancels), and counts
// the dialogs.
class FolderPickerCapture {
public:
    explicit FolderPickerCapture(QString folder);
    ~FolderPickerCapture();
    FolderPickerCapture(const FolderPickerCapture&) = delete;
    FolderPickerCapture& operator=(const FolderPickerCapture&) = delete;

    int asked = 0;

private:
    QString answer;
    FolderPicker previous;
};

// Stops the whole test program: a control the test needs is not in the window.
[[noreturn]] void missingControl(QAnyStringView name);

// The control of window with this object name; the test program stops when there is none.
template <typename T = QWidget> T* control(const QWidget& window, QAnyStringView name) {
    T* found = window.findChild<T*>(name.toString());
    if (!found)
        missingControl(name);
    return found;
}

// A left click on the button, or on the button of window with this object name.
void clickButton(QAbstractButton* button);
void clickButton(const QWidget& window, QAnyStringView name);
// A left click on tab index of the window's tab strip.
void clickTab(const MainWindow& window, int index);
// Selects all of edit's text and types text over it, as the player does.
void retype(QLineEdit* edit, const QString& text);
