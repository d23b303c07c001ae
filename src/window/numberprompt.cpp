#include "window/numberprompt.h"

#include "window/fonts.h"
#include "window/handlerseam.h"

#include <QInputDialog>

#include <utility>

std::optional<int> askNumber(QWidget* parent, const NumberQuestion& question) {
    const NumberPrompt prompt = installedHandler<NumberPrompt>();
    if (prompt)
        return prompt(parent, question);
    QInputDialog dialog(parent);
    // A dialog is a window of its own, which inherits no font: it takes the window's.
    dialog.setFont(dialogFont());
    dialog.setWindowTitle(question.title);
    dialog.setLabelText(question.label);
    dialog.setIntRange(question.minimum, question.maximum);
    dialog.setIntValue(question.value);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.intValue();
}

NumberPrompt setNumberPrompt(NumberPrompt prompt) {
    return installHandler(std::move(prompt));
}
