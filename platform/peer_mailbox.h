#pragma once
// The mailbox that programs sharing one transmitter write to each other: a
// 65 536-byte shared-memory region holding the latest message (32-bit
// little-endian length at offset 0, the 8-bit text from offset 4) and a
// control object (mailbox_control.h) with the writers' lock and the event, a
// pulse counter that wakes every listener of every program; a listener not
// waiting at that moment misses the pulse. Both live in /dev/shm, mode 0600,
// and are used only when they are this user's own and closed to others;
// whoever comes first creates them.
//
// Every call here is bounded: opening and sending wait at most until the
// deadline they are given (a send waits at most 3000 ms for the lock, then
// writes anyway, as peers expect), and a listener sleeps in short slices.
// These calls may still wait seconds: the programs make them on a thread of
// their own (threaded_mailbox.h), never on the loop's.
//
// Threading: open() and send() on any one thread at a time; the listener is a
// thread of its own that hands each message, in order, to the function it was given.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "platform/mailbox_control.h"

namespace skycrier {

struct MailboxNames {
    std::string region = "/VERERIDSHAREDMEMORY";
    // The lock and the event.
    std::string control = "/VERERIDSHAREDMEMORY.ctl";

    // Names for a private mailbox (tests, scripts): region NAME, control NAME.ctl.
    static MailboxNames named(const std::string& name) { return {"/" + name, "/" + name + ".ctl"}; }
    // The same from a name a user typed (--mailbox); nothing, and the reason,
    // for a name that cannot name a shared-memory object.
    static std::optional<MailboxNames> fromOption(const std::string& name, std::string& error) {
        if (name.empty() || name.find('/') != std::string::npos) {
            error = "bad mailbox name \"" + name + "\"";
            return std::nullopt;
        }
        return named(name);
    }
};

inline constexpr std::size_t kMailboxBytes = 65'536;

class PeerMailbox {
public:
    // Lines for the log about the mailbox itself (set up again, a lock that is not let go).
    using Notice = std::function<void(const std::string&)>;

    // The longest a send waits for the writers' lock.
    static constexpr auto kSendLockWait = std::chrono::milliseconds(3000);

    // Creates or opens the objects, waiting at most until then; nothing, and
    // the reason, on failure or refusal. notice gets this mailbox's notices
    // from the thread that opens it or sends.
    static std::unique_ptr<PeerMailbox> open(const MailboxNames& names, MailboxDeadline until, Notice notice,
                                             std::string& error);
    // Removes the names (the objects live on while someone has them open).
    static void unlink(const MailboxNames& names);
    ~PeerMailbox();
    PeerMailbox(const PeerMailbox&) = delete;
    PeerMailbox& operator=(const PeerMailbox&) = delete;

    // Writes the message and pulses the event, after waiting for the lock
    // until then (at most kSendLockWait). A lock whose holder did not let go
    // is not waited for again until it has been had once more. Too long a
    // message is refused.
    bool send(const std::string& bytes, MailboxDeadline until, std::string& error);

    // Starts the listener: onMessage gets each message from the listener's thread.
    void listen(std::function<void(std::string)> onMessage);
    // Ends the listener and waits for it (a fraction of a second at most).
    void stopListening();

private:
    PeerMailbox() = default;
    bool lock(MailboxDeadline until);
    void tell(const std::string& notice) const;

    std::string controlPath_;
    Notice notice_;
    unsigned char* region_ = nullptr;
    MailboxControl* control_ = nullptr;
    // The lock's holder did not let go at the last send.
    bool stuck_ = false;
    std::thread listener_;
    std::atomic<bool> halt_{false};
};

}  // namespace skycrier
