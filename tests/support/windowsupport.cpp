#include "windowsupport.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

ShownWindow::ShownWindow(const QString& folderPath) : MainWindow(folderPath) {
    show();
}

FolderPickerCapture::FolderPickerCapture(QString folder) : answer(std::move(folder)) {
    previous = setFolderPicker([this](QWidget*, const QString&) {
        ++asked;
        return answer;
    });
}

FolderPickerCapture::~FolderPickerCapture() {
    setFolderPicker(previous);
}

void missingControl(QAnyStringView name) {
    qFatal("The window has no control named %s", qPrintable(name.toString()));
}

void clickButton(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

void clickButton(const QWidget& window, QAnyStringView name) {
    clickButton(control<QAbstractButton>(window, name));
}

void clickTab(const MainWindow& window, int index) {
    auto* tabs = control<QTabBar>(window, "pageTabs");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

void retype(QLineEdit* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}
