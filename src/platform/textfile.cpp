#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

bool writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                         QString* error) {
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = u"Could not write %1: %2"_s.arg(QDir::toNativeSeparators(path), reason);
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
        return fail(u"it is a folder, not a file."_s);
    // The new file is renamed over the old one, which only needs a writable folder; a read-only
    // file must be refused before anything is written. QSaveFile refuses it too, but says less.
    if (target.exists() && !target.isWritable())
        return fail(u"the file is read-only."_s);

    QSaveFile file(target.filePath());
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (!write(file)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
