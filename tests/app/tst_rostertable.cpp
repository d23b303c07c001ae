// A list of the open roster as a table, without a window: live rows, commands on many rows at
// once and their undo, sorting, the filter and the marks.
#include "app/rostertable.h"
#include "roster/botsini.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Bots named by letter, with a model and colours.
QByteArray botsIni(const QStringList& bots) {
    QByteArray text = "[Map]\r\nname=m1\r\nquantity=2\r\n[Map]\r\nname=m2\r\nquantity=x\r\n";
    for (const QString& bot : bots)
        text += "[Bot]\r\nname=" + bot.section(u':', 0, 0).toLatin1() +
                "\r\nmodel=" + bot.section(u':', 1, 1).toLatin1() +
                "\r\ntopcolor=" + bot.section(u':', 2, 2).toLatin1() + "\r\n";
    return text;
}

// Plays steps on the bots table of a document read from bots, and sums up the outcome: the
// names in order with the entry on view marked "*", and what each "?" noted. Steps:
//   sel:1,3       the rows (from 1) the next command acts on
//   set:C=value   column C of those rows set to value
//   del dup up down   Delete, Ctrl+D, Ctrl+Shift+Up and Down on them
//   sort:C sortd:C    sorts by column C, ascending or descending
//   paste:N       pastes the selection's text after row N (0: before the first)
//   =text         types text as the name in the main window
//   >N            pages the main window to entry N
//   u r           Undo and Redo as the main window's INI page takes them
//   ?             notes the draft's name, the table's row of it, and the undo step's name
QString play(const QStringList& bots, const QString& script) {
    QTemporaryDir folder;
    if (!writeBytes(botsIniPath(folder.path()), botsIni(bots)))
        return u"bots.ini not written"_s;
    RosterDocument document;
    document.load(folder.path());
    document.recoveryCopy().close();
    RosterTableModel table(document, RosterListKind::Bots);
    QList<int> rows;
    QString noted;
    for (const QString& step : script.split(u' ', Qt::SkipEmptyParts)) {
        const QString arg = step.section(u':', 1);
        if (step.startsWith(u"sel:")) {
            rows.clear();
            for (const QString& row : arg.split(u','))
                rows << row.toInt() - 1;
        } else if (step.startsWith(u"set:")) {
            table.setField(rows, arg.section(u'=', 0, 0).toInt(), arg.section(u'=', 1));
        } else if (step == u"del") {
            table.removeEntries(rows);
        } else if (step == u"dup") {
            table.duplicateEntries(rows);
        } else if (step == u"up" || step == u"down") {
            table.moveEntries(rows, step == u"up" ? -1 : 1);
        } else if (step.startsWith(u"sort")) {
            table.sortBy(arg.toInt(),
                         step.startsWith(u"sortd") ? Qt::DescendingOrder : Qt::AscendingOrder);
        } else if (step.startsWith(u"paste:")) {
            table.pasteAfter(arg.toInt() - 1, table.entriesText(rows));
        } else if (step.startsWith(u'=')) {
            document.bots().editDraft(0, step.mid(1));
        } else if (step.startsWith(u'>')) {
            document.bots().pageTo(step.mid(1).toInt());
        } else if (step == u"u" || step == u"r") {
            document.stepHistory(step == u"r");
        } else if (step == u"?") {
            noted += u" %1@%2/%3"_s.arg(document.bots().draft().name,
                                        table.index(table.currentRow(), 0).data().toString(),
                                        document.history().undoText());
        }
    }
    QStringList names;
    for (int row = 0; row < table.rowCount(); ++row)
        names << (row == table.currentRow() ? u"*"_s : QString()) +
                     table.index(row, 0).data().toString();
    return names.join(u',') + noted;
}

} // namespace

