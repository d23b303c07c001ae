// The main window as laid out: every control in its place with its caption, fonts and ranges,
// captions that fit, the keyboard order, and the toolkit behaviour the handlers rely on.
#include "testsupport.h"
#include "window/frmmain.h"
#include "window/wrapbutton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
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

struct Placed {
    const char* name;
    int page; // -1: on the window itself
    int left, top, width, height;
    const char* text; // nullptr: no caption to check
};

// Positions and captions as the form gives them, in twips.
const Placed Form[] = {
    {"TabStrip1", -1, 0, 0, 3735, 375, nullptr},
    {"Frame1_0", -1, 0, 240, 3735, 2415, nullptr},
    {"Frame1_1", -1, 0, 240, 3735, 2415, nullptr},
    {"Frame1_2", -1, 0, 360, 3735, 2295, nullptr},
    {"Label2", 0, 360, 240, 615, 255, "Name"},
    {"txtBotName", 0, 960, 240, 2055, 285, ""},
    {"HScroll2", 0, 3120, 240, 375, 375, nullptr},
    {"Label3", 0, 360, 600, 735, 255, "Model"},
    {"cmbModel", 0, 960, 600, 2055, 315, nullptr},
    {"Label5", 0, 120, 960, 975, 255, "Top Color"},
    {"sldTopColor", 0, 1080, 960, 1695, 255, nullptr},
    {"txtTopColor", 0, 2760, 960, 855, 285, ""},
    {"Label6", 0, 120, 1320, 975, 255, "Bottom Color"},
    {"sldBottomColor", 0, 1080, 1320, 1695, 255, nullptr},
    {"txtBottomColor", 0, 2760, 1320, 855, 285, ""},
    {"Command4", 0, 120, 1680, 975, 375, "Add"},
    {"Command5", 0, 1320, 1680, 975, 375, "Remove"},
    {"Command6", 0, 2520, 1680, 1095, 375, "Launch"},
    {"Label10", 0, 2520, 2160, 1095, 135, "Vantrel Zelvik v0.10"},
    {"Label11", 1, 360, 240, 615, 255, "Name"},
    {"cmbMaps", 1, 840, 240, 2175, 315, nullptr},
    {"HScroll1", 1, 3120, 270, 375, 375, nullptr},
    {"Label13", 1, 480, 600, 1095, 255, "Bot Quantity"},
    {"txtQuantity", 1, 1440, 600, 495, 285, ""},
    {"chkRandom", 1, 2280, 600, 1095, 255, "Random"},
    {"Label15", 1, 240, 960, 1095, 255, "Initial Delay"},
    {"txtInitialDelay", 1, 1200, 960, 495, 285, ""},
    {"Label14", 1, 1920, 960, 1095, 255, "Spawn Delay"},
    {"txtSpawnDelay", 1, 3000, 960, 495, 285, ""},
    {"Label8", 1, 120, 1320, 1215, 255, "Wait For Players"},
    {"txtWaitForPlayers", 1, 1320, 1320, 495, 285, ""},
    {"Label9", 1, 1920, 1320, 1215, 255, "Keep Server Full"},
    {"txtKeepServerFull", 1, 3140, 1320, 495, 285, ""},
    {"Command1", 1, 120, 1680, 975, 375, "Add"},
    {"Command2", 1, 1320, 1680, 975, 375, "Remove"},
    {"Command3", 1, 2520, 1680, 1095, 375, "Launch"},
    {"Label4", 1, 2520, 2160, 1095, 135, "Vantrel Zelvik v0.10 "},
    {"Text1", 2, 0, 0, 3735, 1455, nullptr},
    {"Label1", 2, 120, 1560, 1095, 255, "HL.exe path"},
    {"txtExecutable", 2, 1080, 1560, 1935, 285, nullptr},
    {"Label7", 2, 120, 1920, 975, 255, "Parameters"},
    {"txtParameters", 2, 1080, 1920, 1935, 285, nullptr},
    {"cmdSaveINI", 2, 3050, 1560, 615, 615, "Save INI"},
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

class TestFrmMain : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

private slots:
    void initTestCase();
    void init() { clearSettings(); }
    void everyControlSitsInItsPlace();
    void captionsFitTheirBoxes();
    void controlsStartAsDesigned();
    void rawTextViewShowsTheNotice();
    void tabKeyWalksOnlyTheVisiblePage();
    void changeHandlersRunNestedAndOnlyOnRealChanges();
    void slidersSetFromCodeRaiseNoUserSignal();
    void windowLoadsBeforeItIsDrawn();
};

