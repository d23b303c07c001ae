#include "rostersession.h"

#include "app/rosterdocument.h"
#include "roster/botsini.h"
#include "roster/codepage.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int Most = 32767;  // the most entries a list of bots.ini may hold
constexpr int Budget = 1500; // what a session may spend (see playSession)

// Whether two entries say the same: a map's Random spelled anew is no change.
template <typename Entry> bool same(const Entry& a, const Entry& b) {
    return a == b || asShown(a) == asShown(b);
}

template <typename Entry> QString described(const Entry& entry) {
    QStringList fields;
    for (int f = 0; f < fieldCount<Entry>(); ++f)
        fields << fieldOf(entry, f);
    return QString::fromLatin1(fields.join(u'|').toUtf8().toPercentEncoding(" |"));
}

// Where two lists of entries part (0 is the spare a page stores into while the list is empty).
template <typename Entry> QString parting(const QList<Entry>& items, const QList<Entry>& expected) {
    for (qsizetype i = 1; i < qMax(items.size(), expected.size()); ++i) {
        if (i >= qMin(items.size(), expected.size()) || !same(items.at(i), expected.at(i)))
            return u"%1 entries, expected %2; entry %3 is %4, expected %5"_s.arg(
                QString::number(items.size() - 1), QString::number(expected.size() - 1),
                QString::number(i), described(items.value(i)), described(expected.value(i)));
    }
    return {};
}
QString parting(const Roster& roster, const Roster& expected) {
    const QString bots = parting(roster.bots.entries(), expected.bots.entries());
    return bots.isEmpty() ? parting(roster.maps.entries(), expected.maps.entries()) : bots;
}

// A list as plainly as it goes: its entries (0 is the spare a page stores into while the list is
// empty) and the one on view.
template <typename Entry> struct ModelList {
    QList<Entry> items{Entry()};
    int current = 1;

    int count() const { return int(items.size()) - 1; }
    int onView() const { return qMin(current, count()); }
    bool hasEntry() const { return current >= 1 && current <= count(); }
    bool mayLeave() const { return current < 1 || items.at(onView()).isComplete(); }
    // Entry k + 1 becomes what entry order[k] was; the one on view follows its entry, or where
    // that is gone, the one before it that stays (none: the last).
    void reorder(const QList<int>& order) {
        QList<Entry> placed{items.at(0)};
        for (const int i : order)
            placed << items.at(i);
        const qsizetype at = order.indexOf(current);
        const auto before =
            std::count_if(order.begin(), order.end(), [this](int i) { return i < current; });
        current = int(at >= 0 ? at + 1 : (before > 0 ? before : order.size()));
        items = placed;
    }
};
using ModelLists = std::pair<ModelList<BotEntry>, ModelList<MapEntry>>;

// The roster with its history: each step keeps both lists before and after it, and undo puts
// back the list the step changed, all but its spare. The rules of the operations are the
// session's (onList).
struct Model {
    ModelLists now;
    QList<std::tuple<bool, ModelLists, ModelLists>> steps; // on the bots, before, after
    qsizetype done = 0;

    template <typename Entry> ModelList<Entry>& list() { return std::get<ModelList<Entry>>(now); }
    void load(const Roster& roster) {
        now = {{roster.bots.entries()}, {roster.maps.entries()}};
        steps.clear();
        done = 0;
    }
    // A step of rule where it is allowed; whether taken.
    template <typename Entry, typename Rule> bool change(bool allowed, Rule rule) {
        if (!allowed)
            return false;
        const ModelLists before = now;
        rule(list<Entry>());
        steps.resize(done);
        steps.append({std::is_same_v<Entry, BotEntry>, before, now});
        done = steps.size();
        return true;
    }
    bool step(bool forward) {
        if (forward ? done == steps.size() : done == 0)
            return false;
        const auto& [bots, before, after] = steps.at(forward ? done++ : --done);
        bots ? putBack(now.first, (forward ? after : before).first)
             : putBack(now.second, (forward ? after : before).second);
        return true;
    }
    template <typename Entry> static void putBack(ModelList<Entry>& l, const ModelList<Entry>& to) {
        const Entry spare = l.items.at(0);
        l = to;
        if (!(l.items.at(0) == spare))
            l.items[0] = spare;
    }
};

