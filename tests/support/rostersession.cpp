#include "rostersession.h"

#include "app/rosterdocument.h"
#include "roster/botsini.h"
#include "roster/codepage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int Most = EntryList<BotEntry>::MaxEntries;

// Whether two entries say the same: a map's Random only by whether it is on, since a store that
// spells it anew is no step of the history.
template <typename Entry> bool same(const Entry& a, const Entry& b) {
    return a == b || asShown(a) == asShown(b);
}

template <typename Entry> QString described(const Entry& entry) {
    QStringList fields;
    for (int f = 0; f < fieldCount<Entry>(); ++f)
        fields << fieldOf(entry, f);
    return QString::fromLatin1(fields.join(u'|').toUtf8().toPercentEncoding(" |"));
}

// One list of the model: its entries (0 is the spare a page stores into while the list is
// empty), the one on view, whether Remove and the pager are on, and the draft.
template <typename Entry> struct ModelList {
    QList<Entry> items{Entry()};
    int current = 0;
    bool removable = true;
    bool pageable = true;
    Entry draft;

    int count() const { return int(items.size()) - 1; }
    int onView() const { return qMin(current, count()); }
    bool hasEntry() const { return current >= 1 && current <= count(); }
    bool mayLeave() const { return current < 1 || draft.isComplete(); }
    void show() { draft = asShown(items.at(onView())); }
};

struct ModelRoster {
    ModelList<BotEntry> bots;
    ModelList<MapEntry> maps;
    template <typename Entry> ModelList<Entry>& list() {
        if constexpr (listKindOf<Entry>() == RosterListKind::Bots)
            return bots;
        else
            return maps;
    }
};

// The roster as plainly as it goes, with the rules as the player meets them. Each step of the
// history keeps the whole roster before and after it; undo puts back the list the step changed,
// all but its spare.
class Model {
public:
    ModelRoster now;
    ModelRoster read; // as the file or the recovery copy gave it

    template <typename Entry> ModelList<Entry>& list() { return now.list<Entry>(); }
    void load(const Roster& roster) {
        now = {fromFile(roster.bots), fromFile(roster.maps)};
        read = now;
        steps.clear();
        done = 0;
    }