void TestFrmMain::initTestCase() {
    isolateSettings();
}

void TestFrmMain::everyControlSitsInItsPlace() {
    frmMain window(folder.path());
    QCOMPARE(window.size(), QSize(px(3750), px(2670)));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    for (const Placed& p : Form) {
        const QWidget* widget = control<QWidget>(window, p.name);
        const QString expectedParent =
            p.page < 0 ? u"frmMain"_s : u"Frame1_"_s + QString::number(p.page);
        QVERIFY2(widget->parentWidget()->objectName() == expectedParent, p.name);
        QVERIFY2(widget->geometry() == QRect(px(p.left), px(p.top), px(p.width), px(p.height)),
                 p.name);
        if (p.text)
            QVERIFY2(captionOf(widget) == QString::fromLatin1(p.text), p.name);
    }
    const auto* tabs = control<QTabBar>(window, "TabStrip1");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), u"Bots"_s);
    QCOMPARE(tabs->tabText(1), u"Maps"_s);
    QCOMPARE(tabs->tabText(2), u"INI"_s);
    QCOMPARE(tabs->currentIndex(), 0);
}

void TestFrmMain::captionsFitTheirBoxes() {
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
    const auto* version = control<QLabel>(window, "Label10");
    QCOMPARE(version->font().pixelSize(), 7);
    QVERIFY(QFontMetrics(version->font()).height() <= version->height() + 1);
}

void TestFrmMain::controlsStartAsDesigned() {
    frmMain window(folder.path());
    for (const char* name : {"sldTopColor", "sldBottomColor"}) {
        const auto* slider = control<QSlider>(window, name);
        QCOMPARE(slider->minimum(), 1);
        QCOMPARE(slider->maximum(), 255);
        QCOMPARE(slider->singleStep(), 1);
        QCOMPARE(slider->pageStep(), 5);
        QCOMPARE(slider->value(), 1);
        QCOMPARE(slider->tickPosition(), QSlider::NoTicks);
    }
    for (const char* name : {"HScroll1", "HScroll2"}) {
        const auto* scroll = control<QScrollBar>(window, name);
        QCOMPARE(scroll->minimum(), 0);
        QCOMPARE(scroll->value(), 1);
        QCOMPARE(scroll->singleStep(), 1);
        QCOMPARE(scroll->orientation(), Qt::Horizontal);
    }
    QCOMPARE(control<QScrollBar>(window, "HScroll2")->maximum(), 32767);
    QCOMPARE(control<QCheckBox>(window, "chkRandom")->isChecked(), false);
    for (const char* name : {"cmbModel", "cmbMaps"}) {
        const auto* combo = control<QComboBox>(window, name);
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->count(), 0);
        QCOMPARE(combo->currentText(), QString());
    }
    const QList<QWidget*> all = window.findChildren<QWidget*>();
    for (const QWidget* widget : all)
        QVERIFY2(widget->isEnabled(), qPrintable(widget->objectName()));
}