class TestRosterTable : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { isolateSettings(); }

    void commandsOnManyRows_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("outcome");
        // How each command is undone and redone the random sessions check (tst_rostersessions).
        QTest::newRow("the draft shows in its row as typed")
            << u"=Zed ?"_s << u"*Zed,B,C,D Zed@Zed/"_s;
        QTest::newRow("set a column in many rows, one step")
            << u"sel:2,4 set:1=hgrunt ? u ?"_s << u"*A,B,C,D A@A/Edit Bots A@A/"_s;
        QTest::newRow("an edit of the entry on view stores its draft")
            << u"=Zed sel:1 set:0=Yan ?"_s << u"*Yan,B,C,D Yan@Yan/Edit Bot"_s;
        QTest::newRow("a name is never emptied") << u"sel:2 set:0= ?"_s << u"*A,B,C,D A@A/"_s;
        QTest::newRow("delete many; the entry on view stays on view")
            << u">3 sel:1,2,4 del ?"_s << u"*C C@C/Remove Bots"_s;
        QTest::newRow("deleting the entry on view shows what Remove would")
            << u">3 sel:2,3 del"_s << u"*A,D"_s;
        QTest::newRow("duplicate each after itself") << u"sel:1,3 dup"_s << u"*A,A,B,C,C,D"_s;
        QTest::newRow("move two earlier together") << u"sel:2,3 up"_s << u"B,C,*A,D"_s;
        QTest::newRow("move runs later") << u"sel:1,3 down"_s << u"B,*A,D,C"_s;
        QTest::newRow("no move past the end") << u"sel:3,4 down"_s << u"*A,B,C,D"_s;
        QTest::newRow("paste after a row") << u"sel:1,2 paste:3"_s << u"*A,B,C,A,B,D"_s;
        QTest::newRow("paste before the first") << u"sel:4 paste:0"_s << u"D,*A,B,C,D"_s;
        QTest::newRow("numbers first, then text ignoring case; the entry on view follows")
            << u"sort:2 ?"_s << u"D,C,*A,B A@A/Sort Bots"_s;
        QTest::newRow("descending") << u"sortd:2"_s << u"B,*A,C,D"_s;
        QTest::newRow("ties keep their order") << u"sort:1"_s << u"*A,C,D,B"_s;
    }
    void commandsOnManyRows() {
        QFETCH(QString, script);
        QFETCH(QString, outcome);
        // Top colours: a number, text, another number, a smaller one; models pair up.
        QCOMPARE(play({u"A:gina:30"_s, u"B:Robo:abc"_s, u"C:gina:10"_s, u"D:gina:9"_s}, script),
                 outcome);
    }

    // Marks say why a value may not be what the add-on or the game expects; they change nothing.
    void marks_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("mark"); // the start of the tool tip; empty: no mark
        const int bots = int(RosterListKind::Bots);
        const int maps = int(RosterListKind::Maps);
        QTest::newRow("a model the game has") << bots << 0 << 1 << QString();
        QTest::newRow("a model it lacks") << bots << 1 << 1 << u"The game folder has no player"_s;
        QTest::newRow("a colour") << bots << 0 << 2 << QString();
        QTest::newRow("a colour past 255") << bots << 1 << 2 << u"A colour is a number"_s;
        QTest::newRow("a colour that is no number") << bots << 2 << 2 << u"The add-on reads"_s;
        QTest::newRow("a quantity") << maps << 0 << 1 << QString();
        QTest::newRow("a quantity that is no number") << maps << 1 << 1 << u"The add-on reads"_s;
        QTest::newRow("a map it lacks") << maps << 1 << 0 << u"The game folder has no map"_s;
        QTest::newRow("random is no number") << maps << 0 << 2 << QString();
    }
    void marks() {
        QFETCH(int, list);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, mark);
        QTemporaryDir folder;
        QVERIFY(writeBytes(botsIniPath(folder.path()),
                           botsIni({u"A:gina:30"_s, u"B:robo:256"_s, u"C:gina:x"_s})));
        RosterDocument document;
        document.load(folder.path());
        document.recoveryCopy().close();
        RosterTableModel table(document, RosterListKind(list));
        table.setOffered(OfferedNames({u"gina"_s, u"m1"_s}));
        const QString seen = table.index(row, column).data(RosterTableModel::MarkRole).toString();
        QVERIFY2(mark.isEmpty() ? seen.isEmpty() : seen.startsWith(mark), qPrintable(seen));
    }

    // The filter keeps the rows where some field holds the text, ignoring letter case.
    void filterShowsTheRowsHoldingItsText() {
        QTemporaryDir folder;
        QVERIFY(writeBytes(botsIniPath(folder.path()),
                           botsIni({u"Ann:gina:1"_s, u"Bob:robo:2"_s, u"Cy:GINA:3"_s})));
        RosterDocument document;
        document.load(folder.path());
        document.recoveryCopy().close();
        RosterTableModel table(document, RosterListKind::Bots);
        RosterFilter filter;
        filter.setSourceModel(&table);
        filter.setText(u"gin"_s);
        QCOMPARE(filter.rowCount(), 2);
        QCOMPARE(filter.headerData(1, Qt::Vertical).toInt(), 3); // the entry's own number
        document.bots().editDraft(1, u"robo"_s);                 // the draft counts as shown
        QCOMPARE(filter.rowCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRosterTable)
#include "tst_rostertable.moc"
