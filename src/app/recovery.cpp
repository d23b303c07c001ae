#include "app/recovery.h"

#include "platform/atomicfile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QIODevice>
#include <QLockFile>
#include <QObject>
#include <QSet>
#include <QStandardPaths>

#include <condition_variable>
#include <mutex>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

// The file's first line; then "key: value" lines, an empty line, and the bytes.
constexpr QByteArrayView Heading = "Zelvik recovery copy";
constexpr QByteArrayView HeaderEnd = "\n\n";

// The folder's path as it names its copy: absolute and clean, and in one letter case where the
// file system ignores case.
QString folderKey(const QString& folder) {
    QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
#ifdef Q_OS_WIN
    return path.toCaseFolded();
#else
    return path;
#endif
}

QByteArray checksum(QByteArrayView bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// The lines of the file's stamp: "none" for a file that was not there.
QByteArray stampLines(const FileStamp& stamp) {
    if (!stamp.isPresent())
        return "\nFile-Modified: none";
    return "\nFile-Modified: " + stamp.modifiedAt().toUTC().toString(Qt::ISODateWithMs).toLatin1() +
           "\nFile-Length: " + QByteArray::number(stamp.size()) +
           "\nFile-SHA-256: " + stamp.sha256();
}

// The stamp the lines gave; none where they are missing (a copy of an earlier version) or cannot
// be read.
std::optional<FileStamp> stampFrom(const QHash<QByteArray, QByteArray>& header) {
    const QByteArray modified = header.value("File-Modified");
    if (modified == "none")
        return FileStamp();
    const QDateTime time = QDateTime::fromString(QString::fromLatin1(modified), Qt::ISODateWithMs);
    bool sized = false;
    const qsizetype size = header.value("File-Length").toLongLong(&sized);
    const QByteArray sha256 = header.value("File-SHA-256");
    if (!time.isValid() || !sized || sha256.size() != 64)
        return std::nullopt;
    return FileStamp::recorded(time, size, sha256);
}

QByteArray composeCopy(const QString& folder, const QString& filePath, const FileStamp& keptFrom,
                       const QByteArray& bytes) {
    QByteArray text = Heading.toByteArray();
    text += "\nFolder: " + QDir::toNativeSeparators(folder).toUtf8();
    text += "\nFile: " + QDir::toNativeSeparators(filePath).toUtf8();
    text += stampLines(keptFrom);
    text += "\nKept: " + QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8();
    text += "\nLength: " + QByteArray::number(bytes.size());
    text += "\nSHA-256: " + checksum(bytes);
    text += HeaderEnd;
    return text + bytes;
}

RecoveryCopy::Found damaged(const QString& reason) {
    RecoveryCopy::Found found;
    found.state = RecoveryCopy::Found::State::Damaged;
    found.reason = reason;
    return found;
}

// What the copy at path holds for folder, whose bots.ini is at filePath.
RecoveryCopy::Found readCopy(const QString& path, const QString& folder, const QString& filePath) {
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return damaged(QCoreApplication::translate("Recovery", "it could not be read: %1")
                           .arg(file.errorString()));
    const QByteArray text = file.readAll();
    const qsizetype end = text.indexOf(HeaderEnd);
    const QList<QByteArray> lines = text.left(end).split('\n');
    if (end < 0 || lines.first() != Heading)
        return damaged(
            QCoreApplication::translate("Recovery", "it is not a recovery copy Zelvik wrote."));
    QHash<QByteArray, QByteArray> header;
    for (const QByteArray& line : lines) {
        const qsizetype colon = line.indexOf(": ");
        if (colon > 0)
            header.insert(line.left(colon), line.mid(colon + 2));
    }
    const QByteArray bytes = text.mid(end + HeaderEnd.size());
    if (header.value("Length") != QByteArray::number(bytes.size()) ||
        header.value("SHA-256") != checksum(bytes))
        return damaged(QCoreApplication::translate(
            "Recovery", "it is cut short or changed: its contents do not match its checksum."));
    const QString recorded = QDir::fromNativeSeparators(QString::fromUtf8(header.value("Folder")));
    if (folderKey(recorded) != folderKey(folder))
        return damaged(QCoreApplication::translate("Recovery", "it was kept for another folder: %1")
                           .arg(QDir::toNativeSeparators(recorded)));
    RecoveryCopy::Found found;
    found.state = RecoveryCopy::Found::State::Kept;
    found.bytes = bytes;
    found.keptAt = QDateTime::fromString(QString::fromLatin1(header.value("Kept")), Qt::ISODate);
    found.keptFrom = stampFrom(header);
    found.fileChanged = found.keptFrom && !found.keptFrom->matches(filePath);
    if (found.fileChanged)
        found.fileModified = QFileInfo(filePath).lastModified();
    return found;
}

// The locks this process holds, by path. Taken and given up on the copies' threads too.
std::mutex locksHeldHereMutex;
QSet<QString> locksHeldHere;

bool holdsLockHere(const QString& path) {
    const std::lock_guard locked(locksHeldHereMutex);
    return locksHeldHere.contains(path);
}

void setLockHeldHere(const QString& path, bool held) {
    const std::lock_guard locked(locksHeldHereMutex);
    if (held)
        locksHeldHere.insert(path);
    else
        locksHeldHere.remove(path);
}

// Takes the lock, or a lock left by a process gone since. The lock file names its holder's
// process number; a number the system has handed out again (Wine does so at once) may now be
// this very process, which does not hold that lock.
bool takeLock(QLockFile& lock, const QString& path) {
    if (lock.tryLock(0))
        return true;
    qint64 holder = 0;
    QString host;
    QString program;
    if (lock.error() != QLockFile::LockFailedError || !lock.getLockInfo(&holder, &host, &program) ||
        holder != QCoreApplication::applicationPid() || holdsLockHere(path))
        return false;
    return lock.removeStaleLockFile() && lock.tryLock(0);
}

// Why the lock could not be taken.
QString lockFailure(const QLockFile& lock, const QString& lockPath) {
    if (lock.error() == QLockFile::LockFailedError)
        return QCoreApplication::translate(
            "Recovery", "another Zelvik window has this add-on folder open and keeps the recovery "
                        "copy; this window keeps none.");
    return QCoreApplication::translate("Recovery", "the lock file %1 could not be made.")
        .arg(QDir::toNativeSeparators(lockPath));
}

} // namespace