    // The store of the draft that leaving its entry makes: a step where it changes what the
    // entry says.
    template <typename Entry> void store() {
        ModelList<Entry>& l = list<Entry>();
        const int at = l.onView();
        if (l.items.at(at) == l.draft)
            return;
        const ModelRoster before = now;
        const bool changes = at >= 1 && !same(l.items.at(at), l.draft);
        l.items[at] = l.draft;
        if (changes)
            push<Entry>(before);
    }
    void storeDrafts() {
        store<MapEntry>();
        store<BotEntry>();
    }
    template <typename Entry> bool pageTo(int target) {
        ModelList<Entry>& l = list<Entry>();
        if (!l.mayLeave())
            return false;
        store<Entry>();
        l.current = target < 1 ? l.count() : (target > l.count() ? 1 : target);
        l.show();
        return true;
    }
    template <typename Entry> bool add() {
        return list<Entry>().count() < Most &&
               change<Entry>(list<Entry>().mayLeave(), [](ModelList<Entry>& l) {
                   l.items.append(Entry::numbered(l.count() + 1));
                   l.removable = l.removable || l.count() == 1;
                   l.pageable = l.pageable || l.count() >= 2;
                   l.current = l.count();
               });
    }
    // Stores nothing: the draft of the entry taken out is dropped.
    template <typename Entry> bool remove() {
        return list<Entry>().hasEntry() && change<Entry>(false, [](ModelList<Entry>& l) {
                   l.items.remove(l.current);
                   l.current = l.current > 1 ? l.current - 1 : l.count();
                   l.removable = l.removable && l.count() > 0;
                   l.pageable = l.pageable && l.count() > 1;
               });
    }
    template <typename Entry> bool move(int by) {
        const ModelList<Entry>& l = list<Entry>();
        const int to = l.current + by;
        return l.hasEntry() && to >= 1 && to <= l.count() && l.draft.isComplete() &&
               change<Entry>(true, [to](ModelList<Entry>& m) {
                   m.items.move(m.current, to);
                   m.current = to;
               });
    }
    // 0: made, 1: refused, 2: the list is full.
    template <typename Entry> int duplicate() {
        const ModelList<Entry>& l = list<Entry>();
        const int outcome = !l.hasEntry() ? 1 : (l.count() >= Most ? 2 : !l.draft.isComplete());
        if (outcome == 0) {
            change<Entry>(true, [](ModelList<Entry>& m) {
                m.items.insert(++m.current, m.draft);
                m.removable = m.pageable = true;
            });
        }
        return outcome;
    }
    template <typename Entry> bool paste(const QList<Entry>& entries) {
        const ModelList<Entry>& l = list<Entry>();
        return l.mayLeave() && !entries.isEmpty() && l.count() + entries.size() <= Most &&
               change<Entry>(true, [&entries](ModelList<Entry>& m) {
                   m.current = m.onView() + 1;
                   m.items = m.items.first(m.current) + entries + m.items.sliced(m.current);
                   m.removable = true;
                   m.pageable = m.pageable || m.count() >= 2;
               });
    }
    // Undo (forward: redo) from a page: refused where the entry may not be left, a redo also
    // where the draft differs from it; the draft is stored first.
    template <typename Entry> bool stepFrom(bool forward) {
        const ModelList<Entry>& l = list<Entry>();
        if (!l.mayLeave() || (forward && l.onView() >= 1 && !same(l.items.at(l.onView()), l.draft)))
            return false;
        store<Entry>();
        return step(forward);
    }
    // Undo or redo as it stands, drafts and all.
    bool step(bool forward) {
        if (forward ? done == steps.size() : done == 0)
            return false;
        const Step& taken = steps.at(forward ? done++ : --done);
        const ModelRoster& to = forward ? taken.after : taken.before;
        if (taken.bots)
            putBack(now.bots, to.bots);
        else
            putBack(now.maps, to.maps);
        return true;
    }

private:
    struct Step {
        bool bots;
        ModelRoster before;
        ModelRoster after;
    };
    QList<Step> steps;
    qsizetype done = 0;

    template <typename Entry> static ModelList<Entry> fromFile(const EntryList<Entry>& read) {
        ModelList<Entry> l;
        l.items = read.entries();
        l.current = 1;
        l.pageable = read.canPage();
        l.show();
        return l;
    }
    template <typename Entry> void push(const ModelRoster& before) {
        steps.resize(done);
        steps.append({listKindOf<Entry>() == RosterListKind::Bots, before, now});
        done = steps.size();
    }
    // A rule that changes the list, as a step: the draft stored first where storing says so.
    template <typename Entry, typename Rule> bool change(bool storing, Rule rule) {
        if (storing)
            store<Entry>();
        const ModelRoster before = now;
        rule(list<Entry>());
        list<Entry>().show();
        push<Entry>(before);
        return true;
    }
    template <typename Entry> static void putBack(ModelList<Entry>& l, const ModelList<Entry>& to) {
        const Entry spare = l.items.at(0);
        l.items = to.items;
        if (!(l.items.at(0) == spare))
            l.items[0] = spare;
        l.current = to.current;
        l.removable = to.removable;
        l.pageable = to.pageable;
        l.show();
    }
};

