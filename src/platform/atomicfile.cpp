#include "platform/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

// What the system said about the last call on file: errno as the call left it when it names a
// reason, else what the file recorded. A write cut short (the disk full part-way) records
// nothing in the file, so errno is the only place its reason is kept.
QString systemReason(const QFileDevice& file, int errorNumber) {
    if (errorNumber != 0)
        return qt_error_string(errorNumber);
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return QCoreApplication::translate("AtomicFile", "the system gave no reason");
}

// Hands each write straight on to the file and keeps the reason of the first that fails or is
// cut short, taken at once, before anything else can change errno.
class CheckedWriter final : public QIODevice {
public:
    explicit CheckedWriter(QSaveFile& target) : file(target) {
        QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    QString failure() const { return reason; }

protected:
    qint64 readData(char*, qint64) override { return -1; }

    qint64 writeData(const char* data, qint64 length) override {
        if (!reason.isEmpty())
            return -1;
        errno = 0;
        const qint64 written = file.write(data, length);
        if (written != length)
            reason = systemReason(file, errno);
        return written;
    }

private:
    QSaveFile& file;
    QString reason;
};

#ifdef Q_OS_UNIX
// Some file systems report a full disk or a failed device only when the data goes out. The
// commit syncs too but pays no heed to a failure; a file system that cannot sync at all is fine.
QString syncFailure(const QSaveFile& file) {
    if (::fsync(file.handle()) == 0 || errno == EINVAL || errno == EROFS || errno == ENOTSUP)
        return QString();
    return qt_error_string(errno);
}
#else
QString syncFailure(const QSaveFile&) {
    return QString();
}
#endif

} // namespace

bool writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                         QString* error) {
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = QCoreApplication::translate("AtomicFile", "Could not write %1: %2")
                         .arg(QDir::toNativeSeparators(path), reason);
        return false;
    };

    // Replacing a link with a file would cut it; write the file it points to instead.
    QFileInfo target(path);
    if (target.isSymLink()) {
        const QString resolved = target.canonicalFilePath();
        // A link to a file that does not exist yet has no canonical path; create its target.
        target.setFile(resolved.isEmpty() ? target.symLinkTarget() : resolved);
    }

    if (target.isDir())
        return fail(QCoreApplication::translate("AtomicFile", "it is a folder, not a file."));
    // The new file is renamed over the old one, which only needs a writable folder; a read-only
    // file must be refused before anything is written. QSaveFile refuses it too, but says less.
    // A file without a single write permission (on Windows: with the read-only attribute) was
    // made read-only on purpose, and stays so even for root, which may write it all the same: the
    // "user" permission, what this process may do, would let root write.
    const auto writeModes =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (target.exists() && (!target.isWritable() || !(target.permissions() & writeModes)))
        return fail(QCoreApplication::translate("AtomicFile", "the file is read-only."));

    // Unbuffered: a write that fails fails in the call that made it. With a buffer, the last
    // bytes would go out during commit(), which renames the file even when they could not be
    // written, and the old file would be replaced by a cut-off one.
    QSaveFile file(target.filePath());
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(systemReason(file, errno));
    CheckedWriter writer(file);
    const bool written = write(writer);
    QString reason = writer.failure();
    if (reason.isEmpty() && !written)
        reason = QCoreApplication::translate("AtomicFile", "writing stopped before the end.");
    if (reason.isEmpty())
        reason = syncFailure(file);
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return fail(reason);
    }
    errno = 0;
    if (!file.commit())
        return fail(systemReason(file, errno));
    return true;
}
