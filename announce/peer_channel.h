#pragma once
// Sharing the transmitter with peer programs through the mailbox: a peer asks
// whether the announcer is free ("BRELL_HELLO": "BRELL_READY" or
// "BRELL_OCCUPIED"), asks for a bulletin ("BRELL_PLAY", answered by
// "BRELL_DONE" at its end), and reads the announcer's own notices of
// connecting and disconnecting. Every message received is shown in the status
// line. After answering "BRELL_OCCUPIED" the channel stops listening until it
// is next reconnected (the sequencer reconnects after a bulletin no peer asked for).
//
// Threading: the loop's thread only; the mailbox's listener posts to it.

#include <functional>
#include <memory>
#include <string>

#include "announce/channel_link.h"
#include "announce/sequencer.h"
#include "announce/status_board.h"
#include "platform/mailbox.h"
#include "platform/task_scope.h"

namespace skycrier {

inline constexpr const char* kConnectedNotice = "BRELL connecté";
inline constexpr const char* kDisconnectedNotice = "BRELL desconectado";
inline constexpr const char* kConnectedText = "SkyCrier conectado";
inline constexpr const char* kSendFailedText = "Error: MapViewOfFile";

class PeerChannel : public ChannelLink {
public:
    // Opens the mailbox; nothing, and the reason, on failure.
    using Opener = std::function<std::unique_ptr<Mailbox>(std::string& error)>;

    // A reply to "BRELL_HELLO" waits this long.
    static constexpr Millis kHelloReplyMs = 100;

    PeerChannel(EventLoop& loop, Sequencer& sequencer, StatusBoard& status, Opener open);
    ~PeerChannel() override;
    PeerChannel(const PeerChannel&) = delete;
    PeerChannel& operator=(const PeerChannel&) = delete;

    // Opens the mailbox, starts listening and announces the connection.
    bool connect(std::string& error);
    // Announces the disconnection, stops listening and closes the mailbox.
    void disconnect();
    // Failures to connect again are left for the next reconnect.
    void reconnect() override;
    // The text in UTF-8; it travels in Windows-1252.
    void send(const std::string& message) override;

    // Whether there is a mailbox to connect to at all.
    bool enabled() const { return static_cast<bool>(open_); }
    bool connected() const { return mailbox_ != nullptr; }

private:
    void received(const std::string& bytes);

    Sequencer& sequencer_;
    StatusBoard& status_;
    Opener open_;
    TaskScope tasks_;
    // Declared after the scope: the listener stops before the scope goes.
    std::unique_ptr<Mailbox> mailbox_;
};

}  // namespace skycrier
