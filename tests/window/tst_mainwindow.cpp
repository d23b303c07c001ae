// The main window as laid out: every control in its place with its caption, fonts and ranges,
// captions that fit in every language at every scale, the keyboard order, the Alt keys and the
// names screen readers read, and the toolkit behaviour the handlers rely on.
#include "app/language.h"
#include "window/initextview.h"
#include "window/wrapbutton.h"
#include "windowsupport.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

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
    {"botsVersionLabel", 0, 2520, 2160, 1095, 135, "Vantrel Zelvik v" ZELVIK_VERSION},
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
    {"mapsVersionLabel", 1, 2520, 2160, 1095, 135, "Vantrel Zelvik v" ZELVIK_VERSION " "},
    {"iniTextView", 2, 0, 0, 3735, 1455, nullptr},
    {"gamePathLabel", 2, 120, 1560, 1095, 255, "HL.exe path"},
    {"gamePathEdit", 2, 1080, 1560, 1935, 285, nullptr},
    {"parametersLabel", 2, 120, 1920, 975, 255, "Parameters"},
    {"parametersEdit", 2, 1080, 1920, 1935, 285, nullptr},
    {"saveIniButton", 2, 3050, 1560, 615, 615, "Save INI"},
};

// A caption as drawn: the "&" that marks its Alt key is not shown, "&&" shows one "&".
QString shownText(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

QString captionOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return shownText(label->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return shownText(button->text());
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    return {};
}

// The object names the keyboard focus passes, from the focus widget on, over this many Tab presses.
QStringList focusWalk(int presses) {
    QStringList order;
    for (int i = 0; i < presses; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return order;
}

// The width a label's caption may take: to the end of its box, or to the first control beside it
// that covers the box and would hide the rest.
int labelRoom(const QLabel* label) {
    int room = label->width();
    const auto siblings = label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* sibling : siblings) {
        const QRect box = sibling->geometry();
        if (sibling != label && !sibling->isHidden() && box.intersects(label->geometry()) &&
            box.left() > label->x())
            room = std::min(room, box.left() - label->x());
    }
    return room;
}

// The width a caption may take in its control.
int roomFor(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return labelRoom(label);
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

// The window drawn at a scale: every font of it scale times its size. Its boxes stay as they are;
// the test scales their room.
void scaleFonts(QWidget& window, qreal scale) {
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    QList<QFont> fonts; // all read before any is set, since a font set passes on to the children
    for (const QWidget* widget : std::as_const(widgets))
        fonts << widget->font();
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        QFont font = fonts.at(i);
        if (font.pixelSize() > 0)
            font.setPixelSize(qRound(font.pixelSize() * scale));
        else
            font.setPointSizeF(font.pointSizeF() * scale);
        widgets.at(i)->setFont(font);
    }
}

// What of a control's caption does not fit its box drawn at scale; empty when all of it fits.
QString misfit(const QWidget* widget, qreal scale) {
    const QString text = captionOf(widget).trimmed();
    const QFontMetrics metrics(widget->font());
    const auto scaled = [scale](int length) { return int(length * scale); };
    if (const auto* wrapping = qobject_cast<const WrapButton*>(widget)) {
        const QRect box = wrapping->captionRect();
        const QRect room(0, 0, scaled(box.width()), scaled(box.height()));
        const QRect needed = metrics.boundingRect(room, WrapButton::CaptionFlags, text);
        return room.contains(needed) ? QString() : text;
    }
    const int room = scaled(roomFor(widget));
    if (metrics.horizontalAdvance(text) > room)
        return u"%1 (%2 > %3)"_s.arg(text).arg(metrics.horizontalAdvance(text)).arg(room);
    if (metrics.height() > scaled(widget->height() + 2) && widget->height() >= 10)
        return u"%1 (%2 high)"_s.arg(text).arg(metrics.height());
    return {};
}

// Whether a tab strip drawn at scale holds all its tabs, each as wide as its caption needs.
bool tabsFit(const QTabBar* tabs, qreal scale) {
    return tabs->tabRect(tabs->count() - 1).right() < int(tabs->width() * scale);
}

// The Roster window, opened as Ctrl+L opens it.
QWidget* openRoster(const QWidget& window) {
    const auto actions = control(window, "botsPage")->actions();
    for (QAction* action : actions) {
        if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_L))
            action->trigger();
    }
    return control(window, "rosterWindow");
}

} // namespace

