#pragma once

#include <QString>
#include <QVariant>

namespace morvek::platform {

// The per-user settings, one section per group ("Frame", "DlgDebug", "Drives", ...).
class Settings {
public:
    virtual ~Settings() = default;
    virtual QVariant Value(const QString& section, const QString& key,
                           const QVariant& defaultValue = {}) const = 0;
    virtual void SetValue(const QString& section, const QString& key, const QVariant& value) = 0;

    int IntValue(const QString& section, const QString& key, int defaultValue) const;
};

// QSettings with organisation "Velloran" and application "Morvek".
class QtSettings final : public Settings {
public:
    QVariant Value(const QString& section, const QString& key,
                   const QVariant& defaultValue) const override;
    void SetValue(const QString& section, const QString& key, const QVariant& value) override;
};

} // namespace morvek::platform