template <typename Entry>
QString entriesFault(const QList<Entry>& items, const QList<Entry>& expected) {
    const auto kind = listKindOf<Entry>() == RosterListKind::Bots ? u"bots"_s : u"maps"_s;
    for (qsizetype i = 1; i < qMax(items.size(), expected.size()); ++i) {
        if (i >= qMin(items.size(), expected.size()) || !same(items.at(i), expected.at(i)))
            return u"%1: %2 entries, expected %3; entry %4 is %5, expected %6"_s.arg(kind)
                .arg(items.size() - 1)
                .arg(expected.size() - 1)
                .arg(i)
                .arg(described(items.value(i)), described(expected.value(i)));
    }
    return {};
}

// Whether the document's list holds the model's entries, with the same entry and draft on view
// and the same switches.
template <typename Entry>
QString listFault(const ListEditor<Entry>& editor, const ModelList<Entry>& model) {
    const EntryList<Entry>& l = editor.list();
    if (QString fault = entriesFault(l.entries(), model.items); !fault.isEmpty())
        return fault;
    if (l.current() == model.current && l.canRemove() == model.removable &&
        l.canPage() == model.pageable && editor.draft() == model.draft)
        return {};
    return u"%1 on view, remove %2, pager %3, draft %4; the model %5, %6, %7, %8"_s.arg(
        QString::number(l.current()), QString::number(l.canRemove()), QString::number(l.canPage()),
        described(editor.draft()), QString::number(model.current), QString::number(model.removable),
        QString::number(model.pageable), described(model.draft));
}

template <typename Entry> QString boundsFault(const EntryList<Entry>& l) {
    if (l.count() < 0 || l.count() > Most || l.current() < qMin(1, l.count()) ||
        l.current() > l.count())
        return u"a list holds %1 entries with %2 on view"_s.arg(l.count()).arg(l.current());
    return {};
}

