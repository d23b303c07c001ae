#include "platform/atomicfile.h"
#include "platform/process.h"
#include "platform/settings.h"
#include "testsupport.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace Qt::StringLiterals;

namespace {

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    return ::writeFileAtomically(
        path, [&](QIODevice& file) { return file.write(bytes) == bytes.size(); }, error);
}

#ifdef Q_OS_UNIX
constexpr bool OnUnix = true;
#else
constexpr bool OnUnix = false;
#endif

const auto AllModes = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                      QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
                      QFile::ExeOther;
const auto ReadOnlyModes = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
const auto ReadWriteModes =
    ReadOnlyModes | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
const auto OpenFolderModes = AllModes & ~(QFile::WriteGroup | QFile::WriteOther);
const auto ReadOnlyFolderModes = OpenFolderModes & ~QFile::WriteOwner;

// Every path below root, relative to it, sorted; shows stray temporary files and anything a
// command line managed to create.
QStringList tree(const QString& root) {
    QStringList found;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(root).relativeFilePath(it.next());
    found.sort();
    return found;
}

#ifdef Q_OS_UNIX
// Lowers this process's file size limit while it lives. A write past the limit then fails with
// EFBIG ("File too large") rather than ending the process with SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        // Only the soft limit moves, so it can be raised again without privileges.
        rlimit lowered = saved;
        lowered.rlim_cur = bytes;
        active = bytes <= saved.rlim_max && setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool active = false;

private:
    rlimit saved{};
    void (*previousHandler)(int) = SIG_DFL;
};
#endif

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void settingRoundTrip_data();
    void settingRoundTrip();
    void settingsKeepSectionsAndApplicationsApart();

    void write_data();
    void write();
    void writeThroughLink_data();
    void writeThroughLink();
    void writeRefusesFolder();
    void writeRefusedLeavesFileAlone_data();
    void writeRefusedLeavesFileAlone();
    void writeFailureNamesSystemReason_data();
    void writeFailureNamesSystemReason();

    void start_data();
    void start();
    void startFails_data();
    void startFails();
};

void TestPlatform::initTestCase() {
    isolateSettings();
    // Every store written here lies below the private home, out of reach of the player's own.
    for (const QString& application : {u"Zelvik"_s, u"ZelvikOther"_s}) {
        const QString location = settingsLocation(application);
#ifdef Q_OS_WIN
        // The per-user key where players' settings of this program already are.
        const QString key = u"\\HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\"_s;
        QVERIFY2(location.endsWith(key + application),
                 qPrintable(u"settings would go to "_s + location));
#else
        QVERIFY2(location.startsWith(QDir::homePath() + u'/'),
                 qPrintable(u"settings would go to "_s + location));
#endif
    }
}

void TestPlatform::settingRoundTrip_data() {
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("absent key gives the default") << false << QString() << u"default"_s;
    QTest::newRow("empty text is not the default") << true << u""_s << u""_s;
    QTest::newRow("null text reads as empty") << true << QString() << u""_s;
    QTest::newRow("game path") << true << u"C:\\Half-Life\\hl.exe"_s << u"C:\\Half-Life\\hl.exe"_s;
    QTest::newRow("number stays text") << true << u"007"_s << u"007"_s;
    QTest::newRow("decimal keeps its zero") << true << u"3.10"_s << u"3.10"_s;
    QTest::newRow("commas are not a list")
        << true << u"-game valve, +map x"_s << u"-game valve, +map x"_s;
    QTest::newRow("outer spaces kept") << true << u"  -dev  "_s << u"  -dev  "_s;
    QTest::newRow("quotes and semicolons")
        << true << u"+map \"a;b\" ; x"_s << u"+map \"a;b\" ; x"_s;
    QTest::newRow("looks like a stored type") << true << u"@Invalid()"_s << u"@Invalid()"_s;
    QTest::newRow("non-ASCII") << true << u"Želví hráč"_s << u"Želví hráč"_s;
}

void TestPlatform::settingRoundTrip() {
    QFETCH(bool, stored);
    QFETCH(QString, value);
    QFETCH(QString, expected);

    const QString key = u"Key "_s + QString::fromLatin1(QTest::currentDataTag());
    if (stored)
        writeSettings(u"Zelvik"_s, u"Settings"_s, {{key, value}});
    QCOMPARE(readSetting(u"Zelvik"_s, u"Settings"_s, key, u"default"_s), expected);
    // Written through to the store, not only kept by this process.
    QCOMPARE(valueInStore(u"Settings"_s, key), stored ? std::optional(expected) : std::nullopt);
}

