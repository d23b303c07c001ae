#include "platform/filestamp.h"

#include <QFile>
#include <QFileInfo>

FileStamp FileStamp::of(const QString& path, QByteArrayView bytes) {
    return of(path, bytes.size(), QCryptographicHash::hash(bytes, HashAlgorithm));
}

FileStamp FileStamp::of(const QString& path, qint64 size, const QByteArray& hash) {
    const QFileInfo info(path);
    FileStamp stamp;
    stamp.present = info.exists();
    stamp.size = size;
    stamp.modified = info.lastModified();
    stamp.hash = hash;
    return stamp;
}

bool FileStamp::matches(const QString& path) const {
    const QFileInfo info(path);
    // Gone, or not a file at all: there is nothing of anyone's to keep, and a write into a folder
    // fails with its own message.
    if (!info.exists() || !info.isFile())
        return true;
    if (!present || info.size() != size)
        return false;
    // Same size and time: the same file. A new time alone (a copy put back, a touch) is looked
    // into: the bytes decide.
    if (info.lastModified() == modified)
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QCryptographicHash now(HashAlgorithm);
    if (!now.addData(&file))
        return false;
    return now.result() == hash;
}
