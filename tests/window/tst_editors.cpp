// The Bots and Maps pages driven the way the player drives them: typing, the scroll bar arrows,
// the tab strip by mouse and keyboard, Add and Remove.
#include "testsupport.h"
#include "window/frmmain.h"
#include "window/modelpicture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

using namespace Qt::StringLiterals;

char* toString(const BotEntry& b) {
    return QTest::toString(QStringList{b.Name, b.Model, b.TopColor, b.BottomColor}.join(u'|'));
}
char* toString(const MapEntry& e) {
    return QTest::toString(QStringList{e.Name, e.Quantity, e.Random, e.InitialDelay, e.SpawnDelay,
                                       e.WaitForPlayers, e.KeepServerFull}
                               .join(u'|'));
}

namespace {

enum Page { Bots, Maps };

// Neither the model "Barney" nor the map "my_map" is in the stock lists.
const QList<BotEntry> ThreeBots{{u"Barney"_s, u"Barney"_s, u"160"_s, u"40"_s},
                                {u"Gordon"_s, u"gordon"_s, u"30"_s, u"200"_s},
                                {u"Gina"_s, u"gina"_s, u"10"_s, u"20"_s}};
// Random spelt as a file may spell it: a store nobody asked for shows up as "Yes" or "No".
const QList<MapEntry> ThreeMaps{{u"boot_camp"_s, u"4"_s, u"yes"_s, u"10"_s, u"5"_s, u"1"_s, u"0"_s},
                                {u"my_map"_s, u"6"_s, u"0"_s, u"5"_s, u"3"_s, u"0"_s, u"1"_s},
                                {u"crossfire"_s, u"2"_s, u"1"_s, u"1"_s, u"1"_s, u"0"_s, u"0"_s}};

QByteArray botsIni(const QList<MapEntry>& maps, const QList<BotEntry>& bots) {
    QString text;
    for (const MapEntry& e : maps)
        text += u"[Map]\r\nName = %1\r\nQuantity = %2\r\nRandom = %3\r\nInitialDelay = %4\r\n"
                u"SpawnDelay = %5\r\nWaitForPlayers = %6\r\nKeepServerFull = %7\r\n\r\n"_s.arg(
                    e.Name, e.Quantity, e.Random, e.InitialDelay, e.SpawnDelay, e.WaitForPlayers,
                    e.KeepServerFull);
    for (const BotEntry& b : bots)
        text +=
            u"[Bot]\r\nName = %1\r\nModel = %2\r\nTopColor = %3\r\nBottomColor = %4\r\n\r\n"_s.arg(
                b.Name, b.Model, b.TopColor, b.BottomColor);
    return text.toLatin1();
}

// A window on its own bots.ini, loaded by its first show, with the controls of one page.
struct Fixture {
    QTemporaryDir dir;
    ShownWindow window;
    Page p;
    const Module1& m = window.module();

    explicit Fixture(Page page, const QList<MapEntry>& maps = ThreeMaps,
                     const QList<BotEntry>& bots = ThreeBots)
        : window(programFolderWith(dir, botsIni(maps, bots))), p(page) {
        if (p == Maps)
            clickTab(window, 1);
    }
    QTabBar* tabs() { return control<QTabBar>(window, "TabStrip1"); }
    QScrollBar* scroll() {
        return control<QScrollBar>(window, p == Bots ? "HScroll2" : "HScroll1");
    }
    QAbstractButton* add() {
        return control<QAbstractButton>(window, p == Bots ? "Command4" : "Command1");
    }
    QAbstractButton* remove() {
        return control<QAbstractButton>(window, p == Bots ? "Command5" : "Command2");
    }
    QLineEdit* name() {
        return p == Bots ? control<QLineEdit>(window, "txtBotName")
                         : control<QComboBox>(window, "cmbMaps")->lineEdit();
    }
    // A second field, to see that the whole entry moves together.
    QLineEdit* other() {
        return control<QLineEdit>(window, p == Bots ? "txtTopColor" : "txtQuantity");
    }

