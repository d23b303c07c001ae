// Undo and redo from the keyboard: which control with the focus takes the key, the page the step
// is shown on, and whether closing then asks about unsaved changes.
#include "windowsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray TwoOfEach =
    "[Map]\r\nName=m1\r\nRandom=No\r\n\r\n[Map]\r\nName=m2\r\nRandom=No\r\n\r\n"
    "[Bot]\r\nName=Alpha\r\nModel=gordon\r\n\r\n"
    "[Bot]\r\nName=Beta\r\nModel=gina\r\n";

QString namesOf(const auto& list) {
    QStringList names;
    for (int i = 1; i <= list.count(); ++i)
        names << list.at(i).name;
    return names.join(u',');
}

} // namespace

class TestHistoryKeys : public WindowTest {
    Q_OBJECT

private slots:
    // Steps: "@name" puts the focus on that control, "'text" types text there, "~" empties it,
    // "-bot" and "-map" click Remove, "tabN" clicks tab N, and Z, Y, S press Ctrl+Z, Ctrl+Y and
    // Ctrl+Shift+Z where the focus is. The outcome ends with the questions closing asks.
    void keys_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char* name, const char* steps, const char* outcome) {
            QTest::newRow(name) << QString::fromLatin1(steps) << QString::fromLatin1(outcome);
        };
        row("typing is undone in its box", "@botNameEdit 'x Z",
            "tab0 Alpha/gordon bots:Alpha,Beta maps:m1,m2 asks:0");
        row("and redone there with Ctrl+Y", "@botNameEdit 'x Z Y",
            "tab0 Alphax/gordon bots:Alpha,Beta maps:m1,m2 asks:1");
        row("the model box's typing too", "@modelCombo 'q Z",
            "tab0 Alpha/gordon bots:Alpha,Beta maps:m1,m2 asks:0");
        row("a box with nothing to undo passes the key on", "-bot @botNameEdit Z",
            "tab0 Alpha/gordon bots:Alpha,Beta maps:m1,m2 asks:0");
        row("the box first, then the roster", "-bot @botNameEdit 'x Z Z",
            "tab0 Alpha/gordon bots:Alpha,Beta maps:m1,m2 asks:0");
        row("Ctrl+Shift+Z from a button", "-bot @addBotButton Z S",
            "tab0 Beta/gina bots:Beta maps:m1,m2 asks:1");
        row("Ctrl+Y from the pager", "-bot @botPager Z Y",
            "tab0 Beta/gina bots:Beta maps:m1,m2 asks:1");
        row("edits on view are undone as one step", "@botNameEdit 'x @addBotButton Z",
            "tab0 Alpha/gordon bots:Alpha,Beta maps:m1,m2 asks:0");
        row("and redone as one", "@botNameEdit 'x @addBotButton Z Y",
            "tab0 Alphax/gordon bots:Alphax,Beta maps:m1,m2 asks:1");
        row("a bot without a name refuses", "-bot @botNameEdit ~ @addBotButton Z",
            "tab0 /gina bots:Beta maps:m1,m2 asks:1");
        row("a map step shows the Maps page", "tab1 -map tab0 @addBotButton Z",
            "tab1 Alpha/gordon bots:Alpha,Beta maps:m1,m2 asks:0");
        row("from the Random box", "tab1 -map @randomCheck Z",
            "tab1 Alpha/gordon bots:Alpha,Beta maps:m1,m2 asks:0");
        row("from the INI page", "-bot tab2 Z",
            "tab0 Alpha/gordon bots:Alpha,Beta maps:m1,m2 asks:0");
    }

    void keys() {
        QFETCH(QString, steps);
        QFETCH(QString, outcome);
        RosterWindow f(TwoOfEach);
        MainWindow& w = f.window;
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        };
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
        }
        QString seen = u"tab%1 %2/%3 bots:%4 maps:%5"_s.arg(
            QString::number(control<QTabBar>(w, "pageTabs")->currentIndex()),
            control<QLineEdit>(w, "botNameEdit")->text(),
            control<QComboBox>(w, "modelCombo")->currentText(), namesOf(w.roster().bots),
            namesOf(w.roster().maps));
        QuestionCapture questions({Answer::Discard});
        w.close();
        seen += u" asks:"_s + QString::number(questions.asked.size());
        QCOMPARE(seen, outcome);
    }
};

QTEST_MAIN(TestHistoryKeys)
#include "tst_historykeys.moc"
