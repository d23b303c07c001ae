#include "roster/botsini.h"

#include "roster/codepage.h"

#include <QDir>
#include <QHash>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <type_traits>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

enum class Section { None, Bot, Map };

// Letter case ignored. Texts of different lengths never match, so their letters are not compared.
bool same(QStringView a, QStringView b) {
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

// The reader works on the file's bytes and decodes only the values it keeps: the code page gives
// every byte one character, so positions and lengths are the same in bytes and in text. Keys and
// headers are ASCII, so comparing bytes with ASCII case folding finds what comparing the decoded
// text would. b is lower case.
bool same(QByteArrayView a, QLatin1StringView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != b[i])
            return false;
    }
    return true;
}

// Removes the space character (only) from both ends.
QByteArrayView trimSpaces(QByteArrayView text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == ' ')
        ++first;
    while (last > first && text[last - 1] == ' ')
        --last;
    return text.sliced(first, last - first);
}

// Values that repeat (numbers, "Yes" and "No", stock models and maps) share one string instead
// of each entry holding a copy: a full roster takes far less memory and reads faster.
class ValueCache {
public:
    QString value(QByteArrayView bytes) {
        if (bytes.size() > LongestShared)
            return decodeCodePage(bytes);
        const auto found = cache.constFind(bytes);
        if (found != cache.cend())
            return *found;
        QString text = decodeCodePage(bytes);
        if (cache.size() < MostShared)
            cache.insert(bytes, text);
        return text;
    }

private:
    static constexpr qsizetype LongestShared = 16;
    static constexpr qsizetype MostShared = 1024;
    QHash<QByteArrayView, QString> cache; // the keys point into the bytes being read
};

struct KeyLine {
    QByteArrayView key;
    QByteArrayView value;
};

// Key and value of a line inside a section, or nothing when the line holds no usable key: the key
// is what comes before the first "=" and must not be empty, the value what follows it, both
// trimmed of spaces.
std::optional<KeyLine> keyLine(QByteArrayView line) {
    const qsizetype p = line.indexOf('=');
    if (p <= 0)
        return std::nullopt; // no separator, or nothing in front of it
    return KeyLine{trimSpaces(line.first(p)), trimSpaces(line.sliced(p + 1))};
}

// One key of a section: how the reader knows it (lower case), how the writer lays it out, and
// the field it fills. The writer puts the keys out in this order.
template <typename Entry> struct KeyField {
    QLatin1StringView key;
    QLatin1StringView label;
    QString Entry::*field;
};
template <typename Entry> using KeyTable = std::initializer_list<KeyField<Entry>>;

const KeyTable<BotEntry> BotKeys = {
    {"name"_L1, "Name            = "_L1, &BotEntry::name},
    {"model"_L1, "Model           = "_L1, &BotEntry::model},
    {"topcolor"_L1, "TopColor        = "_L1, &BotEntry::topColor},
    {"bottomcolor"_L1, "BottomColor     = "_L1, &BotEntry::bottomColor}};
const KeyTable<MapEntry> MapKeys = {
    {"name"_L1, "Name            = "_L1, &MapEntry::name},
    {"quantity"_L1, "Quantity        = "_L1, &MapEntry::quantity},
    {"random"_L1, "Random          = "_L1, &MapEntry::random},
    {"initialdelay"_L1, "InitialDelay    = "_L1, &MapEntry::initialDelay},
    {"spawndelay"_L1, "SpawnDelay      = "_L1, &MapEntry::spawnDelay},
    {"waitforplayers"_L1, "WaitForPlayers  = "_L1, &MapEntry::waitForPlayers},
    {"keepserverfull"_L1, "KeepServerFull  = "_L1, &MapEntry::keepServerFull}};

// A key the section does not know is ignored.
template <typename Entry>
void storeKey(Entry& entry, const KeyLine& kv, const KeyTable<Entry>& keys, ValueCache& values) {
    for (const auto& [key, label, field] : keys) {
        if (same(kv.key, key)) {
            entry.*field = values.value(kv.value);
            return;
        }
    }
}

