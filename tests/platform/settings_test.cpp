#include "platform/settings.h"
#include "support/printers.h"

#include <QSettings>
#include <gtest/gtest.h>

namespace morvek::platform {
namespace {

TEST(Settings, StoresOneGroupPerSectionUnderTheOrganisation) {
    QtSettings settings;
    EXPECT_EQ(settings.IntValue(QStringLiteral("DlgDebug"), QStringLiteral("FontSize"), 11), 11);
    settings.SetValue(QStringLiteral("DlgDebug"), QStringLiteral("FontSize"), 29);
    EXPECT_EQ(settings.IntValue(QStringLiteral("DlgDebug"), QStringLiteral("FontSize"), 11), 29);

    const QSettings raw(QStringLiteral("Velloran"), QStringLiteral("Morvek"));
    EXPECT_EQ(raw.value(QStringLiteral("DlgDebug/FontSize")).toInt(), 29);

    settings.SetValue(QStringLiteral("Frame"), QStringLiteral("Zahl"), QStringLiteral("keine"));
    EXPECT_EQ(settings.IntValue(QStringLiteral("Frame"), QStringLiteral("Zahl"), 5), 5);
}

} // namespace
} // namespace morvek::platform
