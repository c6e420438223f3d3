#include "platform/environment.h"

#include <QProcessEnvironment>

namespace morvek::platform {

std::optional<QString> ProcessEnvironment::Get(const QString& name) const {
    if (name.isEmpty() || name.contains(u'=') || !qEnvironmentVariableIsSet(qPrintable(name))) {
        return std::nullopt;
    }
    return qEnvironmentVariable(qPrintable(name));
}

void ProcessEnvironment::Set(const QString& name, const QString& value) {
    if (name.isEmpty() || name.contains(u'=')) {
        return;
    }
    qputenv(qPrintable(name), value.toLocal8Bit());
}

QStringList ProcessEnvironment::Block() const {
    return QProcessEnvironment::systemEnvironment().toStringList();
}

} // namespace morvek::platform