class TestMainWindow : public WindowTest {
    Q_OBJECT

private slots:
    void everyControlSitsInItsPlace();
    void captionsFitTheirBoxes_data();
    void captionsFitTheirBoxes();
    void controlsStartAsDesigned();
    void iniTextViewShowsTheNotice();
    void tabKeyWalksOnlyTheVisiblePage();
    void altKeysReachTheirBoxes_data();
    void altKeysReachTheirBoxes();
    void controlsAreNamedForScreenReaders_data();
    void controlsAreNamedForScreenReaders();
    void everyControlOfAPageIsNamed_data();
    void everyControlOfAPageIsNamed();
    void changeHandlersRunNestedAndOnlyOnRealChanges();
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

void TestMainWindow::captionsFitTheirBoxes_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<qreal>("scale");
    for (const QString& language : availableLanguages()) {
        for (const int percent : {100, 125, 150, 200})
            QTest::addRow("%s %d%%", qPrintable(language), percent) << language << percent / 100.0;
    }
}

// Each language at each scale in one process. The window at a scale is drawn with each font that
// many times its size into boxes that many times theirs. Qt lays text out in logical pixels, so
// on Linux a caption's width hardly changes with the scale; measuring the font at the size its
// glyphs are drawn bounds what a font engine that hints or rounds at that size (Windows's, or
// FreeType's whole pixels: 12.5 pixels at 125% come out as 13) may make of it.
void TestMainWindow::captionsFitTheirBoxes() {
    QFETCH(QString, language);
    QFETCH(qreal, scale);
    Translations translations(language);
    translations.install();
    ShownWindow window(folder.path());
    const auto* version = control<QLabel>(window, "botsVersionLabel");
    QCOMPARE(version->font().pixelSize(), 7);
    QVERIFY(QFontMetrics(version->font()).height() <= version->height() + 1);
    QWidget* roster = openRoster(window);
    scaleFonts(window, scale);
    scaleFonts(*roster, scale);
    roster->resize(roster->size() * scale);
    roster->layout()->activate();

    QStringList misfits;
    for (const Placed& p : Form) {
        const QString fault =
            p.text && *p.text ? misfit(control(window, p.name), scale) : QString();
        if (!fault.isEmpty())
            misfits << QString::fromLatin1(p.name) + u": "_s + fault;
    }
    // The Roster window's layout gives each label the width its caption needs.
    const auto labels = roster->findChildren<QLabel*>();
    for (const QLabel* label : labels) {
        if (QFontMetrics(label->font()).horizontalAdvance(shownText(label->text())) >
            label->width())
            misfits << label->text();
    }
    if (!tabsFit(control<QTabBar>(window, "pageTabs"), scale))
        misfits << u"the main window's tabs"_s;
    if (!tabsFit(control<QTabWidget>(*roster, "rosterTabs")->tabBar(), 1.0)) // scaled already
        misfits << u"the Roster window's tabs"_s;
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(u", "_s)));
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
    QCOMPARE(iniTextOf(window),
             u"Bots.ini file not found.\r\nMake sure this program is in the vantrel "
             u"folder along with the Bots.ini file.\r\n"_s);
    auto* tabs = control<QTabBar>(window, "pageTabs");
    tabs->setCurrentIndex(2);
    auto* view = control<IniTextView>(window, "iniTextView");
    QCOMPARE(view->lineText(0), u"Bots.ini file not found."_s);
    QCOMPARE(view->palette().color(QPalette::Base), QColor(64, 64, 64));
    QCOMPARE(view->palette().color(QPalette::Text), QColor(0, 255, 0));
    QVERIFY(QFontInfo(view->font()).fixedPitch());

    // The view is only a view (that typing changes nothing is tst_initextview's): Save INI
    // writes the roster, not the notice.
    clickButton(window, "saveIniButton");
    QVERIFY(readBytes(folder.filePath(u"bots.ini"_s))
                .startsWith("[Map]\r\nName            = " +
                            rosterOf(window).maps.at(1).name.toLatin1() + "\r\n"));
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