template <typename Entry> bool wholeList(const EntryList<Entry>& l) {
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

std::optional<QByteArray> fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// n sections of the list's kind: the first varied of any kind, with keys in any spelling and
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

// Most often a few entries; one in six times one of the sizes at the limit, or any.
int listSize(Choices& choices) {
    const int size = choices.below(32);
    if (size < 26)
        return size < 10 ? size % 3 : (size < 20 ? size - 7 : choices.below(300));
    return size == 26 ? choices.below(Most + 1) : Most + 28 - size;
}

// The player's operations, each on the document as the window makes it and on the model; after
// each, the two are compared.
class Session {
public:
    Session(Choices& source, const QString& work, int largest)
        : choices(source), workFolder(work), most(largest) {}
    QString play(int budget);
    int taken() const { return int(steps.size()); }

private:
    struct Operation {
        char code;
        void (Session::*run)();
    };
    static const Operation Operations[];

    template <typename Entry> ListEditor<Entry>& editor() { return document->list<Entry>(); }
    int size() const { return model.now.bots.count() + model.now.maps.count(); }
    void expect(int done, int modelDone, const char* what) {
        if (done != modelDone && fault.isEmpty())
            fault =
                u"%1 gave %2, the model %3"_s.arg(QLatin1StringView(what)).arg(done).arg(modelDone);
    }
    void check();
    RosterDocument::Recovery::State load(const QString& path);
    void expectNoOffer(RosterDocument::Recovery::State state) {
        if (state != RosterDocument::Recovery::State::None && fault.isEmpty())
            fault = u"a load offered a recovery copy no crash left"_s;
    }

    template <typename Entry> void edit() {
        const int field = choices.below(fieldCount<Entry>());
        QString value = randomValue(choices);
        if (listKindOf<Entry>() == RosterListKind::Maps && field == RandomField)
            value = choices.byte() & 1 ? u"Yes"_s : u"No"_s; // the box
        steps.last() +=
            u" %1 %2"_s.arg(field).arg(QString::fromLatin1(value.toUtf8().toPercentEncoding()));
        editor<Entry>().editDraft(field, value);
        fieldOf(model.list<Entry>().draft, field) = value;
    }
    // The pager one step either way or dragged anywhere while it is on; Go to any entry.
    template <typename Entry> void page() {
        const ModelList<Entry>& l = model.list<Entry>();
        const int how = choices.below(4);
        if (how < 3 ? !l.pageable : l.count() == 0)
            return;
        int to =
            how == 0 ? l.current - 1 : (how == 1 ? l.current + 1 : choices.below(l.count() + 2));
        if (how == 3)
            to = choices.byte() & 1 ? l.count() : qBound(1, to, l.count());
        steps.last() += u" to %1"_s.arg(to);
        expect(editor<Entry>().pageTo(to), model.pageTo<Entry>(to), "Paging");
    }
    template <typename Entry> void add() {
        expect(editor<Entry>().add(), model.add<Entry>(), "Add");
    }
    template <typename Entry> void remove() {
        expect(editor<Entry>().remove(), model.remove<Entry>(), "Remove");
    }
    template <typename Entry> void move() {
        const int by = choices.byte() & 1 ? 1 : -1;
        steps.last() += QString::number(by);
        expect(editor<Entry>().move(by), model.move<Entry>(by), "Move");
    }
    template <typename Entry> void duplicate() {
        expect(int(editor<Entry>().duplicate()), model.duplicate<Entry>(), "Duplicate");
    }
    // A few sections of any kind, or plain ones up to the limit and past it.
    template <typename Entry> void paste() {
        const bool bots = listKindOf<Entry>() == RosterListKind::Bots;
        const int count = model.list<Entry>().count();
        const bool plain = choices.below(3) == 0;
        const int n = plain ? qMin(Most - count + choices.below(3), most) : 1 + choices.below(4);
        const QString text = decodeCodePage(sections(choices, bots, n, plain ? 0 : n));
        const PastedEntries<Entry> pasted = pasteEntries<Entry>(text, count);
        steps.last() += QString::number(pasted.entries.size());
        spent += int(text.size() / 2000);
        if (!pasted.entries.isEmpty())
            expect(editor<Entry>().insertAfterView(pasted.entries), model.paste(pasted.entries),
                   "Paste");
    }
    template <typename Entry, bool Forward> void step() {
        expect(editor<Entry>().step(Forward).has_value(), model.stepFrom<Entry>(Forward),
               Forward ? "Redo" : "Undo");
    }
    template <bool Forward> void stepFromIniPage() {
        expect(document->stepHistory(Forward).has_value(), model.step(Forward),
               Forward ? "Redo" : "Undo");
    }
    void pressTab() {
        document->storeDrafts();
        model.storeDrafts();
    }
    void save();
    void reload() { expectNoOffer(load(folder)); }
    void open();
    void keep();
    void crash();
    void finish();

    Choices& choices;
    QString workFolder;
    int most;
    QString folder;
    std::unique_ptr<RosterDocument> document;
    Model model;
    DocumentCheck documentCheck;
    QStringList steps;
    QString fault;
    int spent = 0;
};

// Lower case: the Bots page, upper case: the Maps page; the rest act on the roster.
// clang-format off
const Session::Operation Session::Operations[] = {
    {'e', &Session::edit<BotEntry>},              {'E', &Session::edit<MapEntry>},
    {'p', &Session::page<BotEntry>},              {'P', &Session::page<MapEntry>},
    {'a', &Session::add<BotEntry>},               {'A', &Session::add<MapEntry>},
    {'x', &Session::remove<BotEntry>},            {'X', &Session::remove<MapEntry>},
    {'m', &Session::move<BotEntry>},              {'M', &Session::move<MapEntry>},
    {'d', &Session::duplicate<BotEntry>},         {'D', &Session::duplicate<MapEntry>},
    {'v', &Session::paste<BotEntry>},             {'V', &Session::paste<MapEntry>},
    {'u', &Session::step<BotEntry, false>},       {'U', &Session::step<MapEntry, false>},
    {'r', &Session::step<BotEntry, true>},        {'R', &Session::step<MapEntry, true>},
    {'<', &Session::stepFromIniPage<false>},      {'>', &Session::stepFromIniPage<true>},
    {'|', &Session::pressTab}, {'!', &Session::save}, {'@', &Session::reload},
    {'#', &Session::open},     {'$', &Session::keep}, {'%', &Session::crash}};
// clang-format on

void Session::check() {
    if (fault.isEmpty())
        fault = listFault(document->bots(), model.now.bots);
    if (fault.isEmpty())
        fault = listFault(document->maps(), model.now.maps);
    if (fault.isEmpty())
        fault = documentCheck.fault(*document);
}

RosterDocument::Recovery::State Session::load(const QString& path) {
    folder = path;
    const RosterDocument::Loaded loaded = document->load(folder);
    model.load(readBotsIni(fileBytes(document->filePath()).value_or(QByteArray())).roster);
    documentCheck.read(*document);
    spent += 5 + size() / 75;
    return loaded.recovery.state;
}

// Save INI: the drafts stored, the file written as the roster composes, and read back whole.
void Session::save() {
    pressTab();
    check();
    const bool whole = comesBackWhole(document->roster());
    const RosterDocument::Saved saved = document->save();
    if (!fault.isEmpty())
        return;
    if (saved.outcome != RosterDocument::Saved::Outcome::Written)
        fault = u"Save INI wrote nothing: "_s + saved.error;
    else if (saved.bytes != document->composedFile() ||
             fileBytes(document->filePath()) != saved.bytes)
        fault = u"Save INI wrote other bytes than the roster composes"_s;
    else
        fault = roundTripFault(saved.bytes, whole);
    documentCheck.saved(saved.bytes);
    spent += 5 + size() / 75;
}

// Ctrl+O of the other folder, with another roster written there (or none).
void Session::open() {
    const QString other = workFolder + (folder.endsWith(u'a') ? u"/b"_s : u"/a"_s);
    const std::optional<QByteArray> text = randomBotsIni(choices, most);
    QFile file(botsIniPath(other));
    if (text ? !file.open(QIODevice::WriteOnly) || file.write(*text) != text->size()
             : file.exists() && !file.remove())
        fault = u"no bots.ini as wanted in "_s + other;
    file.close();
    expectNoOffer(load(other));
}

void Session::keep() {
    if (fault.isEmpty())
        fault = documentCheck.keep(*document);
    spent += 5 + size() / 50;
}

// Ends as a crash ends the program, and starts again on the folder: a copy that differs from
// the file is offered, and restored or discarded.
void Session::crash() {
    const bool restore = choices.byte() & 1;
    steps.last() += restore ? u" restore"_s : u" discard"_s;
    document.reset();
    document = std::make_unique<RosterDocument>(nullptr, workFolder + u"/copies"_s);
    const std::optional<QByteArray> copy = documentCheck.copy();
    const RosterDocument::Recovery::State state = load(folder);
    const bool offered = state == RosterDocument::Recovery::State::Offered;
    if (offered && restore && copy) {
        document->restoreRecovery();
        model.load(readBotsIni(*copy).roster);
    } else {
        document->discardRecovery();
    }
    if (state == RosterDocument::Recovery::State::Damaged)
        fault = u"after a crash the copy was damaged"_s;
    if (fault.isEmpty())
        fault = documentCheck.started(*document, copy, offered, restore);
}

// Both drafts stored and the history redone to its end, which the model holds too; then undone
// to its start, which holds the entries read, and redone to the end again.
void Session::finish() {
    pressTab();
    steps << u"redo all, undo all, redo all"_s;
    std::optional<ModelRoster> last;
    for (const bool forward : {true, false, true}) {
        for (bool more = true; more && fault.isEmpty();) {
            more = document->stepHistory(forward).has_value();
            expect(more, model.step(forward), forward ? "Redo" : "Undo");
        }
        check();
        if (!last)
            last = model.now;
        const ModelRoster& end = forward ? *last : model.read;
        if (fault.isEmpty())
            fault = entriesFault(document->roster().bots.entries(), end.bots.items);
        if (fault.isEmpty())
            fault = entriesFault(document->roster().maps.entries(), end.maps.items);
        if (!fault.isEmpty()) {
            fault = (forward ? u"redone: "_s : u"undone: "_s) + fault;
            return;
        }
    }
}

QString Session::play(int budget) {
    for (const QString& sub : {u"a"_s, u"b"_s, u"copies"_s})
        QDir(workFolder).mkpath(sub);
    document = std::make_unique<RosterDocument>(nullptr, workFolder + u"/copies"_s);
    open();
    check();
    while (fault.isEmpty() && spent < budget && !choices.exhausted()) {
        const int code = choices.byte();
        const Operation* chosen = &Operations[size_t(code) % std::size(Operations)];
        for (const Operation& operation : Operations) {
            if (operation.code == code)
                chosen = &operation;
        }
        choices.name(chosen->code);
        steps << QString(QChar::fromLatin1(chosen->code));
        (this->*chosen->run)();
        check();
        spent += 1 + size() / 1000;
    }
    if (fault.isEmpty())
        finish();
    document.reset();
    if (fault.isEmpty())
        return {};
    const QByteArray input = (most == SmallLists ? '.' : ToTheLimit) + choices.taken();
    return u"%1\nafter %2 steps; the last: %3\nplay again with the input %4"_s.arg(
        fault, QString::number(steps.size()), steps.mid(steps.size() - 30).join(u"; "_s),
        QString::fromLatin1(input.toHex()));
}

QString play(Choices& choices, int most, int* steps) {
    const QTemporaryDir work(sessionFolderTemplate());
    if (!work.isValid())
        return u"no folder for the session: "_s + work.errorString();
    Session session(choices, work.path(), most);
    QString fault = session.play(SessionBudget);
    if (steps)
        *steps = session.taken();
    return fault;
}

} // namespace

