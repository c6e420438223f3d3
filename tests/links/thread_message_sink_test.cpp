#include "platform/thread_message_sink.h"
#include "support/printers.h"

#include <QObject>
#include <QStringList>
#include <QThread>
#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>
#include <thread>

namespace morvek::platform {
namespace {

// Notes each message with the thread that showed it.
class ThreadNotingSink final : public MessageSink {
public:
    void ShowMessage(const QString& text) override {
        messages.append(text);
        threads.append(QThread::currentThread());
    }
    QStringList messages;
    QList<QThread*> threads;
};

TEST(ThreadMessageSinkTest, MessagesOfWorkersAreShownOnTheOwnersThread) {
    QObject window;
    ThreadNotingSink boxes;
    ThreadMessageSink sink(window, boxes);

    sink.ShowMessage(QStringLiteral("at once"));
    EXPECT_EQ(boxes.messages, QStringList{QStringLiteral("at once")});

    std::thread worker([&sink] { sink.ShowMessage(QStringLiteral("from a worker")); });
    worker.join();
    EXPECT_EQ(boxes.messages.size(), 1) << "shown before the event loop ran";
    EXPECT_TRUE(QTest::qWaitFor([&boxes] { return boxes.messages.size() == 2; }));
    EXPECT_EQ(boxes.messages.last(), QStringLiteral("from a worker"));
    EXPECT_EQ(boxes.threads, (QList<QThread*>{window.thread(), window.thread()}));
}

TEST(ThreadMessageSinkTest, QueuedMessagesDieWithTheOwner) {
    ThreadNotingSink boxes;
    {
        QObject window;
        ThreadMessageSink sink(window, boxes);
        std::thread worker([&sink] { sink.ShowMessage(QStringLiteral("late")); });
        worker.join();
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(boxes.messages.isEmpty());
}

} // namespace
} // namespace morvek::platform