void TestMainWindow::altKeysReachTheirBoxes_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("box"); // empty: the key does nothing on this page

    QTest::newRow("Bots: Alt+N, Name") << 0 << int(Qt::Key_N) << u"botNameEdit"_s;
    QTest::newRow("Bots: Alt+M, Model") << 0 << int(Qt::Key_M) << u"modelCombo"_s;
    QTest::newRow("Bots: Alt+T, Top Color") << 0 << int(Qt::Key_T) << u"topColorEdit"_s;
    QTest::newRow("Bots: Alt+B, Bottom Color") << 0 << int(Qt::Key_B) << u"bottomColorEdit"_s;
    QTest::newRow("Bots: Alt+Q is the Maps page's") << 0 << int(Qt::Key_Q) << QString();
    QTest::newRow("Maps: Alt+N, Name") << 1 << int(Qt::Key_N) << u"mapNameCombo"_s;
    QTest::newRow("Maps: Alt+Q, Bot Quantity") << 1 << int(Qt::Key_Q) << u"quantityEdit"_s;
    QTest::newRow("Maps: Alt+R, Random") << 1 << int(Qt::Key_R) << u"randomCheck"_s;
    QTest::newRow("Maps: Alt+I, Initial Delay") << 1 << int(Qt::Key_I) << u"initialDelayEdit"_s;
    QTest::newRow("Maps: Alt+S, Spawn Delay") << 1 << int(Qt::Key_S) << u"spawnDelayEdit"_s;
    QTest::newRow("Maps: Alt+W, Wait For Players")
        << 1 << int(Qt::Key_W) << u"waitForPlayersEdit"_s;
    QTest::newRow("Maps: Alt+K, Keep Server Full")
        << 1 << int(Qt::Key_K) << u"keepServerFullEdit"_s;
    QTest::newRow("Maps: Alt+M is the Bots page's") << 1 << int(Qt::Key_M) << QString();
    QTest::newRow("INI: Alt+H, HL.exe path") << 2 << int(Qt::Key_H) << u"gamePathEdit"_s;
    QTest::newRow("INI: Alt+P, Parameters") << 2 << int(Qt::Key_P) << u"parametersEdit"_s;
    QTest::newRow("INI: Alt+N is the other pages'") << 2 << int(Qt::Key_N) << QString();
}

// Alt and a caption's underlined letter put the focus into the box the caption names; a check
// box's own letter also ticks or clears it.
void TestMainWindow::altKeysReachTheirBoxes() {
    QFETCH(int, page);
    QFETCH(int, key);
    QFETCH(QString, box);
    ShownWindow window(folder.path());
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    clickTab(window, page);
    QCOMPARE(control<QTabBar>(window, "pageTabs")->currentIndex(), page);
    auto* tabs = control<QWidget>(window, "pageTabs");
    tabs->setFocus();
    QCOMPARE(QApplication::focusWidget(), tabs);
    const auto* check = box.isEmpty() ? nullptr : window.findChild<QCheckBox*>(box);
    const bool wasTicked = check && check->isChecked();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);

    QCOMPARE(QApplication::focusWidget()->objectName(), box.isEmpty() ? u"pageTabs"_s : box);
    if (check)
        QTRY_COMPARE(check->isChecked(), !wasTicked);
}

void TestMainWindow::controlsAreNamedForScreenReaders_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption"); // the label naming it; empty: none
    QTest::addColumn<bool>("described");  // a description says what an uncaptioned control does

    const auto byCaption = [](int page, const char* object, const QString& name,
                              const char* caption) {
        QTest::newRow(object) << page << QString::fromLatin1(object) << name
                              << QString::fromLatin1(caption) << false;
    };
    const auto byItself = [](int page, const char* object, const QString& name, bool described) {
        QTest::newRow(object) << page << QString::fromLatin1(object) << name << QString()
                              << described;
    };
    byCaption(0, "botNameEdit", u"Name"_s, "botNameLabel");
    byCaption(0, "modelCombo", u"Model"_s, "modelLabel");
    byCaption(0, "topColorEdit", u"Top Color"_s, "topColorLabel");
    byCaption(0, "bottomColorEdit", u"Bottom Color"_s, "bottomColorLabel");
    byItself(0, "botPager", u"Previous or next bot"_s, true);
    byItself(0, "topColorSlider", u"Top Color"_s, true);
    byItself(0, "bottomColorSlider", u"Bottom Color"_s, true);
    byItself(0, "addBotButton", u"Add"_s, false);
    byItself(0, "removeBotButton", u"Remove"_s, false);
    byItself(0, "launchFromBotsButton", u"Launch"_s, false);
    byCaption(1, "mapNameCombo", u"Name"_s, "mapNameLabel");
    byItself(1, "mapPager", u"Previous or next map"_s, true);
    byCaption(1, "quantityEdit", u"Bot Quantity"_s, "quantityLabel");
    byItself(1, "randomCheck", u"Random"_s, false);
    byCaption(1, "initialDelayEdit", u"Initial Delay"_s, "initialDelayLabel");
    byCaption(1, "spawnDelayEdit", u"Spawn Delay"_s, "spawnDelayLabel");
    byCaption(1, "waitForPlayersEdit", u"Wait For Players"_s, "waitForPlayersLabel");
    byCaption(1, "keepServerFullEdit", u"Keep Server Full"_s, "keepServerFullLabel");
    byItself(1, "addMapButton", u"Add"_s, false);
    byItself(1, "removeMapButton", u"Remove"_s, false);
    byItself(1, "launchFromMapsButton", u"Launch"_s, false);
    byItself(2, "iniTextView", u"bots.ini text"_s, true);
    byCaption(2, "gamePathEdit", u"HL.exe path"_s, "gamePathLabel");
    byCaption(2, "parametersEdit", u"Parameters"_s, "parametersLabel");
    byItself(2, "saveIniButton", u"Save INI"_s, false);
}

