#pragma once

#include <chrono>
#include <system_error>
#include <thread>
#include <utility>

namespace morvek::links {

// Bookkeeping of the running workers, so that their end can be waited for.
void WorkerStarted();
void WorkerEnded();

// Runs `job` on a detached thread of its own, which owns the job and what it holds. False
// when no thread could be started; the job is then destroyed without running.
template <typename Job>
bool StartWorker(Job job) {
    WorkerStarted();
    try {
        std::thread([work = std::move(job)]() mutable {
            std::move(work)();
            WorkerEnded();
        }).detach();
        return true;
    } catch (const std::system_error&) {
        WorkerEnded();
        return false;
    }
}

// Waits at most `timeout` until every worker started so far has ended; true when they have.
bool WaitForWorkers(std::chrono::milliseconds timeout);

} // namespace morvek::links
