// Benchmarks of reading and writing bots.ini and of the main window, with a typical roster (10
// maps, 20 bots) and the largest the program holds (32767 maps and 32767 bots, about 9 MB).
//
// Every benchmark runs one measured step per repetition, timed by hand (one clock read before
// and after the step alone) and handed to Google Benchmark as the repetition's time, so set-up
// and tidying never count. Google Benchmark reports the median and the slowest ("max") of the
// repetitions; scripts/bench-table.py turns its JSON report into the table of the README, with
// the targets. Peak memory is a counter in MiB. Run with QT_QPA_PLATFORM=offscreen.
//
//   zelvik_bench [Google Benchmark options, e.g. --benchmark_out=FILE --benchmark_out_format=json]
//   zelvik_bench --show-child empty|label|floor|FOLDER OUT, --read-child ours|inih FOLDER OUT,
//                --peak-child FOLDER OUT, --floor-settings-child OUT
//                                     (run by the benchmark itself, as child processes)
#include "app/settings.h"
#include "game/gamefinder.h"
#include "roster/botsini.h"
#include "roster/botsinifile.h"
#include "roster/codepage.h"
#include "roster/roster.h"
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
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QWindow>

#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int Largest = EntryList<BotEntry>::MaxEntries;

// ---------------------------------------------------------------------------------------------
// Rosters and the folders that hold them