    int current() const { return p == Bots ? m.CurrentBot : m.CurrentMap; }
    int count() const { return p == Bots ? m.BotCount : m.MapCount; }
    QString recordName(int i) const { return p == Bots ? m.Bots[i].Name : m.Maps[i].Name; }
    QString recordOther(int i) const { return p == Bots ? m.Bots[i].TopColor : m.Maps[i].Quantity; }
    QString caption(int i) const {
        return u"Vantrel Zelvik  (%1  %2 of %3)"_s.arg(p == Bots ? u"Bot" : u"Map")
            .arg(i)
            .arg(count());
    }

    // Moves to the neighbouring tab the way a key on the focused tab strip does.
    void keyOnTabs(Qt::Key key) {
        tabs()->setFocus();
        QTest::keyClick(tabs(), key);
    }
    void arrow(int direction) {
        scroll()->triggerAction(direction > 0 ? QAbstractSlider::SliderSingleStepAdd
                                              : QAbstractSlider::SliderSingleStepSub);
    }
    // Entry i is on view, current, under the scroll bar and named in the caption.
    void expectShown(int i) {
        QCOMPARE(current(), i);
        QCOMPARE(scroll()->value(), i);
        QCOMPARE(window.windowTitle(), caption(i));
        if (i > 0) {
            QCOMPARE(name()->text(), recordName(i));
            QCOMPARE(other()->text(), recordOther(i));
        }
    }
    // The records as they stand: later checks see what changed since.
    std::pair<QList<BotEntry>, QList<MapEntry>> records() const { return {m.Bots, m.Maps}; }
    void expectUnchanged(const std::pair<QList<BotEntry>, QList<MapEntry>>& was, int i, int wasAt) {
        if (p == Bots)
            QCOMPARE(m.Bots[i], was.first[wasAt]);
        else
            QCOMPARE(m.Maps[i], was.second[wasAt]);
    }
};

void addPageColumn() {
    QTest::addColumn<int>("page");
}
QByteArray rowName(Page p, const QByteArray& what) {
    return (p == Bots ? "bots, " : "maps, ") + what;
}

} // namespace

