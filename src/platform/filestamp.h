#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What a file was when this program last read or wrote it, to tell later whether another
// program has changed it since: its modification time and its bytes. The bytes are shared with
// whoever else holds them (the INI page does), not copied.
class FileStamp {
public:
    // A file that was not there.
    FileStamp() = default;
    // The file at path, whose bytes are known to be these.
    static FileStamp of(const QString& path, const QByteArray& bytes);

    // False when the file at path is no longer the one stamped: it was created, or changed. A file
    // that is gone counts as unchanged: nothing of anyone's would be lost by writing it.
    bool matches(const QString& path) const;

private:
    bool present = false;
    QDateTime modified;
    QByteArray bytes;
};
