#include "testsupport.h"

#include "launch/commands.h"
#include "platform/settings.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

void isolateSettings() {
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
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