// Only counts: UTF-16 units for values, never fewer than the bytes the code page gives them.
struct SizeOut {
    qsizetype size = 0;
    void operator()(QLatin1StringView ascii) { size += ascii.size(); }
    void operator()(const QString& value) { size += value.size(); }
};
// As the file's bytes in its code page, into room that SizeOut counted. Labels, headers and line
// breaks are ASCII, the same in both.
struct BytesOut {
    char* at;
    void operator()(QLatin1StringView ascii) {
        std::memcpy(at, ascii.data(), size_t(ascii.size()));
        at += ascii.size();
    }
    void operator()(const QString& value) { at = writeCodePage(at, value); }
};

// The section's key lines in table order; the name line is left out where the header says it.
template <typename Out, typename Entry>
void composeKeys(Out& out, const Entry& entry, const KeyTable<Entry>& keys, bool withName) {
    for (const auto& [key, label, field] : keys) {
        if (!withName && field == &Entry::name)
            continue;
        out(label);
        out(entry.*field);
        out(BotsIniLineBreak);
    }
}

// All map sections, then all bots, each section ended by an empty line.
template <typename Out> void compose(const Roster& roster, Out& out) {
    const auto& maps = roster.maps.entries();
    const auto& bots = roster.bots.entries();
    // From 1: slot 0 is the spare, never written.
    for (qsizetype i = 1; i < maps.size(); ++i) {
        const MapEntry& map = maps.at(i);
        const bool isDefault = same(map.name, u"Default");
        out(isDefault ? "[DefaultMap]"_L1 : "[Map]"_L1);
        out(BotsIniLineBreak);
        composeKeys(out, map, MapKeys, !isDefault);
        out(BotsIniLineBreak);
    }
    for (qsizetype i = 1; i < bots.size(); ++i) {
        out("[Bot]"_L1);
        out(BotsIniLineBreak);
        composeKeys(out, bots.at(i), BotKeys, true);
        out(BotsIniLineBreak);
    }
}

// What the INI page shows of the file: every line as read (a line inside a section trimmed of
// spaces, unless it is a header), each ended by CR LF. For a file that already reads that way, as
// any file the program wrote does, that is the file's bytes themselves, kept without a copy; a copy
// is made from the first line that differs on.
class ShownText {
public:
    explicit ShownText(const QByteArray& fileBytes) : bytes(fileBytes) {}

    // line: what to show of the line bytes[start, end); next: where the following line starts.
    void add(QByteArrayView line, qsizetype start, qsizetype end, qsizetype next) {
        if (!copying) {
            const bool asRead = line.size() == end - start && next == end + 2; // ended by CR LF
            if (asRead)
                return;
            copying = true;
            shown.reserve(bytes.size() + bytes.size() / 16);
            shown.append(QByteArrayView(bytes).first(start));
        }
        shown += line;
        shown += "\r\n";
    }

    QByteArray result() const { return copying ? shown : bytes; }

private:
    const QByteArray& bytes;
    QByteArray shown;
    bool copying = false;
};

// Where the line that starts at start ends, and where the next one starts. A line ends at CR LF
// or at a lone CR; a lone LF belongs to the line.
std::pair<qsizetype, qsizetype> lineEnd(const QByteArray& bytes, qsizetype start) {
    const char* const data = bytes.constData();
    const qsizetype size = bytes.size();
    const void* cr = std::memchr(data + start, '\r', size_t(size - start));
    if (!cr)
        return {size, size};
    const qsizetype end = static_cast<const char*>(cr) - data;
    return {end, (end + 1 < size && data[end + 1] == '\n') ? end + 2 : end + 1};
}

