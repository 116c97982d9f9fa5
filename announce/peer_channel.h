#pragma once
// Sharing the transmitter with peer programs through the mailbox: a peer asks
// whether the announcer is free ("BRELL_HELLO": "BRELL_READY" or
// "BRELL_OCCUPIED"), asks for a bulletin ("BRELL_PLAY", answered by
// "BRELL_DONE" at its end, however it ends), and reads the announcer's own
// notices of connecting and disconnecting. Every message received is shown in
// the status line. After answering "BRELL_OCCUPIED" the channel hands on one
// more message and then leaves peers unanswered until the bulletin ends,
// whoever asked for it (and until a reconnect).
//
// The mailbox does its work off the loop's thread: the channel never waits
// on it. Problems with the mailbox itself go to the status board's log lines.
//
// Threading: the loop's thread only.

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
    // A reply to "BRELL_HELLO" waits this long.
    static constexpr Millis kHelloReplyMs = 100;

    // No mailbox: the program shares the channel with no one.
    PeerChannel(EventLoop& loop, Sequencer& sequencer, StatusBoard& status, Mailbox* mailbox);
    ~PeerChannel() override;
    PeerChannel(const PeerChannel&) = delete;
    PeerChannel& operator=(const PeerChannel&) = delete;

    // Opens the mailbox, listens and announces the connection; a failure to
    // open is reported when it is known (once, until an open succeeds).
    void connect();
    // Announces the disconnection, stops listening and closes the mailbox.
    void disconnect();
    // Failures to connect again are reported as for connect().
    void reconnect() override;
    // The text in UTF-8; it travels in Windows-1252.
    void send(const std::string& message) override;

    // Whether there is a mailbox to connect to at all.
    bool enabled() const { return mailbox_ != nullptr; }
    bool connected() const { return connected_; }

    // The program's log, for what the mailbox itself went through (refused, set up again).
    std::function<void(const std::string&)> log;

private:
    void tell(Signal<const std::string&>& listeners, const std::string& text);
    void opened(const std::string& error);
    void received(const std::string& bytes);

    Sequencer& sequencer_;
    StatusBoard& status_;
    Mailbox* mailbox_;
    TaskScope tasks_;
    Subscription bulletinEnds_;
    bool connected_ = false;
    // After "BRELL_OCCUPIED": one more message is handled, then none until the bulletin ends.
    bool deafAfterNext_ = false;
    bool deaf_ = false;
    // The last failure to open, reported once.
    std::string openFailure_;
};

}  // namespace skycrier
