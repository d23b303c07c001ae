// The window's keys for undo and redo, find and go to, copy and paste: which control with the focus
// takes the key, the entry and page shown after it, what the Find box says, and whether closing
// then asks about unsaved changes.
#include "window/initextview.h"
#include "window/numberprompt.h"
#include "windowsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Roster3Bots2Maps =
    "[Map]\r\nName=m1\r\nRandom=No\r\n\r\n[Map]\r\nName=m2\r\nRandom=No\r\n\r\n"
    "[Bot]\r\nName=Alpha\r\nModel=gordon\r\n\r\n"
    "[Bot]\r\nName=Beta\r\nModel=gina\r\n\r\n"
    "[Bot]\r\nName=Gamma\r\nModel=robo\r\n";

// The action of page's context menu whose text starts with text.
QAction* menuAction(const QWidget& page, const QString& text) {
    const auto actions = page.actions();
    for (QAction* action : actions) {
        if (action->text().startsWith(text))
            return action;
    }
    qFatal("no menu entry %s", qPrintable(text));
}

} // namespace

class TestWindowKeys : public WindowTest {
    Q_OBJECT

private slots:
    // Steps: "@name" puts the focus on that control, "'text" types text there, "home" presses Home,
    // "alt:x" Alt+x, "E" Ctrl+Shift+Up, "all" and "copy" Ctrl+A and Ctrl+C, "undo-menu" chooses
    // the Bots page's menu entry Undo, "title" notes the Find box's title; "~" empties the
    // bot's name, "-bot" and "-map" click Remove, "tabN" clicks tab N; Z, Y, S, F3 and P press
    // Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z, F3 and Shift+F3 where the focus is; "find:text" presses
    // Ctrl+F, types text into the Find box and presses Enter ("find-:" Shift+Enter); "GN" presses
    // Ctrl+G and answers N; C and V press Ctrl+Shift+C and Ctrl+Shift+V, "clip" puts the whole
    // roster's text on the clipboard, "clear" empties it; "paste:text" pastes text with Ctrl+V
    // where the focus is. The outcome: the tab, the bot and map on view, the lists ("all": as
    // read), what the Find box said, the INI page's selection, the name boxes with a warning
    // mark, how many messages the player was told, the questions closing asks.
    void keys_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char* name, const char* steps, const char* outcome) {
            QTest::newRow(name) << QString::fromUtf8(steps) << QString::fromUtf8(outcome);
        };
        row("typing is undone in its box", "@botNameEdit 'x Z", "tab0 Alpha/gordon m1 all asks:0");
        row("and redone there with Ctrl+Y", "@botNameEdit 'x Z Y",
            "tab0 Alphax/gordon m1 all asks:1");
        row("the model box's typing too", "@modelCombo 'q Z", "tab0 Alpha/gordon m1 all asks:0");
        row("a box with nothing to undo passes the key on", "-bot @botNameEdit Z",
            "tab0 Alpha/gordon m1 all asks:0");
        row("the box first, then the roster", "-bot @botNameEdit 'x Z Z",
            "tab0 Alpha/gordon m1 all asks:0");
        row("Ctrl+Shift+Z from a button", "-bot @addBotButton Z S",
            "tab0 Gamma/robo m1 bots:Beta,Gamma maps:m1,m2 asks:1");
        row("Ctrl+Y from the pager", "-bot @botPager Z Y",
            "tab0 Gamma/robo m1 bots:Beta,Gamma maps:m1,m2 asks:1");
        row("edits on view are undone as one step", "@botNameEdit 'x @addBotButton Z",
            "tab0 Alpha/gordon m1 all asks:0");
        row("and redone as one", "@botNameEdit 'x @addBotButton Z Y",
            "tab0 Alphax/gordon m1 bots:Alphax,Beta,Gamma maps:m1,m2 asks:1");
        row("a bot without a name refuses", "-bot @botNameEdit ~ @addBotButton Z",
            "tab0 /robo m1 bots:Beta,Gamma maps:m1,m2 asks:1");
        row("a map step shows the Maps page", "tab1 -map tab0 @addBotButton Z",
            "tab1 Alpha/gordon m1 all asks:0");
        row("from the Random box", "tab1 -map @randomCheck Z", "tab1 Alpha/gordon m1 all asks:0");
        row("from the INI page", "-bot tab2 Z", "tab0 Alpha/gordon m1 all asks:0");
        row("Enter finds the next name", "find:a", "tab0 Beta/gina m1 all asks:0");
        row("Shift+Enter the one before", "find-:a", "tab0 Gamma/robo m1 all asks:0");
        row("F3 repeats from the window", "find:a @botPager F3", "tab0 Gamma/robo m1 all asks:0");
        row("Shift+F3 backwards", "find:a @botPager P", "tab0 Alpha/gordon m1 all asks:0");
        row("nothing found: the entry stays", "find:zz",
            "tab0 Alpha/gordon m1 all said:\"zz\" not found asks:0");
        row("a find stores the edits on view", "@botNameEdit 'x find:gam",
            "tab0 Gamma/robo m1 bots:Alphax,Beta,Gamma maps:m1,m2 asks:1");
        row("a bot without a name refuses a find", "@botNameEdit ~ find:gam",
            "tab0 /gordon m1 all asks:1");
        row("maps are found by name", "tab1 find:2", "tab1 Alpha/gordon m2 all asks:0");
        row("Ctrl+G shows the bot with that number", "G3", "tab0 Gamma/robo m1 all asks:0");
        row("and the map", "tab1 G2", "tab1 Alpha/gordon m2 all asks:0");
        row("the INI text is found and selected", "tab2 find:name=b",
            "tab2 Alpha/gordon m1 all sel:Name=B@100 asks:0");
        row("the first, then round to the last", "tab2 find:name= @gamePathEdit P",
            "tab2 Alpha/gordon m1 all sel:Name=@132 asks:0");
        row("a copy pastes after the entry on view", "C G3 V",
            "tab0 Alpha/gordon m1 bots:Alpha,Beta,Gamma,Alpha maps:m1,m2 asks:1");
        row("the copy holds the edits on view", "@botNameEdit 'x C V",
            "tab0 Alphax/gordon m1 bots:Alphax,Alphax,Beta,Gamma maps:m1,m2 asks:1");
        row("maps left out are told", "clip V",
            "tab0 Alpha/gordon m1 bots:Alpha,Alpha,Beta,Gamma,Beta,Gamma maps:m1,m2 told:1 asks:1");
        row("a paste is one undo step", "clip V Z", "tab0 Alpha/gordon m1 all told:1 asks:0");
        row("a bot pastes no map", "C tab1 V", "tab1 Alpha/gordon m1 all told:1 asks:0");
        row("maps paste on the Maps page", "tab1 clip V",
            "tab1 Alpha/gordon m1 bots:Alpha,Beta,Gamma maps:m1,m1,m2,m2 told:1 asks:1");
        row("an empty clipboard changes nothing", "clear V",
            "tab0 Alpha/gordon m1 all told:1 asks:0");
        // A key whose action is off, or an Alt+letter no label owns, changes no value.
        row("a refused move leaves the slider", "@topColorSlider E E",
            "tab0 Alpha/gordon m1 all asks:0");
        row("an unowned Alt+letter types nothing", "tab1 @mapNameCombo alt:t",
            "tab1 Alpha/gordon m1 all asks:0");
        row("nor in the model box", "@modelCombo alt:q alt:a", "tab0 Alpha/gordon m1 all asks:0");
        row("the menu's Undo takes back the stored edit, not typing",
            "@botNameEdit 'abc home 'Z undo-menu", "tab0 Alpha/gordon m1 all asks:0");
        row("Ctrl+A and Ctrl+C from the INI page's tab strip", "tab2 all copy",
            "tab2 Alpha/gordon m1 all sel:all clip=sel asks:0");
        row("the path box keeps its own Ctrl+A", "tab2 @gamePathEdit all",
            "tab2 Alpha/gordon m1 all asks:0");
        row("the Find box's title follows the page", "tab1 find:zz tab0 title",
            "tab0 Alpha/gordon m1 all said:\"zz\" not found title:Find in bots asks:0");
        row("a name with letters bots.ini cannot hold is marked",
            "@botNameEdit paste:中 @modelCombo paste:€",
            "tab0 Alpha中/gordon€ m1 all marked:botNameEdit asks:1");
        row("a map name too", "tab1 @mapNameCombo paste:中",
            "tab1 Alpha/gordon m1中 all marked:mapNameCombo asks:1");
    }

    void keys() {
        QFETCH(QString, steps);
        QFETCH(QString, outcome);
        WindowOn f(Roster3Bots2Maps);
        MainWindow& w = f.window;
        const MessageCapture messages;
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        };
        QString titled;
        for (const QString& step : steps.split(u' ')) {
            if (step.startsWith(u'@'))
                control(w, step.mid(1))->setFocus();
            else if (step.startsWith(u'\''))
                QTest::keyClicks(QApplication::focusWidget(), step.mid(1));
            else if (step == u"~")
                control<QLineEdit>(w, "botNameEdit")->clear();
            else if (step.startsWith(u'-'))
                clickButton(w, step == u"-bot" ? "removeBotButton" : "removeMapButton");
            else if (step.startsWith(u"tab"))
                clickTab(w, step.mid(3).toInt());
            else if (step == u"Z")
                press(Qt::Key_Z, Qt::ControlModifier);
            else if (step == u"Y")
                press(Qt::Key_Y, Qt::ControlModifier);
            else if (step == u"S")
                press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            else if (step == u"F3")
                press(Qt::Key_F3, Qt::NoModifier);
            else if (step == u"P")
                press(Qt::Key_F3, Qt::ShiftModifier);
            else if (step == u"C" || step == u"V")
                press(step == u"C" ? Qt::Key_C : Qt::Key_V,
                      Qt::ControlModifier | Qt::ShiftModifier);
            else if (step == u"E")
                press(Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
            else if (step.startsWith(u"alt:"))
                QTest::keyClick(QApplication::focusWidget(), step.at(4).toLatin1(),
                                Qt::AltModifier);
            else if (step == u"home")
                press(Qt::Key_Home, Qt::NoModifier);
            else if (step == u"all" || step == u"copy")
                press(step == u"all" ? Qt::Key_A : Qt::Key_C, Qt::ControlModifier);
            else if (step == u"undo-menu")
                menuAction(*control(w, "botsPage"), u"Undo"_s)->trigger();
            else if (step == u"title")
                titled = control(w, "findBox")->windowTitle();
            else if (step == u"clip")
                QApplication::clipboard()->setText(QString::fromLatin1(Roster3Bots2Maps));
            else if (step == u"clear")
                QApplication::clipboard()->clear();
            else if (step.startsWith(u"paste:")) {
                QApplication::clipboard()->setText(step.mid(6));
                press(Qt::Key_V, Qt::ControlModifier);
            } else if (step.startsWith(u"find")) {
                press(Qt::Key_F, Qt::ControlModifier);
                auto* edit = control<QLineEdit>(w, "findEdit");
                QVERIFY(edit->isVisible());
                edit->clear();
                QTest::keyClicks(edit, step.section(u':', 1));
                QTest::keyClick(edit, Qt::Key_Return,
                                step.startsWith(u"find-") ? Qt::ShiftModifier : Qt::NoModifier);
            } else if (step.startsWith(u'G')) {
                const int number = step.mid(1).toInt();
                const NumberPrompt was = setNumberPrompt(
                    [number](QWidget*, const NumberQuestion&) { return std::optional(number); });
                press(Qt::Key_G, Qt::ControlModifier);
                setNumberPrompt(was);
            }
        }
        QString lists =
            u"bots:%1 maps:%2"_s.arg(namesOf(rosterOf(w).bots), namesOf(rosterOf(w).maps));
        if (lists == u"bots:Alpha,Beta,Gamma maps:m1,m2")
            lists = u"all"_s;
        QString seen = u"tab%1 %2/%3 %4 %5"_s.arg(
            QString::number(control<QTabBar>(w, "pageTabs")->currentIndex()),
            control<QLineEdit>(w, "botNameEdit")->text(),
            control<QComboBox>(w, "modelCombo")->currentText(),
            control<QComboBox>(w, "mapNameCombo")->currentText(), lists);
        if (const QString said = control<QLabel>(w, "findStatus")->text();
            said.contains(u"not found"))
            seen += u" said:"_s + said;
        if (const auto* view = control<IniTextView>(w, "iniTextView"); view->hasSelection()) {
            const QString selected = view->selectedText();
            seen += selected == view->text()
                        ? u" sel:all"_s
                        : u" sel:%1@%2"_s.arg(selected, QString::number(view->anchorPosition()));
            if (QApplication::clipboard()->text() == selected)
                seen += u" clip=sel"_s;
        }
        if (!titled.isEmpty())
            seen += u" title:"_s + titled;
        for (const char* name : {"botNameEdit", "modelCombo", "mapNameCombo"}) {
            const auto* combo = qobject_cast<QComboBox*>(control(w, name));
            if (!(combo ? combo->lineEdit() : control(w, name))->actions().isEmpty())
                seen += u" marked:"_s + QLatin1StringView(name);
        }
        if (!messages.texts.isEmpty())
            seen += u" told:"_s + QString::number(messages.texts.size());
        QuestionCapture questions({Answer::Discard});
        w.close();
        seen += u" asks:"_s + QString::number(questions.asked.size());
        QCOMPARE(seen, outcome);
    }
};

QTEST_MAIN(TestWindowKeys)
#include "tst_windowkeys.moc"
