#include "platform/filestamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray sha256Of(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

} // namespace

FileStamp FileStamp::of(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    FileStamp stamp;
    stamp.present = info.exists();
    stamp.modified = info.lastModified();
    stamp.length = bytes.size();
    stamp.bytesKept = true;
    stamp.bytes = bytes;
    stamp.digest = std::make_shared<Digest>();
    return stamp;
}

FileStamp FileStamp::recorded(const QDateTime& modified, qsizetype size, const QByteArray& sha256) {
    FileStamp stamp;
    stamp.present = true;
    stamp.modified = modified;
    stamp.length = size;
    stamp.digest = std::make_shared<Digest>();
    stamp.digest->hex = sha256;
    return stamp;
}

QByteArray FileStamp::sha256() const {
    if (!present)
        return {};
    std::call_once(digest->once, [this] {
        if (bytesKept)
            digest->hex = sha256Of(bytes);
    });
    return digest->hex;
}

bool FileStamp::matches(const QString& path) const {
    const QFileInfo info(path);
    // Gone, or not a file at all: there is nothing of anyone's to keep, and a write into a folder
    // fails with its own message.
    if (!info.exists() || !info.isFile())
        return true;
    if (!present || info.size() != length)
        return false;
    // Same size and time: the same file. A new time alone (a copy put back, a touch) is looked
    // into: the bytes decide.
    if (info.lastModified() == modified)
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray now = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    return bytesKept ? now == bytes : sha256Of(now) == sha256();
}
