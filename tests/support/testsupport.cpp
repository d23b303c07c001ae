#include "testsupport.h"

#include "launch/commands.h"
#include "platform/settings.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

void isolateSettings() {
    // Test mode keeps the store below $HOME (and ignores XDG_CONFIG_HOME), so both point into a
    // private folder: the player's own settings are never read or written by a test.
    static QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + u"/config"_s));
    QStandardPaths::setTestModeEnabled(true);
    if (!settingsFile().startsWith(home.path()))
        qFatal("The settings store is not isolated: %s", qPrintable(settingsFile()));
}

QString settingsFile() {
    return SettingsLocation(SettingsKeys::Application);
}

void clearSettings() {
    QSettings store(settingsFile(), QSettings::IniFormat);
    store.clear();
    store.sync();
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

MessageCapture::MessageCapture() {
    previous = setMessageHandler([this](QWidget*, const QString& title, const QString& text) {
        titles << title;
        texts << text;
    });
}

MessageCapture::~MessageCapture() {
    setMessageHandler(previous);
}
