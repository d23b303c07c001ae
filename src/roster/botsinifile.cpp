#include "roster/botsinifile.h"

#include "platform/atomicfile.h"
#include "platform/filestamp.h"

#include <QFile>
#include <QIODevice>

namespace {

// A file that could not be opened or read to its end: the default entries, and no text.
BotsIniRead unreadable() {
    BotsIniRead read = readBotsIni({});
    read.readToEnd = false;
    return read;
}

} // namespace

BotsIniRead readBotsIniFile(const QString& path, FileStamp* stamp) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (stamp)
            *stamp = FileStamp();
        return unreadable();
    }
    const QByteArray bytes = file.readAll();
    const bool failed = file.error() != QFileDevice::NoError;
    file.close();
    if (stamp)
        *stamp = failed ? FileStamp() : FileStamp::of(path, bytes);
    return failed ? unreadable() : readBotsIni(bytes);
}

bool writeBotsIniFile(const QString& path, const QByteArray& fileBytes, QString* error,
                      FileStamp* stamp) {
    const bool written = writeFileAtomically(
        path, [&](QIODevice& file) { return file.write(fileBytes) == fileBytes.size(); }, error);
    if (written && stamp)
        *stamp = FileStamp::of(path, fileBytes);
    return written;
}