// Whether the document's list is the model's: its entries, and the one on view as a page shows
// it.
template <typename Entry>
QString listFault(const ListEditor<Entry>& editor, const ModelList<Entry>& model) {
    if (QString fault = parting(editor.list().entries(), model.items); !fault.isEmpty())
        return fault;
    const Entry shown = asShown(model.items.at(model.onView()));
    if (editor.list().current() == model.current && editor.draft() == shown)
        return {};
    return u"entry %1 on view showing %2, the model's %3 showing %4"_s.arg(
        QString::number(editor.list().current()), described(editor.draft()),
        QString::number(model.current), described(shown));
}

// Whether every value comes back whole from the file (no spaces at its ends, no CR, no character
// the code page lacks), and the list is not empty.
template <typename Entry> bool comesBackWhole(const EntryList<Entry>& l) {
    for (int i = 1; i <= l.count(); ++i) {
        for (int f = 0; f < fieldCount<Entry>(); ++f) {
            const QString& v = fieldOf(l.at(i), f);
            if (v.contains(u'\r') || v.startsWith(u' ') || v.endsWith(u' ') ||
                decodeCodePage(encodeCodePage(v)) != v)
                return false;
        }
    }
    return l.count() > 0;
}
bool comesBackWhole(const Roster& roster) {
    return comesBackWhole(roster.bots) && comesBackWhole(roster.maps);
}