void TestFrmMain::rawTextViewShowsTheNotice() {
    ShownWindow window(folder.path()); // no bots.ini there
    QCOMPARE(window.text1(),
             u"Bots.ini file not found.\r\nMake sure this program is in the vantrel "
             u"folder along with the Bots.ini file.\r\n"_s);
    auto* tabs = control<QTabBar>(window, "TabStrip1");
    tabs->setCurrentIndex(2);
    const auto* text1 = control<QPlainTextEdit>(window, "Text1");
    QVERIFY(text1->toPlainText().startsWith(u"Bots.ini file not found.\nMake sure"_s));
    QCOMPARE(text1->palette().color(QPalette::Base), QColor(64, 64, 64));
    QCOMPARE(text1->palette().color(QPalette::Text), QColor(0, 255, 0));
    QVERIFY(QFontInfo(text1->font()).fixedPitch());
    QCOMPARE(text1->lineWrapMode(), QPlainTextEdit::NoWrap);
    QVERIFY(!text1->isReadOnly());
}

void TestFrmMain::tabKeyWalksOnlyTheVisiblePage() {
    ShownWindow window(folder.path());
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    control<QTabBar>(window, "TabStrip1")->setCurrentIndex(2);
    control<QWidget>(window, "Text1")->setFocus();
    QCOMPARE(focusWalk(6), (QStringList{u"Text1"_s, u"TabStrip1"_s, u"txtExecutable"_s,
                                        u"txtParameters"_s, u"cmdSaveINI"_s, u"Text1"_s}));

    control<QTabBar>(window, "TabStrip1")->setCurrentIndex(0);
    control<QWidget>(window, "txtBotName")->setFocus();
    QCOMPARE(focusWalk(8),
             (QStringList{u"txtBotName"_s, u"cmbModel"_s, u"txtTopColor"_s, u"txtBottomColor"_s,
                          u"Command4"_s, u"Command5"_s, u"Command6"_s, u"TabStrip1"_s}));
}

void TestFrmMain::changeHandlersRunNestedAndOnlyOnRealChanges() {
    ShownWindow window(programFolderWith(folder, "[Bot]\r\nname=A\r\nmodel=m\r\n[Bot]\r\nname=B\r\n"
                                                 "model=m\r\n[Bot]\r\nname=C\r\nmodel=m\r\n"));
    auto* scroll = control<QScrollBar>(window, "HScroll2");
    QSignalSpy changes(scroll, &QScrollBar::valueChanged);
    scroll->setValue(1); // already there
    QCOMPARE(changes.count(), 0);
    scroll->setValue(2);
    // The paging ran to its end before setValue returned.
    QCOMPARE(window.module().CurrentBot, 2);
    QCOMPARE(control<QLineEdit>(window, "txtBotName")->text(), u"B"_s);
    QCOMPARE(window.windowTitle(), u"Vantrel Zelvik  (Bot  2 of 3)"_s);
    QCOMPARE(changes.count(), 1);
}

void TestFrmMain::slidersSetFromCodeRaiseNoUserSignal() {
    ShownWindow window(folder.path());
    auto* slider = control<QSlider>(window, "sldTopColor");
    auto* text = control<QLineEdit>(window, "txtTopColor");
    const QString before = text->text();
    QSignalSpy actions(slider, &QSlider::actionTriggered);
    QSignalSpy released(slider, &QSlider::sliderReleased);
    slider->setValue(77);
    QCOMPARE(actions.count(), 0);
    QCOMPARE(released.count(), 0);
    QCOMPARE(text->text(), before);
    QCOMPARE(slider->value(), 77);
}

void TestFrmMain::windowLoadsBeforeItIsDrawn() {
    frmMain window(programFolderWith(folder, "[Bot]\r\nname=Drawn\r\nmodel=gina\r\n"));
    QCOMPARE(window.module().BotCount, 0); // nothing is loaded before the first show

    struct FirstPaint : QObject {
        const frmMain* window = nullptr;
        QString nameAtFirstPaint = u"<never painted>"_s;
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint && !painted) {
                painted = true;
                nameAtFirstPaint = window->module().BotCount > 0 ? window->module().Bots[1].Name
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

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
