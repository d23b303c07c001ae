// Random sessions of every operation the player has on the open roster, each step checked
// against a plain model of the roster (tests/support/rostersession.h): seeded ones, and those
// that once found a fault, played again from their bytes.
#include "rostersession.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestRosterSessions : public QObject {
    Q_OBJECT

private slots:
    void sessions_data();
    void sessions();
    void cleanupTestCase() { qInfo("%d steps, the longest session %d", total, longest); }

private:
    int total = 0;
    int longest = 0;
};

void TestRosterSessions::sessions_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<bool>("toTheLimit");  // files up to the limit and past it, or of a few
    QTest::addColumn<QByteArray>("input"); // in hex, instead of the seed's choices
    for (quint32 seed = 1; seed <= 30; ++seed)
        QTest::addRow("seed %u, small", seed) << seed << false << QByteArray();
    for (quint32 seed = 1; seed <= 10; ++seed)
        QTest::addRow("seed %u, to the limit", seed) << seed << true << QByteArray();
    // Sessions that found a fault, shrunk. A bot's model typed with a character the code page
    // lacks, saved as "?", and typed so again after a crash: nothing to save.
    QTest::newRow("typed over its question mark")
        << 0u << false << "00006541debe572125576541debe57"_ba;
    // A copy kept, Save INI with a draft that differs from its entry, and a copy kept again:
    // none, the save's removing it unnoticed.
    QTest::newRow("a copy kept again after a save") << 0u << false << "2e00242124"_ba;
    // Without a file: saved, a map's Random "0" stored as its box shows it ("No") by a redo from
    // the page with nothing to redo, and saved again: the file kept "0".
    QTest::newRow("a Random spelled anew, then saved") << 0u << false << "2e00215221"_ba;
    // A map paged past reads "No", the pasted ones "1": sorted by Random, "No" came apart from
    // "0" and "1" from "Yes", by spelling, not by the tick the table shows.
    QTest::newRow("sorted by Random") << 0u << false << "0f00569c414f169c"_ba;
}

void TestRosterSessions::sessions() {
    QFETCH(quint32, seed);
    QFETCH(bool, toTheLimit);
    QFETCH(QByteArray, input);
    int steps = 0;
    const QString fault =
        playSession(input.isEmpty() ? (toTheLimit ? ToTheLimit : '.') + seededChoices(seed)
                                    : QByteArray::fromHex(input),
                    &steps);
    total += steps;
    longest = qMax(longest, steps);
    if (!fault.isEmpty()) // in full: a failure's message is cut short
        qWarning("%s", qPrintable(fault));
    QVERIFY(fault.isEmpty());
}

QTEST_GUILESS_MAIN(TestRosterSessions)
#include "tst_rostersessions.moc"
