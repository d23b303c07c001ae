#pragma once

#include <QString>

// Starts the program without waiting for it and without a shell, in workingDirectory, with
// the parameter text split into arguments the way a command line is (on Windows it is passed
// unchanged). On failure returns false and puts a reason fit for the player into *error.
bool startProgram(const QString& program, const QString& parameters,
                  const QString& workingDirectory, QString* error);
