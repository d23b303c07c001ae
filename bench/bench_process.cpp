// This program run again as a child process: start-up as the player sees it, from the start of the
// process until its window is drawn; a read of bots.ini by a fresh process, whose memory is all
// new to it; and the peak memory of the program holding the largest roster.
#include "benchmarks.h"

#include "app/settings.h"
#include "window/initextview.h"
#include "window/mainwindow.h"
#include "windowsupport.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>

#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

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

} // namespace

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
    const std::optional<qint64> spent = readLargestOnce(argv[2], QString::fromLocal8Bit(argv[3]));
    if (!spent)
        return 1;
    writeResult(argv[4], QByteArray::number(*spent));
    return 0;
}

// --peak-child FOLDER OUT: the peak memory of the program with the largest roster loaded and the
// INI page shown at its last line (the most it holds at once), in kB.
int peakChild(int argc, char** argv) {
    QApplication app(argc, argv);
    ShownWindow w(QString::fromLocal8Bit(argv[2]));
    untilShown(w);
    control<QTabBar>(w, "pageTabs")->setCurrentIndex(2);
    auto* view = control<IniTextView>(w, "iniTextView");
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    view->viewport()->repaint();
    writeResult(argv[3], QByteArray::number(qlonglong(peakResidentKb())));
    return 0;
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
