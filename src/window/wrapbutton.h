#pragma once

#include <QPushButton>

// A command button whose caption wraps onto more lines when it is wider than the button (the
// square "Save INI" button shows its caption on two lines).
class WrapButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

    // Where the caption is drawn, and the flags it is drawn with.
    QRect captionRect() const;
    static constexpr int CaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

protected:
    void paintEvent(QPaintEvent* event) override;
};
