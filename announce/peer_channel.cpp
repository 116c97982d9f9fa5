#include "announce/peer_channel.h"

#include "base/windows_1252.h"

namespace skycrier {
namespace {

bool startsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

}  // namespace

PeerChannel::PeerChannel(EventLoop& loop, Sequencer& sequencer, StatusBoard& status, Opener open)
    : sequencer_(sequencer), status_(status), open_(std::move(open)), tasks_(loop) {}

PeerChannel::~PeerChannel() { disconnect(); }

bool PeerChannel::connect(std::string& error) {
    if (mailbox_) return true;
    if (!open_) {
        error = "no mailbox for peer programs";
        return false;
    }
    mailbox_ = open_(error);
    if (!mailbox_) return false;
    mailbox_->listen([this](std::string bytes) {
        tasks_.post([this, bytes = std::move(bytes)] { received(bytes); });
    });
    send(kConnectedNotice);
    if (!startsWith(status_.EditData(), "Feh")) status_.setEditData(kConnectedText);
    return true;
}

void PeerChannel::disconnect() {
    if (!mailbox_) return;
    mailbox_->endAfterNextMessage();
    send(kDisconnectedNotice);
    mailbox_->stopListening();
    mailbox_.reset();
}

void PeerChannel::reconnect() {
    disconnect();
    std::string ignored;
    connect(ignored);
}

void PeerChannel::send(const std::string& message) {
    if (!mailbox_) return;
    std::string error;
    if (!mailbox_->send(utf8ToWindows1252(message), error)) status_.setEditData(kSendFailedText);
}

void PeerChannel::received(const std::string& bytes) {
    if (!startsWith(status_.EditData(), "Err")) {
        // The peer role's name gives way to the program's own.
        const std::string shown = contains(bytes, "BRELL") && bytes.size() >= 5 ? "SKYCRIER" + bytes.substr(5) : bytes;
        status_.setEditData(windows1252ToUtf8(shown));
    }
    if (contains(bytes, "BRELL_HELLO")) {
        tasks_.callAfter(kHelloReplyMs, [this] {
            if (!sequencer_.BulletinRunning()) {
                send("BRELL_READY");
            } else if (mailbox_) {
                mailbox_->endAfterNextMessage();
                send("BRELL_OCCUPIED");
            }
        });
    }
    if (contains(bytes, "BRELL_PLAY")) {
        sequencer_.PeerRequested = true;
        sequencer_.Button1Click(BulletinTrigger::Peer);
    }
}

}  // namespace skycrier