// The map and bot headers from start on: what a stop at the limit leaves unread. Only a line
// starting with "[" is looked at.
void countHeaders(const QByteArray& bytes, qsizetype start, BotsIniRead& read) {
    while (start < bytes.size()) {
        const auto [end, next] = lineEnd(bytes, start);
        const QByteArrayView line(bytes.constData() + start, end - start);
        if (!line.isEmpty() && line.front() == '[') {
            if (same(line, "[bot]"_L1))
                ++read.unreadBots;
            else if (same(line, "[map]"_L1) || same(line, "[defaultmap]"_L1))
                ++read.unreadMaps;
        }
        start = next;
    }
}

// Reads the lines of the file into the two lists (each with its spare slot in front) and collects
// them for the INI page. Returns where it had to stop early (a list would pass its limit), or -1.
qsizetype readLines(const QByteArray& bytes, QList<MapEntry>& maps, QList<BotEntry>& bots,
                    ShownText& shown) {
    constexpr qsizetype mostSlots = qsizetype(EntryList<BotEntry>::MaxEntries) + 1;
    Section section = Section::None;
    ValueCache values;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const auto [end, next] = lineEnd(bytes, start);
        QByteArrayView line(bytes.constData() + start, end - start);

        const bool maybeHeader = !line.isEmpty() && line.front() == '[';
        const bool isBot = maybeHeader && same(line, "[bot]"_L1);
        const bool isDefaultMap = maybeHeader && same(line, "[defaultmap]"_L1);
        const bool isMap = isDefaultMap || (maybeHeader && same(line, "[map]"_L1));
        if (isBot) {
            if (bots.size() >= mostSlots)
                return start;
            bots.emplace_back();
            section = Section::Bot;
        } else if (isMap) {
            if (maps.size() >= mostSlots)
                return start;
            maps.emplace_back();
            section = Section::Map;
            if (isDefaultMap)
                maps.back().name = u"Default"_s;
        } else if (section != Section::None) {
            line = trimSpaces(line);
            if (const auto kv = keyLine(line)) {
                if (section == Section::Bot)
                    storeKey(bots.back(), *kv, BotKeys, values);
                else
                    storeKey(maps.back(), *kv, MapKeys, values);
            }
        }
        shown.add(line, start, end, next);
        start = next;
    }
    return -1;
}

// Whether the writer puts out the same key lines for both entries. Values that differ as text
// may still be written alike: the code page writes each character it lacks as "?".
template <typename Entry>
bool writesSame(const Entry& a, const Entry& b, const KeyTable<Entry>& keys, bool withName) {
    for (const auto& [key, label, field] : keys) {
        if ((withName || field != &Entry::name) && a.*field != b.*field &&
            encodeCodePage(a.*field) != encodeCodePage(b.*field))
            return false;
    }
    return true;
}

} // namespace

QString botsIniPath(const QString& programFolder) {
    return QDir(programFolder).filePath(u"bots.ini"_s);
}

BotsIniRead readBotsIni(const QByteArray& bytes) {
    BotsIniRead read;
    QList<MapEntry> maps(1);
    QList<BotEntry> bots(1);
    // Room for every entry the file could hold (each header starts with "["), so the lists never
    // move while they fill. Room not filled is never touched.
    const qsizetype most =
        std::min<qsizetype>(bytes.count('['), EntryList<MapEntry>::MaxEntries) + 1;
    maps.reserve(most);
    bots.reserve(most);
    ShownText shown(bytes);
    const qsizetype stop = readLines(bytes, maps, bots, shown);
    read.readToEnd = stop < 0;
    if (!read.readToEnd)
        countHeaders(bytes, stop, read);
    if (read.readToEnd)
        read.text = shown.result();
    read.roster.maps = EntryList<MapEntry>::fromFile(std::move(maps));
    read.roster.bots = EntryList<BotEntry>::fromFile(std::move(bots));
    return read;
}