struct RecoveryCopy::Worker {
    // What keep() hands over.
    struct Job {
        std::function<std::optional<QByteArray>()> compose;
        FileStamp keptFrom;
    };

    QString root;
    // The thread that made the copy, where the failure handler runs.
    QObject owner;
    std::function<void(const QString&)> onFailure;

    // Set by open() while nothing runs on the thread; read by the thread.
    QString folder;
    QString filePath;
    QString copyPath;
    QString lockPath;
    std::unique_ptr<QLockFile> lock;
    // Why the lock is not held, when it is not: this window then keeps no copy of the folder.
    QString lockProblem;
    // The lock was held by another window: it is tried again for each copy, and taken once that
    // window has let it go with no copy left. A copy lying there is a crashed window's, which
    // the next start offers: it is never overwritten.
    bool retakeLock = false;
    bool damagedInPlace = false;
    bool told = false;

    std::mutex mutex;
    std::condition_variable changed;
    std::optional<Job> pending;
    bool busy = false;
    bool stopping = false;
    std::thread thread;

    void post(Job job) {
        const std::lock_guard locked(mutex);
        pending = std::move(job);
        if (!thread.joinable())
            thread = std::thread([this] { run(); });
        changed.notify_all();
    }

    void wait() {
        std::unique_lock locked(mutex);
        changed.wait(locked, [this] { return !pending && !busy; });
    }

    void stop() {
        {
            const std::lock_guard locked(mutex);
            stopping = true;
            changed.notify_all();
        }
        if (thread.joinable())
            thread.join();
    }

    // Gives up the lock, if it was taken; the thread must be idle.
    void releaseLock() {
        if (lock && lock->isLocked())
            setLockHeldHere(lockPath, false);
        lock.reset();
    }

    // Takes the lock another window held, once it is free and no copy lies there.
    bool takeOver() {
        if (!retakeLock || QFileInfo::exists(copyPath) || !takeLock(*lock, lockPath))
            return false;
        // The other window may have left its copy just before it let the lock go.
        if (QFileInfo::exists(copyPath)) {
            lock->unlock();
            return false;
        }
        setLockHeldHere(lockPath, true);
        lockProblem.clear();
        retakeLock = false;
        return true;
    }

