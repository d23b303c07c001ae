#include "roster/botsini.h"

#include "roster/codepage.h"
#include "roster/module1.h"
#include "roster/rosterview.h"

#include <QDir>
#include <QFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString CrLf = u"\r\n"_s;

enum class Section { None, Bot, Map };

// Letter case ignored. Texts of different lengths never match, so their letters are not compared.
bool same(QStringView a, QStringView b) {
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

struct KeyLine {
    QStringView key;
    QStringView value;
};

// Key and value of a line inside a section, or nothing when the line holds no usable key: what
// splitPart gives for the separator "=", with the separator looked for once.
std::optional<KeyLine> keyLine(QStringView line) {
    const qsizetype p = line.indexOf(u'=');
    if (p <= 0)
        return std::nullopt; // no separator, or nothing in front of it
    const QStringView back = line.mid(p + 1);
    return KeyLine{trimSpaces(line.left(p)), back.isEmpty() ? QStringView() : trimSpaces(back)};
}

void storeBotKey(BotEntry& bot, const KeyLine& kv) {
    const QString value = kv.value.toString();
    if (same(kv.key, u"name"))
        bot.Name = value;
    else if (same(kv.key, u"model"))
        bot.Model = value;
    else if (same(kv.key, u"topcolor"))
        bot.TopColor = value;
    else if (same(kv.key, u"bottomcolor"))
        bot.BottomColor = value;
}

void storeMapKey(MapEntry& map, const KeyLine& kv) {
    const QString value = kv.value.toString();
    if (same(kv.key, u"name"))
        map.Name = value;
    else if (same(kv.key, u"random"))
        map.Random = value;
    else if (same(kv.key, u"quantity"))
        map.Quantity = value;
    else if (same(kv.key, u"initialdelay"))
        map.InitialDelay = value;
    else if (same(kv.key, u"spawndelay"))
        map.SpawnDelay = value;
    else if (same(kv.key, u"waitforplayers"))
        map.WaitForPlayers = value;
    else if (same(kv.key, u"keepserverfull"))
        map.KeepServerFull = value;
}

// What Text1 shows of the file: every line as read (a line inside a section trimmed of spaces,
// unless it is a header), each ended by CR LF. For a file that already reads that way, as any
// file the program wrote does, that is the file's text itself, kept without a copy; a copy is
// made from the first line that differs on.
class ShownText {
public:
    explicit ShownText(const QString& fileText) : text(fileText) {}

    // line: what to show of the line text[start, end); next: where the following line starts.
    void add(QStringView line, qsizetype start, qsizetype end, qsizetype next) {
        if (!copying) {
            const bool asRead = line.size() == end - start && next == end + 2; // ended by CR LF
            if (asRead)
                return;
            copying = true;
            shown.reserve(text.size() + text.size() / 16);
            shown.append(QStringView(text).left(start));
        }
        shown += line;
        shown += CrLf;
    }

    QString result() const { return copying ? shown : text; }

private:
    const QString& text;
    QString shown;
    bool copying = false;
};

// Reads the lines of text into the roster and collects them for Text1. Returns false when it had
// to stop early (a list would pass its limit).
bool readLines(Module1& m, const QString& text, ShownText& shown, qint16& maps, qint16& bots) {
    Section section = Section::None;
    const qsizetype size = text.size();
    qsizetype start = 0;
    while (start < size) {
        // A line ends at CR LF or at a lone CR; a lone LF belongs to the line.
        qsizetype end = text.indexOf(u'\r', start);
        qsizetype next = 0;
        if (end < 0) {
            end = size;
            next = size;
        } else {
            next = (end + 1 < size && text.at(end + 1) == u'\n') ? end + 2 : end + 1;
        }
        QStringView line = QStringView(text).mid(start, end - start);

        const bool maybeHeader = !line.isEmpty() && line.front() == u'[';
        const bool isBot = maybeHeader && same(line, u"[Bot]");
        const bool isDefaultMap = maybeHeader && same(line, u"[DefaultMap]");
        const bool isMap = isDefaultMap || (maybeHeader && same(line, u"[Map]"));
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
                    storeBotKey(m.Bots[bots], *kv);
                else
                    storeMapKey(m.Maps[maps], *kv);
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

} // namespace

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

QStringView trimSpaces(QStringView text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

QString botsIniPath(const QString& programFolder) {
    return QDir(programFolder).filePath(u"bots.ini"_s);
}

void readBotsIni(Module1& m, const QByteArray& bytes, bool opened) {
    m.LineBreak = CrLf;
    qint16 maps = 0;
    qint16 bots = 0;
    if (opened) {
        const QString text = decodeCodePage(bytes);
        // Room for every entry the text could hold (each header starts with "["), so the lists
        // never move while they fill. Room not filled is never touched.
        const qsizetype most = std::min<qsizetype>(text.count(u'['), Module1::MaxEntries) + 1;
        m.Maps.reserve(most);
        m.Bots.reserve(most);
        ShownText shown(text);
        if (readLines(m, text, shown, maps, bots))
            m.view->setText1(shown.result());
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
