#pragma once
// A mailbox in memory for engine tests: it keeps every message written, and,
// like the real one, hands each one to the listener, the writer's own included.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/mailbox.h"

namespace skycrier::test {

struct MailboxLog {
    // A peer writes a message.
    void write(const std::string& bytes) {
        sent.push_back(bytes);
        auto deliver = listener;
        if (endAfterNext) listener = nullptr;
        if (deliver) deliver(bytes);
    }
    bool listening() const { return static_cast<bool>(listener); }

    std::vector<std::string> sent;
    int opens = 0;
    bool refuseOpen = false;
    bool refuseSend = false;
    std::function<void(std::string)> listener;
    bool endAfterNext = false;
};

class FakeMailbox : public Mailbox {
public:
    explicit FakeMailbox(MailboxLog& log) : log_(log) {}
    bool send(const std::string& bytes, std::string& error) override {
        if (log_.refuseSend) {
            error = "refused";
            return false;
        }
        log_.write(bytes);
        return true;
    }
    void listen(std::function<void(std::string)> onMessage) override {
        log_.listener = std::move(onMessage);
        log_.endAfterNext = false;
    }
    void endAfterNextMessage() override { log_.endAfterNext = true; }
    void stopListening() override { log_.listener = nullptr; }

    static std::function<std::unique_ptr<Mailbox>(std::string&)> opener(MailboxLog& log) {
        return [&log](std::string& error) -> std::unique_ptr<Mailbox> {
            ++log.opens;
            if (log.refuseOpen) {
                error = "no shared memory";
                return nullptr;
            }
            return std::make_unique<FakeMailbox>(log);
        };
    }

private:
    MailboxLog& log_;
};

}  // namespace skycrier::test
