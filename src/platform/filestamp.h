#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>
#include <mutex>

// What a file was when this program last read or wrote it, to tell later whether another
// program has changed it since: its modification time and its bytes. The bytes are shared with
// whoever else holds them (the INI page does), not copied. A stamp kept apart from the file (in a
// recovery copy) holds the bytes' length and SHA-256 instead.
class FileStamp {
public:
    // A file that was not there.
    FileStamp() = default;
    // The file at path, whose bytes are known to be these.
    static FileStamp of(const QString& path, const QByteArray& bytes);
    // A stamp kept apart from the file, as the getters below gave it.
    static FileStamp recorded(const QDateTime& modified, qsizetype size, const QByteArray& sha256);

    bool isPresent() const { return present; }
    const QDateTime& modifiedAt() const { return modified; }
    qsizetype size() const { return length; }
    // The bytes' SHA-256 in hex; empty for a file that was not there. Worked out once, by the
    // thread that first asks, for the stamp and all its copies.
    QByteArray sha256() const;

    // False when the file at path is no longer the one stamped: it was created, or changed. A file
    // that is gone counts as unchanged: nothing of anyone's would be lost by writing it.
    bool matches(const QString& path) const;

private:
    struct Digest {
        std::once_flag once;
        QByteArray hex;
    };

    bool present = false;
    QDateTime modified;
    qsizetype length = 0;
    bool bytesKept = false;
    QByteArray bytes;
    std::shared_ptr<Digest> digest;
};
