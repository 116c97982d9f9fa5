#pragma once
// A thread of its own that runs the calls it is given, one after the other,
// in the order given: for work that may wait (a device, another program) and
// must not wait on the loop.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace skycrier {

class WorkerThread {
public:
    // At the end, the calls still queued are run (a last word that must go out) or dropped.
    enum class AtEnd { RunQueued, DropQueued };

    explicit WorkerThread(AtEnd atEnd);
    // Ends as finish() does.
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // From any thread.
    void enqueue(std::function<void()> call);
    // Waits for the call under way, and the queued ones when they are to run; the thread then ends.
    void finish();

private:
    void run();

    const AtEnd atEnd_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> calls_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace skycrier
