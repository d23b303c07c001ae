#include "app/rosterdocument.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QByteArray OnDisk = "[Map]\r\nname=crossfire\r\n[Bot]\r\nname=Otis\r\nmodel=barney\r\n"_ba;
const QString EditedName = u"Kelly"_s;

// A document open on the test's add-on folder, and how often it told that no copy can be kept.
struct Open {
    std::unique_ptr<RosterDocument> document = std::make_unique<RosterDocument>();
    RosterDocument::Loaded loaded;
    int told = 0;
    explicit Open(const QString& folder) {
        document->recoveryCopy().setFailureHandler([this](const QString&) { ++told; });
        loaded = document->load(folder);
    }
    const Roster& roster() const { return document->roster(); }
    const BotEntry& bot() const { return document->bots().draft(); }
    // A recovery copy of the roster and its drafts, then whatever its thread has to tell.
    void keep() {
        document->keepRecoveryCopy();
        document->recoveryCopy().wait();
        QCoreApplication::processEvents();
    }
    // The bot on view renamed; edit() also stores it, as leaving its page does: one step.
    void type() { document->bots().editDraft(0, EditedName); }
    void edit() {
        type();
        document->bots().storeDraft();
    }
};

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { isolateSettings(); }
    void init() { clearSettings(); }
    void copyIsKeptOfferedAndRemoved_data();
    void copyIsKeptOfferedAndRemoved();
};

void TestRecovery::copyIsKeptOfferedAndRemoved_data() {
    QTest::addColumn<QString>("steps"); // what the player, a crash or another window does
    QTest::addColumn<bool>("copyLeft"); // a copy lies in the data folder at the end
    // What the next start finds, once the program ended as a crash ends it: a
    // RosterDocument::Recovery::State.
    QTest::addColumn<int>("offered");
    QTest::addColumn<int>("told"); // how often the player heard no copy can be kept
    const int none = int(RosterDocument::Recovery::State::None);
    const int offered = int(RosterDocument::Recovery::State::Offered);
    const int damaged = int(RosterDocument::Recovery::State::Damaged);
    // When a copy is kept, offered and restored as edits, undo and Save INI change the roster,
    // the random sessions check (tst_rostersessions); these rows are what they do not reach.
    QTest::newRow("closing removes it") << u"edit keep close"_s << false << none << 0;
    QTest::newRow("a copy that is what the file holds is not offered")
        << u"edit keep saved-elsewhere"_s << true << none << 0;
    QTest::newRow("a live window's copy is not offered, a crashed one's is")
        << u"edit keep second"_s << true << offered << 0;
    QTest::newRow("a lock left by a process gone that had this one's number is stale")
        << u"edit keep reused-number"_s << true << offered << 0;
    QTest::newRow("the second window keeps none and says so once")
        << u"second edit keep keep"_s << false << none << 1;
    QTest::newRow("the second window keeps the copy once the first has closed")
        << u"second type first-closes edit keep"_s << true << offered << 1;
    QTest::newRow("but never takes a crashed first window's copy")
        << u"edit keep second first-crashes edit keep close"_s << true << offered << 1;
    QTest::newRow("bots.ini changed elsewhere since it was read: Save INI asks")
        << u"edit keep changed-elsewhere"_s << true << offered << 0;
    QTest::newRow("a copy without the file's stamp, from an earlier version, is offered")
        << u"edit keep changed-elsewhere unstamped"_s << true << offered << 0;
    QTest::newRow("a damaged copy stays and is never overwritten or removed")
        << u"damage edit keep close"_s << true << damaged << 0;
    QTest::newRow("a copy for another folder counts as damaged")
        << u"foreign"_s << true << damaged << 0;
    QTest::newRow("an unwritable data folder is told once")
        << u"unwritable edit keep type"_s << false << none << 1;
    QTest::newRow("largest roster, the last bot edited")
        << u"largest edit keep"_s << true << offered << 0;
}

