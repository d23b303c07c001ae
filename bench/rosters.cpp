#include "rosters.h"

#include "roster/botsini.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QWidget>
#include <QWindow>

#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

Data* data = nullptr;

namespace {

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

} // namespace

Data::Data() {
    largest = make(u"largest"_s, Largest, Largest);
    typical = make(u"typical"_s, 10, 20);
    windowFolder = dir.filePath(u"window"_s);
    QDir().mkpath(windowFolder);
    QFile::copy(botsIniPath(largest.folder), botsIniPath(windowFolder));
    floor = {dir.filePath(u"floor"_s), dir.filePath(u"floor-config"_s)};
    QDir().mkpath(floor.program);
    QDir().mkpath(floor.config);
}

RosterFile Data::make(const QString& name, int maps, int bots) {
    RosterFile r;
    r.folder = dir.filePath(name);
    QDir().mkpath(r.folder);
    r.bytes = composeBotsIniFile(makeRoster(maps, bots));
    QFile file(botsIniPath(r.folder));
    if (!file.open(QIODevice::WriteOnly) || file.write(r.bytes) != r.bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return r;
}

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

qint64 monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

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
