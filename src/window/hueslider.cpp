#include "window/hueslider.h"

#include <QLinearGradient>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>

namespace {

// More stops than this would be finer than the pixels they fall on.
constexpr int MaxStops = 256;

} // namespace

QColor hueColour(int value) {
    // In whole degrees times 255, so that a full turn is exact and 255 comes back to red.
    const qint64 turn = qint64(360) * 255;
    const qint64 scaled = ((qint64(value) * 360) % turn + turn) % turn;
    return QColor::fromHsvF(float(double(scaled) / double(turn)), 1.0f, 1.0f);
}

HueSlider::HueSlider(QWidget* parent) : QSlider(parent) {}

HueSlider::HueSlider(Qt::Orientation orientation, QWidget* parent) : QSlider(orientation, parent) {}

QRect HueSlider::handleRect(int value) const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.sliderPosition = value;
    option.sliderValue = value;
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

qreal HueSlider::handleCentre(int value) const {
    const QRectF handle = handleRect(value);
    return orientation() == Qt::Horizontal ? handle.center().x() : handle.center().y();
}

void HueSlider::setValueShown(bool shown) {
    if (shown == valueShown)
        return;
    valueShown = shown;
    update();
}

void HueSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRectF groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const bool horizontal = orientation() == Qt::Horizontal;

    // The style places the handle at the two ends of the range; the gradient puts each value's
    // colour where the handle's centre sits for it, so the two agree in any style, direction or
    // scale. In between the handle moves in whole pixels: the stops run evenly instead, within
    // half a pixel of it, so that the colours run smoothly.
    QLinearGradient gradient(groove.topLeft(),
                             horizontal ? groove.topRight() : groove.bottomLeft());
    const qreal start = horizontal ? groove.left() : groove.top();
    const qreal length = std::max<qreal>(horizontal ? groove.width() : groove.height(), 1);
    const qreal first = (handleCentre(minimum()) - start) / length;
    const qreal last = (handleCentre(maximum()) - start) / length;
    const qint64 span = qint64(maximum()) - minimum();
    const qint64 step = std::max<qint64>(1, span / MaxStops);
    for (qint64 offset = 0;; offset = std::min(offset + step, span)) {
        const qreal position =
            span == 0 ? first : first + (last - first) * qreal(offset) / qreal(span);
        gradient.setColorAt(std::clamp<qreal>(position, 0, 1), hueColour(int(minimum() + offset)));
        if (offset == span)
            break;
    }

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.35);
    painter.setPen(palette().color(QPalette::Dark));
    painter.setBrush(gradient);
    painter.drawRoundedRect(groove.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter.restore();

    // The style draws the rest over it, the handle last.
    option.subControls = valueShown ? QStyle::SC_SliderHandle : QStyle::SC_None;
    if (tickPosition() != NoTicks)
        option.subControls |= QStyle::SC_SliderTickmarks;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
}
