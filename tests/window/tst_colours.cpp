// The colour sliders and the texts beside them, moved the way the player moves them.
#include "windowsupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>
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
    QSlider* slider;
};

struct Fixture {
    QTemporaryDir dir;
    ShownWindow window{programFolderWith(dir, botsIni())};
    Pair top{control<QLineEdit>(window, "topColorEdit"),
             control<QSlider>(window, "topColorSlider")};
    Pair bottom{control<QLineEdit>(window, "bottomColorEdit"),
                control<QSlider>(window, "bottomColorSlider")};
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
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle,
                                           slider);
}

} // namespace

class TestColours : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { isolateSettings(); }
    void init() { clearSettings(); }

    // Each character typed moves the slider to the number the text now starts with, unless that
    // reads as 0; the text is stored as typed.
    void typedTextMovesTheSlider_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("moves");
        QTest::newRow("number") << u"150"_s << QList<int>{1, 15, 150};
        QTest::newRow("trailing letters") << u"12abc"_s << QList<int>{1, 12};
        QTest::newRow("blanks ignored") << u" 1 2 "_s << QList<int>{1, 12};
        QTest::newRow("7.5 rounds up") << u"7.5"_s << QList<int>{7, 8};
        QTest::newRow("6.5 rounds down") << u"6.5"_s << QList<int>{6};
        QTest::newRow("above the range") << u"300"_s << QList<int>{3, 30, 255};
        QTest::newRow("zero") << u"0"_s << QList<int>{};
        QTest::newRow("empty") << QString() << QList<int>{};
        QTest::newRow("not a number") << u"abc"_s << QList<int>{};
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
        QCOMPARE(f.window.roster().bots.at(1).topColor, text);
        QCOMPARE(f.window.roster().bots.at(1).bottomColor, text);
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

    void sliderSetFromCodeLeavesTheText() {
        Fixture f;
        f.top.slider->setValue(42);
        f.bottom.slider->setValue(43);
        QCOMPARE(f.top.text->text(), u"100"_s);
        QCOMPARE(f.bottom.text->text(), u"200"_s);
    }

    // A colour that reads as 0, or is no number, leaves the slider where the bot before left it.
    void pagingSetsTheTextsAndTheSlidersFollow() {
        Fixture f;
        const int sliders[][2] = {{100, 200}, {100, 200}, {100, 7}, {255, 50}};
        for (int i = 0; i < 4; ++i) {
            if (i > 0)
                f.nextBot();
            QCOMPARE(f.window.roster().bots.current(), i + 1);
            QCOMPARE(f.top.text->text(), Colours[i].first);
            QCOMPARE(f.bottom.text->text(), Colours[i].second);
            QCOMPARE(f.top.slider->value(), sliders[i][0]);
            QCOMPARE(f.bottom.slider->value(), sliders[i][1]);
        }
    }
};

QTEST_MAIN(TestColours)
#include "tst_colours.moc"
