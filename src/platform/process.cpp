#include "platform/process.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

using namespace Qt::StringLiterals;

bool startProgram(const QString& program, const QString& parameters,
                  const QString& workingDirectory, QString* error) {
    const QString folder = QDir::toNativeSeparators(workingDirectory);
    const auto fail = [&](const QString& shownProgram, const QString& reason) {
        if (error)
            *error =
                QCoreApplication::translate("Launch", "Could not start %1 in the folder %2: %3")
                    .arg(shownProgram, folder, reason);
        return false;
    };

    const QFileInfo directory(workingDirectory);
    if (workingDirectory.isEmpty() || !directory.isDir())
        return fail(QDir::toNativeSeparators(program),
                    QCoreApplication::translate("Launch", "the folder does not exist."));

    // A bare name is taken from the working folder, never looked up on the search path.
    const QFileInfo executable(QDir(workingDirectory).filePath(program));
    const QString shown = QDir::toNativeSeparators(executable.filePath());
    if (!executable.exists())
        return fail(shown, QCoreApplication::translate("Launch", "the program does not exist."));
    if (executable.isDir() || !executable.isExecutable())
        return fail(shown, QCoreApplication::translate(
                               "Launch", "the file is not a program that can be run."));

    QProcess process;
    process.setProgram(executable.absoluteFilePath());
#ifdef Q_OS_WIN
    // Windows programs split their own command line; hand it over exactly as stored.
    process.setNativeArguments(parameters);
#else
    process.setArguments(QProcess::splitCommand(parameters));
#endif
    process.setWorkingDirectory(workingDirectory);
    if (!process.startDetached())
        return fail(shown, process.errorString());
    return true;
}
