#pragma once

#include "platform/host.h"
#include "support/recording_programs.h"

#include <QMap>
#include <QStringList>
#include <optional>

namespace morvek::test {

class RecordingMessageSink final : public platform::MessageSink {
public:
    void ShowMessage(const QString& text) override { messages.append(text); }
    QStringList messages;
};

class FakeSettings final : public platform::Settings {
public:
    QVariant Value(const QString& section, const QString& key,
                   const QVariant& defaultValue) const override {
        return values.value(section + u'/' + key, defaultValue);
    }
    void SetValue(const QString& section, const QString& key, const QVariant& value) override {
        values.insert(section + u'/' + key, value);
    }
    QMap<QString, QVariant> values;
};

class FakeEnvironment final : public platform::Environment {
public:
    std::optional<QString> Get(const QString& name) const override {
        const auto it = variables.constFind(name);
        return it == variables.constEnd() ? std::nullopt : std::optional<QString>(*it);
    }
    void Set(const QString& name, const QString& value) override { variables.insert(name, value); }
    QStringList Block() const override {
        QStringList block;
        for (auto it = variables.constBegin(); it != variables.constEnd(); ++it) {
            block.append(it.key() + u'=' + it.value());
        }
        return block;
    }
    QMap<QString, QString> variables;
};

class FakeMountTable final : public platform::MountTable {
public:
    QList<platform::MountEntry> Mounts() const override { return mounts; }
    QList<platform::MountEntry> mounts;
};

class FakeSystemInfo final : public platform::SystemInfo {
public:
    QString LoginName() const override { return loginName; }
    QString CreateGuid() const override { return guid; }
    QString TempPath() const override { return tempPath; }
    quint32 TickCount() const override { return ticks; }
    bool ShiftKeyDown() const override { return shift; }

    QString loginName = QStringLiteral("tester");
    QString guid = QStringLiteral("{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}");
    QString tempPath;
    quint32 ticks = 0;
    bool shift = false;
};

class FakeDesktopApplications final : public platform::DesktopApplications {
public:
    QString DefaultProgramFor(const QString& mimeType) const override {
        asked.append(mimeType);
        return programs.value(mimeType);
    }
    QMap<QString, QString> programs;
    mutable QStringList asked;
};

// Every host facility replaced by a double for the life of the object.
class FakeHost final {
public:
    FakeHost()
        : scope(platform::Host{&messages, &settings, &environment, &mounts, &system, &desktop,
                               &programs}) {}

    RecordingMessageSink messages;
    FakeSettings settings;
    FakeEnvironment environment;
    FakeMountTable mounts;
    FakeSystemInfo system;
    FakeDesktopApplications desktop;
    RecordingPrograms programs;

private:
    platform::ScopedHost scope;
};

} // namespace morvek::test
