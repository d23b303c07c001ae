// The main window as laid out: every control in its place with its caption, fonts and ranges,
// captions that fit, the keyboard order, and the toolkit behaviour the handlers rely on.
#include "window/initextview.h"
#include "window/wrapbutton.h"
#include "windowsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The form is laid out in twips; the window in pixels at 15 twips a pixel.
int px(int twips) {
    return qRound(twips / 15.0);
}

const char* const PageNames[] = {"botsPage", "mapsPage", "iniPage"};

struct Placed {
    const char* name;
    int page; // -1: placed on the window itself, even where a page stack holds it
    int left, top, width, height;
    const char* text; // nullptr: no caption to check
};

// Positions and captions as the form gives them, in twips.
const Placed Form[] = {
    {"pageTabs", -1, 0, 0, 3735, 375, nullptr},
    {"botsPage", -1, 0, 240, 3735, 2415, nullptr},
    {"mapsPage", -1, 0, 240, 3735, 2415, nullptr},
    {"iniPage", -1, 0, 360, 3735, 2295, nullptr},
    {"botNameLabel", 0, 360, 240, 615, 255, "Name"},
    {"botNameEdit", 0, 960, 240, 2055, 285, ""},
    {"botPager", 0, 3120, 240, 375, 375, nullptr},
    {"modelLabel", 0, 360, 600, 735, 255, "Model"},
    {"modelCombo", 0, 960, 600, 2055, 315, nullptr},
    {"topColorLabel", 0, 120, 960, 975, 255, "Top Color"},
    {"topColorSlider", 0, 1080, 960, 1695, 255, nullptr},
    {"topColorEdit", 0, 2760, 960, 855, 285, ""},
    {"bottomColorLabel", 0, 120, 1320, 975, 255, "Bottom Color"},
    {"bottomColorSlider", 0, 1080, 1320, 1695, 255, nullptr},
    {"bottomColorEdit", 0, 2760, 1320, 855, 285, ""},
    {"addBotButton", 0, 120, 1680, 975, 375, "Add"},
    {"removeBotButton", 0, 1320, 1680, 975, 375, "Remove"},
    {"launchFromBotsButton", 0, 2520, 1680, 1095, 375, "Launch"},
    {"botsVersionLabel", 0, 2520, 2160, 1095, 135, "Vantrel Zelvik v0.10"},
    {"mapNameLabel", 1, 360, 240, 615, 255, "Name"},
    {"mapNameCombo", 1, 840, 240, 2175, 315, nullptr},
    {"mapPager", 1, 3120, 270, 375, 375, nullptr},
    {"quantityLabel", 1, 480, 600, 1095, 255, "Bot Quantity"},
    {"quantityEdit", 1, 1440, 600, 495, 285, ""},
    {"randomCheck", 1, 2280, 600, 1095, 255, "Random"},
    {"initialDelayLabel", 1, 240, 960, 1095, 255, "Initial Delay"},
    {"initialDelayEdit", 1, 1200, 960, 495, 285, ""},
    {"spawnDelayLabel", 1, 1920, 960, 1095, 255, "Spawn Delay"},
    {"spawnDelayEdit", 1, 3000, 960, 495, 285, ""},
    {"waitForPlayersLabel", 1, 120, 1320, 1215, 255, "Wait For Players"},
    {"waitForPlayersEdit", 1, 1320, 1320, 495, 285, ""},
    {"keepServerFullLabel", 1, 1920, 1320, 1215, 255, "Keep Server Full"},
    {"keepServerFullEdit", 1, 3140, 1320, 495, 285, ""},
    {"addMapButton", 1, 120, 1680, 975, 375, "Add"},
    {"removeMapButton", 1, 1320, 1680, 975, 375, "Remove"},
    {"launchFromMapsButton", 1, 2520, 1680, 1095, 375, "Launch"},
    {"mapsVersionLabel", 1, 2520, 2160, 1095, 135, "Vantrel Zelvik v0.10 "},
    {"iniTextView", 2, 0, 0, 3735, 1455, nullptr},
    {"gamePathLabel", 2, 120, 1560, 1095, 255, "HL.exe path"},
    {"gamePathEdit", 2, 1080, 1560, 1935, 285, nullptr},
    {"parametersLabel", 2, 120, 1920, 975, 255, "Parameters"},
    {"parametersEdit", 2, 1080, 1920, 1935, 285, nullptr},
    {"saveIniButton", 2, 3050, 1560, 615, 615, "Save INI"},
};

QString captionOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    return {};
}

// The width a caption may take in its control.
// The object names the keyboard focus passes, from the focus widget on, over this many Tab presses.
QStringList focusWalk(int presses) {
    QStringList order;
    for (int i = 0; i < presses; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return order;
}

int roomFor(const QWidget* widget) {
    if (const auto* check = qobject_cast<const QCheckBox*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(check);
        return check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check).width();
    }
    if (qobject_cast<const QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(widget);
        return widget->style()
            ->subElementRect(QStyle::SE_PushButtonContents, &option, widget)
            .width();
    }
    return widget->width();
}

} // namespace

