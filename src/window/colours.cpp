// Each colour slider and the text box beside it keep each other in step. The colour reaches the
// bot only as the text box's text.
#include "window/mainwindow.h"

#include "window/leadingnumber.h"

#include <QLineEdit>
#include <QSlider>

namespace {

// The slider's position, not its value: on a click, key or wheel step the value follows only
// after the action has been reported.
void sliderToText(const QSlider* slider, QLineEdit* text) {
    text->setText(QString::number(slider->sliderPosition()));
}

// A text that reads as 0 leaves the slider alone; the slider keeps a number outside its range
// at its nearest end, while the text stays as typed.
void textToSlider(const QLineEdit* text, QSlider* slider) {
    if (const auto colour = colourFromText(text->text()))
        slider->setValue(*colour);
}

} // namespace

// A slider moved by click, keyboard or wheel updates its text at once; a drag does so when the
// button is released. Setting a slider from code raises neither.
void MainWindow::connectColourPair(QSlider* slider, QLineEdit* edit) {
    connect(slider, &QSlider::actionTriggered, this, [slider, edit] {
        if (!slider->isSliderDown())
            sliderToText(slider, edit);
    });
    connect(slider, &QSlider::sliderReleased, this, [slider, edit] { sliderToText(slider, edit); });
    connect(edit, &QLineEdit::textChanged, this, [slider, edit] { textToSlider(edit, slider); });
}
