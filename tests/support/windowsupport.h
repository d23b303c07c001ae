#pragma once

// Helpers for tests that drive the real main window. ShownWindow and control() are defined here
// in full and need no Qt Test: the benchmarks' child processes, which stand for the program, use
// them and must not load it.
#include "testsupport.h"
#include "window/folderpicker.h"
#include "window/initextview.h"
#include "window/mainwindow.h"
#include "window/messages.h"

#include <QAnyStringView>
#include <QObject>
#include <QTemporaryDir>

class QAbstractButton;
class QLineEdit;

// isolateSettings(), the program's English, and no window test may block on a dialog: from here on
// a question nobody expected ends the test program. Call from initTestCase().
void isolateWindowTest();

// Collects every message shown to the player while it lives, instead of opening a dialog.
class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    QStringList titles;
    QStringList texts;

private:
    MessageHandler previous;
};

// Answers every question put to the player while it lives, instead of opening a dialog: with
// the answers given, in turn, and records each question. Outside one, a question stops the test
// program, since a real dialog would block it.
class QuestionCapture {
public:
    explicit QuestionCapture(QList<Answer> answers);
    ~QuestionCapture();
    QuestionCapture(const QuestionCapture&) = delete;
    QuestionCapture& operator=(const QuestionCapture&) = delete;

    QList<Question> asked;

private:
    QList<Answer> answers;
    QuestionHandler previous;
};

// The main window on a program folder, loaded from bots.ini there and shown.
class ShownWindow : public MainWindow {
public:
    explicit ShownWindow(const QString& folderPath, const QString& fileName = QString())
        : MainWindow(folderPath, fileName) {
        load();
        show();
    }
};

// The fixture of every window test: its test class derives from it. Settings of its own,
// emptied before each test function; no question that could block; and a program folder for
// the windows it opens. A test class with its own init() calls WindowTest::init() first.
class WindowTest : public QObject {
    Q_OBJECT

protected:
    QTemporaryDir folder;
    QString iniPath() const { return folder.filePath(QStringLiteral("bots.ini")); }

protected slots:
    void initTestCase() { isolateWindowTest(); }
    void init() { clearSettings(); }
};

// The main window shown on a roster of its own: bots.ini with these bytes in a fresh folder.
struct WindowOn {
    QTemporaryDir dir;
    ShownWindow window;
    explicit WindowOn(const QByteArray& botsIni) : window(programFolderWith(dir, botsIni)) {}
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

// The names of a list's entries in order, joined by commas.
template <typename Entry> QString namesOf(const EntryList<Entry>& list) {
    QStringList names;
    for (int i = 1; i <= list.count(); ++i)
        names << list.at(i).name;
    return names.join(u',');
}

// Stops the whole program: a control the test or benchmark needs is not in the window.
[[noreturn]] inline void missingControl(QAnyStringView name) {
    qFatal("The window has no control named %s", qPrintable(name.toString()));
}

// The control of window with this object name; the program stops when there is none.
template <typename T = QWidget> T* control(const QWidget& window, QAnyStringView name) {
    T* found = window.findChild<T*>(name.toString());
    if (!found)
        missingControl(name);
    return found;
}

// The document the window shows, the roster it holds, and the text of its INI page.
inline const RosterDocument& documentOf(const QWidget& window) {
    return *control<RosterDocument>(window, "rosterDocument");
}
inline const Roster& rosterOf(const QWidget& window) {
    return documentOf(window).roster();
}
inline QString iniTextOf(const QWidget& window) {
    return control<IniTextView>(window, "iniTextView")->text();
}

// A left click on the button, or on the button of window with this object name.
void clickButton(QAbstractButton* button);
void clickButton(const QWidget& window, QAnyStringView name);
// A left click on tab index of the window's tab strip.
void clickTab(const MainWindow& window, int index);
// Selects all of edit's text and types text over it, as the player does.
void retype(QLineEdit* edit, const QString& text);
