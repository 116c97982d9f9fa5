#pragma once
// The mailbox shared with peer programs, as the program uses it. Every call
// returns at once: the work runs in order off the loop's thread, so a peer
// that dies, hangs or holds the mailbox's lock never holds up the loop, the
// watchdog, a bulletin or a stop. The real one is ThreadedMailbox
// (threaded_mailbox.h); tests use a fake.
//
// Threading: the loop's thread; the handlers are called on it, in order.

#include <functional>
#include <string>

namespace skycrier {

class Mailbox {
public:
    struct Handlers {
        // The mailbox is open and listening (an empty text), or the reason it could not be opened.
        std::function<void(const std::string& error)> opened;
        // Each message, in order, this program's own included.
        std::function<void(const std::string& bytes)> message;
        // A line for the log about the mailbox itself (set up again, a lock that is not let go).
        std::function<void(const std::string& text)> notice;
    };

    virtual ~Mailbox() = default;
    // Opens the mailbox, creating it when absent, and listens.
    virtual void open(Handlers handlers) = 0;
    // Writes the message and wakes every listener, once the mailbox is open;
    // false and the reason for a message that can never be sent (too long).
    virtual bool send(const std::string& bytes, std::string& error) = 0;
    // Stops listening and closes the mailbox after what was sent before;
    // from now on no handler is called.
    virtual void close() = 0;
};

}  // namespace skycrier
