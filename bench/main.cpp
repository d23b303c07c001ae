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
//
// The benchmarks live by what they measure: bench_file.cpp (bots.ini without a window),
// bench_window.cpp (the window in this process) and bench_process.cpp (child processes), on the
// rosters of rosters.cpp. They are registered here, in the order they run.
#include "benchmarks.h"

#include "window/messages.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

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
    add("read/largest", 50, readInMemory, largest);
    add("read/largest inih", 30, inihString, largest);
    add("read file/largest", 50, loadFile, largest);
    add("read file/largest inih", 30, inihFile, largest);
    add("read new process/largest", 10, readProcess, std::string("ours"));
    add("read new process/largest inih", 10, readProcess, std::string("inih"));
    add("compose/largest", 30, compose, largest);
    add("read/typical", 200, readInMemory, typical)->Unit(benchmark::kMicrosecond);
    add("compose/typical", 200, compose, typical)->Unit(benchmark::kMicrosecond);
    add("write/largest", 20, writeBotsIniAlone, largest);
    add("recovery copy window thread/typical", 200, recoveryCopy, typical, false)
        ->Unit(benchmark::kMicrosecond);
    add("recovery copy window thread/largest", 30, recoveryCopy, largest, false);
    add("recovery copy its thread/typical", 100, recoveryCopy, typical, true)
        ->Unit(benchmark::kMicrosecond);
    add("recovery copy its thread/largest", 20, recoveryCopy, largest, true);
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
    add("handler/undo remove first bot (largest)", 30, undoOrRedoRemove, ListOf::Bots, false);
    add("handler/redo remove first bot (largest)", 30, undoOrRedoRemove, ListOf::Bots, true);
    add("handler/undo remove first map (largest)", 30, undoOrRedoRemove, ListOf::Maps, false);
    add("memory/undo history 1000 steps (largest)", 3, historyMemory);
    add("handler/find last of 32767 bots", 30, findLast, 0);
    add("handler/find near the end of the INI text (largest)", 10, findLast, 2);
    add("handler/paste 10000 bots", 10, pasteBots);
    add("roster/open (largest)", 5, rosterOpen);
    add("roster/scroll to the last row", 30, rosterHandler, RosterTimed::ScrollToLast);
    add("roster/Ctrl+A Delete all bots", 10, rosterHandler, RosterTimed::DeleteAll);
    add("roster/undo Delete all bots", 10, rosterHandler, RosterTimed::UndoDeleteAll);
    add("roster/sort bots by name", 10, rosterHandler, RosterTimed::SortByName);
    add("roster/Ctrl+Enter over every bot", 10, rosterHandler, RosterTimed::SetAllNames);
    add("roster/keystroke in the name box", 100, rosterHandler, RosterTimed::KeystrokeInMain)
        ->Unit(benchmark::kMicrosecond);
    add("roster/filter one letter", 10, rosterHandler, RosterTimed::FilterOneLetter);
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
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + u"/data"_s)); // recovery copies
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
    closeSharedWindow();
    benchmark::Shutdown();
    return 0;
}
