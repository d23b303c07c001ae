// Reading, composing and writing bots.ini without a window, beside inih reading the same file.
#include "benchmarks.h"

#include "app/rosterdocument.h"
#include "roster/botsini.h"
#include "roster/botsinifile.h"

#include <ini.h>

#include <QFile>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// ---------------------------------------------------------------------------------------------
// The comparison reader: inih, storing every value the way our roster does (one entry per
// section, each value in its own string), so both do the same work.

struct IniBot {
    std::string name, model, topColor, bottomColor;
};
struct IniMap {
    std::string name, quantity, random, initialDelay, spawnDelay, waitForPlayers, keepServerFull;
};
struct IniRoster {
    std::vector<IniBot> bots;
    std::vector<IniMap> maps;
    std::string lastSection;
    bool fresh = true;
};

std::string* botField(IniBot& b, const char* key) {
    if (strcasecmp(key, "name") == 0)
        return &b.name;
    if (strcasecmp(key, "model") == 0)
        return &b.model;
    if (strcasecmp(key, "topcolor") == 0)
        return &b.topColor;
    if (strcasecmp(key, "bottomcolor") == 0)
        return &b.bottomColor;
    return nullptr;
}

std::string* mapField(IniMap& m, const char* key) {
    if (strcasecmp(key, "name") == 0)
        return &m.name;
    if (strcasecmp(key, "quantity") == 0)
        return &m.quantity;
    if (strcasecmp(key, "random") == 0)
        return &m.random;
    if (strcasecmp(key, "initialdelay") == 0)
        return &m.initialDelay;
    if (strcasecmp(key, "spawndelay") == 0)
        return &m.spawnDelay;
    if (strcasecmp(key, "waitforplayers") == 0)
        return &m.waitForPlayers;
    if (strcasecmp(key, "keepserverfull") == 0)
        return &m.keepServerFull;
    return nullptr;
}

// Stores the value in the list's last entry. inih reports keys, not headers: a change of section
// name, or a key the last entry already holds, starts the next entry.
template <typename Entry, typename Field>
void store(std::vector<Entry>& list, bool newSection, const char* key, const char* value,
           Field field) {
    if (newSection || list.empty())
        list.emplace_back();
    std::string* target = field(list.back(), key);
    if (!target)
        return;
    if (!target->empty()) {
        list.emplace_back();
        target = field(list.back(), key);
    }
    *target = value;
}

int iniHandler(void* user, const char* section, const char* key, const char* value) {
    auto* r = static_cast<IniRoster*>(user);
    const bool newSection = r->fresh || r->lastSection != section;
    r->fresh = false;
    if (newSection)
        r->lastSection = section;
    if (strcasecmp(section, "Bot") == 0)
        store(r->bots, newSection, key, value, botField);
    else if (strcasecmp(section, "Map") == 0 || strcasecmp(section, "DefaultMap") == 0)
        store(r->maps, newSection, key, value, mapField);
    return 1;
}

} // namespace

void readInMemory(benchmark::State& state, const RosterFile* file) {
    for (auto _ : state) {
        auto read = std::make_unique<BotsIniRead>();
        state.SetIterationTime(timeOf([&] { *read = readBotsIni(file->bytes); }));
        benchmark::DoNotOptimize(read->roster.bots.count());
    }
    state.SetBytesProcessed(state.iterations() * file->bytes.size());
    state.counters["file_MB"] = double(file->bytes.size()) / 1e6;
}

void loadFile(benchmark::State& state, const RosterFile* file) {
    for (auto _ : state) {
        auto read = std::make_unique<BotsIniRead>();
        state.SetIterationTime(timeOf([&] { *read = readBotsIniFile(botsIniPath(file->folder)); }));
        if (read->roster.bots.count() != Largest)
            state.SkipWithError("the file did not load whole");
    }
}

void inihString(benchmark::State& state, const RosterFile* file) {
    const std::string text = file->bytes.toStdString();
    for (auto _ : state) {
        auto r = std::make_unique<IniRoster>();
        state.SetIterationTime(
            timeOf([&] { ini_parse_string(text.c_str(), iniHandler, r.get()); }));
        if (r->bots.size() != std::size_t(Largest) || r->maps.size() != std::size_t(Largest))
            state.SkipWithError("inih read another roster");
    }
}

void inihFile(benchmark::State& state, const RosterFile* file) {
    const QByteArray path = QFile::encodeName(botsIniPath(file->folder));
    for (auto _ : state) {
        auto r = std::make_unique<IniRoster>();
        state.SetIterationTime(timeOf([&] { ini_parse(path.constData(), iniHandler, r.get()); }));
        if (r->bots.size() != std::size_t(Largest))
            state.SkipWithError("inih read another roster");
    }
}

// The bytes "Save INI" writes and "Launch" shows: the same composing serves both.
void compose(benchmark::State& state, const RosterFile* file) {
    const Roster roster = readBotsIni(file->bytes).roster;
    for (auto _ : state) {
        QByteArray bytes;
        state.SetIterationTime(timeOf([&] { bytes = composeBotsIniFile(roster); }));
        benchmark::DoNotOptimize(bytes.size());
    }
}

// What "Save INI" does to the file: the roster composed and written.
void writeBotsIniAlone(benchmark::State& state, const RosterFile* file) {
    const Roster roster = readBotsIni(file->bytes).roster;
    QTemporaryDir out;
    for (auto _ : state) {
        QString error;
        state.SetIterationTime(timeOf([&] {
            writeBotsIniFile(botsIniPath(out.path()), composeBotsIniFile(roster), &error);
        }));
        if (!error.isEmpty())
            state.SkipWithError(qPrintable(error));
    }
}

// A recovery copy after the player renamed the current bot. On the window's thread (copyThread
// false): the call that hands the roster over, and the player's next edit, which copies the list
// the copy's thread still shares. On the copy's thread: from the call to the copy on disk.
void recoveryCopy(benchmark::State& state, const RosterFile* file, bool copyThread) {
    RosterDocument document;
    document.load(file->folder);
    ListEditor<BotEntry>& bots = document.bots();
    int round = 0;
    for (auto _ : state) {
        bots.editDraft(0, u"Renamed %1"_s.arg(++round));
        bots.storeDraft();
        double spent = timeOf([&] { document.keepRecoveryCopy(); });
        bots.editDraft(2, QString::number(round % 256));
        if (copyThread)
            spent += timeOf([&] { document.recoveryCopy().wait(); });
        else
            spent += timeOf([&] { bots.storeDraft(); });
        document.recoveryCopy().wait();
        state.SetIterationTime(spent);
    }
    document.closeRecovery();
}

std::optional<qint64> readLargestOnce(const char* reader, const QString& folder) {
    qint64 spent = 0;
    if (std::strcmp(reader, "ours") == 0) {
        BotsIniRead read;
        spent = qint64(timeOf([&] { read = readBotsIniFile(botsIniPath(folder)); }) * 1e9);
        if (read.roster.bots.count() != Largest)
            return std::nullopt;
    } else {
        const QByteArray path = QFile::encodeName(botsIniPath(folder));
        IniRoster r;
        spent = qint64(timeOf([&] { ini_parse(path.constData(), iniHandler, &r); }) * 1e9);
        if (r.bots.size() != std::size_t(Largest))
            return std::nullopt;
    }
    return spent;
}