class TestEditors : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { isolateSettings(); }
    void init() { clearSettings(); }

    void editsReachTheRecordWhenThePageIsLeft_data() {
        addPageColumn();
        QTest::addColumn<QString>("leave");
        for (const Page p : {Bots, Maps})
            for (const char* leave : {"right arrow", "left arrow", "other tab clicked",
                                      "own tab pressed", "other tab right-pressed", "keyboard"})
                QTest::newRow(rowName(p, leave)) << int(p) << QString::fromLatin1(leave);
    }

    void editsReachTheRecordWhenThePageIsLeft() {
        QFETCH(int, page);
        QFETCH(QString, leave);
        Fixture f{Page(page)};
        retype(f.name(), u"edited"_s);
        retype(f.other(), u"77"_s);
        QCOMPARE(f.recordName(1), f.p == Bots ? u"Barney"_s : u"boot_camp"_s);

        const int own = f.p == Bots ? 0 : 1;
        if (leave.endsWith(u"arrow")) {
            f.arrow(leave.startsWith(u"right") ? 1 : -1);
        } else if (leave == u"other tab clicked") {
            clickTab(f.window, 1 - own);
        } else if (leave == u"keyboard") {
            f.keyOnTabs(f.p == Bots ? Qt::Key_Right : Qt::Key_Left);
            QCOMPARE(f.tabs()->currentIndex(), 1 - own);
        } else {
            // A press on the tab already selected, or with a button that selects none, still
            // stores.
            const bool right = leave.contains(u"right");
            QTest::mousePress(f.tabs(), right ? Qt::RightButton : Qt::LeftButton, {},
                              f.tabs()->tabRect(right ? 2 : own).center());
            QCOMPARE(f.tabs()->currentIndex(), own);
        }

        if (f.p == Bots)
            QCOMPARE(f.m.Bots[1], (BotEntry{u"edited"_s, u"Barney"_s, u"77"_s, u"40"_s}));
        else
            QCOMPARE(f.m.Maps[1],
                     (MapEntry{u"edited"_s, u"77"_s, u"Yes"_s, u"10"_s, u"5"_s, u"1"_s, u"0"_s}));
        // A tab change also stores the map on view, even from the Bots page; paging does not.
        if (f.p == Bots)
            QCOMPARE(f.m.Maps[1].Random, leave.endsWith(u"arrow") ? u"yes"_s : u"Yes"_s);
    }

    void tabsShowOnePageAndItsCaption_data() {
        QTest::addColumn<bool>("keyboard");
        QTest::newRow("mouse") << false;
        QTest::newRow("keyboard") << true;
    }

    void tabsShowOnePageAndItsCaption() {
        QFETCH(bool, keyboard);
        Fixture f{Bots};
        QCOMPARE(f.window.windowTitle(), u"Vantrel Zelvik  (Bot  1 of 3)"_s);
        f.arrow(1);
        QCOMPARE(f.window.windowTitle(), u"Vantrel Zelvik  (Bot  2 of 3)"_s);

        const QList<std::pair<int, QString>> steps{{1, u"Vantrel Zelvik  (Map  1 of 3)"_s},
                                                   {2, u"Vantrel Zelvik"_s},
                                                   {1, u"Vantrel Zelvik  (Map  3 of 3)"_s},
                                                   {0, u"Vantrel Zelvik  (Bot  2 of 3)"_s}};
        for (const auto& [tab, caption] : steps) {
            if (keyboard) {
                f.keyOnTabs(tab > f.tabs()->currentIndex() ? Qt::Key_Right : Qt::Key_Left);
            } else {
                clickTab(f.window, tab);
            }
            QCOMPARE(f.tabs()->currentIndex(), tab);
            QCOMPARE(f.window.windowTitle(), caption);
            for (const int k : {0, 1, 2})
                QCOMPARE(control(f.window, u"Frame1_"_s + QString::number(k))->isVisible(),
                         k == tab);
            if (caption.endsWith(u"(Map  1 of 3)")) {
                f.p = Maps;
                f.arrow(-1); // to the last map, to be shown on the way back
            }
        }
    }

    void pagingWrapsAndStoresOnlyTheEntryLeft_data() {
        addPageColumn();
        QTest::addColumn<QList<int>>("arrows");
        QTest::addColumn<int>("shown");
        for (const Page p : {Bots, Maps}) {
            QTest::newRow(rowName(p, "right")) << int(p) << QList<int>{1} << 2;
            QTest::newRow(rowName(p, "left of the first is the last"))
                << int(p) << QList<int>{-1} << 3;
            QTest::newRow(rowName(p, "right of the last is the first"))
                << int(p) << QList<int>{1, 1, 1} << 1;
            QTest::newRow(rowName(p, "left twice")) << int(p) << QList<int>{-1, -1} << 2;
        }
    }

    void pagingWrapsAndStoresOnlyTheEntryLeft() {
        QFETCH(int, page);
        QFETCH(QList<int>, arrows);
        QFETCH(int, shown);
        Fixture f{Page(page)};
        for (qsizetype k = 0; k + 1 < arrows.size(); ++k)
            f.arrow(arrows[k]);
        const int left = f.current();
        const auto was = f.records();
        retype(f.name(), u"edited"_s);
        f.arrow(arrows.last());

        f.expectShown(shown);
        QCOMPARE(f.name()->text(),
                 f.p == Bots ? ThreeBots[shown - 1].Name : ThreeMaps[shown - 1].Name);
        QCOMPARE(f.recordName(left), u"edited"_s);
        for (const int i : {1, 2, 3})
            if (i != left)
                f.expectUnchanged(was, i, i);
    }

    void randomFlag_data() {
        QTest::addColumn<QString>("random");
        QTest::addColumn<bool>("ticked");
        for (const char* yes : {"1", "Yes", "yes", "YES"})
            QTest::newRow(yes) << QString::fromLatin1(yes) << true;
        for (const char* no : {"No", "0", "", "true", "2"})
            QTest::newRow(*no ? no : "empty") << QString::fromLatin1(no) << false;
    }

    void randomFlag() {
        QFETCH(QString, random);
        QFETCH(bool, ticked);
        QList<MapEntry> maps = ThreeMaps;
        maps[0].Random = random;
        Fixture f(Maps, maps);
        QCOMPARE(control<QCheckBox>(f.window, "chkRandom")->isChecked(), ticked);
        f.arrow(1);
        QCOMPARE(f.m.Maps[1].Random, ticked ? u"Yes"_s : u"No"_s);
    }

    void emptyNameRefusesPaging_data() {
        addPageColumn();
        QTest::addColumn<bool>("emptyModel");
        QTest::addColumn<QString>("then");
        const std::tuple<Page, bool, const char*> cases[] = {
            {Maps, false, "empty name"}, {Bots, false, "empty name"}, {Bots, true, "empty model"}};
        for (const auto& [p, emptyModel, what] : cases)
            for (const char* then : {"tab change", "remove", "add"})
                QTest::newRow(rowName(p, what + QByteArray(", then ") + then))
                    << int(p) << emptyModel << QString::fromLatin1(then);
    }

    void emptyNameRefusesPaging() {
        QFETCH(int, page);
        QFETCH(bool, emptyModel);
        QFETCH(QString, then);
        MessageCapture messages;
        Fixture f{Page(page)};
        f.arrow(1);
        const auto was = f.records();
        retype(f.other(), u"77"_s);
        retype(emptyModel ? control<QComboBox>(f.window, "cmbModel")->lineEdit() : f.name(),
               QString());

        for (const int direction : {1, -1, -1}) {
            f.arrow(direction);
            QCOMPARE(f.current(), 2);
            QCOMPARE(f.scroll()->value(), 2);
            QCOMPARE(f.window.windowTitle(), f.caption(2));
            QCOMPARE(f.other()->text(), u"77"_s);
        }

        if (then == u"tab change") {
            clickTab(f.window, 2);
            QCOMPARE(f.recordOther(2), u"77"_s);
            f.expectUnchanged(was, 1, 1);
            f.expectUnchanged(was, 3, 3);
        } else if (then == u"remove") {
            clickButton(f.remove());
            QCOMPARE(f.count(), 2);
            f.expectShown(1);
            f.expectUnchanged(was, 1, 1);
            f.expectUnchanged(was, 2, 3);
        } else {
            clickButton(f.add());
            QVERIFY(messages.texts.isEmpty());
            QCOMPARE(f.count(), 4);
            f.expectShown(4);
            QCOMPARE(f.name()->text(), f.p == Bots ? u"Bot4"_s : u"Map4"_s);
            f.expectUnchanged(was, 2, 2);
            retype(f.name(), u"fresh"_s);
            f.arrow(-1);
            f.expectShown(3);
            QCOMPARE(f.recordName(4), u"fresh"_s);
            f.expectUnchanged(was, 2, 2);
        }
    }

    void removeShowsThePreviousEntry_data() {
        addPageColumn();
        QTest::addColumn<int>("removed");
        QTest::addColumn<int>("shown");
        for (const Page p : {Bots, Maps}) {
            QTest::newRow(rowName(p, "first, the last shows")) << int(p) << 1 << 2;
            QTest::newRow(rowName(p, "middle")) << int(p) << 2 << 1;
            QTest::newRow(rowName(p, "last")) << int(p) << 3 << 2;
        }
    }

    void removeShowsThePreviousEntry() {
        QFETCH(int, page);
        QFETCH(int, removed);
        QFETCH(int, shown);
        Fixture f{Page(page)};
        for (int i = 1; i < removed; ++i)
            f.arrow(1);
        auto was = f.records();
        was.first.remove(removed);
        was.second.remove(removed);
        retype(f.name(), u"doomed"_s);
        retype(f.other(), u"77"_s);
        clickButton(f.remove());

        QCOMPARE(f.count(), 2);
        f.expectShown(shown);
        for (const int i : {1, 2})
            f.expectUnchanged(was, i, i);
    }

    void removeTheOnlyEntryThenAddTwo_data() { pages(); }
    void removeTheOnlyEntryThenAddTwo() {
        QFETCH(int, page);
        Fixture f(Page(page), ThreeMaps.mid(0, 1), ThreeBots.mid(0, 1));
        QList<QWidget*> disabled{f.remove(), f.scroll()};
        if (f.p == Bots)
            disabled << f.name() << control(f.window, "cmbModel");
        clickButton(f.remove());
        QCOMPARE(f.count(), 0);
        f.expectShown(0);
        for (QWidget* widget : disabled)
            QVERIFY2(!widget->isEnabled(), qPrintable(widget->objectName()));

        clickButton(f.add());
        QCOMPARE(f.count(), 1);
        f.expectShown(1);
        for (QWidget* widget : disabled)
            QCOMPARE(widget->isEnabled(), widget != f.scroll());
        // The defaults are on view: a tab change stores them back, Random unticked as "No".
        const BotEntry bot{u"Bot1"_s, u"Barney"_s, u"1"_s, u"1"_s};
        MapEntry map{u"Map1"_s, u"1"_s, u"0"_s, u"1"_s, u"1"_s, u"0"_s, u"0"_s};
        for (const int tab : {2, int(f.p)}) {
            if (f.p == Bots)
                QCOMPARE(f.m.Bots[1], bot);
            else
                QCOMPARE(f.m.Maps[1], map);
            clickTab(f.window, tab);
            map.Random = u"No"_s;
        }

        // An Add beside an entry stores it first; a second entry makes paging possible.
        retype(f.name(), u"kept"_s);
        clickButton(f.add());
        QCOMPARE(f.count(), 2);
        QCOMPARE(f.recordName(1), u"kept"_s);
        QCOMPARE(f.recordName(2), f.p == Bots ? u"Bot2"_s : u"Map2"_s);
        f.expectShown(2);
        QVERIFY(f.scroll()->isEnabled());
    }

    // The model's tool tip draws its picture, whatever characters the picture's path holds.
    void modelPictureToolTipShowsThePicture_data() {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("plain") << u"gina.bmp"_s;
        QTest::newRow("space") << u"my gina.bmp"_s;
        QTest::newRow("URL characters") << u"g#i%20n?a.bmp"_s;
        QTest::newRow("HTML characters") << u"a&amp;\"<b>'.bmp"_s;
        QTest::newRow("accented") << u"g\u00efn\u00e1.bmp"_s;
    }

    void modelPictureToolTipShowsThePicture() {
        QFETCH(QString, fileName);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(fileName);
        QImage picture(6, 4, QImage::Format_RGB32);
        picture.fill(QColor(200, 30, 90));
        QVERIFY(picture.save(path, "BMP"));

        QTextDocument tip;
        tip.setDocumentMargin(0);
        tip.setHtml(modelPictureToolTip(path));
        QImage drawn(16, 16, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        tip.drawContents(&painter);
        painter.end();
        QCOMPARE(drawn.pixelColor(3, 2), QColor(200, 30, 90));
        QCOMPARE(drawn.pixelColor(3, 6), QColor(Qt::white)); // below the picture
    }

    void noPictureNoToolTip() { QCOMPARE(modelPictureToolTip(QString()), QString()); }

private:
    void pages() {
        addPageColumn();
        QTest::newRow("bots") << int(Bots);
        QTest::newRow("maps") << int(Maps);
    }
};

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
