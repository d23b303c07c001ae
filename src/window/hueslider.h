#pragma once

#include <QColor>
#include <QSlider>

// The colour the game gives a colour value: value × 360 / 255 degrees round the colour circle
// from red, at full saturation and brightness. The game's values are 1 to 255; 255 is a full
// turn and so red again, as is 0. Values outside 0 to 255 go on round the circle the same way.
QColor hueColour(int value);

// A colour slider whose groove shows the colour of every value: the colour right under the
// handle's centre is the one the player gets. Range, steps and signals are a QSlider's own.
class HueSlider : public QSlider {
    Q_OBJECT

public:
    explicit HueSlider(QWidget* parent = nullptr);
    explicit HueSlider(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Where the handle's centre sits when the slider shows value: an x in the widget when the
    // slider lies horizontal, a y when it stands vertical.
    qreal handleCentre(int value) const;
    // Whether the slider shows a value: without one (the colour's text reads as none) the
    // groove shows no handle. On at first.
    void setValueShown(bool shown);
    bool isValueShown() const { return valueShown; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect handleRect(int value) const;
    bool valueShown = true;
};
