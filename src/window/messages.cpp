#include "window/messages.h"

#include "window/fonts.h"
#include "window/handlerseam.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

QAbstractButton* addAnswer(QMessageBox& box, Answer answer) {
    switch (answer) {
    case Answer::Save:
        return box.addButton(QMessageBox::Save);
    case Answer::Discard: {
        // The keyboard reaches it by Alt+D, as Restore and Overwrite by their letters.
        QAbstractButton* button = box.addButton(QMessageBox::Discard);
        //: Page: Question
        button->setText(QCoreApplication::translate("Messages", "&Discard"));
        return button;
    }
    case Answer::Cancel:
        return box.addButton(QMessageBox::Cancel);
    case Answer::Overwrite:
        //: Page: Question
        return box.addButton(QCoreApplication::translate("Messages", "&Overwrite"),
                             QMessageBox::AcceptRole);
    case Answer::Restore:
        //: Page: Question
        return box.addButton(QCoreApplication::translate("Messages", "&Restore"),
                             QMessageBox::AcceptRole);
    }
    return nullptr;
}

// A box is a window of its own: it inherits no font from the window it belongs to, and would
// take the system's message font, a serif stand-in under Wine. It gets the window's font.
std::unique_ptr<QMessageBox> makeBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                     const QString& text) {
    auto box = std::make_unique<QMessageBox>(icon, title, text, QMessageBox::NoButton, parent);
    box->setFont(dialogFont());
    return box;
}

// The box ask() shows.
std::unique_ptr<QMessageBox> questionBox(QWidget* parent, const Question& question) {
    auto box = makeBox(parent, QMessageBox::Question, question.title, question.text);
    for (const Answer answer : question.answers) {
        QAbstractButton* button = addAnswer(*box, answer);
        button->setProperty("answer", int(answer));
        if (answer == question.defaultAnswer)
            box->setDefaultButton(qobject_cast<QPushButton*>(button));
        if (answer == question.escapeAnswer)
            box->setEscapeButton(button);
    }
    return box;
}

} // namespace

void showMessage(QWidget* parent, const QString& title, const QString& text) {
    // A copy, so a handler that installs another one while it runs stays alive until it returns.
    const MessageHandler handler = installedHandler<MessageHandler>();
    if (handler) {
        handler(parent, title, text);
        return;
    }
    const auto box = makeBox(parent, QMessageBox::Warning, title, text);
    box->addButton(QMessageBox::Ok);
    box->exec();
}

MessageHandler setMessageHandler(MessageHandler handler) {
    return installHandler(std::move(handler));
}

Answer ask(QWidget* parent, const Question& question) {
    const QuestionHandler handler = installedHandler<QuestionHandler>();
    if (handler)
        return handler(parent, question);
    const auto box = questionBox(parent, question);
    box->exec();
    const QAbstractButton* clicked = box->clickedButton();
    return clicked ? Answer(clicked->property("answer").toInt()) : question.escapeAnswer;
}

QuestionHandler setQuestionHandler(QuestionHandler handler) {
    return installHandler(std::move(handler));
}
