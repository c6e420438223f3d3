#include "links/worker_threads.h"

#include <condition_variable>
#include <mutex>

namespace morvek::links {
namespace {

struct WorkerCount {
    std::mutex mutex;
    std::condition_variable ended;
    int running = 0;
};

// Never destroyed: a worker may still end while the process exits.
WorkerCount& Workers() {
    static auto* workers = new WorkerCount;
    return *workers;
}

} // namespace

void WorkerStarted() {
    const std::lock_guard lock(Workers().mutex);
    ++Workers().running;
}

void WorkerEnded() {
    WorkerCount& workers = Workers();
    const std::lock_guard lock(workers.mutex);
    --workers.running;
    workers.ended.notify_all();
}

bool WaitForWorkers(std::chrono::milliseconds timeout) {
    WorkerCount& workers = Workers();
    std::unique_lock lock(workers.mutex);
    return workers.ended.wait_for(lock, timeout, [&workers] { return workers.running == 0; });
}

} // namespace morvek::links
