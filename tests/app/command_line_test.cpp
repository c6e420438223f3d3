#include "app/command_line.h"
#include "config/start_context.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace morvek::app {
namespace {

struct Parsed {
    CMyCommandLineInfo info;
    config::CStartContext context;
};

Parsed Parse(const QStringList& arguments) {
    Parsed parsed;
    parsed.info.ParseCommandLine(arguments, parsed.context);
    return parsed;
}

TEST(CommandLine, ReadsTheSwitchesInAnyCaseWithSlashOrDash) {
    const Parsed parsed = Parse({QStringLiteral("-benutzerXYZ"), QStringLiteral("/User=a"),
                                 QStringLiteral("-USER=b"), QStringLiteral("/server=qx")});
    EXPECT_TRUE(parsed.context.userMode);
    EXPECT_EQ(parsed.context.userName, QStringLiteral("B"));
    EXPECT_EQ(parsed.context.serverName, QStringLiteral("QX"));
    EXPECT_EQ(parsed.context.serverFromCommandLine, QStringLiteral("QX"));
    EXPECT_EQ(parsed.info.shellCommand, CMyCommandLineInfo::ShellCommand::FileNew);
}

TEST(CommandLine, TheFirstPlainArgumentIsTheStartFile) {
    const Parsed parsed = Parse({QStringLiteral("/home/u/portal/Start.xml"),
                                 QStringLiteral("-unbekannt"), QStringLiteral("zweite.xml")});
    EXPECT_EQ(parsed.info.fileName, QStringLiteral("/home/u/portal/Start.xml"));
    EXPECT_EQ(parsed.info.shellCommand, CMyCommandLineInfo::ShellCommand::FileOpen);
    EXPECT_FALSE(parsed.context.userMode);
    EXPECT_EQ(parsed.context.userName, QString());
}

TEST(CommandLine, TellsSwitchesFromHostPaths) {
    EXPECT_TRUE(CMyCommandLineInfo::IsSwitch(QStringLiteral("-x")));
    EXPECT_TRUE(CMyCommandLineInfo::IsSwitch(QStringLiteral("/BENUTZER")));
    EXPECT_TRUE(CMyCommandLineInfo::IsSwitch(QStringLiteral("/server=a")));
    EXPECT_FALSE(CMyCommandLineInfo::IsSwitch(QStringLiteral("/user/portal/Start.xml")));
    EXPECT_FALSE(CMyCommandLineInfo::IsSwitch(QStringLiteral("C:\\Start.xml")));
}

TEST(CommandLine, RawCommandLineQuotesArgumentsWithBlanks) {
    EXPECT_EQ(RawCommandLine({QStringLiteral("/USER=x"), QStringLiteral("C:\\Mein Portal\\s.xml")}),
              QStringLiteral("/USER=x \"C:\\Mein Portal\\s.xml\""));
    EXPECT_EQ(RawCommandLine({}), QString());
}

} // namespace
} // namespace morvek::app
