#include "app/morvek_app.h"
#include "app/temp_folder.h"
#include "base/log.h"
#include "support/fake_host.h"
#include "support/printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace morvek::app {
namespace {

class StartUpTest : public testing::Test {
protected:
    void SetUp() override {
        base::SetLogUserMode(false);
        base::ClearLog();
        host.system.tempPath = temp.path() + u'/';
    }
    void TearDown() override {
        base::SetLogUserMode(false);
        base::ClearLog();
    }
    QTemporaryDir temp;
    test::FakeHost host;
};

TEST_F(StartUpTest, TempFolderIsNamedByTheGuidWithoutBraces) {
    const QString folder = CreateTempFolder();
    EXPECT_EQ(folder, temp.path() + QStringLiteral("/Morvek0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9/"));
    EXPECT_TRUE(QDir(folder).exists());
    host.system.guid.clear();
    EXPECT_EQ(CreateTempFolder(), temp.path() + QStringLiteral("/Morvek/"));
}

TEST_F(StartUpTest, RemovingTheTempFolderDeletesItsFiles) {
    const QString folder = CreateTempFolder();
    for (const char* name : {"Datei0.htm", "Player.swf"}) {
        QFile file(folder + QString::fromLatin1(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    RemoveTempFolder(folder);
    EXPECT_FALSE(QDir(folder).exists());

    // A subfolder is not entered, so its folder stays.
    const QString kept = CreateTempFolder();
    QDir().mkpath(kept + QStringLiteral("sub"));
    QFile file(kept + QStringLiteral("Datei1.htm"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    RemoveTempFolder(kept);
    EXPECT_TRUE(QDir(kept).exists());
    EXPECT_FALSE(QFile::exists(kept + QStringLiteral("Datei1.htm")));
}

TEST_F(StartUpTest, LogsTheTwoStartLinesAlsoInUserMode) {
    CMorvekApp app;
    ASSERT_TRUE(app.InitInstance({QStringLiteral("/BENUTZER"), QStringLiteral("s.xml")}));
    EXPECT_TRUE(app.userMode);
    EXPECT_EQ(base::logText(), QStringLiteral("Aufrufparameter: /BENUTZER s.xml\r\n") +
                                   QStringLiteral("TempVerz:  ") + app.tempFolder +
                                   QStringLiteral("\r\n\r\n"));
    base::AppendLog(QStringLiteral("nicht im Benutzermodus"));
    EXPECT_FALSE(base::logText().contains(QStringLiteral("Benutzermodus")));
    EXPECT_EQ(app.commandLine.fileName, QStringLiteral("s.xml"));
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_FALSE(QDir(app.tempFolder).exists());
}

TEST_F(StartUpTest, NotesTheShiftKeyAtStart) {
    host.system.shift = true;
    CMorvekApp app;
    ASSERT_TRUE(app.InitInstance({}));
    EXPECT_TRUE(app.shiftAtStart);
    EXPECT_FALSE(app.userMode);
    EXPECT_EQ(app.commandLine.shellCommand, CMyCommandLineInfo::ShellCommand::FileNew);
    app.ExitInstance();
}

} // namespace
} // namespace morvek::app
