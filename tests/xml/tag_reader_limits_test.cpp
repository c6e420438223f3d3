#include "read_result.h"
#include "support/fake_host.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace morvek::xml {
namespace {

struct DeviceRead {
    bool ok = false;
    CTagDataArray records;
    qsizetype messages = 0;
    qint64 milliseconds = 0;
};

DeviceRead ReadAll(TagTable table, const QByteArray& bytes) {
    test::FakeHost host;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CTagReadState state;
    DeviceRead read;
    QElapsedTimer timer;
    timer.start();
    read.ok = ReadTagDevice(buffer, state, table, read.records);
    read.milliseconds = timer.elapsed();
    read.messages = host.messages.messages.size();
    return read;
}

// Far below what a read that copies the rest of the line per tag would need.
constexpr qint64 kLinearTimeLimitMs = 10000;

TEST(TagReaderLimits, ReadsTensOfThousandsOfTagsOnOneLineInLinearTime) {
    const QByteArray line = QByteArray("<TEXT>x</TEXT><!--c-->").repeated(100000);
    const DeviceRead read = ReadAll(TreeFileTags, line);
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.records.size(), 200000);
    EXPECT_EQ(read.records[199998].value, QStringLiteral("x"));
    EXPECT_LT(read.milliseconds, kLinearTimeLimitMs);
}

TEST(TagReaderLimits, ReadsAHugeValueOnOneLine) {
    const QByteArray text(4 * 1024 * 1024, 'a');
    const DeviceRead read = ReadAll(PageFileTags, "<TEXT>" + text + "</TEXT>");
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.records.size(), 2);
    EXPECT_EQ(read.records[0].value.size(), text.size());
    EXPECT_LT(read.milliseconds, kLinearTimeLimitMs);
}

TEST(TagReaderLimits, SurvivesBinaryContent) {
    QByteArray bytes;
    for (int round = 0; round < 64; ++round) {
        for (int b = 0; b < 256; ++b) {
            bytes.append(static_cast<char>((b * 7 + round) & 0xFF));
        }
    }
    for (const TagTable table : {StartFileTags, TreeFileTags, GlobalFileTags, PageFileTags}) {
        for (const QByteArray& prefix :
             {QByteArray(), QByteArray("<TEXT>"), QByteArray("<![CDATA[\n"), QByteArray("<!--")}) {
            const DeviceRead read = ReadAll(table, prefix + bytes);
            // Only the record a read stops at can be unknown.
            for (qsizetype i = 0; i + 1 < read.records.size(); ++i) {
                EXPECT_NE(read.records[i].tagId, TAG_UNKNOWN);
            }
        }
    }
}

TEST(TagReaderLimits, ShowsOneAttributeMessagePerTagAndGoesOn) {
    const DeviceRead read = ReadAll(TreeFileTags, QByteArray("<ITEM a b></ITEM>").repeated(1000));
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.records.size(), 2000);
    EXPECT_EQ(read.messages, 1000);
}

} // namespace
} // namespace morvek::xml
