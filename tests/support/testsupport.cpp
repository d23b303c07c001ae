#include "testsupport.h"

#include "app/settings.h"
#include "platform/settings.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace Qt::StringLiterals;

namespace {

#ifdef Q_OS_WIN
// The program's registry key, as the store names it.
const QString RegistryKey = u"HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\"_s;

bool runningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}
#endif

} // namespace

void isolateSettings() {
#ifdef Q_OS_WIN
    // The store is the registry, which a test cannot point elsewhere: the tests run only under
    // Wine, in a prefix of their own (scripts/windows-test.sh), never on a player's Windows.
    if (!runningUnderWine())
        qFatal("The tests write the registry; run them under Wine with a throwaway WINEPREFIX.");
    // Test programs share the prefix: each starts from an empty key and its own data folder.
    QStandardPaths::setTestModeEnabled(true);
    clearSettings();
#else
    // Test mode keeps the store below $HOME (and ignores XDG_CONFIG_HOME), so both point into a
    // private folder: the player's own settings are never read or written by a test.
    static QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + u"/config"_s));
    QStandardPaths::setTestModeEnabled(true);
    if (!settingsFile().startsWith(home.path()))
        qFatal("The settings store is not isolated: %s", qPrintable(settingsFile()));
#endif
}

QString settingsFile() {
    return settingsLocation(SettingsKeys::Application);
}

namespace {

// The program's store opened here, past the program's own code: the registry key on Windows,
// the file elsewhere.
std::unique_ptr<QSettings> openStoreDirectly() {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(RegistryKey + SettingsKeys::Application,
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(settingsFile(), QSettings::IniFormat);
#endif
}

} // namespace

void clearSettings() {
    const auto store = openStoreDirectly();
    store->clear();
    store->sync();
    // Only ever the test mode's data folder, never a player's.
    if (QStandardPaths::isTestModeEnabled())
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
}

std::optional<QString> valueInStore(const QString& section, const QString& key) {
#ifndef Q_OS_WIN
    if (!QFile::exists(settingsFile()))
        return std::nullopt;
#endif
    const auto store = openStoreDirectly();
    store->beginGroup(section);
    if (!store->contains(key))
        return std::nullopt;
    return store->value(key).toString();
}

bool makeSymLink(const QString& target, const QString& link) {
#ifdef Q_OS_WIN
    Q_UNUSED(target);
    Q_UNUSED(link);
    return false; // QFile::link makes a shortcut there, which the file system does not follow
#else
    return QFile::link(target, link);
#endif
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

bool runningAsRoot() {
#ifdef Q_OS_UNIX
    return geteuid() == 0;
#else
    return false;
#endif
}

QString rerunAsNobody(const QString& testFunction, QString* cannotRun) {
    const QString setpriv = QStandardPaths::findExecutable(u"setpriv"_s);
    if (setpriv.isEmpty()) {
        *cannotRun = u"running as root without setpriv: file modes cannot be tried"_s;
        return {};
    }
    // A copy in a folder of its own, so the build folder need not be open to nobody.
    static QTemporaryDir scratch;
    const QString copy = scratch.filePath(QCoreApplication::applicationName());
    const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    if (!QFile::exists(copy) &&
        (!QFile::copy(QCoreApplication::applicationFilePath(), copy) ||
         !QFile::setPermissions(copy, open) || !QFile::setPermissions(scratch.path(), open))) {
        *cannotRun = u"could not copy the test program to "_s + copy;
        return {};
    }
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"HOME"_s, QDir::tempPath());
    child.setProcessEnvironment(environment);
    child.setWorkingDirectory(QDir::tempPath());
    child.start(setpriv, {u"--reuid=nobody"_s, u"--regid=nogroup"_s, u"--clear-groups"_s, copy,
                          testFunction});
    if (!child.waitForFinished(120000)) {
        *cannotRun = u"the test as user nobody did not finish: "_s + child.errorString();
        return {};
    }
    const QString output =
        QString::fromLocal8Bit(child.readAllStandardOutput() + child.readAllStandardError());
    const QString function = testFunction.section(u':', 0, 0);
    const bool passed =
        output.split(u'\n').filter(u"PASS   : "_s).filter(u"::"_s + function).size();
    if (child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 && passed)
        return {};
    return output.isEmpty() ? u"the test as user nobody failed"_s : output;
}

QString currentTestRow() {
    const QString function = QString::fromLatin1(QTest::currentTestFunction());
    const QString row = QString::fromLatin1(QTest::currentDataTag());
    return row.isEmpty() ? function : function + u':' + row;
}

bool writeFakeGame(const QString& path) {
#ifdef ZELVIK_FAKE_GAME
    QFile::remove(path);
    return QFile::copy(QStringLiteral(ZELVIK_FAKE_GAME), path);
#else
    return writeBytes(
               path,
               "#!/bin/sh\n"
               "record=\"$(dirname \"$0\")/record\"\n"
               "{ basename \"$0\"; pwd -P; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } "
               "> \"$record.part\"\n"
               "mv \"$record.part\" \"$record.txt\"\n") &&
           QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner |
                                           QFile::ExeGroup | QFile::ExeOther);
#endif
}

QStringList fakeGameRecord(const QString& folder) {
    const QString record = QDir(folder).filePath(u"record.txt"_s);
    // The game writes at least its name. Under Wine the file may show before it can be read.
    const QDeadlineTimer deadline(10000);
    QByteArray bytes;
    while ((bytes = readBytes(record)).isEmpty() && !deadline.hasExpired())
        QTest::qWait(20);
    QString text = QString::fromLocal8Bit(bytes);
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

QString programFolderWith(const QTemporaryDir& folder, const QByteArray& botsIni) {
    QDir(folder.path()).removeRecursively();
    QDir().mkpath(folder.path());
    writeBytes(folder.filePath(u"bots.ini"_s), botsIni);
    return folder.path();
}