QString playSession(const QByteArray& input, int* steps) {
    Choices choices(input.mid(1));
    return play(choices, input.startsWith(ToTheLimit) ? Most + 1 : SmallLists, steps);
}

QString playSession(quint32 seed, bool toTheLimit, int* steps) {
    Choices choices(seed);
    return play(choices, toTheLimit ? Most + 1 : SmallLists, steps);
}

QString sessionFolderTemplate() {
    // Every save and copy syncs its file: in memory, where the system has a folder there, that
    // costs nothing.
    const QDir memory(u"/dev/shm"_s);
    return (memory.exists() ? memory.path() : QDir::tempPath()) + u"/zelvik-session-XXXXXX"_s;
}

int Choices::byte() {
    if (generator)
        bytes.append(char(generator->bounded(256)));
    return read < bytes.size() ? uchar(bytes.at(read++)) : 0;
}

int Choices::below(int n) {
    if (n <= 256)
        return n <= 1 ? 0 : byte() % n;
    const int high = byte() << 8;
    return (high | byte()) % n;
}

QString randomValue(Choices& choices) {
    static const QString pieces[] = {u"a"_s,
                                     u"Zed"_s,
                                     u"gina"_s,
                                     u"1"_s,
                                     u"Yes"_s,
                                     u"Default"_s,
                                     u" "_s,
                                     u"\r"_s,
                                     u"\n"_s,
                                     u"="_s,
                                     u"[Bot]"_s,
                                     u"\u00e9"_s,
                                     u"\u20ac"_s,
                                     u"\u0081"_s,
                                     u"\u0100"_s,
                                     u"\U0001F600"_s,
                                     QString(QChar(0xD800)),
                                     QString(QChar(0))};
    QString value;
    for (int n = choices.below(4); n > 0; --n)
        value += pieces[choices.below(int(std::size(pieces)))];
    return value;
}

