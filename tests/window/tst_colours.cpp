// The colour sliders and the texts beside them, moved the way the player moves them.
#include "window/hueslider.h"
#include "windowsupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Top and bottom colours of the four bots in the file: A, B, C and D.
const QList<std::pair<QString, QString>> Colours{
    {u"100"_s, u"200"_s}, {u"abc"_s, u"0"_s}, {QString(), u"7"_s}, {u"300"_s, u"50"_s}};

QByteArray botsIni() {
    QString text = u"[Map]\r\nName = crossfire\r\nQuantity = 2\r\n\r\n"_s;
    for (qsizetype i = 0; i < Colours.size(); ++i)
        text += u"[Bot]\r\nName = Bot%1\r\nModel = gina\r\nTopColor = %2\r\nBottomColor = %3\r\n"_s
                    .arg(i + 1)
                    .arg(Colours[i].first, Colours[i].second);
    return text.toLatin1();
}

struct Pair {
    QLineEdit* text;
    HueSlider* slider;
};

struct Fixture : WindowOn {
    Fixture() : WindowOn(botsIni()) {}
    Pair top{control<QLineEdit>(window, "topColorEdit"),
             control<HueSlider>(window, "topColorSlider")};
    Pair bottom{control<QLineEdit>(window, "bottomColorEdit"),
                control<HueSlider>(window, "bottomColorSlider")};
    // Each pair in turn, with the other one.
    std::array<std::pair<Pair, Pair>, 2> turns() const { return {{{top, bottom}, {bottom, top}}}; }
    void nextBot() {
        control<QScrollBar>(window, "botPager")
            ->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }
};

QRect handleRect(QSlider* slider) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    // A horizontal slider shown the other way round has its minimum on the right.
    option.upsideDown = slider->orientation() == Qt::Horizontal && slider->invertedAppearance();
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle,
                                           slider);
}

// How far apart two hues are round the circle, in degrees.
double hueDistance(const QColor& a, const QColor& b) {
    const double d = std::abs(a.hsvHueF() - b.hsvHueF()) * 360.0;
    return std::min(d, 360.0 - d);
}

} // namespace

