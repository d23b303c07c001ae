#include "launch/gamefinder.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QStringList launchCandidates(bool server, bool windows) {
    if (server) {
        if (windows)
            return {u"hlds.exe"_s};
        return {u"hlds.exe"_s, u"hlds_run"_s, u"hlds_linux"_s};
    }
    if (windows)
        return {u"hl.exe"_s};
    return {u"hl.exe"_s, u"hl.sh"_s, u"hl_linux"_s};
}

std::optional<QString> firstRunnable(const QString& folder, const QStringList& names) {
    if (folder.isEmpty())
        return std::nullopt;
    const QDir dir(folder);
    for (const QString& name : names) {
        const QFileInfo program(dir.filePath(name));
        if (program.isFile() && program.isExecutable())
            return name;
    }
    return std::nullopt;
}

QString nothingRunnableReason(const QString& folder, const QStringList& names) {
    QString tried = names.value(0);
    if (names.size() > 1)
        tried = names.first(names.size() - 1).join(u", "_s) + u" or "_s + names.last();
    QString why = names.size() == 1 ? u"it is not there as a program that can be run."_s
                                    : u"none of them is there as a program that can be run."_s;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        why = u"the folder does not exist."_s;
    return u"Could not start %1 in the folder %2: %3"_s.arg(tried, QDir::toNativeSeparators(folder),
                                                            why);
}
