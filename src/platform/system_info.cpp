#include "platform/system_info.h"

#include <QDir>
#include <QUuid>
#include <chrono>
#include <pwd.h>
#include <unistd.h>

namespace morvek::platform {

QString PosixSystemInfo::LoginName() const {
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name) {
        return QString::fromLocal8Bit(entry->pw_name);
    }
    return qEnvironmentVariable("USER");
}

QString PosixSystemInfo::CreateGuid() const {
    const QUuid uuid = QUuid::createUuid();
    if (uuid.isNull()) {
        return {};
    }
    return uuid.toString(QUuid::WithBraces).toUpper();
}

QString PosixSystemInfo::TempPath() const {
    return QDir::toNativeSeparators(QDir::tempPath()) + QDir::separator();
}

quint32 PosixSystemInfo::TickCount() const {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<quint32>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

bool PosixSystemInfo::ShiftKeyDown() const {
    return false;
}

} // namespace morvek::platform