// Each row ends with a look at what the next start finds: restoring an offered copy gives the
// roster back unsaved, with the file untouched; Save INI then writes it.
void TestRecovery::copyIsKeptOfferedAndRemoved() {
    QFETCH(QString, steps);
    QFETCH(bool, copyLeft);
    QFETCH(int, offered);
    QFETCH(int, told);
    QTemporaryDir addon;
    const QString iniPath = addon.filePath(u"bots.ini"_s);
    QByteArray fileBytes = OnDisk;
    if (steps.contains(u"largest")) {
        fileBytes = "[Map]\r\nname=m\r\n"_ba.repeated(32767) +
                    "[Bot]\r\nname=B\r\nmodel=gina\r\n"_ba.repeated(32767);
    }
    QVERIFY(writeBytes(iniPath, fileBytes));
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (steps.contains(u"unwritable"))
        QVERIFY(QDir().mkpath(dataFolder) && writeBytes(dataFolder + u"/recovery"_s, "a file"));

    auto open = std::make_unique<Open>(addon.path());
    const QString copyPath = open->document->recoveryCopy().path();
    if (steps.contains(u"damage") || steps.contains(u"foreign")) {
        QTemporaryDir other;
        Open elsewhere(other.path());
        elsewhere.edit();
        elsewhere.keep();
        QVERIFY(steps.contains(u"foreign")
                    ? QFile::copy(elsewhere.document->recoveryCopy().path(), copyPath)
                    : writeBytes(copyPath, "Zelvik recovery copy\nLength: 3\n\nab"));
        open.reset();
        open = std::make_unique<Open>(addon.path());
    }
    if (steps.contains(u"largest"))
        open->document->bots().pageTo(32767);
    std::unique_ptr<Open> second;
    for (const QString& step : steps.split(u' ')) {
        if (step == u"second") {
            second = std::make_unique<Open>(addon.path());
            QCOMPARE(second->loaded.recovery.state, RosterDocument::Recovery::State::None);
        }
        Open& acting = second ? *second : *open;
        if (step == u"edit")
            acting.edit();
        if (step == u"keep")
            acting.keep();
        if (step == u"type") {
            acting.type();
            acting.keep();
        }
        if (step == u"close")
            acting.document->closeRecovery();
        if (step == u"first-closes")
            open->document->closeRecovery();
        if (step == u"first-crashes")
            open.reset();
        if (step.endsWith(u"-elsewhere")) { // the edit saved, or another change
            fileBytes = step == u"saved-elsewhere"
                            ? QByteArray(OnDisk).replace("Otis", EditedName.toLatin1())
                            : QByteArray(OnDisk).replace("crossfire", "datacore");
            QVERIFY(writeBytes(iniPath, fileBytes));
        }
    }
    QCOMPARE(second ? second->told : open->told, told);
    // The program ends without closing, as a crash ends it.
    open.reset();
    second.reset();
    QCOMPARE(QFile::exists(copyPath), copyLeft);
    if (steps.contains(u"unstamped")) // as an earlier version wrote it, without the file's stamp
        QVERIFY(writeBytes(copyPath, readBytes(copyPath).replace("\nFile-", "\nOld-")));
    if (steps.contains(u"reused-number")) {
        // A lock file as QLockFile writes it, naming this process, that no one here holds.
        const QByteArray holder = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                                  QCoreApplication::applicationName().toUtf8() + '\n' +
                                  QSysInfo::machineHostName().toUtf8() + '\n' +
                                  QSysInfo::machineUniqueId() + '\n';
        QVERIFY(writeBytes(copyPath + u".lock"_s, holder));
    }

    Open next(addon.path());
    QCOMPARE(int(next.loaded.recovery.state), offered);
    const int none = int(RosterDocument::Recovery::State::None);
    if (offered == int(RosterDocument::Recovery::State::Damaged))
        QCOMPARE(next.loaded.recovery.path, copyPath);
    if (offered == none) {
        next.document->recoveryCopy().wait();
        QVERIFY(!QFile::exists(copyPath));
    }
    if (offered != int(RosterDocument::Recovery::State::Offered))
        return;
    // Restore puts back the roster as read with the edits, over a change made since elsewhere.
    const bool changedElsewhere = steps.endsWith(u"changed-elsewhere");
    QCOMPARE(next.loaded.recovery.fileChangedAt.isValid(), changedElsewhere);
    next.document->restoreRecovery();
    QCOMPARE(next.roster().bots.at(steps.contains(u"largest") ? 32767 : 1).name, EditedName);
    QVERIFY(next.document->isModified());
    QCOMPARE(readBytes(iniPath), fileBytes);
    using Outcome = RosterDocument::Saved::Outcome;
    QCOMPARE(next.document->save().outcome,
             changedElsewhere ? Outcome::ChangedElsewhere : Outcome::Written);
    if (changedElsewhere) // the player overwrites it
        next.document->save(RosterDocument::SaveMode::Overwrite);
    next.document->recoveryCopy().wait();
    QVERIFY(readBytes(iniPath).contains("Name            = " + EditedName.toLatin1()));
    QVERIFY(!QFile::exists(copyPath));
}

QTEST_GUILESS_MAIN(TestRecovery)
#include "tst_recovery.moc"
