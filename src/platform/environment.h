#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace morvek::platform {

// The process environment, which started programs inherit.
class Environment {
public:
    virtual ~Environment() = default;
    // The value of a variable; empty optional when it is not set.
    virtual std::optional<QString> Get(const QString& name) const = 0;
    virtual void Set(const QString& name, const QString& value) = 0;
    // Every "NAME=value" entry of the environment block.
    virtual QStringList Block() const = 0;
};

class ProcessEnvironment final : public Environment {
public:
    std::optional<QString> Get(const QString& name) const override;
    void Set(const QString& name, const QString& value) override;
    QStringList Block() const override;
};

} // namespace morvek::platform
