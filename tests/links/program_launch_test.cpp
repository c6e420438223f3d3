#include "link_test_fixture.h"
#include "links/program_launch.h"

namespace morvek::links {
namespace {

using platform::ShellRequest;
using platform::ShellVerb;
using test::RecordingPrograms;

class ProgramLaunchTest : public test::LinkTest {};

TEST_F(ProgramLaunchTest, ProgramsOfTheirOwnAreCreatedAndEverythingElseGoesToTheShell) {
    Create(QStringLiteral("bin/tool"), QFile::ReadOwner | QFile::ExeOwner);
    const struct {
        const char16_t* program;
        const char16_t* flags;
        bool createsProcess;
        ShellVerb verb;
    } cases[] = {
        {u"C:\\Programme\\x\\y.exe", u"", true, ShellVerb::Open},
        {u"C:\\Programme\\x\\y.EXE", u"0", true, ShellVerb::Open},
        {u"C:\\Programme\\x\\y.exe", u"2", true, ShellVerb::Open},    // no meaning, no effect
        {u"C:\\Programme\\x\\y.exe", u"none", true, ShellVerb::Open}, // no digits: 0
        {u"C:\\Programme\\x\\y.exe", u"1", false, ShellVerb::RunAs},
        {u"C:\\Programme\\x\\y.exe", u" +3", false, ShellVerb::RunAs},
        {u"Bericht.pdf", u"", false, ShellVerb::Open},
        {u"Bericht.pdf", u"1", false, ShellVerb::RunAs},
        {u"C:\\bin\\tool", u"", true, ShellVerb::Open}, // an executable file of this host
        {u"tool", u"", true, ShellVerb::Open},          // found on the path
    };
    qsizetype callsBefore = 0;
    qsizetype requestsBefore = 0;
    for (const auto& c : cases) {
        const QString program = QString::fromUtf16(c.program);
        const pagegen::CProgramEntry entry{program, QStringLiteral("/e"),
                                           QStringLiteral("C:\\Daten\\"),
                                           QString::fromUtf16(c.flags)};
        StartProgramEntry(entry);
        const QList<RecordingPrograms::ProcessCall> calls = ProcessCalls().mid(callsBefore);
        const QList<ShellRequest> requests = ShellRequests().mid(requestsBefore);
        callsBefore += calls.size();
        requestsBefore += requests.size();
        SCOPED_TRACE(program.toStdString() + " flags " + entry.flags.toStdString());
        if (c.createsProcess) {
            ASSERT_EQ(calls.size(), 1);
            EXPECT_EQ(calls[0], (RecordingPrograms::ProcessCall{program + QStringLiteral(" /e"),
                                                                QStringLiteral("C:\\Daten\\")}));
            EXPECT_TRUE(requests.isEmpty());
        } else {
            EXPECT_TRUE(calls.isEmpty());
            EXPECT_EQ(requests, (QList<ShellRequest>{{c.verb, program, QStringLiteral("/e"),
                                                      QStringLiteral("C:\\Daten\\")}}));
        }
    }
}

TEST_F(ProgramLaunchTest, CommandLineEndsWithTheBlankWhenThereIsNoParameter) {
    EXPECT_TRUE(LaunchProcess({}, QStringLiteral("C:\\x.exe"), {}, 0));
    EXPECT_EQ(ProcessCalls(),
              (QList<RecordingPrograms::ProcessCall>{{QStringLiteral("C:\\x.exe "), {}}}));
}

TEST_F(ProgramLaunchTest, CreationFailureShowsTheSystemsText) {
    host.programs.failure = QStringLiteral("Das System kann die angegebene Datei nicht finden.");
    EXPECT_TRUE(LaunchProcess(QStringLiteral("C:\\"), QStringLiteral("C:\\x.exe"), {}, 0));
    EXPECT_EQ(ProcessCalls().size(), 1);
    EXPECT_EQ(host.messages.messages, QStringList{host.programs.failure});
    EXPECT_TRUE(ShellRequests().isEmpty());
}

TEST_F(ProgramLaunchTest, ProgramNeedingAdministratorRightsGoesToTheShell) {
    host.programs.elevationRequired = true;
    EXPECT_TRUE(LaunchProcess(QStringLiteral("C:\\t\\"), QStringLiteral("C:\\t\\setup.exe"),
                              QStringLiteral("/q"), 0));
    EXPECT_EQ(ShellRequests(),
              (QList<ShellRequest>{{ShellVerb::Open, QStringLiteral("C:\\t\\setup.exe"),
                                    QStringLiteral("/q"), QStringLiteral("C:\\t\\")}}));
    EXPECT_TRUE(host.messages.messages.isEmpty());
}

TEST_F(ProgramLaunchTest, WorkerBringsTheFirstWindowToTheFrontAndEnds) {
    host.programs.windowAfterPolls = 3;
    host.programs.endAfterWaits = 1000000;
    LaunchProcess({}, QStringLiteral("C:\\x.exe"), {}, 0);
    ASSERT_TRUE(WaitForWorkers(std::chrono::seconds(5)));
    EXPECT_EQ(host.programs.windowPolls, 3);
    EXPECT_EQ(host.programs.windowsBroughtToFront, 1);
}

TEST_F(ProgramLaunchTest, WorkerOfAProgramWithoutWindowEndsWithIt) {
    host.programs.endAfterWaits = 4;
    LaunchProcess({}, QStringLiteral("C:\\x.exe"), {}, 0);
    ASSERT_TRUE(WaitForWorkers(std::chrono::seconds(5)));
    EXPECT_EQ(host.programs.waits, 4);
    EXPECT_EQ(host.programs.windowPolls, 4);
    EXPECT_EQ(host.programs.windowsBroughtToFront, 0);
}

TEST_F(ProgramLaunchTest, ShellLaunchIsSilentAndCommandLinesDoNotReport) {
    host.programs.failure = QStringLiteral("failed");
    EXPECT_TRUE(LaunchViaShell(QStringLiteral("Bericht.pdf"), {}, {}, 0));
    EXPECT_FALSE(RunCommandLine(QStringLiteral("explorer.exe /select,C:\\x")));
    EXPECT_EQ(ProcessCalls(), (QList<RecordingPrograms::ProcessCall>{
                                  {QStringLiteral("explorer.exe /select,C:\\x"), {}}}));
    EXPECT_EQ(ShellRequests().size(), 1);
    EXPECT_TRUE(host.messages.messages.isEmpty());

    host.programs.failure.clear();
    EXPECT_TRUE(RunCommandLine(QStringLiteral("explorer.exe")));
    EXPECT_EQ(host.programs.waits, 0);
}

} // namespace
} // namespace morvek::links