    void run() {
        std::unique_lock locked(mutex);
        for (;;) {
            changed.wait(locked, [this] { return pending || stopping; });
            if (!pending)
                return;
            const Job job = std::move(*pending);
            pending.reset();
            busy = true;
            locked.unlock();
            const QString failure = carryOut(job);
            locked.lock();
            busy = false;
            if (!failure.isEmpty() && !told) {
                told = true;
                QMetaObject::invokeMethod(
                    &owner,
                    [this, failure] {
                        if (onFailure)
                            onFailure(failure);
                    },
                    Qt::QueuedConnection);
            }
            changed.notify_all();
        }
    }

    // Makes the copy what compose gives; the reason when it could not.
    QString carryOut(const Job& job) {
        if (damagedInPlace) {
            if (QFileInfo::exists(copyPath))
                return {};
            damagedInPlace = false;
        }
        const std::optional<QByteArray> bytes = job.compose();
        if (!lock->isLocked() && (!bytes || !takeOver()))
            return bytes ? lockProblem : QString();
        if (!bytes) {
            QFile file(copyPath);
            if (file.exists() && !file.remove())
                return QCoreApplication::translate("Recovery", "%1 could not be removed: %2")
                    .arg(QDir::toNativeSeparators(copyPath), file.errorString());
            return {};
        }
        const QByteArray text = composeCopy(folder, filePath, job.keptFrom, *bytes);
        QString error;
        writeFileAtomically(
            copyPath, [&text](QIODevice& out) { return out.write(text) == text.size(); }, &error);
        return error;
    }
};

RecoveryCopy::RecoveryCopy(QString recoveryFolder) : worker(std::make_unique<Worker>()) {
    worker->root =
        recoveryFolder.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/recovery"_s
            : std::move(recoveryFolder);
}

RecoveryCopy::~RecoveryCopy() {
    worker->stop();
    worker->releaseLock();
}

RecoveryCopy::Found RecoveryCopy::open(const QString& folder, const QString& filePath) {
    close();
    Worker& w = *worker;
    w.folder = folder;
    w.filePath = filePath;
    const QByteArray name =
        QCryptographicHash::hash(folderKey(folder).toUtf8(), QCryptographicHash::Sha256).toHex();
    w.copyPath = w.root + u'/' + QString::fromLatin1(name.left(32)) + u".recovery"_s;
    w.lockPath = w.copyPath + u".lock"_s;
    w.lock = std::make_unique<QLockFile>(w.lockPath);
    // A live window holds its lock as long as it is open: only a holder that is gone makes the
    // lock stale, never its age.
    w.lock->setStaleLockTime(0);
    w.damagedInPlace = false;
    w.told = false;
    w.lockProblem.clear();
    w.retakeLock = false;
    if (!QDir().mkpath(w.root)) {
        w.lockProblem = QCoreApplication::translate("Recovery", "the folder %1 could not be made.")
                            .arg(QDir::toNativeSeparators(w.root));
        return {};
    }
    if (!takeLock(*w.lock, w.lockPath)) {
        w.lockProblem = lockFailure(*w.lock, w.lockPath);
        w.retakeLock = w.lock->error() == QLockFile::LockFailedError;
        return {};
    }
    setLockHeldHere(w.lockPath, true);
    Found found = readCopy(w.copyPath, folder, filePath);
    w.damagedInPlace = found.state == Found::State::Damaged;
    return found;
}

QString RecoveryCopy::path() const {
    return worker->copyPath;
}

void RecoveryCopy::keep(std::function<std::optional<QByteArray>()> compose, FileStamp keptFrom) {
    if (worker->lock)
        worker->post({std::move(compose), std::move(keptFrom)});
}

void RecoveryCopy::wait() {
    worker->wait();
}

void RecoveryCopy::close() {
    Worker& w = *worker;
    if (!w.lock)
        return;
    remove();
    w.wait();
    w.releaseLock();
}

void RecoveryCopy::setFailureHandler(std::function<void(const QString& reason)> handler) {
    worker->onFailure = std::move(handler);
}
