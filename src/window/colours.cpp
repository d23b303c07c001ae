// Each colour slider and the text box beside it keep each other in step. The colour reaches the
// bot only as the text box's text.
#include "ui_frmmain.h"
#include "window/frmmain.h"

#include "window/leadingnumber.h"

namespace {

// The slider's position, not its value: on a click, key or wheel step the value follows only
// after the action has been reported.
void sliderToText(const QSlider* slider, QLineEdit* text) {
    text->setText(QString::number(slider->sliderPosition()));
}

// A text that reads as 0 leaves the slider alone; the slider keeps a number outside its range
// at its nearest end, while the text stays as typed.
void textToSlider(const QLineEdit* text, QSlider* slider) {
    if (const auto colour = ColourFromText(text->text()))
        slider->setValue(*colour);
}

} // namespace

void frmMain::sldTopColor_Click() {
    if (!ui->sldTopColor->isSliderDown())
        sliderToText(ui->sldTopColor, ui->txtTopColor);
}

void frmMain::sldTopColor_MouseUp() {
    sliderToText(ui->sldTopColor, ui->txtTopColor);
}

void frmMain::sldBottomColor_Click() {
    if (!ui->sldBottomColor->isSliderDown())
        sliderToText(ui->sldBottomColor, ui->txtBottomColor);
}

void frmMain::sldBottomColor_MouseUp() {
    sliderToText(ui->sldBottomColor, ui->txtBottomColor);
}

void frmMain::txtTopColor_Change() {
    textToSlider(ui->txtTopColor, ui->sldTopColor);
}

void frmMain::txtBottomColor_Change() {
    textToSlider(ui->txtBottomColor, ui->sldBottomColor);
}
