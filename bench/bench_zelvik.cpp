// Benchmarks of reading and writing bots.ini and of the main window, with a typical roster (10
// maps, 20 bots) and the largest the program holds (32767 maps and 32767 bots, about 9 MB).
// Google Benchmark prints its own report; a Markdown summary against the targets follows.
//
// Every measured step is timed by hand (one clock read before and after the step alone) and
// handed to Google Benchmark as the iteration's time, so set-up and tidying between iterations
// never count. Run with QT_QPA_PLATFORM=offscreen.
//
//   zelvik_bench [Google Benchmark options]
//   zelvik_bench --show-child empty|FOLDER OUT, --peak-child FOLDER OUT
//                                     (run by the benchmark itself, as child processes)
#include "game/gamefinder.h"
#include "launch/commands.h"
#include "roster/botsini.h"
#include "roster/botsinifile.h"
#include "roster/codepage.h"
#include "roster/roster.h"
#include "window/fonts.h"
#include "window/initextview.h"
#include "window/mainwindow.h"
#include "window/messages.h"

#include <benchmark/benchmark.h>
#include <ini.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QThread>
#include <QWindow>

#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr qint16 Largest = EntryList<BotEntry>::MaxEntries;

// ---------------------------------------------------------------------------------------------
// Rosters and the folders that hold them

Roster makeRoster(qint16 maps, qint16 bots) {
    static const QString mapNames[] = {u"crossfire"_s, u"boot_camp"_s, u"stalkyard"_s,
                                       u"Default"_s,   u"datacore"_s,  u"snark_pit"_s};
    static const QString models[] = {u"barney"_s, u"gina"_s,   u"gordon"_s,
                                     u"helmet"_s, u"hgrunt"_s, u"scientist"_s,
                                     u"zombie"_s, u"robo"_s,   u"recon"_s};
    QList<MapEntry> mapList(1); // the spare slot in front
    for (int i = 1; i <= maps; ++i) {
        mapList.append(MapEntry{mapNames[i % 6], QString::number(1 + i % 8),
                                (i % 2) ? u"Yes"_s : u"No"_s, QString::number(i % 30),
                                QString::number(1 + i % 10), QString::number(i % 2),
                                QString::number((i / 2) % 2)});
    }
    QList<BotEntry> botList(1);
    for (int i = 1; i <= bots; ++i) {
        botList.append(BotEntry{u"Bot %1"_s.arg(i), models[i % 9], QString::number(i % 256),
                                QString::number((i * 7) % 256)});
    }
    Roster roster;
    roster.maps = EntryList<MapEntry>(std::move(mapList));
    roster.bots = EntryList<BotEntry>(std::move(botList));
    return roster;
}

// A roster's bots.ini, in its own folder.
struct RosterFile {
    QString folder;
    QByteArray bytes; // the file as the program writes it
};

struct Data {
    QTemporaryDir dir;
    RosterFile largest;
    RosterFile typical;
    QString windowFolder; // a copy of the largest, for the window that handlers change and save

    Data() {
        largest = make(u"largest"_s, Largest, Largest);
        typical = make(u"typical"_s, 10, 20);
        windowFolder = dir.filePath(u"window"_s);
        QDir().mkpath(windowFolder);
        QFile::copy(botsIniPath(largest.folder), botsIniPath(windowFolder));
    }