Roster rosterWithDrafts(const RosterDocument& document) {
    Roster roster = document.roster(); // a list is copied only where its draft differs
    if (!(roster.bots.at(roster.bots.storeIndex()) == document.bots().draft()))
        roster.bots.storeCurrent(document.bots().draft());
    if (!(roster.maps.at(roster.maps.storeIndex()) == document.maps().draft()))
        roster.maps.storeCurrent(document.maps().draft());
    return roster;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A value of a few characters: letters, spaces, line breaks, "=" and "[", and characters the
// file's code page lacks.
QString randomValue(Choices& choices) {
    static const QStringList pieces =
        u"a|Zed|gina|1|Yes|Default| |\r|\n|=|[Bot]|\u00e9|\u20ac|\u0081|\u0100|\U0001F600"_s.split(
            u'|')
        << QString(QChar(0xD800)) << QString(QChar(0));
    QString value;
    for (int n = choices.below(4); n > 0; --n)
        value += pieces.at(choices.below(int(pieces.size())));
    return value;
}

// n sections of the list's kind: the first varied ones of any kind, with keys in any spelling and
// values of any kind, the rest plain.
QByteArray sections(Choices& choices, bool bots, int n, int varied) {
    static const QByteArray headers[] = {"[Bot]", "[Map]", "[DefaultMap]", "[bot]", "; note"};
    static const QByteArray keys[] = {
        "name",   "Model",        "topcolor",   "BottomColor",    "Quantity",
        "random", "InitialDelay", "spawndelay", "WaitForPlayers", "KEEPSERVERFULL"};
    QByteArray text;
    for (int i = 0; i < qMin(n, varied); ++i) {
        text += (choices.below(4) > 0 ? headers[bots ? 0 : 1] : headers[choices.below(5)]) + "\r\n";
        for (int k = choices.below(5); k > 0; --k) {
            const QByteArray& key = keys[choices.below(int(std::size(keys)))];
            const QByteArray spaced = choices.byte() & 1 ? key : " " + key + " ";
            text += spaced + "=" + encodeCodePage(randomValue(choices)) + "\r\n";
        }
    }
    const QByteArray plain =
        bots ? "[Bot]\r\nname=B\r\nmodel=gina\r\n" : "[Map]\r\nname=m\r\nrandom=1\r\n";
    return text + plain.repeated(qMax(0, n - varied));
}

// Entries 1 to count to act on at once, ascending: all of them, one, a run of any length, or a
// few near each other.
QList<int> someIndices(Choices& choices, int count) {
    const int how = choices.below(4);
    const int first = how == 0 ? 1 : 1 + choices.below(count);
    const int length = how == 0 ? count : (how == 2 ? choices.below(count) : 2 * choices.below(8));
    QList<int> indices;
    for (int i = first; i <= qMin(first + (how == 1 ? 0 : length), count);
         i += how == 3 ? 1 + choices.below(3) : 1)
        indices << i;
    return indices;
}

// Most often a few entries; one in six times one of the sizes at the limit, or any.
int listSize(Choices& choices) {
    const int size = choices.below(32);
    if (size < 26)
        return size < 10 ? size % 3 : (size < 20 ? size - 7 : choices.below(300));
    return size == 26 ? choices.below(Most + 1) : Most + 28 - size;
}

// Lower case acts on the bots, upper case on the maps, the rest on the roster.
constexpr char Operations[] = "eEpPaAxXmMdDvVuUrRfFsSkKcCgGiIoO<>!@#$%";

// The player's operations, each on the document as the window makes it and on the model; after
// each, the two are compared. An edit is stored as it is made, as a press on the tab strip stores
// it (the window's session types drafts).
class DocumentSession : public Session {
public:
    using Session::Session;

private:
    RosterDocument& document() override { return *opened; }
    void start(const std::optional<QByteArray>& copy, bool restore) override;
    void step() override;
    QString stepFault() override {
        const QString bots = listFault(opened->bots(), model.now.first);
        return bots.isEmpty() ? listFault(opened->maps(), model.now.second) : bots;
    }
    void finish() override { // the model redone to its end as the document is
        for (bool more = true; more && fault.isEmpty();)
            expect(more = opened->stepHistory(true).has_value(), model.step(true), "Redo");
    }
    void expect(int done, int modelDone, const char* what) {
        if (done != modelDone)
            fail(u"%1 gave %2, the model %3"_s.arg(QLatin1StringView(what), QString::number(done),
                                                   QString::number(modelDone)));
    }
    // Entries put in after entry at as a step where allowed, the first of them shown.
    template <typename Entry> bool insertion(bool allowed, int at, const QList<Entry>& entries) {
        return model.change<Entry>(allowed, [at, &entries](ModelList<Entry>& m) {
            m.items = m.items.first(at + 1) + entries + m.items.sliced(at + 1);
            m.current = at + 1;
        });
    }
    template <typename Entry> void onList(char code);
    void onRoster(char code);
    RosterDocument::Recovery::State load(const QString& path);
    void save();

    std::unique_ptr<RosterDocument> opened;
    Model model;
};

template <typename Entry> void DocumentSession::onList(char code) {
    ListEditor<Entry>& editor = opened->list<Entry>();
    ModelList<Entry>& l = model.list<Entry>();
    switch (code) {
    // An edit of any field with any bytes (a map's Random by its box), stored: a step where the
    // entry changes.
    case 'e': {
        const int field = choices.below(fieldCount<Entry>());
        QString value = randomValue(choices);
        if (std::is_same_v<Entry, MapEntry> && field == RandomField)
            value = choices.byte() & 1 ? u"Yes"_s : u"No"_s;
        steps.last() +=
            u" %1 %2"_s.arg(field).arg(QString::fromLatin1(value.toUtf8().toPercentEncoding()));
        editor.editDraft(field, value);
        editor.storeDraft();
        const int at = l.onView();
        Entry edited = asShown(l.items.at(at));
        fieldOf(edited, field) = value;
        if (!model.change<Entry>(at >= 1 && !same(l.items.at(at), edited),
                                 [at, &edited](auto& m) { m.items[at] = edited; }))
            l.items[at] = edited;
        break;
    }
    case 'p': { // the pager, a step past either end too, or Go to
        if (l.count() == 0)
            break;
        const int to = choices.below(l.count() + 2);
        steps.last() += u" to %1"_s.arg(to);
        const bool leaves = l.mayLeave();
        if (leaves)
            l.current = to < 1 ? l.count() : (to > l.count() ? 1 : to);
        expect(editor.pageTo(to), leaves, "Paging");
        break;
    }
    case 'a':
        expect(editor.add(),
               insertion<Entry>(l.count() < Most, l.count(), {Entry::numbered(l.count() + 1)}),
               "Add");
        break;
    case 'x': {
        const bool removed = model.change<Entry>(l.hasEntry(), [](auto& m) {
            m.items.remove(m.current);
            m.current = m.current > 1 ? m.current - 1 : m.count();
        });
        expect(editor.remove(), removed, "Remove");
        break;
    }
    case 'm': {
        const int by = choices.byte() & 1 ? 1 : -1;
        const int to = l.current + by;
        steps.last() += QString::number(by);
        const bool may = l.hasEntry() && to >= 1 && to <= l.count() && l.mayLeave();
        const bool moved = model.change<Entry>(may, [to](auto& m) {
            m.items.move(m.current, to);
            m.current = to;
        });
        expect(editor.move(by), moved, "Move");
        break;
    }
    case 'd': { // made, refused or the list full
        const int outcome = !l.hasEntry() ? 1 : (l.count() >= Most ? 2 : !l.mayLeave());
        insertion<Entry>(outcome == 0, l.current, {l.items.value(l.current)});
        expect(int(editor.duplicate()), outcome, "Duplicate");
        break;
    }
    case 'v':   // a paste after the entry on view, or in the Roster window after any entry:
    case 'i': { // a few sections of any kind, or plain ones up to the limit and past it
        const bool plain = choices.below(3) == 0;
        const int n =
            plain ? qMin(Most - l.count() + choices.below(3), most) : 1 + choices.below(4);
        const QString text =
            decodeCodePage(sections(choices, std::is_same_v<Entry, BotEntry>, n, plain ? 0 : n));
        const QList<Entry> pasted = pasteEntries<Entry>(text, l.count()).entries;
        const int after = code == 'v' ? l.onView() : choices.below(l.count() + 1);
        steps.last() += u"%1 after %2"_s.arg(pasted.size()).arg(after);
        spent += int(text.size() / 2000);
        if (pasted.isEmpty())
            break;
        const bool may = l.mayLeave() && l.count() + pasted.size() <= Most;
        if (code == 'v') {
            expect(editor.insertAfterView(pasted), insertion(may, after, pasted), "Paste");
            break;
        }
        const bool put = model.change<Entry>(may, [after, &pasted](auto& m) {
            const int was = m.current;
            m.items = m.items.first(after + 1) + pasted + m.items.sliced(after + 1);
            m.current = was == 0 ? 1 : (was > after ? was + int(pasted.size()) : was);
        });
        expect(editor.insertEntries(after, pasted), put, "Paste Entries");
        break;
    }
    case 'f': { // Find: the next name that holds the text, round past the end, the one on view last
        const QString text = u"aBm1?"_s.mid(choices.below(5), 1);
        const int by = choices.byte() & 1 ? -1 : 1;
        steps.last() += u" %1 by %2"_s.arg(text).arg(by);
        int found = 0;
        for (int k = 1; k <= l.count() && found == 0; ++k) {
            const int i = ((l.current - 1 + by * k) % l.count() + l.count()) % l.count() + 1;
            found = l.items.at(i).name.contains(text, Qt::CaseInsensitive) ? i : 0;
        }
        const int outcome = l.mayLeave() ? (found > 0 ? 0 : 1) : 2; // shown, none, refused
        if (outcome == 0)
            l.current = found;
        expect(int(editor.find(text, by < 0)), outcome, "Find");
        break;
    }
    // In the Roster window: a field of many entries set (a name or model never empty). Never a
    // map's Random: whether "Yes" over "1" is a step depends on whether the entry was on view
    // (its Random then reads "Yes"), which the model leaves out.
    case 's': {
        const QList<int> at = someIndices(choices, l.count());
        int field = choices.below(fieldCount<Entry>());
        field = std::is_same_v<Entry, MapEntry> && field == RandomField ? 0 : field;
        const QString value = randomValue(choices);
        steps.last() += u" %1 of %2 to %3"_s.arg(field).arg(at.size()).arg(
            QString::fromLatin1(value.toUtf8().toPercentEncoding()));
        const bool needed = field == 0 || (std::is_same_v<Entry, BotEntry> && field == 1);
        const bool may = !at.isEmpty() && !(needed && value.isEmpty()) && l.mayLeave();
        const bool differs = std::any_of(
            at.begin(), at.end(), [&](int i) { return fieldOf(l.items.at(i), field) != value; });
        model.change<Entry>(may && differs, [&](auto& m) {
            for (const int i : at)
                fieldOf(m.items[i], field) = value;
        });
        expect(editor.setField(at, field, value), may, "Set");
        break;
    }
    // In the Roster window: many entries removed, copied each right after itself, moved one
    // place together, or the list sorted by a field (a map's Random by its tick), entries that tie
    // keeping their order.
    case 'k':
    case 'c':
    case 'g':
    case 'o': {
        const QList<int> at = code == 'o' ? QList<int>() : someIndices(choices, l.count());
        const int by = choices.byte() & 1 ? 1 : -1;
        const int field = choices.below(fieldCount<Entry>());
        const bool tick = std::is_same_v<Entry, MapEntry> && field == RandomField;
        steps.last() +=
            u" %1 from %2 by %3, field %4"_s.arg(at.size()).arg(at.value(0)).arg(by).arg(field);
        QList<int> order;
        QList<bool> chosen(l.count() + 2);
        for (const int i : at)
            chosen[i] = true;
        for (int i = 1; i <= l.count(); ++i) {
            if (code != 'k' || !chosen.at(i))
                order << i;
            if (code == 'c' && chosen.at(i))
                order << i;
        }
        bool may = l.mayLeave() && (code == 'o' ? l.count() >= 2 : !at.isEmpty());
        if (code == 'g') { // each entry taken swaps with the one it passes
            may = may && (by < 0 ? at.first() > 1 : at.last() < l.count());
            for (qsizetype k = 0; may && k < at.size(); ++k) {
                const int i = by < 0 ? at.at(k) : at.at(at.size() - 1 - k);
                order.swapItemsAt(i - 1, i - 1 + by);
            }
        } else if (code == 'o') {
            QList<std::tuple<bool, qlonglong, QString>> keys(l.count() + 1);
            for (int i = 1; i <= l.count(); ++i) {
                const QString& text = fieldOf(l.items.at(i), field);
                const QString value = tick ? QString::number(MapEntry::randomOn(text)) : text;
                bool number = false;
                const qlonglong n = value.toLongLong(&number);
                keys[i] = {!number, n, number ? QString() : value.toCaseFolded()};
            }
            std::stable_sort(order.begin(), order.end(), [&keys, by](int a, int b) {
                return by > 0 ? keys.at(a) < keys.at(b) : keys.at(b) < keys.at(a);
            });
        }
        using Copy = typename ListEditor<Entry>::Copy;
        const Copy copy =
            !may ? Copy::Refused
                 : (code == 'c' && l.count() + at.size() > Most ? Copy::ListFull : Copy::Made);
        const bool reordered = std::adjacent_find(order.begin(), order.end(),
                                                  std::greater_equal<int>()) != order.end();
        model.change<Entry>(may && (code == 'k' || reordered) && copy != Copy::ListFull,
                            [&order](auto& m) { m.reorder(order); });
        if (code == 'k')
            expect(editor.removeEntries(at), may, "Remove Entries");
        else if (code == 'c')
            expect(int(editor.duplicateEntries(at)), int(copy), "Duplicate Entries");
        else if (code == 'g')
            expect(editor.moveEntries(at, by), may, "Move Entries");
        else
            expect(editor.sortBy(field, by > 0 ? Qt::AscendingOrder : Qt::DescendingOrder), may,
                   "Sort");
        break;
    }
    default: // undo or redo from the page: refused where the entry may not be left
        expect(editor.step(code == 'r').has_value(), l.mayLeave() && model.step(code == 'r'),
               code == 'r' ? "Redo" : "Undo");
    }
}

void DocumentSession::onRoster(char code) {
    switch (code) {
    case '<': // the history from the INI page
    case '>':
        expect(opened->stepHistory(code == '>').has_value(), model.step(code == '>'),
               code == '>' ? "Redo" : "Undo");
        break;
    case '!':
        save();
        break;
    case '#':   // Ctrl+O of the other folder, with another roster written there (or none)
    case '@': { // the folder read anew
        const QString path =
            code == '@' ? folder : work + (folder.endsWith(u'a') ? u"/b"_s : u"/a"_s);
        if (code == '#' && !putRandomBotsIni(choices, path, most))
            fail(u"no bots.ini as wanted in "_s + path);
        if (load(path) != RosterDocument::Recovery::State::None)
            fail(u"a load offered a recovery copy no crash left"_s);
        break;
    }
    case '$':
        keep();
        spent += 5 + size() / 50;
        break;
    default:
        crash();
    }
}

RosterDocument::Recovery::State DocumentSession::load(const QString& path) {
    folder = path;
    const RosterDocument::Recovery::State state = opened->load(folder).recovery.state;
    model.load(readBotsIni(fileBytes(opened->filePath())).roster);
    read(*opened);
    spent += 5 + size() / 75;
    return state;
}

// Save INI: the file written as the roster composes, and read back whole where every value can
// come back so, else composing the same bytes from the second reading.
void DocumentSession::save() {
    const bool whole = comesBackWhole(opened->roster());
    const RosterDocument::Saved written = opened->save();
    const QByteArray again = composeBotsIniFile(readBotsIni(written.bytes).roster);
    if (written.outcome != RosterDocument::Saved::Outcome::Written)
        fail(u"Save INI wrote nothing: "_s + written.error);
    else if (written.bytes != composeBotsIniFile(opened->roster()) ||
             fileBytes(opened->filePath()) != written.bytes)
        fail(u"Save INI wrote other bytes than the roster composes"_s);
    else if ((whole && again != written.bytes) ||
             composeBotsIniFile(readBotsIni(again).roster) != again)
        fail(u"what Save INI wrote does not read back into the roster it composes"_s);
    saved(written.bytes);
    spent += 5 + size() / 75;
}

void DocumentSession::start(const std::optional<QByteArray>& copy, bool restore) {
    opened = std::make_unique<RosterDocument>(nullptr, work + u"/copies"_s);
    const RosterDocument::Recovery::State state = load(folder);
    offered = state == RosterDocument::Recovery::State::Offered;
    if (offered && restore && copy) {
        opened->restoreRecovery();
        model.load(readBotsIni(*copy).roster);
    } else {
        opened->discardRecovery();
    }
    if (state == RosterDocument::Recovery::State::Damaged)
        fail(u"after a crash the copy was damaged"_s);
}

void DocumentSession::step() {
    const int byte = choices.byte();
    const char code = byte && std::strchr(Operations, byte)
                          ? char(byte)
                          : Operations[byte % (sizeof(Operations) - 1)];
    choices.name(code);
    steps << QString(QChar::fromLatin1(code));
    if (code >= 'a' && code <= 'z')
        onList<BotEntry>(code);
    else if (code >= 'A' && code <= 'Z')
        onList<MapEntry>(char(code - 'A' + 'a'));
    else
        onRoster(code);
}

} // namespace