QByteArray composeBotsIniFile(const Roster& roster) {
    SizeOut counted;
    compose(roster, counted);
    counted(BotsIniLineBreak);
    QByteArray bytes(counted.size, Qt::Uninitialized);
    BytesOut out{bytes.data()};
    compose(roster, out);
    out(BotsIniLineBreak);
    bytes.truncate(out.at - bytes.constData()); // a surrogate pair took two units, gives one byte
    return bytes;
}

namespace {

bool entryWritesSame(const MapEntry& map, const MapEntry& other) {
    const bool isDefault = same(map.name, u"Default");
    return isDefault == same(other.name, u"Default") && writesSame(map, other, MapKeys, !isDefault);
}
bool entryWritesSame(const BotEntry& bot, const BotEntry& other) {
    return writesSame(bot, other, BotKeys, true);
}

// Whether list a, with aOnView in place of its entry on view, is written as list b is. Lists
// that share their entries (the roster and the one Save INI just wrote) can differ only there.
template <typename Entry>
bool listWritesSame(const EntryList<Entry>& a, const EntryList<Entry>& b, const Entry* aOnView) {
    const int onView = aOnView ? a.storeIndex() : -1;
    const bool shared = a.entries().constData() == b.entries().constData();
    for (int i = 1; i <= a.count(); ++i) {
        if ((!shared || i == onView) && !entryWritesSame(i == onView ? *aOnView : a.at(i), b.at(i)))
            return false;
    }
    return true;
}

} // namespace

bool composesSame(const Roster& a, const Roster& b, EntriesOnView aOnView) {
    return a.maps.count() == b.maps.count() && a.bots.count() == b.bots.count() &&
           listWritesSame(a.maps, b.maps, aOnView.map) &&
           listWritesSame(a.bots, b.bots, aOnView.bot);
}

namespace {

QString composedSection(const Roster& roster) {
    // The file's one more line break is no part of the section.
    return decodeCodePage(composeBotsIniFile(roster)).chopped(BotsIniLineBreak.size());
}

// The entries a read gave from their headers: a list the text left empty holds one default entry
// that no header made, and the reader leaves such a list without paging.
template <typename Entry> qsizetype readFromHeaders(const EntryList<Entry>& list) {
    return list.canPage() ? list.count() : 0;
}

// The text with every LF that no CR comes before made a CR LF, in the code page.
QByteArray withCrLf(const QString& text) {
    QString lines;
    lines.reserve(text.size() + text.count(u'\n'));
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r'))
            lines += u'\r';
        lines += text[i];
    }
    return encodeCodePage(lines);
}

} // namespace

QString composeBotsIniEntry(const BotEntry& bot) {
    Roster roster;
    roster.bots = EntryList<BotEntry>({BotEntry(), bot});
    return composedSection(roster);
}

QString composeBotsIniEntry(const MapEntry& map) {
    Roster roster;
    roster.maps = EntryList<MapEntry>({MapEntry(), map});
    return composedSection(roster);
}

template <typename Entry> PastedEntries<Entry> pasteEntries(const QString& text, int listCount) {
    constexpr bool bots = std::is_same_v<Entry, BotEntry>;
    const BotsIniRead read = readBotsIni(withCrLf(text));
    const auto& own = [&read]() -> const EntryList<Entry>& {
        if constexpr (bots)
            return read.roster.bots;
        else
            return read.roster.maps;
    }();
    PastedEntries<Entry> pasted;
    pasted.otherKind = bots ? readFromHeaders(read.roster.maps) + read.unreadMaps
                            : readFromHeaders(read.roster.bots) + read.unreadBots;
    const qsizetype found = readFromHeaders(own);
    const qsizetype room = qMax(0, EntryList<Entry>::MaxEntries - listCount);
    const qsizetype taken = qMin(found, room);
    pasted.entries = own.entries().sliced(1, taken);
    pasted.notFitting = found - taken + (bots ? read.unreadBots : read.unreadMaps);
    return pasted;
}

template PastedEntries<BotEntry> pasteEntries<BotEntry>(const QString&, int);
template PastedEntries<MapEntry> pasteEntries<MapEntry>(const QString&, int);
