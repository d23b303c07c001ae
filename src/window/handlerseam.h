#pragma once

#include <utility>

// Every dialog the window opens goes through a handler of its own type (a std::function) that
// tests replace, so that no modal dialog ever blocks them. While none is installed the dialog
// itself is shown.

// The handler installed for Handler's type; empty while none is.
template <typename Handler> Handler& installedHandler() {
    static Handler handler;
    return handler;
}
// Installs handler (an empty one restores the dialog) and returns the previous one.
template <typename Handler> Handler installHandler(Handler handler) {
    return std::exchange(installedHandler<Handler>(), std::move(handler));
}
