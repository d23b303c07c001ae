#include "window/mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvik"));
    MainWindow window;
    window.load();
    window.show();
    return QApplication::exec();
}