    RosterFile make(const QString& name, qint16 maps, qint16 bots) {
        RosterFile r;
        r.folder = dir.filePath(name);
        QDir().mkpath(r.folder);
        r.bytes = encodeCodePage(composeBotsIni(makeRoster(maps, bots)) + BotsIniLineBreak);
        QFile file(botsIniPath(r.folder));
        if (!file.open(QIODevice::WriteOnly) || file.write(r.bytes) != r.bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return r;
    }
};

Data* data = nullptr;

// ---------------------------------------------------------------------------------------------
// Timing

// Every sample of every benchmark, in seconds, for the summary.
std::map<std::string, std::vector<double>> samples;
std::map<std::string, double> figures; // single values: peak memory, ratios

template <typename Step> double timeOf(Step&& step) {
    QElapsedTimer clock;
    clock.start();
    step();
    return double(clock.nsecsElapsed()) * 1e-9;
}

std::string running; // the benchmark now running

void record(benchmark::State& state, double seconds) {
    state.SetIterationTime(seconds);
    samples[running].push_back(seconds);
}

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double maximum(const std::vector<double>& v) {
    return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
}

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

// ---------------------------------------------------------------------------------------------
// Reading and writing, without a window

void readBytes(benchmark::State& state, const RosterFile* file) {
    for (auto _ : state) {
        auto read = std::make_unique<BotsIniRead>();
        record(state, timeOf([&] { *read = readBotsIni(file->bytes); }));
        benchmark::DoNotOptimize(read->roster.bots.count());
    }
    state.SetBytesProcessed(state.iterations() * file->bytes.size());
}

void loadFile(benchmark::State& state, const RosterFile* file) {
    for (auto _ : state) {
        auto read = std::make_unique<BotsIniRead>();
        record(state, timeOf([&] { *read = readBotsIniFile(file->folder); }));
        if (read->roster.bots.count() != Largest)
            state.SkipWithError("the file did not load whole");
    }
}

void inihString(benchmark::State& state, const RosterFile* file) {
    const std::string text = file->bytes.toStdString();
    for (auto _ : state) {
        auto r = std::make_unique<IniRoster>();
        record(state, timeOf([&] { ini_parse_string(text.c_str(), iniHandler, r.get()); }));
        if (r->bots.size() != std::size_t(Largest) || r->maps.size() != std::size_t(Largest))
            state.SkipWithError("inih read another roster");
    }
}

void inihFile(benchmark::State& state, const RosterFile* file) {
    const QByteArray path = QFile::encodeName(botsIniPath(file->folder));
    for (auto _ : state) {
        auto r = std::make_unique<IniRoster>();
        record(state, timeOf([&] { ini_parse(path.constData(), iniHandler, r.get()); }));
        if (r->bots.size() != std::size_t(Largest))
            state.SkipWithError("inih read another roster");
    }
}

void compose(benchmark::State& state, const RosterFile* file) {
    const Roster roster = readBotsIni(file->bytes).roster;
    for (auto _ : state) {
        QString text;
        record(state, timeOf([&] { text = composeBotsIni(roster); }));
        benchmark::DoNotOptimize(text.size());
    }
}

// What "Save INI" does to the file: the roster composed and written.
void writeBotsIniAlone(benchmark::State& state, const RosterFile* file) {
    const Roster roster = readBotsIni(file->bytes).roster;
    QTemporaryDir out;
    for (auto _ : state) {
        QString error;
        record(state,
               timeOf([&] { writeBotsIniFile(out.path(), composeBotsIni(roster), &error); }));
        if (!error.isEmpty())
            state.SkipWithError(qPrintable(error));
    }
}

// What "Launch" composes for the INI page, without a window to show it.
void composeForLaunch(benchmark::State& state, const RosterFile* file) {
    const Roster roster = readBotsIni(file->bytes).roster;
    for (auto _ : state) {
        QString text;
        record(state, timeOf([&] { text = composeBotsIni(roster); }));
        benchmark::DoNotOptimize(text.size());
    }
}

// ---------------------------------------------------------------------------------------------
// The window

template <typename T> T* control(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QLatin1StringView(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// Runs the event loop until the window is on screen and drawn once.
void untilShown(QWidget& window) {
    QElapsedTimer clock;
    clock.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed())) {
        QCoreApplication::processEvents();
        if (clock.elapsed() > 10000)
            qFatal("the window was never shown");
    }
    QCoreApplication::processEvents();
}

void startUpEmpty(benchmark::State& state) {
    for (auto _ : state) {
        std::unique_ptr<QWidget> window;
        record(state, timeOf([&] {
                   window = std::make_unique<QWidget>();
                   window->resize(249, 177);
                   window->show();
                   untilShown(*window);
               }));
        window.reset();
        QCoreApplication::processEvents();
    }
}

void startUp(benchmark::State& state, const RosterFile* file) {
    for (auto _ : state) {
        std::unique_ptr<MainWindow> window;
        record(state, timeOf([&] {
                   window = std::make_unique<MainWindow>(file->folder);
                   window->load();
                   window->show();
                   untilShown(*window);
               }));
        window.reset();
        QCoreApplication::processEvents();
    }
}

// One window on (a copy of) the largest roster, shared by the handler benchmarks in turn. It must
// be gone before the application object is.
std::unique_ptr<MainWindow> shared;

MainWindow* sharedWindow() {
    if (!shared) {
        shared = std::make_unique<MainWindow>(data->windowFolder);
        shared->load();
        shared->show();
        untilShown(*shared);
    }
    return shared.get();
}

void selectPage(MainWindow& w, int page) {
    control<QTabBar>(w, "pageTabs")->setCurrentIndex(page);
    QCoreApplication::processEvents();
}

void pageBots(benchmark::State& state) {
    MainWindow& w = *sharedWindow();
    selectPage(w, 0);
    QScrollBar* bar = control<QScrollBar>(w, "botPager");
    for (auto _ : state) {
        const int next = bar->value() + 1; // one past the last wraps to the first
        record(state, timeOf([&] { bar->setValue(next); }));
    }
}

void pageMaps(benchmark::State& state) {
    MainWindow& w = *sharedWindow();
    selectPage(w, 1);
    QScrollBar* bar = control<QScrollBar>(w, "mapPager");
    for (auto _ : state) {
        const int next = bar->value() + 1;
        record(state, timeOf([&] { bar->setValue(next); }));
    }
}

void tabChange(benchmark::State& state) {
    MainWindow& w = *sharedWindow();
    QTabBar* tabs = control<QTabBar>(w, "pageTabs");
    for (auto _ : state) {
        const int next = tabs->currentIndex() == 0 ? 1 : 0;
        record(state, timeOf([&] { tabs->setCurrentIndex(next); }));
    }
}

// Remove the first entry of a full list, then Add one back (only one of the two is timed).
void removeOrAdd(benchmark::State& state, bool maps, bool timeRemove) {
    MainWindow& w = *sharedWindow();
    selectPage(w, maps ? 1 : 0);
    QScrollBar* bar = control<QScrollBar>(w, maps ? "mapPager" : "botPager");
    QPushButton* add = control<QPushButton>(w, maps ? "addMapButton" : "addBotButton");
    QPushButton* remove = control<QPushButton>(w, maps ? "removeMapButton" : "removeBotButton");
    const auto count = [&] { return maps ? w.roster().maps.count() : w.roster().bots.count(); };
    for (auto _ : state) {
        bar->setValue(1);
        const double removing = timeOf([&] { remove->click(); });
        const double adding = timeOf([&] { add->click(); });
        record(state, timeRemove ? removing : adding);
        if (count() != Largest)
            state.SkipWithError("the list did not come back to its full size");
    }
}

void removeFirstMap(benchmark::State& state) {
    removeOrAdd(state, true, true);
}
void removeFirstBot(benchmark::State& state) {
    removeOrAdd(state, false, true);
}
void addMap(benchmark::State& state) {
    removeOrAdd(state, true, false);
}
void addBot(benchmark::State& state) {
    removeOrAdd(state, false, false);
}

// Save INI with the INI page showing the whole file: the click replaces all of the shown text.
void saveIniClick(benchmark::State& state) {
    MainWindow& w = *sharedWindow();
    selectPage(w, 2);
    QPushButton* save = control<QPushButton>(w, "saveIniButton");
    for (auto _ : state)
        record(state, timeOf([&] { save->click(); }));
}

// What Launch does before it starts the game: the roster composed and put on the INI page in
// place of the text it shows, here with the INI page showing.
void launchComposing(benchmark::State& state) {
    MainWindow& w = *sharedWindow();
    selectPage(w, 2);
    auto* view = control<IniTextView>(w, "iniTextView");
    for (auto _ : state)
        record(state, timeOf([&] { view->setText(composeBotsIni(w.roster())); }));
}

// The whole Launch click, from the Bots page, with a stored game that exists: an "hl.exe" that
// ends at once. Starting a process costs more the more memory the starting process holds, and
// this benchmark process holds far more than the program does: the figure is an upper bound.
void launchClick(benchmark::State& state) {
    MainWindow& w = *sharedWindow();
    selectPage(w, 0);
    const QString game = data->dir.filePath(u"game"_s);
    QDir().mkpath(game);
    const QString program = game + u"/hl.exe"_s;
    QFile script(program);
    if (!script.open(QIODevice::WriteOnly) || script.write("#!/bin/sh\nexit 0\n") < 0)
        qFatal("cannot write %s", qPrintable(program));
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    writeStoredSettings({{SettingsKeys::GamePath, program}, {SettingsKeys::Parameters, QString()}});
    QPushButton* launch = control<QPushButton>(w, "launchFromBotsButton");
    for (auto _ : state)
        record(state, timeOf([&] { launch->click(); }));
    writeStoredSettings({{SettingsKeys::GamePath, FallbackGamePath}});
}

// The first look at the INI page after start-up: from the tab press until the whole text is
// scrollable and its last line drawn, all in one event-loop turn.
void iniPageFirstShow(benchmark::State& state) {
    for (auto _ : state) {
        MainWindow w(data->largest.folder);
        w.load();
        w.show();
        untilShown(w);
        QTabBar* tabs = control<QTabBar>(w, "pageTabs");
        auto* view = control<IniTextView>(w, "iniTextView");
        QScrollBar* bar = view->verticalScrollBar();
        record(state, timeOf([&] {
                   tabs->setCurrentIndex(2);
                   bar->setValue(bar->maximum());
                   view->viewport()->repaint();
               }));
        if (view->lineCount() < 2 * Largest || bar->value() == 0)
            state.SkipWithError("the INI page did not reach its last line");
    }
}

// ---------------------------------------------------------------------------------------------
// Child processes: start-up as the player sees it, and peak memory

qint64 monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// The peak resident set of this process so far, in kB. (ru_maxrss would do, but Linux carries it
// over from the parent across fork and exec; VmHWM starts afresh with the new program.)
long peakResidentKb() {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

void writeResult(const char* path, const QByteArray& text) {
    QFile out(QString::fromLocal8Bit(path));
    if (out.open(QIODevice::WriteOnly))
        out.write(text);
}

// --show-child empty|label|FOLDER OUT: the moment the window is shown, for the parent's clock.
int showChild(int argc, char** argv) {
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (std::strcmp(argv[2], "empty") == 0) {
        window = std::make_unique<QWidget>();
        window->resize(249, 177);
    } else if (std::strcmp(argv[2], "label") == 0) {
        // The least a window with text costs: the first text drawn loads the font system.
        window = std::make_unique<QLabel>(u"Bots"_s);
        window->resize(249, 177);
    } else {
        auto mainWindow = std::make_unique<MainWindow>(QString::fromLocal8Bit(argv[2]));
        mainWindow->load();
        window = std::move(mainWindow);
    }
    window->show();
    untilShown(*window);
    writeResult(argv[3], QByteArray::number(monotonicNs()));
    return 0;
}

// --read-child ours|inih FOLDER OUT: one read of bots.ini by a fresh process, whose memory is all
// new to it, as at the program's start.
int readChild(char** argv) {
    const QString folder = QString::fromLocal8Bit(argv[3]);
    qint64 spent = 0;
    if (std::strcmp(argv[2], "ours") == 0) {
        BotsIniRead read;
        spent = qint64(timeOf([&] { read = readBotsIniFile(folder); }) * 1e9);
        if (read.roster.bots.count() != Largest)
            return 1;
    } else {
        const QByteArray path = QFile::encodeName(botsIniPath(folder));
        IniRoster r;
        spent = qint64(timeOf([&] { ini_parse(path.constData(), iniHandler, &r); }) * 1e9);
        if (r.bots.size() != std::size_t(Largest))
            return 1;
    }
    writeResult(argv[4], QByteArray::number(spent));
    return 0;
}

// --peak-child FOLDER OUT: peak memory with the largest roster loaded, then with the INI page
// shown at its last line.
int peakChild(int argc, char** argv) {
    QApplication app(argc, argv);
    MainWindow w(QString::fromLocal8Bit(argv[2]));
    w.load();
    w.show();
    untilShown(w);
    const long loaded = peakResidentKb();
    control<QTabBar>(w, "pageTabs")->setCurrentIndex(2);
    auto* view = control<IniTextView>(w, "iniTextView");
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    view->viewport()->repaint();
    const long filled = peakResidentKb();
    writeResult(argv[3], QByteArray::number(qlonglong(loaded)) + ' ' +
                             QByteArray::number(qlonglong(filled)));
    return 0;
}

// Starts this program again with the arguments (posix_spawn: no copy of this large process) and
// waits for it. Returns the clock just before the start and the child's output, or nothing.
std::optional<std::pair<qint64, QByteArray>> runChild(const std::vector<std::string>& arguments) {
    const QString out = data->dir.filePath(u"child-result"_s);
    QFile::remove(out);
    const std::string program = QCoreApplication::applicationFilePath().toStdString();
    const std::string outPath = QFile::encodeName(out).toStdString();
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(const_cast<char*>(outPath.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const qint64 started = monotonicNs();
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return std::nullopt;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    QFile result(out);
    if (!result.open(QIODevice::ReadOnly))
        return std::nullopt;
    return std::make_pair(started, result.readAll());
}

void startUpProcess(benchmark::State& state, std::string what) {
    for (auto _ : state) {
        const auto child = runChild({"--show-child", what});
        if (!child) {
            state.SkipWithError("the child process failed");
            break;
        }
        record(state, double(child->second.toLongLong() - child->first) * 1e-9);
    }
}

void readProcess(benchmark::State& state, std::string reader) {
    for (auto _ : state) {
        const auto child = runChild({"--read-child", reader, data->largest.folder.toStdString()});
        if (!child) {
            state.SkipWithError("the child process failed");
            break;
        }
        record(state, double(child->second.toLongLong()) * 1e-9);
    }
}

void measurePeakMemory() {
    const auto child = runChild({"--peak-child", data->largest.folder.toStdString()});
    if (!child) {
        std::fprintf(stderr, "the peak memory child failed\n");
        return;
    }
    const QList<QByteArray> parts = child->second.split(' ');
    if (parts.size() == 2) {
        figures["rss loaded"] = parts[0].toDouble() / 1024.0;
        figures["rss filled"] = parts[1].toDouble() / 1024.0;
    }
}

// ---------------------------------------------------------------------------------------------
// The summary

QString ms(double seconds) {
    const double v = seconds * 1e3;
    return v < 1     ? QString::number(v, 'f', 3)
           : v < 100 ? QString::number(v, 'f', 1)
                     : QString::number(v, 'f', 0);
}

QString loadAverage() {
    QFile file(u"/proc/loadavg"_s);
    if (!file.open(QIODevice::ReadOnly))
        return u"?"_s;
    return QString::fromLatin1(file.readAll().split(' ').value(0));
}

QString loadAtStart;

void printSummary() {
    const auto med = [](const char* name) { return median(samples[name]); };
    const auto max = [](const char* name) { return maximum(samples[name]); };
    const auto yes = [](bool met) { return met ? "yes" : "**no**"; };
    struct Row {
        QString what, measured, target, met;
    };
    std::vector<Row> rows;
    // A target for a handler or a slice holds for every single run (the slowest counts); one for
    // start-up, for the usual run (the median).
    enum Judge { Usual, Every };
    const auto timeRow = [&](const char* name, const QString& what, double limit,
                             Judge judge = Every) {
        const double m = med(name);
        const double x = max(name);
        const QString target = judge == Every ? u"every run ≤ "_s : u"median ≤ "_s;
        rows.push_back(
            {what, ms(m) + u" ms (max "_s + ms(x) + u")"_s,
             limit > 0 ? target + ms(limit) + u" ms"_s : u"–"_s,
             limit > 0 ? QString::fromLatin1(yes((judge == Every ? x : m) <= limit)) : u"–"_s});
    };

    const double ours = med("read/largest");
    const double inih = med("inih/largest (from memory)");
    const double oursFile = med("load/largest (from file)");
    const double inihFile = med("inih/largest (from file)");
    const QString size = QString::number(double(data->largest.bytes.size()) / 1e6, 'f', 1);
    timeRow("read/largest", u"Read largest (%1 MB) — readBotsIni"_s.arg(size), 0);
    timeRow("inih/largest (from memory)", u"Read largest — inih ini_parse_string"_s, 0);
    rows.push_back({u"Read largest: ours / inih (from memory)"_s,
                    QString::number(ours / inih, 'f', 2), u"≤ 1.00"_s,
                    QString::fromLatin1(yes(ours <= inih))});
    timeRow("load/largest (from file)", u"Read largest file — readBotsIniFile"_s, 0);
    timeRow("inih/largest (from file)", u"Read largest file — inih ini_parse"_s, 0);
    rows.push_back({u"Read largest file: ours / inih"_s,
                    QString::number(oursFile / inihFile, 'f', 2), u"≤ 1.00"_s,
                    QString::fromLatin1(yes(oursFile <= inihFile))});
    const double oursCold = med("cold read/largest file (ours, new process)");
    const double inihCold = med("cold read/largest file (inih, new process)");
    timeRow("cold read/largest file (ours, new process)",
            u"Read largest file in a new process — readBotsIniFile"_s, 0);
    timeRow("cold read/largest file (inih, new process)",
            u"Read largest file in a new process — inih ini_parse"_s, 0);
    rows.push_back({u"Read largest file in a new process: ours / inih"_s,
                    QString::number(oursCold / inihCold, 'f', 2), u"≤ 1.00"_s,
                    QString::fromLatin1(yes(oursCold <= inihCold))});
    timeRow("compose/largest", u"Compose largest — composeBotsIni"_s, 0);
    timeRow("read/typical", u"Read typical (10 maps, 20 bots)"_s, 0);
    timeRow("compose/typical", u"Compose typical"_s, 0);

    const double empty = med("process/empty QWidget");
    const double typical = med("process/typical");
    timeRow("process/empty QWidget", u"Start-up to shown, new process: empty QWidget"_s, 0);
    timeRow("process/typical", u"Start-up to shown, new process: typical roster"_s, 0);
    rows.push_back({u"Start-up typical / empty QWidget"_s, QString::number(typical / empty, 'f', 2),
                    u"≤ 1.50"_s, QString::fromLatin1(yes(typical <= 1.5 * empty))});
    timeRow("process/QLabel", u"Start-up to shown, new process: a QLabel (fonts loaded)"_s, 0);
    rows.push_back({u"Start-up typical / QLabel"_s,
                    QString::number(typical / med("process/QLabel"), 'f', 2), u"–"_s, u"–"_s});
    timeRow("process/largest", u"Start-up to shown, new process: largest roster"_s, 0.25, Usual);
    timeRow("startup/empty QWidget", u"Start-up to shown, in a warm process: empty QWidget"_s, 0);
    timeRow("startup/typical", u"Start-up to shown, in a warm process: typical"_s, 0);
    timeRow("startup/largest", u"Start-up to shown, in a warm process: largest"_s, 0.25, Usual);
    timeRow("handler/page bots", u"Handler: paging one bot (largest)"_s, 0.1);
    timeRow("handler/page maps", u"Handler: paging one map (largest)"_s, 0.1);
    timeRow("handler/tab Bots-Maps", u"Handler: tab change Bots ↔ Maps"_s, 0.1);
    timeRow("handler/tab to INI, first",
            u"INI tab pressed to the whole 8.9 MB text scrollable, at its last line"_s, 0.1);
    timeRow("handler/Add map (32766 → 32767)", u"Handler: Add map at 32766"_s, 0.1);
    timeRow("handler/Add bot (32766 → 32767)", u"Handler: Add bot at 32766"_s, 0.1);
    timeRow("handler/Remove first map of 32767", u"Handler: Remove first of 32767 maps"_s, 0.1);
    timeRow("handler/Remove first bot of 32767", u"Handler: Remove first of 32767 bots"_s, 0.1);
    timeRow("handler/Save INI (largest)", u"Handler: Save INI (largest, INI page full)"_s, 0.1);
    timeRow("handler/Launch composing (largest)",
            u"Handler: Launch's composing (largest, INI page full)"_s, 0.1);
    timeRow("handler/Launch click (largest)",
            u"Launch click, whole (largest; starts a stand-in game)"_s, 0);
    timeRow("write/writeBotsIniFile largest",
            u"composeBotsIni + writeBotsIniFile largest (Save INI's writing), no window"_s, 0);
    timeRow("write/composeBotsIni for Launch largest",
            u"composeBotsIni largest (Launch's composing), no window"_s, 0);
    if (figures.count("rss loaded")) {
        const double loaded = figures["rss loaded"];
        const double filled = figures["rss filled"];
        rows.push_back({u"Peak resident memory, largest loaded, Bots page"_s,
                        QString::number(loaded, 'f', 0) + u" MB"_s, u"< 150 MB"_s,
                        QString::fromLatin1(yes(loaded < 150))});
        rows.push_back({u"Peak resident memory, largest, INI page shown"_s,
                        QString::number(filled, 'f', 0) + u" MiB"_s, u"< 80 MiB"_s,
                        QString::fromLatin1(yes(filled < 80))});
    }

    std::printf("\n| Measure | Result | Target | Met |\n| --- | --- | --- | --- |\n");
    for (const Row& row : rows) {
        std::printf("| %s | %s | %s | %s |\n", qPrintable(row.what), qPrintable(row.measured),
                    qPrintable(row.target), qPrintable(row.met));
    }
    std::printf("\nTimes are medians over the iterations, with the slowest in brackets. Peak "
                "memory is VmHWM of a child process started for it (what ru_maxrss gives for a "
                "program started on its own). %d cores; load average %s before the run, %s "
                "after.\n",
                QThread::idealThreadCount(), qPrintable(loadAtStart), qPrintable(loadAverage()));
}

template <typename Function, typename... Args>
benchmark::internal::Benchmark* add(const char* name, Function function, Args... args) {
    return benchmark::RegisterBenchmark(name,
                                        [name, function, args...](benchmark::State& state) {
                                            running = name;
                                            function(state, args...);
                                        })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

void registerAll() {
    const RosterFile* largest = &data->largest;
    const RosterFile* typical = &data->typical;
    add("read/largest", readBytes, largest)->MinTime(2.0);
    add("inih/largest (from memory)", inihString, largest)->MinTime(2.0);
    add("load/largest (from file)", loadFile, largest)->MinTime(2.0);
    add("inih/largest (from file)", inihFile, largest)->MinTime(2.0);
    add("cold read/largest file (ours, new process)", readProcess, std::string("ours"))
        ->Iterations(10);
    add("cold read/largest file (inih, new process)", readProcess, std::string("inih"))
        ->Iterations(10);
    add("compose/largest", compose, largest);
    add("read/typical", readBytes, typical)->Unit(benchmark::kMicrosecond);
    add("compose/typical", compose, typical)->Unit(benchmark::kMicrosecond);
    add("write/writeBotsIniFile largest", writeBotsIniAlone, largest);
    add("write/composeBotsIni for Launch largest", composeForLaunch, largest);
    add("process/empty QWidget", startUpProcess, std::string("empty"))->Iterations(15);
    add("process/QLabel", startUpProcess, std::string("label"))->Iterations(15);
    add("process/typical", startUpProcess, typical->folder.toStdString())->Iterations(15);
    add("process/largest", startUpProcess, largest->folder.toStdString())->Iterations(15);
    add("startup/empty QWidget", startUpEmpty)->MinTime(1.0);
    add("startup/typical", startUp, typical)->MinTime(1.0);
    add("startup/largest", startUp, largest)->Iterations(15);
    add("handler/page bots", pageBots)->Iterations(2000);
    add("handler/page maps", pageMaps)->Iterations(2000);
    add("handler/tab Bots-Maps", tabChange)->Iterations(200);
    add("handler/Remove first map of 32767", removeFirstMap)->Iterations(50);
    add("handler/Remove first bot of 32767", removeFirstBot)->Iterations(50);
    add("handler/Add map (32766 → 32767)", addMap)->Iterations(50);
    add("handler/Add bot (32766 → 32767)", addBot)->Iterations(50);
    add("handler/Save INI (largest)", saveIniClick)->Iterations(5);
    add("handler/Launch composing (largest)", launchComposing)->Iterations(5);
    add("handler/Launch click (largest)", launchClick)->Iterations(10);
    add("handler/tab to INI, first", iniPageFirstShow)->Iterations(3);
}

} // namespace

int main(int argc, char** argv) {
    // Settings go to a private folder: the benchmark never reads or writes the player's own.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + u"/config"_s));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A failed Launch or Save would open a message box and wait: print the message instead.
    setMessageHandler([](QWidget*, const QString& title, const QString& text) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    });
    if (argc == 4 && std::strcmp(argv[1], "--show-child") == 0)
        return showChild(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "--peak-child") == 0)
        return peakChild(argc, argv);
    if (argc == 5 && std::strcmp(argv[1], "--read-child") == 0)
        return readChild(argv);

    QApplication app(argc, argv);
    Data all;
    data = &all;
    loadAtStart = loadAverage();
    benchmark::Initialize(&argc, argv);
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    shared.reset();
    measurePeakMemory();
    printSummary();
    benchmark::Shutdown();
    return 0;
}
