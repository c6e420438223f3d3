#include "config/variable_store.h"
#include "links/program_launch.h"
#include "links/worker_threads.h"
#include "support/fake_host.h"
#include "support/printers.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtCore/qtestsupport_core.h>
#include <cerrno>
#include <gtest/gtest.h>

namespace morvek::links {
namespace {

// How the helper program was started, as it recorded it.
struct StartRecord {
    QString program;
    QStringList arguments; // after the record file
    QString folder;
    QJsonObject environment;
};

// Starts real processes of the helper program, with the real environment and programs but
// recorded messages and a drive C: mapped to a temporary folder.
class RealProcessTest : public testing::Test {
protected:
    RealProcessTest()
        : scope(platform::Host{.messages = &messages, .settings = &settings}),
          record(folder.filePath(QStringLiteral("record.json"))) {
        settings.SetValue(QStringLiteral("Drives"), QStringLiteral("C"), folder.path());
    }
    ~RealProcessTest() override { EXPECT_TRUE(WaitForWorkers(std::chrono::seconds(5))); }

    static QString Helper() { return QStringLiteral(MORVEK_START_RECORD_HELPER); }

    // The record of the helper, once it has been written.
    StartRecord ReadRecord() const {
        EXPECT_TRUE(WaitForWorkers(std::chrono::seconds(5)));
        EXPECT_TRUE(QTest::qWaitFor([this] { return QFile::exists(record); }));
        QFile file(record);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QJsonObject json = QJsonDocument::fromJson(file.readAll()).object();
        QStringList arguments;
        for (const QJsonValue& argument : json[QStringLiteral("arguments")].toArray()) {
            arguments.append(argument.toString());
        }
        return {json[QStringLiteral("program")].toString(), arguments,
                json[QStringLiteral("folder")].toString(),
                json[QStringLiteral("environment")].toObject()};
    }

    QString Canonical(const QString& relative) const {
        return QDir(folder.filePath(relative)).canonicalPath();
    }

    test::RecordingMessageSink messages;
    test::FakeSettings settings;
    platform::ScopedHost scope;
    QTemporaryDir folder;
    QString record;
};

TEST_F(RealProcessTest, ProgramGetsItsParameterTextAndWorkingFolder) {
    QDir().mkpath(folder.filePath(QStringLiteral("work")));
    ASSERT_TRUE(LaunchProcess(folder.filePath(QStringLiteral("work/")), Helper(),
                              record + QStringLiteral(" -a  \"b c\" "), 0));
    const StartRecord started = ReadRecord();
    EXPECT_EQ(started.program, Helper());
    EXPECT_EQ(started.arguments, (QStringList{QStringLiteral("-a"), QStringLiteral("b c")}));
    EXPECT_EQ(started.folder, Canonical(QStringLiteral("work")));
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(RealProcessTest, PortalPathsAreMappedAndAnUnquotedProgramMayHoldBlanks) {
    QDir().mkpath(folder.filePath(QStringLiteral("my tools")));
    QDir().mkpath(folder.filePath(QStringLiteral("Daten")));
    const QString copy = folder.filePath(QStringLiteral("my tools/recorder"));
    ASSERT_TRUE(QFile::copy(Helper(), copy));
    ASSERT_TRUE(LaunchProcess(QStringLiteral("C:\\Daten\\"),
                              QStringLiteral("C:\\my tools\\recorder"),
                              record + QStringLiteral(" /x"), 0));
    const StartRecord started = ReadRecord();
    EXPECT_EQ(started.program, copy);
    EXPECT_EQ(started.arguments, QStringList{QStringLiteral("/x")});
    EXPECT_EQ(started.folder, Canonical(QStringLiteral("Daten")));
}

TEST_F(RealProcessTest, ProgramWithoutWorkingFolderStartsInTheViewersFolder) {
    ASSERT_TRUE(LaunchProcess({}, Helper(), record, 0));
    EXPECT_EQ(ReadRecord().folder, QDir::currentPath());
}

TEST_F(RealProcessTest, ProgramInheritsSystemVariablesButNotLocalOnes) {
    config::CVariableStore variables;
    variables.SetVariable(QStringLiteral("MORVEK_LINK_SYSTEM"), QStringLiteral("Wert mit ä"), true);
    variables.SetVariable(QStringLiteral("MORVEK_LINK_LOCAL"), QStringLiteral("lokal"), false);
    ASSERT_TRUE(LaunchProcess({}, Helper(), record, 0));
    const QJsonObject environment = ReadRecord().environment;
    qunsetenv("MORVEK_LINK_SYSTEM");
    EXPECT_EQ(environment[QStringLiteral("MORVEK_LINK_SYSTEM")].toString(),
              QStringLiteral("Wert mit ä"));
    EXPECT_FALSE(environment.contains(QStringLiteral("MORVEK_LINK_LOCAL")));
}

TEST_F(RealProcessTest, FailedCreationShowsTheSystemsText) {
    QFile plain(folder.filePath(QStringLiteral("plain.exe")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    const struct {
        QString workingFolder;
        QString program;
        int error;
    } cases[] = {
        {{}, folder.filePath(QStringLiteral("missing.exe")), ENOENT},
        {{}, plain.fileName(), EACCES},
        {folder.filePath(QStringLiteral("no folder/")), Helper(), ENOENT},
        {QStringLiteral("Q:\\"), Helper(), ENOENT},
    };
    QStringList expected;
    for (const auto& c : cases) {
        ASSERT_TRUE(LaunchProcess(c.workingFolder, c.program, record, 0));
        ASSERT_TRUE(WaitForWorkers(std::chrono::seconds(5)));
        expected.append(qt_error_string(c.error));
    }
    EXPECT_EQ(messages.messages, expected);
    EXPECT_FALSE(QFile::exists(record));
}

TEST_F(RealProcessTest, CommandLineRunsWithoutWaiting) {
    EXPECT_TRUE(RunCommandLine(Helper() + u' ' + record + QStringLiteral(" eins zwei")));
    EXPECT_EQ(ReadRecord().arguments,
              (QStringList{QStringLiteral("eins"), QStringLiteral("zwei")}));
    EXPECT_FALSE(RunCommandLine(folder.filePath(QStringLiteral("missing"))));
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(RealProcessTest, ShellStartsAProgramWithItsParametersInItsFolder) {
    ASSERT_TRUE(LaunchViaShell(Helper(), record + QStringLiteral(" -z"), folder.path(), 0));
    const StartRecord started = ReadRecord();
    EXPECT_EQ(started.arguments, QStringList{QStringLiteral("-z")});
    EXPECT_EQ(started.folder, Canonical(QString()));
}

} // namespace
} // namespace morvek::links
