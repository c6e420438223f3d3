#pragma once

#include <QString>

namespace morvek::platform {

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual QString LoginName() const = 0;
    // A new GUID in registry form ("{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper case),
    // or empty when none can be made.
    virtual QString CreateGuid() const = 0;
    // The system's temporary folder with a trailing separator.
    virtual QString TempPath() const = 0;
    // Milliseconds since an arbitrary start, wrapping like a 32-bit tick counter.
    virtual quint32 TickCount() const = 0;
    virtual bool ShiftKeyDown() const = 0;
};

// Without a window system there is no keyboard to ask: Shift counts as not held.
class PosixSystemInfo final : public SystemInfo {
public:
    QString LoginName() const override;
    QString CreateGuid() const override;
    QString TempPath() const override;
    quint32 TickCount() const override;
    bool ShiftKeyDown() const override;
};

} // namespace morvek::platform
