#include "window/addonfolder.h"
#include "window/mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvik"));
    QApplication::setApplicationVersion(QStringLiteral(ZELVIK_VERSION));
    const Startup startup =
        prepareStartup(QApplication::arguments(), QApplication::applicationDirPath());
    if (startup.exitCode)
        return *startup.exitCode;
    MainWindow window(startup.folder);
    window.load();
    window.show();
    return QApplication::exec();
}