class TestMainWindow : public WindowTest {
    Q_OBJECT

private slots:
    void everyControlSitsInItsPlace();
    void captionsFitTheirBoxes();
    void controlsStartAsDesigned();
    void iniTextViewShowsTheNotice();
    void tabKeyWalksOnlyTheVisiblePage();
    void changeHandlersRunNestedAndOnlyOnRealChanges();
    void slidersSetFromCodeRaiseNoUserSignal();
    void windowLoadsBeforeItIsDrawn();
};

void TestMainWindow::everyControlSitsInItsPlace() {
    MainWindow window(folder.path());
    QCOMPARE(window.size(), QSize(px(3750), px(2670)));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    for (const Placed& p : Form) {
        const QWidget* widget = control<QWidget>(window, p.name);
        const QRect expected(px(p.left), px(p.top), px(p.width), px(p.height));
        if (p.page < 0) {
            const QRect onWindow(widget->mapTo(&window, QPoint()), widget->size());
            QVERIFY2(onWindow == expected, p.name);
        } else {
            QVERIFY2(widget->parentWidget()->objectName() == PageNames[p.page], p.name);
            QVERIFY2(widget->geometry() == expected, p.name);
        }
        if (p.text)
            QVERIFY2(captionOf(widget) == QString::fromLatin1(p.text), p.name);
    }
    const auto* tabs = control<QTabBar>(window, "pageTabs");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), u"Bots"_s);
    QCOMPARE(tabs->tabText(1), u"Maps"_s);
    QCOMPARE(tabs->tabText(2), u"INI"_s);
    QCOMPARE(tabs->currentIndex(), 0);
}

void TestMainWindow::captionsFitTheirBoxes() {
    ShownWindow window(folder.path());
    for (const Placed& p : Form) {
        if (!p.text || !*p.text)
            continue;
        const QWidget* widget = control<QWidget>(window, p.name);
        const QString text = captionOf(widget).trimmed();
        const QFontMetrics metrics(widget->font());
        if (const auto* wrapping = qobject_cast<const WrapButton*>(widget)) {
            const QRect room = wrapping->captionRect();
            const QRect needed = metrics.boundingRect(room, WrapButton::CaptionFlags, text);
            QVERIFY2(room.contains(needed), p.name);
            continue;
        }
        QVERIFY2(metrics.horizontalAdvance(text) <= roomFor(widget),
                 qPrintable(u"%1: %2 > %3"_s.arg(QString::fromLatin1(p.name))
                                .arg(metrics.horizontalAdvance(text))
                                .arg(roomFor(widget))));
        QVERIFY2(metrics.height() <= widget->height() + 2 || widget->height() < 10, p.name);
    }
    const auto* version = control<QLabel>(window, "botsVersionLabel");
    QCOMPARE(version->font().pixelSize(), 7);
    QVERIFY(QFontMetrics(version->font()).height() <= version->height() + 1);
}

void TestMainWindow::controlsStartAsDesigned() {
    MainWindow window(folder.path());
    for (const char* name : {"topColorSlider", "bottomColorSlider"}) {
        const auto* slider = control<QSlider>(window, name);
        QCOMPARE(slider->minimum(), 1);
        QCOMPARE(slider->maximum(), 255);
        QCOMPARE(slider->singleStep(), 1);
        QCOMPARE(slider->pageStep(), 5);
        QCOMPARE(slider->value(), 1);
        QCOMPARE(slider->tickPosition(), QSlider::NoTicks);
    }
    for (const char* name : {"mapPager", "botPager"}) {
        const auto* scroll = control<QScrollBar>(window, name);
        QCOMPARE(scroll->minimum(), 0);
        QCOMPARE(scroll->value(), 1);
        QCOMPARE(scroll->singleStep(), 1);
        QCOMPARE(scroll->orientation(), Qt::Horizontal);
    }
    QCOMPARE(control<QScrollBar>(window, "botPager")->maximum(), 32767);
    QCOMPARE(control<QCheckBox>(window, "randomCheck")->isChecked(), false);
    for (const char* name : {"modelCombo", "mapNameCombo"}) {
        const auto* combo = control<QComboBox>(window, name);
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->count(), 0);
        QCOMPARE(combo->currentText(), QString());
    }
    const QList<QWidget*> all = window.findChildren<QWidget*>();
    for (const QWidget* widget : all)
        QVERIFY2(widget->isEnabled(), qPrintable(widget->objectName()));
}

