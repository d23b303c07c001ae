#include "platform/messages.h"

#include <QMessageBox>

#include <utility>

namespace {

MessageHandler& installedHandler() {
    static MessageHandler handler;
    return handler;
}

} // namespace

void showMessage(QWidget* parent, const QString& title, const QString& text) {
    // A copy, so a handler that installs another one while it runs stays alive until it returns.
    const MessageHandler handler = installedHandler();
    if (handler)
        handler(parent, title, text);
    else
        QMessageBox::warning(parent, title, text);
}

MessageHandler setMessageHandler(MessageHandler handler) {
    return std::exchange(installedHandler(), std::move(handler));
}
