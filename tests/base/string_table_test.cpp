#include "base/string_table.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace morvek::base {
namespace {

TEST(StringTable, LooksUpMessagesById) {
    EXPECT_EQ(LoadString(IDS_SYNTAX_ERROR),
              QStringLiteral("Syntaxfehler in Datei: %s\nin Zeile: (%d)  %s\n%s"));
    EXPECT_EQ(LoadString(525), QStringLiteral("CDATA - Endezeichen fehlt in Datei = %s\n"));
    EXPECT_EQ(LoadString(IDS_APP_TITLE), QStringLiteral("Morvek"));
    EXPECT_TRUE(LoadString(100).startsWith(QStringLiteral("OLE-Initialisierungsfehler.")));
    EXPECT_EQ(LoadString(99999), QString());
}

} // namespace
} // namespace morvek::base
