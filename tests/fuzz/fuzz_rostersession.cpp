// Plays the bytes as a session of the player's operations on the open roster, each step checked
// against a plain model of the roster (tests/support/rostersession.h): the first byte chooses the
// files' sizes, then a byte chooses an operation (rostersession.dict names them) and the bytes
// after it what the operation does. Where the document and the model part, or a check fails, the
// run ends with the last steps and the input, its operations named, that plays them again.
#include "rostersession.h"

#include <QByteArray>
#include <QCoreApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The document's timers need the application's event dispatcher.
    static int argc = 1;
    static char name[] = "fuzz_rostersession";
    static char* argv[] = {name, nullptr};
    static const QCoreApplication application(argc, argv);
    const QString fault =
        playSession(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "fuzz_rostersession: %s\n", qPrintable(fault));
        std::abort();
    }
    return 0;
}
