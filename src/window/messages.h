#pragma once

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// Every message and question to the player goes through here. Tests install their own handlers
// so that no modal dialog ever blocks them.
using MessageHandler =
    std::function<void(QWidget* parent, const QString& title, const QString& text)>;

void showMessage(QWidget* parent, const QString& title, const QString& text);
// Installs a handler (an empty one restores the message box) and returns the previous one.
MessageHandler setMessageHandler(MessageHandler handler);

// The answers a question can offer, each a button of its box.
enum class Answer { Save, Discard, Cancel, Overwrite, Restore };

struct Question {
    QString title;
    QString text;
    QList<Answer> answers;
    Answer defaultAnswer = Answer::Cancel; // what Enter gives
    Answer escapeAnswer = Answer::Cancel;  // what Escape, or closing the box, gives
};

using QuestionHandler = std::function<Answer(QWidget* parent, const Question& question)>;

Answer ask(QWidget* parent, const Question& question);
QuestionHandler setQuestionHandler(QuestionHandler handler);
