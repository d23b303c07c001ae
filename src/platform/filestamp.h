#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QCryptographicHash>
#include <QDateTime>
#include <QString>

// What a file was when this program last read or wrote it, to tell later whether another
// program has changed it since: its size, its modification time and a hash of its bytes.
class FileStamp {
public:
    // A file that was not there.
    FileStamp() = default;
    // The file at path, whose bytes are known to be these, or to have this size and hash.
    static FileStamp of(const QString& path, QByteArrayView bytes);
    static FileStamp of(const QString& path, qint64 size, const QByteArray& hash);

    bool exists() const { return present; }
    // False when the file at path is no longer the one stamped: it was created, or changed. A file
    // that is gone counts as unchanged: nothing of anyone's would be lost by writing it.
    bool matches(const QString& path) const;

    static constexpr auto HashAlgorithm = QCryptographicHash::Sha1;

private:
    bool present = false;
    qint64 size = 0;
    QDateTime modified;
    QByteArray hash;
};
