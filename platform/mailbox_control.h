#pragma once
// The peer mailbox's control object (/dev/shm/NAME.ctl), which every program
// on the mailbox maps: a state word saying that it is set up and in which
// layout, the pulse counter that listeners wait on (the event: each message
// adds one and wakes every listener of every program), and a robust
// process-shared mutex that serialises writers. Every wait on it is bounded:
// a program that dies, hangs or is stopped while using it, or bytes that are
// not a control object at all, hold up nobody for longer than the wait it
// gave itself, and the next user sets a damaged object up again.

#include <pthread.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>

namespace skycrier {

using MailboxDeadline = std::chrono::steady_clock::time_point;

// "SC" and the layout's number; 1 was the layout with a process-shared condition variable.
inline constexpr std::uint32_t kControlReady = 0x5343'0002;

struct MailboxControl {
    std::atomic<std::uint32_t> state;
    std::atomic<std::uint32_t> pulses;
    pthread_mutex_t mutex;
};

// How long to wait for another program still setting an object up: a
// little even when the caller is in a hurry, never long.
MailboxDeadline setUpDeadline(MailboxDeadline until);

// Makes sure the control object is set up. Its creator sets it up at once;
// another program waits a little (never past until) for a creator still at
// it. One of another layout, damaged, or left half set up is set up again,
// and notice says so (path names it).
void prepareControl(MailboxControl& control, bool creator, MailboxDeadline until, const std::string& path,
                    std::string& notice);

// Locks the mutex, waiting at most until then; false when its holder did not
// let go in time. One whose holder died is taken over; one found unusable is
// set up again, with a notice.
bool lockControl(MailboxControl& control, MailboxDeadline until, const std::string& path, std::string& notice);
void unlockControl(MailboxControl& control);

}  // namespace skycrier
