// Feeds arbitrary bytes to the bots.ini reader. Besides the sanitizers' findings it checks:
//  - the roster always ends up with 1 to 32767 maps and bots, each list one slot longer (the
//    spare slot 0);
//  - what the program writes is stable: a file it wrote reads back into a roster that writes
//    the very same text. (The first read may lose things for good: spaces around values,
//    keys it does not know, a map name "default" in another letter case. After that, nothing.)
//  - the close question's comparison agrees: a roster is the same as itself, and as the roster
//    its written file reads back into.
#include "roster/botsini.h"
#include "roster/codepage.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char* what) {
    std::fprintf(stderr, "fuzz_botsini: %s\n", what);
    std::abort();
}

template <typename Entry> void checkShape(const EntryList<Entry>& list) {
    if (list.count() < 1 || list.count() > EntryList<Entry>::MaxEntries)
        fail("entry count out of range");
    if (list.entries().size() != qsizetype(list.count()) + 1)
        fail("list is not count + 1 long");
}

struct Composed {
    Roster roster;
    QByteArray written;
};

// The roster read from bytes, composed as the file's bytes; they must be bytes of the code page,
// ended by a line break.
Composed readAndCompose(const QByteArray& bytes) {
    const BotsIniRead read = readBotsIni(bytes);
    checkShape(read.roster.maps);
    checkShape(read.roster.bots);
    if (!composesSame(read.roster, read.roster))
        fail("a roster does not compare the same as itself");
    QByteArray written = composeBotsIniFile(read.roster);
    if (!written.endsWith(BotsIniLineBreak.latin1()) ||
        encodeCodePage(decodeCodePage(written)) != written)
        fail("the file's bytes do not end in a line break, or are not the code page's");
    return {read.roster, written};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const Composed first = readAndCompose(input);
    const Composed second = readAndCompose(first.written);
    if (first.written != second.written) {
        std::fprintf(stderr, "first:\n%s\nsecond:\n%s\n", first.written.constData(),
                     second.written.constData());
        fail("a written file does not read back to the same bytes");
    }
    if (!composesSame(first.roster, second.roster))
        fail("a roster does not compare the same as the one its file reads back into");
    return 0;
}