void TestPlatform::settingsKeepSectionsAndApplicationsApart() {
    writeSettings(u"Zelvik"_s, u"Settings"_s, {{u"GamePath"_s, u"first"_s}});
    writeSettings(u"Zelvik"_s, u"Settings"_s, {{u"GamePath"_s, u"second"_s}});
    writeSettings(u"Zelvik"_s, u"Other"_s, {{u"GamePath"_s, u"other section"_s}});
    writeSettings(u"ZelvikOther"_s, u"Settings"_s, {{u"GamePath"_s, u"other application"_s}});

    QCOMPARE(readSetting(u"Zelvik"_s, u"Settings"_s, u"GamePath"_s, {}), u"second"_s);
    QCOMPARE(readSetting(u"Zelvik"_s, u"Other"_s, u"GamePath"_s, {}), u"other section"_s);
    QCOMPARE(readSetting(u"ZelvikOther"_s, u"Settings"_s, u"GamePath"_s, {}),
             u"other application"_s);
    QCOMPARE(readSetting(u"Zelvik"_s, u"Missing"_s, u"GamePath"_s, u"none"_s), u"none"_s);
    QVERIFY(settingsLocation(u"Zelvik"_s) != settingsLocation(u"ZelvikOther"_s));
}

void TestPlatform::write_data() {
    QTest::addColumn<QByteArray>("before"); // empty: no file yet
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("replaces") << QByteArray("[Bot]\r\nName=Old\r\nOld tail that is longer\r\n")
                              << QByteArray("[Bot]\r\nName=New\r\n");
    QTest::newRow("creates") << QByteArray() << QByteArray("[Map]\r\nName=crossfire\r\n");
    QTest::newRow("empties") << QByteArray("old") << QByteArray();
    QTest::newRow("bytes as given")
        << QByteArray("old") << QByteArray("a\nb\r\nc\r\0\xff\xfe z", 13);
}

void TestPlatform::write() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, bytes);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"bots.ini"_s);
    const auto modes = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    if (!before.isEmpty()) {
        QVERIFY(writeBytes(path, before));
        QVERIFY(QFile::setPermissions(path, modes));
    }

    QString error = u"untouched"_s;
    QVERIFY2(writeFileAtomically(path, bytes, &error), qPrintable(error));
    QVERIFY(QFileInfo(path).isReadable());
    QCOMPARE(readBytes(path), bytes);
    QCOMPARE(tree(dir.path()), QStringList{u"bots.ini"_s});
    if (OnUnix && !before.isEmpty())
        QCOMPARE(QFile::permissions(path) & AllModes, modes);
}

void TestPlatform::writeThroughLink_data() {
    QTest::addColumn<QString>("linkTarget"); // as stored in the link, relative to the game folder
    QTest::addColumn<QString>("realFile");   // relative to the scratch folder
    QTest::addColumn<bool>("chained");       // the target is itself a link to realFile
    QTest::addColumn<bool>("existing");      // realFile is there before the write

    QTest::newRow("absolute") << QString() << u"real/bots.ini"_s << false << true;
    QTest::newRow("relative") << u"../real/bots.ini"_s << u"real/bots.ini"_s << false << true;
    QTest::newRow("to a link") << u"../real/link.ini"_s << u"real/bots.ini"_s << true << true;
    QTest::newRow("to a missing file")
        << u"../real/new.ini"_s << u"real/new.ini"_s << false << false;
}

void TestPlatform::writeThroughLink() {
    QFETCH(QString, linkTarget);
    QFETCH(QString, realFile);
    QFETCH(bool, chained);
    QFETCH(bool, existing);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath(u"game"_s) && QDir(dir.path()).mkpath(u"real"_s));
    const QString real = dir.filePath(realFile);
    if (existing)
        QVERIFY(writeBytes(real, "old"));
    if (chained && !makeSymLink(u"bots.ini"_s, dir.filePath(u"real/link.ini"_s)))
        QSKIP("no symbolic links here: on Windows QFile::link makes a shortcut");
    if (linkTarget.isEmpty())
        linkTarget = real;
    const QString link = dir.filePath(u"game/bots.ini"_s);
    if (!makeSymLink(linkTarget, link))
        QSKIP("no symbolic links here: on Windows QFile::link makes a shortcut");
    const QString storedTarget = QFileInfo(link).symLinkTarget();

    QString error;
    QVERIFY2(writeFileAtomically(link, "new", &error), qPrintable(error));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QFileInfo(link).symLinkTarget(), storedTarget);
    QCOMPARE(readBytes(real), QByteArray("new"));
    QVERIFY(!QFileInfo(real).isSymLink());
    if (chained)
        QVERIFY(QFileInfo(dir.filePath(u"real/link.ini"_s)).isSymLink());
    QCOMPARE(tree(dir.filePath(u"game"_s)), QStringList{u"bots.ini"_s});
}

