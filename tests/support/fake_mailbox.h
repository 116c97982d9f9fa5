#pragma once
// A mailbox in memory for engine tests: it keeps every message written and,
// like the real one, hands each one to the listener (the writer's own
// included) on the loop, after the call that wrote it.

#include <string>
#include <vector>

#include "platform/mailbox.h"
#include "platform/task_scope.h"

namespace skycrier::test {

class FakeMailbox : public Mailbox {
public:
    explicit FakeMailbox(EventLoop& loop) : tasks_(loop) {}

    void open(Handlers handlers) override {
        ++opens;
        ++generation_;
        handlers_ = std::move(handlers);
        open_ = !refuseOpen;
        post(&Handlers::opened, refuseOpen ? "no shared memory" : "");
    }
    bool send(const std::string& bytes, std::string& error) override {
        if (refuseSend) {
            error = "refused";
            return false;
        }
        if (listening()) write(bytes);
        return true;
    }
    void close() override {
        ++generation_;
        open_ = false;
    }

    // A peer writes a message.
    void write(const std::string& bytes) {
        sent.push_back(bytes);
        post(&Handlers::message, bytes);
    }
    bool listening() const { return open_; }

    std::vector<std::string> sent;
    int opens = 0;
    bool refuseOpen = false;
    bool refuseSend = false;

private:
    // Delivered only while the opening that asked for it stands, as the real one does.
    template <typename Member>
    void post(Member member, const std::string& text) {
        tasks_.post([this, generation = generation_, handler = handlers_.*member, text] {
            if (generation == generation_ && handler) handler(text);
        });
    }

    Handlers handlers_;
    int generation_ = 0;
    bool open_ = false;
    TaskScope tasks_;
};

}  // namespace skycrier::test
