#pragma once

#include "app/startup.h"

#include <QString>

#include <functional>

class QWidget;

// Asks the player for the add-on folder with a folder dialog; empty when they cancel. Tests
// install their own picker, so no dialog ever blocks them.
using FolderPicker = std::function<QString(QWidget* parent, const QString& startFolder)>;
QString pickAddonFolder(QWidget* parent, const QString& startFolder);
// Installs a picker (an empty one restores the dialog) and returns the previous one.
FolderPicker setFolderPicker(FolderPicker picker);

// Start-up's questions as the player sees them: bad input in a message box, the add-on folder in
// the folder dialog (from the home folder).
StartupPlayer startupDialogs();
