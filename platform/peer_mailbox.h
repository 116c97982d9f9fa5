#pragma once
// The mailbox that programs sharing one transmitter write to each other: a
// 65 536-byte shared-memory region holding the latest message (32-bit
// little-endian length at offset 0, the 8-bit text from offset 4), a robust
// process-shared mutex that serialises writers, and an event: a
// process-shared condition variable with a pulse counter, so a pulse wakes
// every listener of every program and a listener not waiting at that moment
// misses it. The objects live in /dev/shm, mode 0600 (the same user's
// programs only); whoever comes first creates them.
//
// Threading: send() from any thread. The listener is a thread of its own
// that hands each message, in order, to the function it was given.

#include <pthread.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "platform/mailbox.h"

namespace skycrier {

struct MailboxNames {
    std::string region = "/VERERIDSHAREDMEMORY";
    // The mutex and the event.
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

// The control object's content, which every peer on this machine maps: set
// up once by its creator, which then sets ready to 1. pulses counts the
// event's pulses; a listener waits on the event until it changes.
struct MailboxControl {
    std::atomic<std::uint32_t> ready;
    pthread_mutex_t mutex;
    pthread_cond_t event;
    std::atomic<std::uint64_t> pulses;
};

class PeerMailbox : public Mailbox {
public:
    // Creates or opens the objects; nothing, and the reason, on failure.
    static std::unique_ptr<PeerMailbox> open(const MailboxNames& names, std::string& error);
    // Removes the names (the objects live on while someone has them open).
    static void unlink(const MailboxNames& names);
    ~PeerMailbox() override;
    PeerMailbox(const PeerMailbox&) = delete;
    PeerMailbox& operator=(const PeerMailbox&) = delete;

    // Writes the message (waiting at most 3000 ms for the mutex, and writing
    // anyway after that) and pulses the event. Too long a message is refused.
    bool send(const std::string& bytes, std::string& error) override;

    // Starts the listener: onMessage gets each message from the listener's thread.
    void listen(std::function<void(std::string)> onMessage) override;
    // The listener ends after handing on the next message.
    void endAfterNextMessage() override { stop_ = true; }
    // Ends the listener at once and waits for it.
    void stopListening() override;

private:
    PeerMailbox() = default;
    void listenLoop(const std::function<void(std::string)>& onMessage);
    // Locks the mutex, repairing it when its owner died holding it.
    bool lock(int waitMs);
    void unlock();

    unsigned char* region_ = nullptr;
    MailboxControl* control_ = nullptr;
    std::thread listener_;
    // End after the next message; end now. Both are read under the mutex.
    std::atomic<bool> stop_{false};
    std::atomic<bool> halt_{false};
    std::uint64_t seen_ = 0;
};

}  // namespace skycrier
