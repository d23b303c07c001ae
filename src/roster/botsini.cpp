#include "roster/botsini.h"

#include "roster/codepage.h"
#include "roster/module1.h"
#include "roster/rosterview.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString CrLf = u"\r\n"_s;

enum class Section { None, Bot, Map };

// Letter case ignored. Texts of different lengths never match, so their letters are not compared.
bool same(QStringView a, QStringView b) {
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

// The reader works on the file's bytes and decodes only the values it keeps: the code page gives
// every byte one character, so positions and lengths are the same in bytes and in text. Keys and
// headers are ASCII, and no character of the code page other than an ASCII letter has an ASCII
// letter as its case-insensitive match, so comparing bytes with ASCII case folding finds what
// comparing the decoded text would.
char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// b is lower case.
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

// Key and value of a line inside a section, or nothing when the line holds no usable key: what
// splitPart gives for the separator "=", with the separator looked for once.
std::optional<KeyLine> keyLine(QByteArrayView line) {
    const qsizetype p = line.indexOf('=');
    if (p <= 0)
        return std::nullopt; // no separator, or nothing in front of it
    return KeyLine{trimSpaces(line.first(p)), trimSpaces(line.sliced(p + 1))};
}

// The keys of each section and the field each one fills.
template <typename Entry>
using KeyFields = std::initializer_list<std::pair<QLatin1StringView, QString Entry::*>>;

const KeyFields<BotEntry> BotKeys = {{"name"_L1, &BotEntry::Name},
                                     {"model"_L1, &BotEntry::Model},
                                     {"topcolor"_L1, &BotEntry::TopColor},
                                     {"bottomcolor"_L1, &BotEntry::BottomColor}};
const KeyFields<MapEntry> MapKeys = {{"name"_L1, &MapEntry::Name},
                                     {"random"_L1, &MapEntry::Random},
                                     {"quantity"_L1, &MapEntry::Quantity},
                                     {"initialdelay"_L1, &MapEntry::InitialDelay},
                                     {"spawndelay"_L1, &MapEntry::SpawnDelay},
                                     {"waitforplayers"_L1, &MapEntry::WaitForPlayers},
                                     {"keepserverfull"_L1, &MapEntry::KeepServerFull}};

// A key the section does not know is ignored.
template <typename Entry>
void storeKey(Entry& entry, const KeyLine& kv, const KeyFields<Entry>& keys, ValueCache& values) {
    for (const auto& [key, field] : keys) {
        if (same(kv.key, key)) {
            entry.*field = values.value(kv.value);
            return;
        }
    }
}

// What Text1 shows of the file: every line as read (a line inside a section trimmed of spaces,
// unless it is a header), each ended by CR LF. For a file that already reads that way, as any
// file the program wrote does, that is the file's bytes themselves, kept without a copy; a copy
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

// Reads the lines of the file into the roster and collects them for Text1. Returns false when it
// had to stop early (a list would pass its limit).
bool readLines(Module1& m, const QByteArray& bytes, ShownText& shown, qint16& maps, qint16& bots) {
    Section section = Section::None;
    ValueCache values;
    const char* const data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    while (start < size) {
        // A line ends at CR LF or at a lone CR; a lone LF belongs to the line.
        const void* cr = std::memchr(data + start, '\r', size_t(size - start));
        qsizetype end = size;
        qsizetype next = size;
        if (cr) {
            end = static_cast<const char*>(cr) - data;
            next = (end + 1 < size && data[end + 1] == '\n') ? end + 2 : end + 1;
        }
        QByteArrayView line(data + start, end - start);

        const bool maybeHeader = !line.isEmpty() && line.front() == '[';
        const bool isBot = maybeHeader && same(line, "[bot]"_L1);
        const bool isDefaultMap = maybeHeader && same(line, "[defaultmap]"_L1);
        const bool isMap = isDefaultMap || (maybeHeader && same(line, "[map]"_L1));
        if (isBot) {
            if (bots >= Module1::MaxEntries)
                return false;
            m.resizeBots(++bots);
            section = Section::Bot;
        } else if (isMap) {
            if (maps >= Module1::MaxEntries)
                return false;
            m.resizeMaps(++maps);
            section = Section::Map;
            if (isDefaultMap)
                m.Maps[maps].Name = u"Default"_s;
        } else if (section != Section::None) {
            line = trimSpaces(line);
            if (const auto kv = keyLine(line)) {
                if (section == Section::Bot)
                    storeKey(m.Bots[bots], *kv, BotKeys, values);
                else
                    storeKey(m.Maps[maps], *kv, MapKeys, values);
            }
        }
        shown.add(line, start, end, next);
        start = next;
    }
    return true;
}

void appendKey(QString& text, QLatin1StringView label, const QString& value) {
    text += label;
    text += value;
    text += CrLf;
}

// The front or back of a key line, or nothing where SplitSetting reports an error.
std::optional<QStringView> splitPart(QStringView line, QStringView separator, bool front) {
    if (line.isEmpty() || separator.isEmpty())
        return std::nullopt;
    const qsizetype p = line.indexOf(separator, 0, Qt::CaseInsensitive);
    if (p < 0)
        return std::nullopt;
    const QStringView result = front ? line.left(p) : line.mid(p + separator.size());
    if (result.isEmpty())
        return std::nullopt;
    return result;
}

} // namespace