// The name a screen reader reads for each control: a captioned box's caption, reached through
// the label's link to its box (a text set twice would drift apart); a control without a caption
// its own name and a description.
void TestMainWindow::controlsAreNamedForScreenReaders() {
    QFETCH(int, page);
    QFETCH(QString, object);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, described);
    ShownWindow window(folder.path());
    clickTab(window, page);
    // An editable list may give its text as its name: empty, only the caption can name it.
    const auto combos = window.findChildren<QComboBox*>();
    for (QComboBox* combo : combos)
        combo->setEditText(QString());
    auto* widget = control(window, object);
    QVERIFY(widget->isVisible());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    if (described)
        QVERIFY(!accessible->text(QAccessible::Description).isEmpty());
    if (caption.isEmpty())
        return;
    const auto* label = control<QLabel>(window, caption);
    QCOMPARE(label->buddy(), widget);
    QVERIFY(widget->accessibleName().isEmpty());
    const auto labels = accessible->relations(QAccessible::Label);
    QVERIFY(std::any_of(labels.cbegin(), labels.cend(), [label](const auto& relation) {
        return relation.first->object() == label;
    }));
}

void TestMainWindow::everyControlOfAPageIsNamed_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("controls"); // how many the page shows, the tab strip counted
    QTest::newRow("Bots") << 0 << 11;
    QTest::newRow("Maps") << 1 << 12;
    QTest::newRow("INI") << 2 << 5;
}

// Every control a page shows, the ones the table above does not know included, has a name, and
// no Alt key is underlined twice on a page: each caption with one leads to a control on view.
void TestMainWindow::everyControlOfAPageIsNamed() {
    QFETCH(int, page);
    QFETCH(int, controls);
    ShownWindow window(folder.path());
    clickTab(window, page);
    const auto combos = window.findChildren<QComboBox*>();
    for (QComboBox* combo : combos)
        combo->setEditText(QString());
    QStringList named;
    QStringList altKeys;
    const auto widgets = window.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const QString object = widget->objectName();
        // Parts a control is built of (a list's text field, a view's scroll bars) are not named
        // in the form.
        if (!widget->isVisible() || object.isEmpty() || object.startsWith(u"qt_"_s))
            continue;
        if ((widget->focusPolicy() & Qt::TabFocus) || qobject_cast<QAbstractSlider*>(widget)) {
            const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(),
                     qPrintable(object));
            named << object;
        }
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            text = label->text();
            if (!QKeySequence::mnemonic(text).isEmpty())
                QVERIFY2(label->buddy() && label->buddy()->isVisible(), qPrintable(object));
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            text = button->text();
        }
        const QString key = QKeySequence::mnemonic(text).toString();
        if (key.isEmpty())
            continue;
        QVERIFY2(!altKeys.contains(key), qPrintable(key + u" again on "_s + object));
        altKeys << key;
    }
    QVERIFY2(named.size() == controls, qPrintable(named.join(u", "_s)));
}

void TestMainWindow::changeHandlersRunNestedAndOnlyOnRealChanges() {
    WindowOn opened(
        "[Bot]\r\nname=A\r\nmodel=m\r\n[Bot]\r\nname=B\r\nmodel=m\r\n[Bot]\r\nname=C\r\n"
        "model=m\r\n");
    const ShownWindow& window = opened.window;
    auto* scroll = control<QScrollBar>(window, "botPager");
    QSignalSpy changes(scroll, &QScrollBar::valueChanged);
    scroll->setValue(1); // already there
    QCOMPARE(changes.count(), 0);
    scroll->setValue(2);
    // The paging ran to its end before setValue returned.
    QCOMPARE(rosterOf(window).bots.current(), 2);
    QCOMPARE(control<QLineEdit>(window, "botNameEdit")->text(), u"B"_s);
    QCOMPARE(window.windowTitle(), u"Vantrel Zelvik  (Bot  2 of 3)"_s);
    QCOMPARE(changes.count(), 1);
}

void TestMainWindow::windowLoadsBeforeItIsDrawn() {
    MainWindow window(programFolderWith(folder, "[Bot]\r\nname=Drawn\r\nmodel=gina\r\n"));
    QCOMPARE(rosterOf(window).bots.count(), 0); // nothing is loaded before load()
    window.load();

    struct FirstPaint : QObject {
        const MainWindow* window = nullptr;
        QString nameAtFirstPaint = u"<never painted>"_s;
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint && !painted) {
                painted = true;
                nameAtFirstPaint = rosterOf(*window).bots.count() > 0
                                       ? rosterOf(*window).bots.at(1).name
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
