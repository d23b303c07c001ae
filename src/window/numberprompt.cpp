#include "window/numberprompt.h"

#include <QInputDialog>

#include <utility>

namespace {

NumberPrompt& installedPrompt() {
    static NumberPrompt prompt;
    return prompt;
}

} // namespace

std::optional<int> askNumber(QWidget* parent, const NumberQuestion& question) {
    const NumberPrompt prompt = installedPrompt();
    if (prompt)
        return prompt(parent, question);
    bool ok = false;
    const int number = QInputDialog::getInt(parent, question.title, question.label, question.value,
                                            question.minimum, question.maximum, 1, &ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

NumberPrompt setNumberPrompt(NumberPrompt prompt) {
    return std::exchange(installedPrompt(), std::move(prompt));
}