Roster makeRoster(int maps, int bots) {
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

// The folders a start-up with nothing to show gets: an empty program folder, and a settings
// store that holds an empty game path, so that no game is searched for and no catalogue read.
struct FloorFolders {
    QString program;
    QString config;
};

struct Data {
    QTemporaryDir dir;
    RosterFile largest;
    RosterFile typical;
    QString windowFolder; // a copy of the largest, for the window that handlers change and save
    FloorFolders floor;

    Data() {
        largest = make(u"largest"_s, Largest, Largest);
        typical = make(u"typical"_s, 10, 20);
        windowFolder = dir.filePath(u"window"_s);
        QDir().mkpath(windowFolder);
        QFile::copy(botsIniPath(largest.folder), botsIniPath(windowFolder));
        floor = {dir.filePath(u"floor"_s), dir.filePath(u"floor-config"_s)};
        QDir().mkpath(floor.program);
        QDir().mkpath(floor.config);
    }

    RosterFile make(const QString& name, int maps, int bots) {
        RosterFile r;
        r.folder = dir.filePath(name);
        QDir().mkpath(r.folder);
        r.bytes = composeBotsIniFile(makeRoster(maps, bots));
        QFile file(botsIniPath(r.folder));
        if (!file.open(QIODevice::WriteOnly) || file.write(r.bytes) != r.bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return r;
    }
};

Data* data = nullptr;

// ---------------------------------------------------------------------------------------------
// Timing

template <typename Step> double timeOf(Step&& step) {
    QElapsedTimer clock;
    clock.start();
    step();
    return double(clock.nsecsElapsed()) * 1e-9;
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
        state.SetIterationTime(timeOf([&] { *read = readBotsIni(file->bytes); }));
        benchmark::DoNotOptimize(read->roster.bots.count());
    }
    state.SetBytesProcessed(state.iterations() * file->bytes.size());
    state.counters["file_MB"] = double(file->bytes.size()) / 1e6;
}

void loadFile(benchmark::State& state, const RosterFile* file) {
    for (auto _ : state) {
        auto read = std::make_unique<BotsIniRead>();
        state.SetIterationTime(timeOf([&] { *read = readBotsIniFile(file->folder); }));
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
        state.SetIterationTime(
            timeOf([&] { writeBotsIniFile(out.path(), composeBotsIniFile(roster), &error); }));
        if (!error.isEmpty())
            state.SkipWithError(qPrintable(error));
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
        state.SetIterationTime(timeOf([&] {
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
        state.SetIterationTime(timeOf([&] {
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

// One step right on the page's pager; one past the last wraps to the first.
void pageOne(benchmark::State& state, int page, const char* pagerName) {
    MainWindow& w = *sharedWindow();
    selectPage(w, page);
    QScrollBar* bar = control<QScrollBar>(w, pagerName);
    for (auto _ : state) {
        const int next = bar->value() + 1;
        state.SetIterationTime(timeOf([&] { bar->setValue(next); }));
    }
}

void tabChange(benchmark::State& state) {
    MainWindow& w = *sharedWindow();
    QTabBar* tabs = control<QTabBar>(w, "pageTabs");
    for (auto _ : state) {
        const int next = tabs->currentIndex() == 0 ? 1 : 0;
        state.SetIterationTime(timeOf([&] { tabs->setCurrentIndex(next); }));
    }
}

enum class ListOf { Maps, Bots };
enum class Timed { Remove, Add };

// Remove the first entry of a full list, then Add one back (only one of the two is timed).
void removeOrAdd(benchmark::State& state, ListOf list, Timed timed) {
    const bool maps = list == ListOf::Maps;
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
        state.SetIterationTime(timed == Timed::Remove ? removing : adding);
        if (count() != Largest)
            state.SkipWithError("the list did not come back to its full size");
    }
}

// Save INI with the INI page showing the whole file: the click replaces all of the shown text.
void saveIniClick(benchmark::State& state) {
    MainWindow& w = *sharedWindow();
    selectPage(w, 2);
    QPushButton* save = control<QPushButton>(w, "saveIniButton");
    for (auto _ : state)
        state.SetIterationTime(timeOf([&] { save->click(); }));
}

// The least "Save INI" can cost: the bytes it last wrote, put into a bare QSaveFile, whose commit
// flushes them, syncs them to the disk and renames the new file over the old one.
void saveIniFloor(benchmark::State& state) {
    QFile saved(botsIniPath(data->windowFolder));
    if (!saved.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(saved.fileName()));
    const QByteArray bytes = saved.readAll();
    QTemporaryDir out;
    const QString path = botsIniPath(out.path());
    if (!QFile::copy(saved.fileName(), path)) // a file to replace, as Save INI has
        qFatal("cannot write %s", qPrintable(path));
    for (auto _ : state) {
        bool written = false;
        state.SetIterationTime(timeOf([&] {
            QSaveFile file(path);
            written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                      file.commit();
        }));
        if (!written)
            state.SkipWithError("the bare QSaveFile could not write");
    }
}

// What Launch does before it starts the game: the roster composed and put on the INI page in
// place of the text it shows, here with the INI page showing.
void launchComposing(benchmark::State& state) {
    MainWindow& w = *sharedWindow();
    selectPage(w, 2);
    auto* view = control<IniTextView>(w, "iniTextView");
    for (auto _ : state)
        state.SetIterationTime(timeOf([&] {
            const QByteArray bytes = composeBotsIniFile(w.roster());
            view->setFileBytes(bytes, bytes.size() - BotsIniLineBreak.size());
        }));
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
        state.SetIterationTime(timeOf([&] { launch->click(); }));
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
        state.SetIterationTime(timeOf([&] {
            tabs->setCurrentIndex(2);
            bar->setValue(bar->maximum());
            view->viewport()->repaint();
        }));
        if (view->lineCount() < 2 * qint64(Largest) || bar->value() == 0)
            state.SkipWithError("the INI page did not reach its last line");
    }
}

// Closing the window at the largest roster with its last bot renamed: from the close request
// until the question about the unsaved edit is asked. Nothing differs before the last entry, so
// the whole roster is compared. The question is answered Cancel, so the window stays open and the
// same edit is asked about on the next close.
void closeQuestion(benchmark::State& state) {
    MainWindow w(data->largest.folder);
    w.load();
    w.show();
    untilShown(w);
    control<QScrollBar>(w, "botPager")->setValue(Largest);
    control<QLineEdit>(w, "botNameEdit")->setText(u"Renamed"_s);
    QElapsedTimer clock;
    qint64 askedAfter = -1;
    const QuestionHandler previous = setQuestionHandler([&](QWidget*, const Question&) {
        askedAfter = clock.nsecsElapsed();
        return Answer::Cancel;
    });
    for (auto _ : state) {
        askedAfter = -1;
        clock.start();
        w.close();
        if (askedAfter < 0 || !w.isVisible()) {
            state.SkipWithError("closing did not ask about the unsaved edit");
            break;
        }
        state.SetIterationTime(double(askedAfter) * 1e-9);
    }
    setQuestionHandler(previous);
}

// ---------------------------------------------------------------------------------------------
// Child processes: start-up as the player sees it, reads by a fresh process, and peak memory

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

// The settings store of a start-up with nothing to show, for the folders the parent names in
// ZELVIK_BENCH_FLOOR_CONFIG: it holds an empty game path.
void useFloorSettings() {
    qputenv("XDG_CONFIG_HOME", qgetenv("ZELVIK_BENCH_FLOOR_CONFIG"));
}

// --floor-settings-child OUT: writes the floor's settings store, with the program's own writer.
int floorSettingsChild(char** argv) {
    useFloorSettings();
    writeStoredSettings({{SettingsKeys::GamePath, QString()}});
    writeResult(argv[2], "ok");
    return 0;
}

// --show-child empty|label|floor|FOLDER OUT: the moment the window is shown, for the parent's
// clock. "floor" is the program's window with no bots.ini, no stored settings but an empty game
// path, and so no catalogue: the least the program's own window costs.
int showChild(int argc, char** argv) {
    const bool floor = std::strcmp(argv[2], "floor") == 0;
    if (floor)
        useFloorSettings();
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (std::strcmp(argv[2], "empty") == 0) {
        window = std::make_unique<QWidget>();
        window->resize(249, 177);
    } else if (std::strcmp(argv[2], "label") == 0) {
        // The least a window with text costs: the first text drawn loads the font system.
        window = std::make_unique<QLabel>(u"Bots"_s);
        window->resize(249, 177);
    } else if (floor) {
        window = std::make_unique<MainWindow>(qEnvironmentVariable("ZELVIK_BENCH_FLOOR_FOLDER"));
    } else {
        auto mainWindow = std::make_unique<MainWindow>(QString::fromLocal8Bit(argv[2]));
        mainWindow->load();
        window = std::move(mainWindow);
    }
    window->show();
    untilShown(*window);
    const qint64 shown = monotonicNs();
    // The floor's window must have had nothing to read: no game path, so no catalogue.
    if (floor && !control<QLineEdit>(*window, "gamePathEdit")->text().isEmpty())
        return 1;
    writeResult(argv[3], QByteArray::number(shown));
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

// --peak-child FOLDER OUT: the peak memory of the program with the largest roster loaded and the
// INI page shown at its last line (the most it holds at once), in kB.
int peakChild(int argc, char** argv) {
    QApplication app(argc, argv);
    MainWindow w(QString::fromLocal8Bit(argv[2]));
    w.load();
    w.show();
    untilShown(w);
    control<QTabBar>(w, "pageTabs")->setCurrentIndex(2);
    auto* view = control<IniTextView>(w, "iniTextView");
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    view->viewport()->repaint();
    writeResult(argv[3], QByteArray::number(qlonglong(peakResidentKb())));
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

void startUpProcess(benchmark::State& state, const std::string& what) {
    for (auto _ : state) {
        const auto child = runChild({"--show-child", what});
        if (!child) {
            state.SkipWithError("the child process failed");
            break;
        }
        state.SetIterationTime(double(child->second.toLongLong() - child->first) * 1e-9);
    }
}

void readProcess(benchmark::State& state, const std::string& reader) {
    for (auto _ : state) {
        const auto child = runChild({"--read-child", reader, data->largest.folder.toStdString()});
        if (!child) {
            state.SkipWithError("the child process failed");
            break;
        }
        state.SetIterationTime(double(child->second.toLongLong()) * 1e-9);
    }
}

// Peak resident memory as the counter "peak_MiB"; no time is taken.
void peakMemory(benchmark::State& state) {
    for (auto _ : state) {
        const auto child = runChild({"--peak-child", data->largest.folder.toStdString()});
        if (!child) {
            state.SkipWithError("the child process failed");
            break;
        }
        state.SetIterationTime(0);
        state.counters["peak_MiB"] = child->second.toDouble() / 1024.0;
    }
}

// ---------------------------------------------------------------------------------------------
// Registration

double slowest(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

// Each repetition is one measured step; Google Benchmark reports the mean, median, deviation and
// the slowest over the repetitions, and only those.
template <typename Function, typename... Args>
benchmark::internal::Benchmark* add(const char* name, int repetitions, Function function,
                                    Args... args) {
    return benchmark::RegisterBenchmark(
               name, [function, args...](benchmark::State& state) { function(state, args...); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(repetitions)
        ->ComputeStatistics("max", slowest)
        ->ReportAggregatesOnly(true);
}

// The names are what scripts/bench-table.py looks up; it holds the targets.
void registerAll() {
    const RosterFile* largest = &data->largest;
    const RosterFile* typical = &data->typical;
    add("read/largest", 50, readBytes, largest);
    add("read/largest inih", 30, inihString, largest);
    add("read file/largest", 50, loadFile, largest);
    add("read file/largest inih", 30, inihFile, largest);
    add("read new process/largest", 10, readProcess, std::string("ours"));
    add("read new process/largest inih", 10, readProcess, std::string("inih"));
    add("compose/largest", 30, compose, largest);
    add("read/typical", 200, readBytes, typical)->Unit(benchmark::kMicrosecond);
    add("compose/typical", 200, compose, typical)->Unit(benchmark::kMicrosecond);
    add("write/largest", 20, writeBotsIniAlone, largest);
    add("start-up new process/empty QWidget", 15, startUpProcess, std::string("empty"));
    add("start-up new process/QLabel", 15, startUpProcess, std::string("label"));
    add("start-up new process/floor", 15, startUpProcess, std::string("floor"));
    add("start-up new process/typical", 15, startUpProcess, typical->folder.toStdString());
    add("start-up new process/largest", 15, startUpProcess, largest->folder.toStdString());
    add("start-up warm/empty QWidget", 100, startUpEmpty)->Unit(benchmark::kMicrosecond);
    add("start-up warm/typical", 50, startUp, typical);
    add("start-up warm/largest", 15, startUp, largest);
    add("handler/page bot", 500, pageOne, 0, "botPager")->Unit(benchmark::kMicrosecond);
    add("handler/page map", 500, pageOne, 1, "mapPager")->Unit(benchmark::kMicrosecond);
    add("handler/tab Bots-Maps", 200, tabChange)->Unit(benchmark::kMicrosecond);
    add("handler/remove first map", 50, removeOrAdd, ListOf::Maps, Timed::Remove);
    add("handler/remove first bot", 50, removeOrAdd, ListOf::Bots, Timed::Remove);
    add("handler/add map at 32766", 50, removeOrAdd, ListOf::Maps, Timed::Add);
    add("handler/add bot at 32766", 50, removeOrAdd, ListOf::Bots, Timed::Add);
    add("handler/Save INI", 10, saveIniClick);
    add("floor/Save INI bare QSaveFile", 10, saveIniFloor);
    add("handler/Launch composing", 5, launchComposing);
    add("handler/Launch click", 10, launchClick);
    add("handler/INI tab first", 3, iniPageFirstShow);
    add("handler/close question", 10, closeQuestion);
    add("memory/largest INI page shown", 3, peakMemory);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A failed Launch or Save would open a message box and wait: print the message instead.
    setMessageHandler([](QWidget*, const QString& title, const QString& text) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    });
    if (argc == 3 && std::strcmp(argv[1], "--floor-settings-child") == 0)
        return floorSettingsChild(argv);
    if (argc == 4 && std::strcmp(argv[1], "--show-child") == 0)
        return showChild(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "--peak-child") == 0)
        return peakChild(argc, argv);
    if (argc == 5 && std::strcmp(argv[1], "--read-child") == 0)
        return readChild(argv);

    // Settings go to a private folder: the benchmark never reads or writes the player's own.
    // The child processes share it.
    const QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + u"/config"_s));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path())); // private to this user, as Qt asks
    QApplication app(argc, argv);
    Data all;
    data = &all;
    qputenv("ZELVIK_BENCH_FLOOR_FOLDER", QFile::encodeName(all.floor.program));
    qputenv("ZELVIK_BENCH_FLOOR_CONFIG", QFile::encodeName(all.floor.config));
    if (!runChild({"--floor-settings-child"}))
        qFatal("cannot write the settings of the start-up floor");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    shared.reset();
    benchmark::Shutdown();
    return 0;
}
