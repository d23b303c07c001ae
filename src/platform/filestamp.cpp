#include "platform/filestamp.h"

#include <QFile>
#include <QFileInfo>

FileStamp FileStamp::of(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    FileStamp stamp;
    stamp.present = info.exists();
    stamp.modified = info.lastModified();
    stamp.bytes = bytes;
    return stamp;
}

bool FileStamp::matches(const QString& path) const {
    const QFileInfo info(path);
    // Gone, or not a file at all: there is nothing of anyone's to keep, and a write into a folder
    // fails with its own message.
    if (!info.exists() || !info.isFile())
        return true;
    if (!present || info.size() != bytes.size())
        return false;
    // Same size and time: the same file. A new time alone (a copy put back, a touch) is looked
    // into: the bytes decide.
    if (info.lastModified() == modified)
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray now = file.readAll();
    return file.error() == QFileDevice::NoError && now == bytes;
}
