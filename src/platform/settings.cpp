#include "platform/settings.h"

#include <QSettings>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The one place that knows where the store lives. On Windows it is the per-user registry key
// under "VB and VBA Program Settings" where players' settings of this program already are.
std::unique_ptr<QSettings> openStore(const QString& application) {
#ifdef Q_OS_WIN
    auto store = std::make_unique<QSettings>(
        u"HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\"_s + application,
        QSettings::NativeFormat);
#else
    auto store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             application, application);
#endif
    // Only this user's own store counts; never read system-wide values as if they were ours.
    store->setFallbacksEnabled(false);
    return store;
}

} // namespace

QString readSetting(const QString& application, const QString& section, const QString& key,
                    const QString& defaultValue) {
    return readOptionalSetting(application, section, key).value_or(defaultValue);
}

std::optional<QString> readOptionalSetting(const QString& application, const QString& section,
                                           const QString& key) {
    const auto store = openStore(application);
    store->beginGroup(section);
    if (!store->contains(key))
        return std::nullopt;
    return store->value(key).toString();
}

void writeSettings(const QString& application, const QString& section,
                   const QList<std::pair<QString, QString>>& keysAndValues) {
    const auto store = openStore(application);
    store->beginGroup(section);
    for (const auto& [key, value] : keysAndValues)
        store->setValue(key, value);
}

QString settingsLocation(const QString& application) {
    return openStore(application)->fileName();
}
