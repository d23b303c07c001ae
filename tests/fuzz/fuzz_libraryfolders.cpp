// Feeds arbitrary bytes to the libraryfolders.vdf reader. Besides the sanitizers' findings it
// checks:
//  - no path it reads is empty;
//  - the paths survive being written again: a well-formed file listing them, each escaped, reads
//    back into the very same list. (Bytes that are not UTF-8 are replaced on the first read; after
//    that, nothing changes.)
#include "game/libraryfolders.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char* what) {
    std::fprintf(stderr, "fuzz_libraryfolders: %s\n", what);
    std::abort();
}

QByteArray escaped(const QString& path) {
    QByteArray text = path.toUtf8();
    text.replace("\\", "\\\\").replace("\"", "\\\"");
    return text;
}

QByteArray composeLibraryFolders(const QStringList& paths) {
    QByteArray text = "\"libraryfolders\"\n{\n";
    for (qsizetype i = 0; i < paths.size(); ++i) {
        text += "\t\"" + QByteArray::number(i) + "\"\n\t{\n\t\t\"path\"\t\t\"" +
                escaped(paths.at(i)) + "\"\n\t}\n";
    }
    return text + "}\n";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList first = libraryFolderPaths(input);
    for (const QString& path : first) {
        if (path.isEmpty())
            fail("an empty path was read");
    }
    const QByteArray written = composeLibraryFolders(first);
    const QStringList second = libraryFolderPaths(written);
    if (first != second) {
        std::fprintf(stderr, "written:\n%s\n", written.constData());
        fail("a written list does not read back to the same paths");
    }
    return 0;
}
