#include "windowsupport.h"

#include "app/language.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

void isolateWindowTest() {
    isolateSettings();
    // The program speaks English with its English plurals, whatever the machine's language.
    static Translations english(QStringLiteral("en"));
    english.install();
    setQuestionHandler([](QWidget*, const Question& question) -> Answer {
        qFatal("An unexpected question was asked: %s", qPrintable(question.text));
    });
}

MessageCapture::MessageCapture() {
    previous = setMessageHandler([this](QWidget*, const QString& title, const QString& text) {
        titles << title;
        texts << text;
    });
}

MessageCapture::~MessageCapture() {
    setMessageHandler(previous);
}

QuestionCapture::QuestionCapture(QList<Answer> replies) : answers(std::move(replies)) {
    previous = setQuestionHandler([this](QWidget*, const Question& question) {
        asked << question;
        if (answers.isEmpty())
            qFatal("More questions than answers: %s", qPrintable(question.text));
        return answers.takeFirst();
    });
}

QuestionCapture::~QuestionCapture() {
    setQuestionHandler(previous);
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