QString playSession(const QByteArray& input, int* steps) {
    const QTemporaryDir work(sessionFolderTemplate());
    if (!work.isValid())
        return u"no folder for the session: "_s + work.errorString();
    Choices choices(input.mid(1));
    DocumentSession session(choices, work.path(),
                            input.startsWith(ToTheLimit) ? Most + 1 : SmallLists);
    const QString fault = session.play();
    if (steps)
        *steps = session.taken();
    const QByteArray again = input.first(qMin(input.size(), 1)) + choices.taken();
    return fault.isEmpty()
               ? fault
               : fault + u"\nplay again with the input "_s + QString::fromLatin1(again.toHex());
}

QString sessionFolderTemplate() {
    // Every save and copy syncs its file: in memory, where the system has a folder there, that
    // costs nothing.
    const QDir memory(u"/dev/shm"_s);
    return (memory.exists() ? memory.path() : QDir::tempPath()) + u"/zelvik-session-XXXXXX"_s;
}

int Choices::byte() {
    return read < bytes.size() ? uchar(bytes.at(read++)) : 0;
}

QByteArray seededChoices(quint32 seed) {
    QRandomGenerator generator(seed);
    QByteArray bytes(1 << 16, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

int Choices::below(int n) {
    if (n <= 256)
        return n <= 1 ? 0 : byte() % n;
    const int high = byte() << 8;
    return (high | byte()) % n;
}

bool putRandomBotsIni(Choices& choices, const QString& folder, int most) {
    QFile file(botsIniPath(folder));
    if (choices.below(16) == 0)
        return !file.exists() || file.remove();
    const QByteArray maps = sections(choices, false, qMin(listSize(choices), most), 3);
    const QByteArray text = maps + sections(choices, true, qMin(listSize(choices), most), 3);
    return QDir().mkpath(folder) && file.open(QIODevice::WriteOnly) &&
           file.write(text) == text.size();
}

QString Session::play() {
    for (const QString& sub : {u"a"_s, u"b"_s, u"copies"_s})
        QDir(work).mkpath(sub);
    folder = work + u"/a"_s;
    if (!putRandomBotsIni(choices, folder, most))
        fail(u"no bots.ini as wanted in "_s + folder);
    const auto check = [this] {
        fail(stepFault());
        fail(documentFault());
    };
    restart(false);
    check();
    while (fault.isEmpty() && spent < Budget && !choices.exhausted()) {
        step();
        check();
        spent += 1 + size() / 1000;
    }
    if (fault.isEmpty()) {
        finish();
        check();
        fail(historyFault());
        fail(documentFault());
    }
    if (fault.isEmpty())
        return {};
    return u"%1\nafter %2 steps; the last: %3"_s.arg(fault, QString::number(steps.size()),
                                                     steps.mid(steps.size() - 30).join(u"; "_s));
}

int Session::size() {
    return document().roster().bots.count() + document().roster().maps.count();
}

void Session::read(const RosterDocument& read) {
    saved(composeBotsIniFile(rosterWithDrafts(read)));
    loaded = read.roster();
}

QString Session::documentFault() {
    const Roster& roster = document().roster();
    const auto outside = [](const auto& l) {
        return l.count() < 0 || l.count() > Most || l.current() < qMin(1, l.count()) ||
               l.current() > l.count();
    };
    if (outside(roster.bots) || outside(roster.maps))
        return u"a list holds %1 bots and %2 maps"_s.arg(roster.bots.count())
            .arg(roster.maps.count());
    const bool modified = document().isModified();
    if (modified != (composeBotsIniFile(rosterWithDrafts(document())) != reference))
        return modified ? u"something to save, with the roster composing as the file"_s
                        : u"nothing to save, with the roster composing otherwise than the file"_s;
    return {};
}

void Session::keep() {
    const Roster now = rosterWithDrafts(document());
    const QByteArray bytes = composeBotsIniFile(now);
    const bool modified = bytes != reference;
    document().keepRecoveryCopy();
    document().recoveryCopy().wait();
    kept = modified ? std::optional(bytes) : std::nullopt;
    keptWhole = comesBackWhole(now);
    if (QFile::exists(document().recoveryCopy().path()) != modified)
        fail(modified ? u"no recovery copy of a roster that differs from the file"_s
                      : u"a recovery copy of a roster as the file has it"_s);
}

void Session::crash() {
    const bool restore = choices.byte() & 1;
    steps.last() += restore ? u" restore"_s : u" discard"_s;
    restart(restore);
}

void Session::restart(bool restore) {
    const std::optional<QByteArray> copy = kept;
    offered = false;
    start(copy, restore);
    if (offered != (copy && composeBotsIniFile(readBotsIni(*copy).roster) != reference))
        fail(offered ? u"a recovery copy offered that is the file"_s
                     : u"no recovery copy offered of a roster that differs from the file"_s);
    if (!offered || !restore)
        return;
    kept = copy;
    loaded = document().roster();
    if (keptWhole && composeBotsIniFile(document().roster()) != *copy)
        fail(u"the roster restored does not compose as the one kept"_s);
}

// The history redone to its end, undone to the roster read and redone to the end again.
QString Session::historyFault() {
    while (document().stepHistory(true)) {
    }
    const Roster last = document().roster();
    while (document().stepHistory(false)) {
    }
    const QString undone = parting(document().roster(), loaded);
    while (document().stepHistory(true)) {
    }
    const QString redone = parting(document().roster(), last);
    return !undone.isEmpty() ? u"undone: "_s + undone
                             : (redone.isEmpty() ? QString() : u"redone: "_s + redone);
}
