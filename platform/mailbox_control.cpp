#include "platform/mailbox_control.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>

namespace skycrier {
namespace {

constexpr std::uint32_t kSettingUp = 0x5343'FFFF;
// How long a creator may take to set the object up; and the least wait for it, whatever the caller's haste.
constexpr auto kSetUpWait = std::chrono::seconds(2);
constexpr auto kLeastSetUpWait = std::chrono::milliseconds(50);

void initialiseMutex(pthread_mutex_t& mutex) {
    pthread_mutexattr_t attributes;
    pthread_mutexattr_init(&attributes);
    pthread_mutexattr_setpshared(&attributes, PTHREAD_PROCESS_SHARED);
    pthread_mutexattr_setrobust(&attributes, PTHREAD_MUTEX_ROBUST);
    pthread_mutex_init(&mutex, &attributes);
    pthread_mutexattr_destroy(&attributes);
}

timespec monotonic(MailboxDeadline until) {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(until.time_since_epoch()).count();
    return {static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

// Takes the object over from the state it was found in; false when someone else changed it first.
bool setUpFrom(MailboxControl& control, std::uint32_t found) {
    if (!control.state.compare_exchange_strong(found, kSettingUp)) return false;
    initialiseMutex(control.mutex);
    control.state.store(kControlReady, std::memory_order_release);
    return true;
}

}  // namespace

MailboxDeadline setUpDeadline(MailboxDeadline until) {
    const auto now = std::chrono::steady_clock::now();
    return std::clamp(until, now + kLeastSetUpWait, now + kSetUpWait);
}

void prepareControl(MailboxControl& control, bool creator, MailboxDeadline until, const std::string& path,
                    std::string& notice) {
    until = setUpDeadline(until);
    for (;;) {
        const std::uint32_t found = control.state.load(std::memory_order_acquire);
        if (found == kControlReady) return;
        const bool underWay = found == 0 || found == kSettingUp;
        if (!creator && underWay && std::chrono::steady_clock::now() < until) {
            ::usleep(1000);
            continue;
        }
        if (!setUpFrom(control, found)) continue;
        if (!creator)
            notice = path + (underWay ? " was left half set up" : " was made by another SkyCrier version or damaged") +
                     "; it has been set up again (stop any SkyCrier of another version that uses this mailbox)";
        return;
    }
}

bool lockControl(MailboxControl& control, MailboxDeadline until, const std::string& path, std::string& notice) {
    const timespec limit = monotonic(until);
    int rc = pthread_mutex_clocklock(&control.mutex, CLOCK_MONOTONIC, &limit);
    // Its holder died: what it guarded is a message, always whole enough to overwrite.
    if (rc == EOWNERDEAD) rc = pthread_mutex_consistent(&control.mutex);
    if (rc == ENOTRECOVERABLE || rc == EINVAL) {
        if (setUpFrom(control, control.state.load()))
            notice = path + " held an unusable lock; it has been set up again";
        rc = pthread_mutex_clocklock(&control.mutex, CLOCK_MONOTONIC, &limit);
    }
    return rc == 0;
}

void unlockControl(MailboxControl& control) { pthread_mutex_unlock(&control.mutex); }

}  // namespace skycrier