QString SplitSetting(const QString& line, const QString& separator, const QString& part) {
    if (line.isEmpty())
        return u"Err5"_s;
    if (separator.isEmpty() || !line.contains(separator, Qt::CaseInsensitive))
        return u"Err2"_s;
    if (same(part, u"F")) {
        const auto front = splitPart(line, separator, true);
        return front ? front->toString() : u"Err3"_s;
    }
    if (same(part, u"B")) {
        const auto back = splitPart(line, separator, false);
        return back ? back->toString() : u"Err4"_s;
    }
    return u"Err1"_s;
}

QString botsIniPath(const QString& programFolder) {
    return QDir(programFolder).filePath(u"bots.ini"_s);
}

void readBotsIni(Module1& m, const QByteArray& bytes, bool opened) {
    m.LineBreak = CrLf;
    qint16 maps = 0;
    qint16 bots = 0;
    if (opened) {
        // Room for every entry the file could hold (each header starts with "["), so the lists
        // never move while they fill. Room not filled is never touched.
        const qsizetype most = std::min<qsizetype>(bytes.count('['), Module1::MaxEntries) + 1;
        m.Maps.reserve(most);
        m.Bots.reserve(most);
        ShownText shown(bytes);
        if (readLines(m, bytes, shown, maps, bots))
            m.view->setText1FromFile(shown.result());
    }

    m.MapCount = maps;
    if (maps == 0) {
        m.AddMap();
        m.view->setControlEnabled(RosterControl::HScroll1, false);
    } else {
        m.view->setScrollMaximum(RosterControl::HScroll1, maps + 1);
    }
    m.BotCount = bots;
    if (bots == 0) {
        m.AddBot();
        m.view->setControlEnabled(RosterControl::HScroll2, false);
    } else {
        m.view->setScrollMaximum(RosterControl::HScroll2, bots + 1);
    }
}

void LoadBotsIni(Module1& m, const QString& programFolder) {
    QFile file(botsIniPath(programFolder));
    if (!file.open(QIODevice::ReadOnly)) {
        readBotsIni(m, {}, false);
        return;
    }
    const QByteArray bytes = file.readAll();
    const bool failed = file.error() != QFileDevice::NoError;
    file.close();
    readBotsIni(m, bytes, !failed);
}

QString composeBotsIni(const Module1& m) {
    QString text;
    text.reserve(qsizetype(m.MapCount) * 200 + qsizetype(m.BotCount) * 120);
    // int, not qint16: a full list ends at 32767, where a qint16 would wrap around and never end.
    for (int i = 1; i <= m.MapCount; ++i) {
        const MapEntry& map = m.Maps.at(i);
        if (same(map.Name, u"Default")) {
            text += u"[DefaultMap]"_s + CrLf;
        } else {
            text += u"[Map]"_s + CrLf;
            appendKey(text, "Name            = "_L1, map.Name);
        }
        appendKey(text, "Quantity        = "_L1, map.Quantity);
        appendKey(text, "Random          = "_L1, map.Random);
        appendKey(text, "InitialDelay    = "_L1, map.InitialDelay);
        appendKey(text, "SpawnDelay      = "_L1, map.SpawnDelay);
        appendKey(text, "WaitForPlayers  = "_L1, map.WaitForPlayers);
        appendKey(text, "KeepServerFull  = "_L1, map.KeepServerFull);
        text += CrLf;
    }
    for (int i = 1; i <= m.BotCount; ++i) {
        const BotEntry& bot = m.Bots.at(i);
        text += u"[Bot]"_s + CrLf;
        appendKey(text, "Name            = "_L1, bot.Name);
        appendKey(text, "Model           = "_L1, bot.Model);
        appendKey(text, "TopColor        = "_L1, bot.TopColor);
        appendKey(text, "BottomColor     = "_L1, bot.BottomColor);
        text += CrLf;
    }
    return text;
}

QString SaveBotsIni(Module1& m) {
    m.LineBreak = CrLf;
    QString text = composeBotsIni(m);
    m.view->setText1(text);
    return text;
}
