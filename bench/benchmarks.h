#pragma once

// The benchmarks main() registers, by the file that holds them, and the child processes they
// start. Each runs one measured step per repetition and hands its time to Google Benchmark.
#include "rosters.h"

#include <benchmark/benchmark.h>

#include <QString>

#include <optional>
#include <string>

// bench_file.cpp: reading and composing bots.ini, without a window; inih reads for comparison.
void readInMemory(benchmark::State& state, const RosterFile* file);
void loadFile(benchmark::State& state, const RosterFile* file);
void inihString(benchmark::State& state, const RosterFile* file);
void inihFile(benchmark::State& state, const RosterFile* file);
void compose(benchmark::State& state, const RosterFile* file);
void writeBotsIniAlone(benchmark::State& state, const RosterFile* file);
void recoveryCopy(benchmark::State& state, const RosterFile* file, bool copyThread);
// One read of the largest roster's bots.ini in folder, by our reader ("ours") or by inih (any
// other name): the time it took in nanoseconds, or nothing when it read another roster.
std::optional<qint64> readLargestOnce(const char* reader, const QString& folder);

// bench_window.cpp: the main window in this process, from its start-up to its handlers.
enum class ListOf { Maps, Bots };
enum class Timed { Remove, Add };
void startUpEmpty(benchmark::State& state);
void startUp(benchmark::State& state, const RosterFile* file);
void pageOne(benchmark::State& state, int page, const char* pagerName);
void tabChange(benchmark::State& state);
void removeOrAdd(benchmark::State& state, ListOf list, Timed timed);
void saveIniClick(benchmark::State& state);
void saveIniFloor(benchmark::State& state);
void launchComposing(benchmark::State& state);
void launchClick(benchmark::State& state);
void iniPageFirstShow(benchmark::State& state);
void closeQuestion(benchmark::State& state);
void undoOrRedoRemove(benchmark::State& state, ListOf list, bool timeRedo);
void historyMemory(benchmark::State& state);
void findLast(benchmark::State& state, int page);
void pasteBots(benchmark::State& state);
enum class RosterTimed {
    ScrollToLast,
    DeleteAll,
    UndoDeleteAll,
    SortByName,
    SetAllNames,
    KeystrokeInMain,
    FilterOneLetter
};
void rosterOpen(benchmark::State& state);
void rosterHandler(benchmark::State& state, RosterTimed timed);
// Closes the window the handler benchmarks share; it must be gone before the application is.
void closeSharedWindow();

// bench_process.cpp: this program run again as a child process, for start-up as the player sees
// it, a read by a fresh process, and peak memory.
void startUpProcess(benchmark::State& state, const std::string& what);
void readProcess(benchmark::State& state, const std::string& reader);
void peakMemory(benchmark::State& state);
// The child processes' side, each given main()'s arguments; the result goes to the file named last.
int floorSettingsChild(char** argv);
int showChild(int argc, char** argv);
int readChild(char** argv);
int peakChild(int argc, char** argv);
