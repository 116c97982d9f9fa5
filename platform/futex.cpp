#include "platform/futex.h"

#include <linux/futex.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <climits>
#include <ctime>

namespace skycrier {

// Without FUTEX_PRIVATE_FLAG: the word lives in shared memory and its waiters in other processes.
void futexWait(const std::atomic<std::uint32_t>& word, std::uint32_t seen, std::chrono::milliseconds limit) {
    const auto ms = limit.count();
    const timespec relative{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1'000'000L};
    ::syscall(SYS_futex, const_cast<std::atomic<std::uint32_t>*>(&word), FUTEX_WAIT, seen, &relative, nullptr, 0);
}

void futexWakeAll(std::atomic<std::uint32_t>& word) {
    ::syscall(SYS_futex, &word, FUTEX_WAKE, INT_MAX, nullptr, nullptr, 0);
}

}  // namespace skycrier
