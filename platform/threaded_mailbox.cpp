#include "platform/threaded_mailbox.h"

namespace skycrier {

ThreadedMailbox::ThreadedMailbox(EventLoop& loop, MailboxNames names)
    : tasks_(loop), names_(std::move(names)) {}

ThreadedMailbox::~ThreadedMailbox() {
    worker_.finish();
    box_.reset();
    tasks_.clear();
}

template <typename Member, typename Argument>
void ThreadedMailbox::deliver(std::uint64_t opening, Member member, Argument argument) {
    tasks_.post([this, opening, member, argument = std::move(argument)] {
        if (opening == opening_ && handlers_.*member) (handlers_.*member)(argument);
    });
}

void ThreadedMailbox::open(Handlers handlers) {
    handlers_ = std::move(handlers);
    const std::uint64_t opening = ++opening_;
    worker_.enqueue([this, opening] {
        box_.reset();
        const auto notice = [this, opening](const std::string& text) { deliver(opening, &Handlers::notice, text); };
        std::string error;
        box_ = PeerMailbox::open(names_, std::chrono::steady_clock::now() + PeerMailbox::kSendLockWait, notice, error);
        if (box_) box_->listen([this, opening](std::string bytes) { deliver(opening, &Handlers::message, bytes); });
        deliver(opening, &Handlers::opened, error);
    });
}

bool ThreadedMailbox::send(const std::string& bytes, std::string& error) {
    if (bytes.size() > kMailboxBytes - 4) {
        error = "the message is longer than the mailbox";
        return false;
    }
    worker_.enqueue([this, bytes] {
        std::string ignored;
        if (box_) box_->send(bytes, std::chrono::steady_clock::now() + PeerMailbox::kSendLockWait, ignored);
    });
    return true;
}

void ThreadedMailbox::close() {
    ++opening_;
    handlers_ = {};
    worker_.enqueue([this] { box_.reset(); });
}

}  // namespace skycrier
