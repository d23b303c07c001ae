#pragma once

// What the benchmarks share: the rosters and the folders they work on, the clock of a measured
// step, the wait for a window to be drawn, and this program run again as a child process.
#include "roster/roster.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QTemporaryDir>

#include <optional>
#include <string>
#include <utility>
#include <vector>

class QWidget;

// The largest roster the program holds: 32767 maps and 32767 bots, about 9 MB of bots.ini.
constexpr int Largest = EntryList<BotEntry>::MaxEntries;

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

// The rosters of a run, a typical one (10 maps, 20 bots) and the largest, each in a folder of
// a temporary folder that lives as long as the run.
struct Data {
    QTemporaryDir dir;
    RosterFile largest;
    RosterFile typical;
    QString windowFolder; // a copy of the largest, for the window that handlers change and save
    FloorFolders floor;

    Data();
    RosterFile make(const QString& name, int maps, int bots);
};

// The run's rosters, made by main() before any benchmark runs.
extern Data* data;

// The time step takes, in seconds, read from the clock just before and just after it.
template <typename Step> double timeOf(Step&& step) {
    QElapsedTimer clock;
    clock.start();
    step();
    return double(clock.nsecsElapsed()) * 1e-9;
}

// Runs the event loop until the window is on screen and drawn once.
void untilShown(QWidget& window);

// The system's monotonic clock in nanoseconds, the same in every process.
qint64 monotonicNs();

// Starts this program again with the arguments (posix_spawn: no copy of this large process) and
// the path of a file for its result, and waits for it. Returns the clock just before the start
// and the child's result, or nothing when it failed.
std::optional<std::pair<qint64, QByteArray>> runChild(const std::vector<std::string>& arguments);