void TestPlatform::writeRefusesFolder() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"bots.ini"_s);
    QVERIFY(QDir(dir.path()).mkdir(u"bots.ini"_s));
    QVERIFY(writeBytes(path + u"/inside.txt"_s, "kept"));

    QString error;
    QVERIFY(!writeFileAtomically(path, "new", &error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(readBytes(path + u"/inside.txt"_s), QByteArray("kept"));
    QCOMPARE(tree(dir.path()), (QStringList{u"bots.ini"_s, u"bots.ini/inside.txt"_s}));
}

void TestPlatform::writeRefusedLeavesFileAlone_data() {
    QTest::addColumn<QFile::Permissions>("fileModes");
    QTest::addColumn<QFile::Permissions>("folderModes");
    QTest::addColumn<bool>("asNobody"); // root runs the row as user nobody

    QTest::newRow("read-only file") << QFile::Permissions(ReadOnlyModes) << AllModes << true;
    QTest::newRow("read-only folder")
        << QFile::Permissions(ReadWriteModes) << QFile::Permissions(ReadOnlyFolderModes) << true;
    QTest::newRow("read-only file, to root too")
        << QFile::Permissions(ReadOnlyModes) << AllModes << false;
}

void TestPlatform::writeRefusedLeavesFileAlone() {
    QFETCH(QFile::Permissions, fileModes);
    QFETCH(QFile::Permissions, folderModes);
    QFETCH(bool, asNobody);
    if (!OnUnix && folderModes != AllModes)
        QSKIP("read-only folders are a Unix matter");
    if (asNobody)
        RERUN_AS_NOBODY_IF_ROOT();

    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    QVERIFY(QDir(scratch.path()).mkdir(u"game"_s));
    const QString folder = scratch.filePath(u"game"_s);
    const QString path = folder + u"/bots.ini"_s;
    const QByteArray old("[Bot]\r\nName=Old\r\n");
    QVERIFY(writeBytes(path, old));
    QVERIFY(QFile::setPermissions(path, fileModes));
    QVERIFY(QFile::setPermissions(folder, folderModes));

    QString error;
    const bool written = writeFileAtomically(path, "new", &error);
    QFile::setPermissions(folder, OpenFolderModes); // so the scratch folder can be removed

    QVERIFY(!written);
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    QCOMPARE(readBytes(path), old);
    QCOMPARE(tree(folder), QStringList{u"bots.ini"_s});
    QCOMPARE(QFile::permissions(path) & AllModes, fileModes);
}

void TestPlatform::writeFailureNamesSystemReason_data() {
    QTest::addColumn<int>("size");      // bytes to write
    QTest::addColumn<int>("pieceSize"); // written in pieces of this size; 0: in one call
    QTest::addColumn<int>("limit");     // the most bytes a file may hold

    // Small enough to sit in a write buffer until the file is closed.
    QTest::newRow("short text") << 5000 << 0 << 1000;
    QTest::newRow("one large write") << 200'000 << 0 << 65536;
    QTest::newRow("in pieces") << 200'000 << 4096 << 65536;
    QTest::newRow("piece across the limit") << 10'000 << 3000 << 4000;
    QTest::newRow("not a byte fits") << 3000 << 0 << 0;
}

// The limit on a file's size stands in for a full disk: the write stops part-way for a reason
// only the system knows, and the message must name it.
void TestPlatform::writeFailureNamesSystemReason() {
#ifndef Q_OS_UNIX
    QSKIP("a file size limit is set through setrlimit, which only Unix has");
#else
    QFETCH(int, size);
    QFETCH(int, pieceSize);
    QFETCH(int, limit);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"bots.ini"_s);
    const QByteArray old("[Bot]\r\nName=Old\r\n");
    QVERIFY(writeBytes(path, old));
    const QByteArray bytes(size, 'x');

    bool written = true;
    QString error;
    {
        FileSizeLimit fileSizeLimit{rlim_t(limit)};
        if (!fileSizeLimit.active)
            QSKIP("the file size limit could not be lowered");
        if (pieceSize == 0) {
            written = writeFileAtomically(path, bytes, &error);
        } else {
            written = writeFileAtomically(
                path,
                [&](QIODevice& file) {
                    for (qsizetype at = 0; at < bytes.size(); at += pieceSize) {
                        const QByteArray piece = bytes.mid(at, pieceSize);
                        if (file.write(piece) != piece.size())
                            return false;
                    }
                    return true;
                },
                &error);
        }
    }

    QVERIFY(!written);
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    QVERIFY2(error.contains(u"File too large"_s), qPrintable(error));
    QCOMPARE(readBytes(path), old);
    QCOMPARE(tree(dir.path()), QStringList{u"bots.ini"_s});
#endif
}

