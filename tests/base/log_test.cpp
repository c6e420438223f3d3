#include "base/log.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace morvek::base {
namespace {

class RecordingListener final : public LogListener {
public:
    void OnLogAppended(const QString& line) override { appended.append(line); }
    void OnLogCleared() override { ++clears; }
    QStringList appended;
    int clears = 0;
};

class LogTest : public testing::Test {
protected:
    void SetUp() override {
        SetLogUserMode(false);
        ClearLog();
        SetLogListener(&listener);
    }
    void TearDown() override {
        SetLogListener(nullptr);
        SetLogUserMode(false);
        ClearLog();
    }
    RecordingListener listener;
};

TEST_F(LogTest, AppendsLinesWithLineBreaks) {
    AppendLog(QStringLiteral("TempVerz:  /tmp/x/\r\n"));
    AppendLog(QStringLiteral("Startdatei: a"));
    EXPECT_EQ(logText(), QStringLiteral("TempVerz:  /tmp/x/\r\n\r\nStartdatei: a\r\n"));
}

TEST_F(LogTest, EmptyTextAddsNothingButRefreshesTheWindow) {
    AppendLog(QStringLiteral("a"));
    AppendLog(QString());
    EXPECT_EQ(logText(), QStringLiteral("a\r\n"));
    EXPECT_EQ(listener.appended, (QStringList{QStringLiteral("a\r\n"), QString()}));
}

TEST_F(LogTest, UserModeLogsNothing) {
    SetLogUserMode(true);
    AppendLog(QStringLiteral("geheim"));
    EXPECT_EQ(logText(), QString());
    EXPECT_TRUE(listener.appended.isEmpty());
}

TEST_F(LogTest, ClearEmptiesTheLogAndTellsTheWindow) {
    AppendLog(QStringLiteral("alt"));
    ClearLog();
    AppendLog(QStringLiteral("neu"));
    EXPECT_EQ(logText(), QStringLiteral("neu\r\n"));
    EXPECT_EQ(listener.clears, 1);
}

} // namespace
} // namespace morvek::base