void TestMainWindow::iniTextViewShowsTheNotice() {
    ShownWindow window(folder.path()); // no bots.ini there
    QCOMPARE(window.iniText(),
             u"Bots.ini file not found.\r\nMake sure this program is in the vantrel "
             u"folder along with the Bots.ini file.\r\n"_s);
    auto* tabs = control<QTabBar>(window, "pageTabs");
    tabs->setCurrentIndex(2);
    auto* view = control<IniTextView>(window, "iniTextView");
    QCOMPARE(view->lineText(0), u"Bots.ini file not found."_s);
    QCOMPARE(view->palette().color(QPalette::Base), QColor(64, 64, 64));
    QCOMPARE(view->palette().color(QPalette::Text), QColor(0, 255, 0));
    QVERIFY(QFontInfo(view->font()).fixedPitch());

    // The view is only a view: typing into it changes nothing, and Save INI writes the roster.
    view->setFocus();
    QTest::keyClicks(view, u"typed"_s);
    QTest::keyClick(view, Qt::Key_Backspace);
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(window.iniText().startsWith(u"Bots.ini file not found.\r\n"_s));
    clickButton(window, "saveIniButton");
    QVERIFY(readBytes(folder.filePath(u"bots.ini"_s))
                .startsWith("[Map]\r\nName            = " +
                            window.roster().maps.at(1).name.toLatin1() + "\r\n"));
    QVERIFY(QFile::remove(folder.filePath(u"bots.ini"_s)));
}

void TestMainWindow::tabKeyWalksOnlyTheVisiblePage() {
    ShownWindow window(folder.path());
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    control<QTabBar>(window, "pageTabs")->setCurrentIndex(2);
    control<QWidget>(window, "iniTextView")->setFocus();
    QCOMPARE(focusWalk(6),
             (QStringList{u"iniTextView"_s, u"pageTabs"_s, u"gamePathEdit"_s, u"parametersEdit"_s,
                          u"saveIniButton"_s, u"iniTextView"_s}));

    control<QTabBar>(window, "pageTabs")->setCurrentIndex(0);
    control<QWidget>(window, "botNameEdit")->setFocus();
    QCOMPARE(focusWalk(8),
             (QStringList{u"botNameEdit"_s, u"modelCombo"_s, u"topColorEdit"_s,
                          u"bottomColorEdit"_s, u"addBotButton"_s, u"removeBotButton"_s,
                          u"launchFromBotsButton"_s, u"pageTabs"_s}));
}

void TestMainWindow::changeHandlersRunNestedAndOnlyOnRealChanges() {
    RosterWindow opened(
        "[Bot]\r\nname=A\r\nmodel=m\r\n[Bot]\r\nname=B\r\nmodel=m\r\n[Bot]\r\nname=C\r\n"
        "model=m\r\n");
    const ShownWindow& window = opened.window;
    auto* scroll = control<QScrollBar>(window, "botPager");
    QSignalSpy changes(scroll, &QScrollBar::valueChanged);
    scroll->setValue(1); // already there
    QCOMPARE(changes.count(), 0);
    scroll->setValue(2);
    // The paging ran to its end before setValue returned.
    QCOMPARE(window.roster().bots.current(), 2);
    QCOMPARE(control<QLineEdit>(window, "botNameEdit")->text(), u"B"_s);
    QCOMPARE(window.windowTitle(), u"Vantrel Zelvik  (Bot  2 of 3)"_s);
    QCOMPARE(changes.count(), 1);
}

void TestMainWindow::slidersSetFromCodeRaiseNoUserSignal() {
    ShownWindow window(folder.path());
    auto* slider = control<QSlider>(window, "topColorSlider");
    auto* text = control<QLineEdit>(window, "topColorEdit");
    const QString before = text->text();
    QSignalSpy actions(slider, &QSlider::actionTriggered);
    QSignalSpy released(slider, &QSlider::sliderReleased);
    slider->setValue(77);
    QCOMPARE(actions.count(), 0);
    QCOMPARE(released.count(), 0);
    QCOMPARE(text->text(), before);
    QCOMPARE(slider->value(), 77);
}

void TestMainWindow::windowLoadsBeforeItIsDrawn() {
    MainWindow window(programFolderWith(folder, "[Bot]\r\nname=Drawn\r\nmodel=gina\r\n"));
    QCOMPARE(window.roster().bots.count(), 0); // nothing is loaded before load()
    window.load();

    struct FirstPaint : QObject {
        const MainWindow* window = nullptr;
        QString nameAtFirstPaint = u"<never painted>"_s;
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint && !painted) {
                painted = true;
                nameAtFirstPaint = window->roster().bots.count() > 0
                                       ? window->roster().bots.at(1).name
                                       : u"<not loaded>"_s;
            }
            return false;
        }
    } watcher;
    watcher.window = &window;
    window.installEventFilter(&watcher);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(watcher.painted);
    QCOMPARE(watcher.nameAtFirstPaint, u"Drawn"_s);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
