#include "platform/program_command_line.h"
#include "support/fake_host.h"
#include "support/printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace morvek::platform {
namespace {

class CommandLineTest : public testing::Test {
protected:
    CommandLineTest() {
        host.settings.SetValue(QStringLiteral("Drives"), QStringLiteral("C"), drive.path());
        host.environment.Set(QStringLiteral("PATH"), drive.filePath(QStringLiteral("bin")));
        for (const char* file :
             {"Program Files/My Tool/run.exe", "Program Files/x.exe", "bin/tool"}) {
            const QString path = drive.filePath(QString::fromUtf8(file));
            QDir().mkpath(QFileInfo(path).absolutePath());
            QFile(path).open(QIODevice::WriteOnly);
        }
    }
    QString Host(const char* relative) const { return drive.filePath(QString::fromUtf8(relative)); }

    QTemporaryDir drive;
    test::FakeHost host;
};

TEST_F(CommandLineTest, ProgramIsTheShortestTextThatNamesAFile) {
    const struct {
        const char16_t* line;
        const char* program;
        QStringList arguments;
    } cases[] = {
        {u"C:\\Program Files\\My Tool\\run.exe /e ",
         "Program Files/My Tool/run.exe",
         {QStringLiteral("/e")}},
        {u"C:\\Program Files\\x.exe a \"b c\"",
         "Program Files/x.exe",
         {QStringLiteral("a"), QStringLiteral("b c")}},
        {u"\"C:\\Program Files\\My Tool\\run.exe\" -x",
         "Program Files/My Tool/run.exe",
         {QStringLiteral("-x")}},
        {u"  tool  -a\t-b", "bin/tool", {QStringLiteral("-a"), QStringLiteral("-b")}},
        {u"C:\\Program Files\\My Tool\\run.exe", "Program Files/My Tool/run.exe", {}},
    };
    for (const auto& c : cases) {
        const ProgramCall call = SplitCommandLine(QString::fromUtf16(c.line));
        EXPECT_EQ(call.program, Host(c.program)) << QString::fromUtf16(c.line).toStdString();
        EXPECT_EQ(call.arguments, c.arguments) << QString::fromUtf16(c.line).toStdString();
    }
}

TEST_F(CommandLineTest, WithoutAFileTheProgramIsTheFirstWord) {
    EXPECT_EQ(SplitCommandLine(QStringLiteral("C:\\Program Files\\none.exe /e")).program,
              Host("Program"));
    EXPECT_EQ(SplitCommandLine(QStringLiteral("missing -a")).program, QString());
    EXPECT_EQ(SplitCommandLine(QStringLiteral("D:\\x.exe -a")).program, QString());
}

} // namespace
} // namespace morvek::platform
