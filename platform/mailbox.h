#pragma once
// A mailbox shared with peer programs, as the program uses it; the real one
// is PeerMailbox (peer_mailbox.h), tests use a fake.
//
// Threading: send() and the listener control from the loop's thread; the
// listener calls its function from a thread of its own.

#include <functional>
#include <string>

namespace skycrier {

class Mailbox {
public:
    virtual ~Mailbox() = default;
    // Writes the message and wakes every listener (this program's own included).
    virtual bool send(const std::string& bytes, std::string& error) = 0;
    // Starts the listener: each message, in order, goes to onMessage.
    virtual void listen(std::function<void(std::string)> onMessage) = 0;
    // The listener ends after handing on the next message.
    virtual void endAfterNextMessage() = 0;
    // Ends the listener and waits for it.
    virtual void stopListening() = 0;
};

}  // namespace skycrier