std::optional<QByteArray> randomBotsIni(Choices& choices, int most) {
    if (choices.below(16) == 0)
        return std::nullopt;
    const QByteArray maps = sections(choices, false, qMin(listSize(choices), most), 3);
    return maps + sections(choices, true, qMin(listSize(choices), most), 3);
}

Roster rosterWithDrafts(const RosterDocument& document) {
    Roster roster = document.roster();
    // A list is copied only where its draft differs from the entry.
    if (!(roster.bots.at(roster.bots.storeIndex()) == document.bots().draft()))
        roster.bots.storeCurrent(document.bots().draft());
    if (!(roster.maps.at(roster.maps.storeIndex()) == document.maps().draft()))
        roster.maps.storeCurrent(document.maps().draft());
    return roster;
}

QByteArray composedWithDrafts(const RosterDocument& document) {
    return composeBotsIniFile(rosterWithDrafts(document));
}

QString DocumentCheck::fault(const RosterDocument& document) {
    const Roster& roster = document.roster();
    const auto sameList = [](const auto& a, const auto& b) {
        return a.entries().constData() == b.entries().constData() && a.current() == b.current();
    };
    if (!sameList(roster.bots, seen.bots) || !sameList(roster.maps, seen.maps) ||
        !(bot == document.bots().draft()) || !(map == document.maps().draft())) {
        seen = roster;
        bot = document.bots().draft();
        map = document.maps().draft();
        composed = composedWithDrafts(document);
    }
    QString fault = boundsFault(roster.bots);
    if (fault.isEmpty())
        fault = boundsFault(roster.maps);
    const bool differs = composed != reference;
    if (fault.isEmpty() && document.isModified() != differs)
        fault = u"there is %1 to save, but the roster with its drafts composes %2 the file"_s.arg(
            document.isModified() ? u"something"_s : u"nothing"_s,
            differs ? u"otherwise than"_s : u"as"_s);
    return fault;
}

