#pragma once
// The peer mailbox (peer_mailbox.h) on a thread of its own: opening, sending
// and closing run there one after the other, with the bounded waits the
// mailbox gives them, and what it hears and says is posted back to the loop.
// A holder of the mailbox's lock that never lets go costs that thread a few
// seconds, never the loop.

#include <cstdint>
#include <memory>

#include "platform/mailbox.h"
#include "platform/peer_mailbox.h"
#include "platform/task_scope.h"
#include "platform/worker_thread.h"

namespace skycrier {

class ThreadedMailbox final : public Mailbox {
public:
    ThreadedMailbox(EventLoop& loop, MailboxNames names);
    // Finishes what was sent (a few seconds at most when the lock is not let go) and closes.
    ~ThreadedMailbox() override;
    ThreadedMailbox(const ThreadedMailbox&) = delete;
    ThreadedMailbox& operator=(const ThreadedMailbox&) = delete;

    void open(Handlers handlers) override;
    bool send(const std::string& bytes, std::string& error) override;
    void close() override;

private:
    // Posts a handler's call, made only while the opening it belongs to stands.
    template <typename Member, typename Argument>
    void deliver(std::uint64_t opening, Member member, Argument argument);

    // Declared first, so it outlives the threads that post through it.
    TaskScope tasks_;
    const MailboxNames names_;
    // The loop thread's own: the handlers of the current opening, and its number.
    Handlers handlers_;
    std::uint64_t opening_ = 0;
    // The worker's own.
    std::unique_ptr<PeerMailbox> box_;
    // What was sent before the end still goes out: peers hear the last word.
    WorkerThread worker_{WorkerThread::AtEnd::RunQueued};
};

}  // namespace skycrier