class TestColours : public WindowTest {
    Q_OBJECT

private slots:
    // Each character typed moves the slider to the number the text now starts with, unless that
    // reads as 0; the text is stored as typed. How a text reads as a colour (blanks, trailing
    // letters, no number at all) is tst_leadingnumber's colourFromText; the rows here show that
    // the window reads it that way, the rounding both ways included.
    void typedTextMovesTheSlider_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("moves");
        QTest::newRow("number") << u"150"_s << QList<int>{1, 15, 150};
        QTest::newRow("7.5 rounds up") << u"7.5"_s << QList<int>{7, 8};
        QTest::newRow("6.5 rounds down") << u"6.5"_s << QList<int>{6};
        QTest::newRow("above the range") << u"300"_s << QList<int>{3, 30, 255};
        QTest::newRow("zero") << u"0"_s << QList<int>{};
        QTest::newRow("empty") << QString() << QList<int>{};
    }

    void typedTextMovesTheSlider() {
        QFETCH(QString, text);
        QFETCH(QList<int>, moves);
        Fixture f;
        for (const auto& [typed, other] : f.turns()) {
            const std::pair<QString, int> otherWas{other.text->text(), other.slider->value()};
            const int start = typed.slider->value();
            retype(typed.text, QString());
            QList<int> seen;
            const auto spy = connect(typed.slider, &QSlider::valueChanged, this,
                                     [&seen](int value) { seen << value; });
            QTest::keyClicks(typed.text, text);
            disconnect(spy);
            QCOMPARE(seen, moves);
            QCOMPARE(typed.slider->value(), moves.isEmpty() ? start : moves.last());
            QCOMPARE(typed.text->text(), text);
            QCOMPARE(std::pair(other.text->text(), other.slider->value()), otherWas);
        }
        f.nextBot();
        QCOMPARE(rosterOf(f.window).bots.at(1).topColor, text);
        QCOMPARE(rosterOf(f.window).bots.at(1).bottomColor, text);
    }

    void userMovedSliderSetsTheText_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("step"); // 0: any move to the right
        QTest::newRow("right arrow key") << u"key right"_s << 1;
        QTest::newRow("page up key") << u"key page up"_s << 5;
        QTest::newRow("mouse wheel") << u"wheel"_s << 0;
        QTest::newRow("click on the groove") << u"groove"_s << 0;
        QTest::newRow("drag and release") << u"drag"_s << 0;
    }

    void userMovedSliderSetsTheText() {
        QFETCH(QString, how);
        QFETCH(int, step);
        Fixture f;
        for (const auto& [moved, other] : f.turns()) {
            const std::pair<QString, int> otherWas{other.text->text(), other.slider->value()};
            QSlider* s = moved.slider;
            const int start = s->value();
            if (how.startsWith(u"key")) {
                s->setFocus();
                QTest::keyClick(s, how == u"key right" ? Qt::Key_Right : Qt::Key_PageUp);
            } else if (how == u"wheel") {
                const QPointF at = s->rect().center();
                QWheelEvent wheel(at, s->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                                  Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(s, &wheel);
            } else if (how == u"groove") {
                QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->width() - 3, s->height() / 2));
            } else {
                const QPoint from = handleRect(s).center();
                QTest::mousePress(s, Qt::LeftButton, {}, from);
                QTest::mouseMove(s, from + QPoint(10, 0));
                QTest::mouseMove(s, from + QPoint(20, 0));
                QTest::mouseRelease(s, Qt::LeftButton, {}, from + QPoint(20, 0));
            }
            if (step)
                QCOMPARE(s->value(), start + step);
            else
                QVERIFY2(s->value() > start, qPrintable(QString::number(s->value())));
            QCOMPARE(moved.text->text(), QString::number(s->value()));
            QCOMPARE(std::pair(other.text->text(), other.slider->value()), otherWas);
        }
    }

    // Setting a slider from code raises none of the signals a player's move raises.
    void sliderSetFromCodeLeavesTheText() {
        Fixture f;
        QSignalSpy actions(f.top.slider, &QSlider::actionTriggered);
        QSignalSpy released(f.top.slider, &QSlider::sliderReleased);
        f.top.slider->setValue(42);
        f.bottom.slider->setValue(43);
        QCOMPARE(actions.count(), 0);
        QCOMPARE(released.count(), 0);
        QCOMPARE(f.top.slider->value(), 42);
        QCOMPARE(f.top.text->text(), u"100"_s);
        QCOMPARE(f.bottom.text->text(), u"200"_s);
    }

    // A colour that reads as 0, or is no number, leaves the slider where the bot before left it,
    // showing no colour (no handle) until its text reads as one again.
    void pagingSetsTheTextsAndTheSlidersFollow() {
        Fixture f;
        const int sliders[][2] = {{100, 200}, {100, 200}, {100, 7}, {255, 50}};
        const bool shown[][2] = {{true, true}, {false, false}, {false, true}, {true, true}};
        for (int i = 0; i < 4; ++i) {
            if (i > 0)
                f.nextBot();
            QCOMPARE(rosterOf(f.window).bots.current(), i + 1);
            QCOMPARE(f.top.text->text(), Colours[i].first);
            QCOMPARE(f.bottom.text->text(), Colours[i].second);
            QCOMPARE(f.top.slider->value(), sliders[i][0]);
            QCOMPARE(f.bottom.slider->value(), sliders[i][1]);
            QCOMPARE(f.top.slider->isValueShown(), shown[i][0]);
            QCOMPARE(f.bottom.slider->isValueShown(), shown[i][1]);
        }
    }

    // value × 360 / 255 degrees from red, worked out by hand, with the colour it gives at full
    // saturation and brightness.
    void hueColour_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("degrees");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("1") << 1 << 1.412 << QColor(255, 6, 0);
        QTest::newRow("64") << 64 << 90.353 << QColor(126, 255, 0);
        QTest::newRow("85 is green") << 85 << 120.0 << QColor(0, 255, 0);
        QTest::newRow("128") << 128 << 180.706 << QColor(0, 252, 255);
        QTest::newRow("170 is blue") << 170 << 240.0 << QColor(0, 0, 255);
        QTest::newRow("255 is a full turn") << 255 << 0.0 << QColor(255, 0, 0);
        QTest::newRow("0 is red") << 0 << 0.0 << QColor(255, 0, 0);
        QTest::newRow("256 goes round") << 256 << 1.412 << QColor(255, 6, 0);
        QTest::newRow("-1 goes back") << -1 << 358.588 << QColor(255, 0, 6);
    }

    void hueColour() {
        QFETCH(int, value);
        QFETCH(double, degrees);
        QFETCH(QColor, colour);
        const QColor got = ::hueColour(value);
        QVERIFY2(std::abs(got.hsvHueF() * 360.0 - degrees) < 0.01,
                 qPrintable(QString::number(got.hsvHueF() * 360.0)));
        QCOMPARE(got.hsvSaturation(), 255);
        QCOMPARE(got.value(), 255);
        for (const auto channel : {&QColor::red, &QColor::green, &QColor::blue})
            QVERIFY2(std::abs((got.*channel)() - (colour.*channel)()) <= 1, qPrintable(got.name()));
    }

    // The groove shows, where the handle's centre sits for a value, that value's colour; the
    // handle stands elsewhere so the groove shows there. At the window's size, drawn at 100% and
    // 200%, either way round.
    void hueSliderShowsEachValuesColourUnderTheHandle_data() {
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<bool>("inverted");
        QTest::newRow("100%") << qreal(1) << false;
        QTest::newRow("200%") << qreal(2) << false;
        QTest::newRow("inverted") << qreal(1) << true;
    }

    void hueSliderShowsEachValuesColourUnderTheHandle() {
        QFETCH(qreal, scale);
        QFETCH(bool, inverted);
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(u"Fusion"_s));
        HueSlider slider(Qt::Horizontal);
        slider.setStyle(fusion.get());
        slider.setRange(1, 255);
        slider.setInvertedAppearance(inverted);
        slider.resize(113, 17);
        for (const int value : {1, 30, 64, 128, 170, 220, 255}) {
            // The method's own placing of the handle is the style's.
            slider.setValue(value);
            QVERIFY2(std::abs(slider.handleCentre(value) - handleRect(&slider).center().x()) <= 1,
                     qPrintable(QString::number(slider.handleCentre(value))));

            slider.setValue(value < 128 ? 255 : 1);
            QImage image((QSizeF(slider.size()) * scale).toSize(), QImage::Format_RGB32);
            image.setDevicePixelRatio(scale);
            image.fill(Qt::black);
            slider.render(&image);
            const QPoint at(int(slider.handleCentre(value) * scale),
                            int(slider.height() / 2.0 * scale));
            const QColor shown = image.pixelColor(at);
            QVERIFY2(hueDistance(shown, ::hueColour(value)) < 5 && shown.hsvSaturation() > 200 &&
                         shown.value() > 200,
                     qPrintable(u"value %1 shows %2"_s.arg(value).arg(shown.name())));
        }
    }
};

QTEST_MAIN(TestColours)
#include "tst_colours.moc"
