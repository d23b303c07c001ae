// The Roster window driven from the keyboard and the mouse, a key to a row: what each does to the
// roster, what the main window then shows, and which window is in front.
#include "windowsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray FourBots =
    "[Map]\r\nName=m1\r\n\r\n[Map]\r\nName=m2\r\n\r\n"
    "[Bot]\r\nName=Alpha\r\nModel=gordon\r\n\r\n[Bot]\r\nName=Beta\r\nModel=gina\r\n\r\n"
    "[Bot]\r\nName=Gamma\r\nModel=robo\r\n\r\n[Bot]\r\nName=Delta\r\nModel=gina\r\n";

} // namespace

class TestRosterWindow : public WindowTest {
    Q_OBJECT

private slots:
    // Steps: "L" presses Ctrl+L where the focus is, "tab1" clicks the main window's Maps tab;
    // in the Roster window "rowN" makes row N current (Shift: "+rowN" extends the selection,
    // Ctrl: "^rowN" adds it), "'text" types on the current cell and Enter commits it, "!text" types
    // and commits with Ctrl+Enter, "del", "D", "up", "down", "A", "C", "V", "Z" press Delete,
    // Ctrl+D, Ctrl+Shift+Up/Down, Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+Z, "find:text" presses Ctrl+F and
    // types text, "enter" presses Enter, "hdrN" clicks column N's header, "numN" double-clicks
    // row N's number, "~text" types on the current cell and leaves it open, "close" closes the
    // main window and cancels the question it must ask. The outcome: the window in front, the bots,
    // the main window's caption, and the Roster window's count.
    void keys_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char* name, const char* steps, const char* outcome) {
            QTest::newRow(name) << QString::fromLatin1(steps) << QString::fromLatin1(outcome);
        };
        row("Ctrl+L opens it on the entry on view", "L",
            "roster row1/Name Alpha,Beta,Gamma,Delta (Bot  1 of 4) 4 of 4 shown");
        row("and brings the main window back", "L L",
            "main Alpha,Beta,Gamma,Delta (Bot  1 of 4) 4 of 4 shown");
        row("from the Maps page, the maps", "tab1 L",
            "roster row1/Name Alpha,Beta,Gamma,Delta "
            "(Map  1 of 2) 2 of 2 shown");
        row("typing edits a cell", "L row2 'Bee",
            "roster row2/Name Alpha,Bee,Gamma,Delta (Bot  1 of 4) 4 of 4 shown");
        row("a cell still open counts when the main window closes", "L row2 ~Bee close",
            "roster row2/Name Alpha,Bee,Gamma,Delta (Bot  1 of 4) 4 of 4 shown");
        row("Ctrl+Enter sets every selected row", "L row2 +row3 !Zed",
            "roster row3/Name Alpha,Zed,Zed,Delta (Bot  1 of 4) 4 of 4 shown");
        row("Delete removes the selected rows", "L row2 ^row4 del",
            "roster row2/Name Alpha,Gamma (Bot  1 of 2) 2 of 2 shown");
        row("Ctrl+D duplicates them", "L row2 D",
            "roster row2/Name Alpha,Beta,Beta,Gamma,Delta (Bot  1 of 5) 5 of 5 shown");
        row("Ctrl+Shift+Up moves them", "L row3 +row4 up up",
            "roster row2/Name Gamma,Delta,Alpha,Beta (Bot  3 of 4) 4 of 4 shown");
        row("Ctrl+Shift+Down", "L down",
            "roster row2/Name Beta,Alpha,Gamma,Delta (Bot  2 of 4) 4 of 4 shown");
        row("Ctrl+A, Ctrl+C and Ctrl+V paste them all after the current row", "L row4 A C V",
            "roster row5/Name Alpha,Beta,Gamma,Delta,Alpha,Beta,Gamma,Delta (Bot  1 of 8) "
            "8 of 8 shown");
        row("Ctrl+Z takes a command back as one step", "L A del Z",
            "roster row1/Name Alpha,Beta,Gamma,Delta (Bot  1 of 4) 4 of 4 shown");
        row("Ctrl+F filters", "L find:gina",
            "roster filter Alpha,Beta,Gamma,Delta (Bot  1 of 4) "
            "2 of 4 shown");
        row("commands act on the rows shown", "L find:gina row1 A del",
            "roster table Alpha,Gamma (Bot  1 of 2) 0 of 2 shown");
        row("Enter shows the entry in the main window", "L row3 enter",
            "main Alpha,Beta,Gamma,Delta (Bot  3 of 4) 4 of 4 shown");
        row("so does a double-click on its number", "L num4",
            "main Alpha,Beta,Gamma,Delta (Bot  4 of 4) 4 of 4 shown");
        row("a header click sorts the whole list, and selects its column", "L row3 hdr0",
            "roster row1/Name Alpha,Beta,Delta,Gamma (Bot  1 of 4) 4 of 4 shown");
        row("a second click the other way", "L hdr0 hdr0",
            "roster row4/Name Gamma,Delta,Beta,Alpha (Bot  4 of 4) 4 of 4 shown");
    }

    void keys() {
        QFETCH(QString, steps);
        QFETCH(QString, outcome);
        WindowOn f(FourBots);
        MainWindow& w = f.window;
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTableView* table = nullptr;
        const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        };
        const auto cell = [&](const QString& row) {
            const QModelIndex index = table->model()->index(row.toInt() - 1, 0);
            return table->visualRect(index).center();
        };
        for (const QString& step : steps.split(u' ')) {
            if (step == u"L") {
                const bool fromMain = QApplication::activeWindow() == &w;
                press(Qt::Key_L, Qt::ControlModifier);
                QWidget* roster = control(w, "rosterWindow");
                QTRY_COMPARE(QApplication::activeWindow(), fromMain ? roster : &w);
                table = control<QTableView>(
                    *roster, w.windowTitle().contains(u"Map") ? "mapsTable" : "botsTable");
            } else if (step.startsWith(u"tab")) {
                clickTab(w, step.mid(3).toInt());
            } else if (step.contains(u"row")) {
                const Qt::KeyboardModifiers with = step.startsWith(u'+')   ? Qt::ShiftModifier
                                                   : step.startsWith(u'^') ? Qt::ControlModifier
                                                                           : Qt::NoModifier;
                QTest::mouseClick(table->viewport(), Qt::LeftButton, with,
                                  cell(step.section(u"row"_s, 1)));
            } else if (step.startsWith(u'\'') || step.startsWith(u'!') || step.startsWith(u'~')) {
                for (const QChar c : step.mid(1))
                    QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
                if (step.startsWith(u'~'))
                    continue;
                press(Qt::Key_Return, step.startsWith(u'!') ? Qt::ControlModifier : Qt::NoModifier);
                QTRY_COMPARE(QApplication::focusWidget(), table); // the editor has closed
            } else if (step == u"close") {
                QuestionCapture questions({Answer::Cancel});
                QVERIFY(!w.close());
                QCOMPARE(questions.asked.size(), 1);
            } else if (step == u"del") {
                press(Qt::Key_Delete);
            } else if (step == u"up" || step == u"down") {
                press(step == u"up" ? Qt::Key_Up : Qt::Key_Down,
                      Qt::ControlModifier | Qt::ShiftModifier);
            } else if (step.size() == 1 && u"DACVZ"_s.contains(step)) {
                press(Qt::Key(step.at(0).unicode()), Qt::ControlModifier);
            } else if (step.startsWith(u"find:")) {
                press(Qt::Key_F, Qt::ControlModifier);
                QTest::keyClicks(QApplication::focusWidget(), step.mid(5));
            } else if (step == u"enter") {
                press(Qt::Key_Return);
                QTRY_COMPARE(QApplication::activeWindow(), &w);
            } else if (step.startsWith(u"hdr")) {
                QHeaderView* header = table->horizontalHeader();
                QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                                  QPoint(header->sectionViewportPosition(step.mid(3).toInt()) + 4,
                                         header->height() / 2));
            } else if (step.startsWith(u"num")) {
                QHeaderView* header = table->verticalHeader();
                const QPoint at(header->width() / 2,
                                header->sectionViewportPosition(step.mid(3).toInt() - 1) + 4);
                QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, at);
                QTRY_COMPARE(QApplication::activeWindow(), &w);
            }
        }
        QString front = u"main"_s;
        if (QApplication::activeWindow() != &w && table) {
            const QModelIndex current = table->currentIndex();
            front = QApplication::focusWidget() != table ? u"roster filter"_s
                    : !current.isValid()
                        ? u"roster table"_s
                        : u"roster row%1/%2"_s.arg(current.row() + 1)
                              .arg(table->model()
                                       ->headerData(current.column(), Qt::Horizontal)
                                       .toString());
        }
        const auto* count = control<QLabel>(w, "rosterCountLabel");
        const QString seen =
            u"%1 %2 %3 %4"_s.arg(front, namesOf(rosterOf(w).bots),
                                 w.windowTitle().section(u"Zelvik  "_s, 1), count->text());
        QuestionCapture questions({Answer::Discard, Answer::Discard});
        w.close();
        QCOMPARE(seen, outcome);
    }
};

QTEST_MAIN(TestRosterWindow)
#include "tst_rosterwindow.moc"