QString DocumentCheck::keep(RosterDocument& document) {
    const QByteArray now = composedWithDrafts(document);
    const bool modified = now != reference;
    document.keepRecoveryCopy();
    document.recoveryCopy().wait();
    kept = modified ? std::optional(now) : std::nullopt;
    keptWhole = comesBackWhole(rosterWithDrafts(document));
    if (QFile::exists(document.recoveryCopy().path()) != modified)
        return u"a recovery copy lies there: %1; the roster differs from the file: %2"_s.arg(
            QString::number(!modified), QString::number(modified));
    return {};
}

QString DocumentCheck::started(const RosterDocument& document,
                               const std::optional<QByteArray>& copy, bool offered, bool restored) {
    const bool differs = copy && composeBotsIniFile(readBotsIni(*copy).roster) != reference;
    if (offered != differs)
        return u"a recovery copy was offered: %1, one that differs was kept: %2"_s.arg(
            QString::number(offered), QString::number(differs));
    if (!offered || !restored)
        return {};
    kept = copy;
    if (keptWhole && composeBotsIniFile(document.roster()) != *copy)
        return u"the roster restored does not compose as the one kept"_s;
    return {};
}

QString roundTripFault(const QByteArray& fileBytes, bool whole) {
    const QByteArray again = composeBotsIniFile(readBotsIni(fileBytes).roster);
    if (whole && again != fileBytes)
        return u"what was composed reads back into a roster that composes other bytes"_s;
    if (composeBotsIniFile(readBotsIni(again).roster) != again)
        return u"what was composed, read twice, does not compose the same bytes again"_s;
    return {};
}

QString entriesFault(const Roster& roster, const Roster& expected) {
    const QString fault = entriesFault(roster.bots.entries(), expected.bots.entries());
    return fault.isEmpty() ? entriesFault(roster.maps.entries(), expected.maps.entries()) : fault;
}

bool comesBackWhole(const Roster& roster) {
    return wholeList(roster.bots) && wholeList(roster.maps);
}
