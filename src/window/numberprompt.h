#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// Asks the player for a whole number from minimum to maximum, value offered; nothing when they
// cancel. Tests install their own prompt, so no dialog ever blocks them.
struct NumberQuestion {
    QString title;
    QString label;
    int value = 1;
    int minimum = 1;
    int maximum = 1;
};
using NumberPrompt = std::function<std::optional<int>(QWidget* parent, const NumberQuestion&)>;
std::optional<int> askNumber(QWidget* parent, const NumberQuestion& question);
// Installs a prompt (an empty one restores the dialog) and returns the previous one.
NumberPrompt setNumberPrompt(NumberPrompt prompt);
