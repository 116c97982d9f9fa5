#pragma once
// A thread of its own that watches a tty's CTS, DSR and DCD, so that an edge
// is acted on within milliseconds rather than at the next regular reading.
// It waits in the kernel (TIOCMIWAIT) where the driver can; elsewhere it reads
// the lines every 20 ms. A line that hangs up, or that tells no levels at all,
// ends the watch quietly: the owner's regular checks find out what happened.

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace skycrier {

class ModemLineWatcher {
public:
    // Starts watching at once; `changed` is called from the watcher's thread
    // after each change. `fd` must stay open until the watcher is gone.
    ModemLineWatcher(int fd, std::function<void()> changed);
    // Wakes the thread from its wait and returns once it has ended; never
    // from within `changed`, whose thread it waits for.
    ~ModemLineWatcher();
    ModemLineWatcher(const ModemLineWatcher&) = delete;
    ModemLineWatcher& operator=(const ModemLineWatcher&) = delete;

private:
    // `seen`: the watched lines' levels last told (or found at the start); nothing when unreadable.
    void run(std::optional<int> seen);
    // False when the device cannot wait in the kernel and is to be read at intervals instead.
    bool waitInKernel(std::optional<int>& seen);
    void readAtIntervals(std::optional<int> seen);
    // Waits the interval unless stopped meanwhile; false when stopped.
    bool sleepUnlessStopped();

    const int fd_;
    const std::function<void()> changed_;
    std::mutex mutex_;
    std::condition_variable wake_;
    // Read without the mutex by the thread between its waits in the kernel.
    std::atomic<bool> stopping_ = false;
    bool ended_ = false;
    std::thread thread_;
};

}  // namespace skycrier
