#include "statistics/shared_file.h"
#include "statistics_files.h"
#include "support/fixtures.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <latch>
#include <thread>
#include <unistd.h>
#include <vector>

namespace morvek::statistics {
namespace {

constexpr int kWriters = 4;
constexpr int kRounds = 25;

// Writers released at the same moment onto a missing file race to create it: each must end
// up appending to the one file, after the one header.
TEST(SharedFile, WritersRacingToCreateTheFileAllAppendAfterOneHeader) {
    morvek::test::TempFiles files;
    for (int round = 0; round < kRounds; ++round) {
        const QString path = files.Path(QStringLiteral("stat%1.bin").arg(round));
        std::latch start(kWriters);
        std::vector<std::thread> writers;
        for (int writer = 0; writer < kWriters; ++writer) {
            writers.emplace_back([&start, &path, writer] {
                start.arrive_and_wait();
                const FileDescriptor fd = OpenForAppend(path);
                const char mark = char('a' + writer);
                if (fd.IsValid() && ::lseek(fd.Get(), 0, SEEK_END) >= 0) {
                    ASSERT_EQ(::write(fd.Get(), &mark, 1), 1);
                }
            });
        }
        for (std::thread& writer : writers) {
            writer.join();
        }
        QByteArray marks = test::FileBytes(path);
        ASSERT_TRUE(marks.startsWith(test::kHeader)) << round;
        marks.remove(0, test::kHeader.size());
        std::sort(marks.begin(), marks.end());
        EXPECT_EQ(marks, QByteArray("abcd")) << round;
    }
    EXPECT_EQ(QDir(files.Path(QString())).entryList(QDir::Files | QDir::Hidden).size(), kRounds)
        << "no temporary file is left behind";
}

FileDescriptor Open(const QByteArray& path, int flags) {
    return FileDescriptor(::open(path.constData(), flags | O_CLOEXEC));
}

// Each open of the file is a lock holder of its own, also within one process.
TEST(SharedFile, ReadersShareAndAWriterExcludesEveryone) {
    morvek::test::TempFiles files;
    const QByteArray path = QFile::encodeName(files.Write(QStringLiteral("stat.bin"), {}));
    FileDescriptor reader = Open(path, O_RDONLY);
    FileDescriptor otherReader = Open(path, O_RDONLY);
    const FileDescriptor writer = Open(path, O_WRONLY);
    ASSERT_EQ(TryLockFile(reader.Get(), F_RDLCK), 0);
    EXPECT_EQ(TryLockFile(otherReader.Get(), F_RDLCK), 0);
    EXPECT_NE(TryLockFile(writer.Get(), F_WRLCK), 0);
    reader = FileDescriptor();
    otherReader = FileDescriptor();
    ASSERT_EQ(TryLockFile(writer.Get(), F_WRLCK), 0);
    EXPECT_NE(TryLockFile(Open(path, O_WRONLY).Get(), F_WRLCK), 0);
    EXPECT_NE(TryLockFile(Open(path, O_RDONLY).Get(), F_RDLCK), 0);
}

} // namespace
} // namespace morvek::statistics
