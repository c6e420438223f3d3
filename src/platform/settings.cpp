#include "platform/settings.h"

#include <QSettings>

namespace morvek::platform {
namespace {

QString SettingsKey(const QString& section, const QString& key) {
    return section + u'/' + key;
}

QSettings OpenSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velloran"),
                     QStringLiteral("Morvek"));
}

} // namespace

int Settings::IntValue(const QString& section, const QString& key, int defaultValue) const {
    bool ok = false;
    const int value = Value(section, key, defaultValue).toInt(&ok);
    return ok ? value : defaultValue;
}

QVariant QtSettings::Value(const QString& section, const QString& key,
                           const QVariant& defaultValue) const {
    return OpenSettings().value(SettingsKey(section, key), defaultValue);
}

void QtSettings::SetValue(const QString& section, const QString& key, const QVariant& value) {
    OpenSettings().setValue(SettingsKey(section, key), value);
}

} // namespace morvek::platform
