#include "window/folderpicker.h"

#include "window/handlerseam.h"
#include "window/mainwindow.h"
#include "window/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

QString pickerTitle() {
    return QCoreApplication::translate("FolderPicker",
                                       "Open add-on folder: choose the bot add-on's folder "
                                       "(vantrel in the Half-Life folder), where its bots.ini is");
}

} // namespace

QString pickAddonFolder(QWidget* parent, const QString& startFolder) {
    const FolderPicker picker = installedHandler<FolderPicker>();
    if (picker)
        return picker(parent, startFolder);
    return QFileDialog::getExistingDirectory(parent, pickerTitle(), startFolder);
}

FolderPicker setFolderPicker(FolderPicker picker) {
    return installHandler(std::move(picker));
}

StartupPlayer startupDialogs() {
    return {[](const QString& reason) { showMessage(nullptr, MainWindow::programName(), reason); },
            [] { return pickAddonFolder(nullptr, QDir::homePath()); }};
}
