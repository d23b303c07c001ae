#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message to the player goes through here. Tests install their own handler so that no
// modal dialog ever blocks them.
using MessageHandler =
    std::function<void(QWidget* parent, const QString& title, const QString& text)>;

void showMessage(QWidget* parent, const QString& title, const QString& text);
// Installs a handler (an empty one restores the message box) and returns the previous one.
MessageHandler setMessageHandler(MessageHandler handler);