void TestPlatform::start_data() {
    QTest::addColumn<QString>("program");          // relative to the scratch folder
    QTest::addColumn<QString>("workingDirectory"); // relative to the scratch folder
    QTest::addColumn<QString>("parameters");
    QTest::addColumn<QStringList>("arguments");

    const QString game = u"Half Life"_s;
    const QString mod = u"Half Life/valve"_s;
    QTest::newRow("quoted map") << u"Half Life/hl.exe"_s << mod
                                << u"-game valve +map \"boot camp\""_s
                                << QStringList{u"-game"_s, u"valve"_s, u"+map"_s, u"boot camp"_s};
    QTest::newRow("server") << u"Half Life/hlds.exe"_s << game << u"-game valve +maxplayers 8"_s
                            << QStringList{u"-game"_s, u"valve"_s, u"+maxplayers"_s, u"8"_s};
    QTest::newRow("no parameters") << u"Half Life/hl.exe"_s << game << QString() << QStringList();
    QTest::newRow("bare name") << u"hl.exe"_s << game << u"-console"_s
                               << QStringList{u"-console"_s};
    QTest::newRow("semicolon") << u"Half Life/hl.exe"_s << game << u"-game valve; touch pwned"_s
                               << QStringList{u"-game"_s, u"valve;"_s, u"touch"_s, u"pwned"_s};
    QTest::newRow("pipe and redirection")
        << u"Half Life/hlds.exe"_s << mod << u"-game valve | touch pwned > out"_s
        << QStringList{u"-game"_s, u"valve"_s, u"|"_s, u"touch"_s, u"pwned"_s, u">"_s, u"out"_s};
    QTest::newRow("substitutions")
        << u"Half Life/hl.exe"_s << game << u"$(touch pwned) `touch pwned` $HOME"_s
        << QStringList{u"$(touch"_s, u"pwned)"_s, u"`touch"_s, u"pwned`"_s, u"$HOME"_s};
}

void TestPlatform::start() {
    QFETCH(QString, program);
    QFETCH(QString, workingDirectory);
    QFETCH(QString, parameters);
    QFETCH(QStringList, arguments);
    if (!OnUnix)
        QSKIP("the stand-in game is a shell script");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath(u"Half Life/valve"_s));
    for (const QString& name : {u"hl.exe"_s, u"hlds.exe"_s})
        QVERIFY(writeFakeGame(dir.filePath(u"Half Life/"_s + name)));
    QStringList expectedTree = tree(dir.path()) << u"Half Life/record.txt"_s;
    expectedTree.sort();
    if (program.contains(u'/'))
        program = dir.filePath(program);

    QString error;
    QVERIFY2(startProgram(program, parameters, dir.filePath(workingDirectory), &error),
             qPrintable(error));
    const QStringList record = fakeGameRecord(dir.filePath(u"Half Life"_s));
    // A shell would run whatever follows a separator once the program has ended.
    QTest::qWait(200);

    // Every line ends with a line break.
    QVERIFY(readBytes(dir.filePath(u"Half Life/record.txt"_s)).endsWith('\n'));
    const QString ranIn = QFileInfo(dir.filePath(workingDirectory)).canonicalFilePath();
    QCOMPARE(record, QStringList({QFileInfo(program).fileName(), ranIn}) + arguments);
    QCOMPARE(tree(dir.path()), expectedTree);
}

void TestPlatform::startFails_data() {
    QTest::addColumn<QString>("program"); // relative to the scratch folder
    QTest::addColumn<QString>("workingDirectory");

    QTest::newRow("missing program") << u"game/hl.exe"_s << u"game"_s;
    QTest::newRow("missing folder") << u"game/program.sh"_s << u"no such folder"_s;
    QTest::newRow("no folder given") << u"game/program.sh"_s << QString();
    QTest::newRow("not executable") << u"game/plain.txt"_s << u"game"_s;
    QTest::newRow("program is a folder") << u"game/folder.exe"_s << u"game"_s;
}

void TestPlatform::startFails() {
    QFETCH(QString, program);
    QFETCH(QString, workingDirectory);
    if (!OnUnix)
        QSKIP("the stand-in game is a shell script");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath(u"game/folder.exe"_s));
    QVERIFY(writeFakeGame(dir.filePath(u"game/program.sh"_s)));
    // The same script without the execute bits.
    QVERIFY(writeFakeGame(dir.filePath(u"game/plain.txt"_s)));
    QVERIFY(QFile::setPermissions(dir.filePath(u"game/plain.txt"_s), ReadWriteModes));
    program = dir.filePath(program);
    if (!workingDirectory.isEmpty())
        workingDirectory = dir.filePath(workingDirectory);

    QString error;
    QVERIFY(!startProgram(program, u"-game valve"_s, workingDirectory, &error));
    QVERIFY2(error.contains(program), qPrintable(error));
    QVERIFY2(error.contains(workingDirectory), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
