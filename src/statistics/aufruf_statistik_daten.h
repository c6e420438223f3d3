#pragma once

#include <QString>
#include <atomic>
#include <thread>

namespace morvek::statistics {

// One page call on its way to the statistics file, written by a worker thread of its own.
// The finished flag is the only value the worker shares: it sets it last (release), and the
// owner deletes the record only once it reads it set (acquire).
class CAufrufStatistikDaten final {
public:
    // path: the recorder's statistics file, taken when the call is recorded.
    CAufrufStatistikDaten(QString path, QString userName, double callTime, QString calledPage);
    // Waits for the worker, so that a record deleted early is never touched again.
    ~CAufrufStatistikDaten();
    CAufrufStatistikDaten(const CAufrufStatistikDaten&) = delete;
    CAufrufStatistikDaten& operator=(const CAufrufStatistikDaten&) = delete;

    // Starts the worker thread; throws std::system_error when none can be started.
    void StartWriter();
    bool IsFinished() const { return finished.load(std::memory_order_acquire) != 0; }

    const QString filePath;
    const QString user;
    const double time; // OLE Automation date, local time in whole seconds
    const QString page;
    std::atomic<int> finished{0};

private:
    std::thread writer;
};

// The worker procedure: appends the record to its file, creating the file with its header
// when it is missing, then sets the finished flag. A record that cannot be written is dropped
// without a message. Returns 0.
int WriteCallRecord(CAufrufStatistikDaten& record);

} // namespace morvek::statistics
