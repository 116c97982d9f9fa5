#include "announce/peer_channel.h"

#include "base/windows_1252.h"

namespace skycrier {
namespace {

bool startsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

constexpr const char* kReportPrefix = "peer programs: ";

}  // namespace

PeerChannel::PeerChannel(EventLoop& loop, Sequencer& sequencer, StatusBoard& status, Mailbox* mailbox)
    : sequencer_(sequencer),
      status_(status),
      mailbox_(mailbox),
      tasks_(loop),
      bulletinEnds_(sequencer.events.connect([this](const BulletinEvent& event) {
          // Peers told "BRELL_OCCUPIED" are heard again once the bulletin is over, whoever asked for it.
          if (event.kind == BulletinEvent::Kind::Done || event.kind == BulletinEvent::Kind::Abort)
              deaf_ = deafAfterNext_ = false;
      })) {}

PeerChannel::~PeerChannel() { disconnect(); }

void PeerChannel::connect() {
    if (!mailbox_ || connected_) return;
    connected_ = true;
    deaf_ = deafAfterNext_ = false;
    mailbox_->open({
        .opened = tasks_.guard([this](const std::string& error) { opened(error); }),
        .message = tasks_.guard([this](const std::string& bytes) { received(bytes); }),
        .notice = tasks_.guard([this](const std::string& text) { tell(status_.noticed, kReportPrefix + text); }),
    });
    send(kConnectedNotice);
}

void PeerChannel::tell(Signal<const std::string&>& listeners, const std::string& text) {
    listeners.emit(text);
    if (log) log(text);
}

void PeerChannel::opened(const std::string& error) {
    if (!error.empty()) {
        if (error != openFailure_) tell(status_.reported, kReportPrefix + error);
        openFailure_ = error;
        return;
    }
    openFailure_.clear();
    if (!startsWith(status_.statusText(), "Feh")) status_.setStatusText(kConnectedText);
}

void PeerChannel::disconnect() {
    if (!connected_) return;
    send(kDisconnectedNotice);
    mailbox_->close();
    connected_ = false;
}

void PeerChannel::reconnect() {
    disconnect();
    connect();
}

void PeerChannel::send(const std::string& message) {
    if (!connected_) return;
    std::string error;
    if (!mailbox_->send(utf8ToWindows1252(message), error)) status_.setStatusText(kSendFailedText);
}

void PeerChannel::received(const std::string& bytes) {
    if (deaf_) return;
    if (std::exchange(deafAfterNext_, false)) deaf_ = true;
    if (!startsWith(status_.statusText(), "Err")) {
        // The peer role's name gives way to the program's own.
        const std::string shown = contains(bytes, "BRELL") && bytes.size() >= 5 ? "SKYCRIER" + bytes.substr(5) : bytes;
        status_.setStatusText(windows1252ToUtf8(shown));
    }
    if (contains(bytes, "BRELL_HELLO")) {
        tasks_.callAfter(kHelloReplyMs, [this] {
            if (!sequencer_.bulletinRunning()) {
                send("BRELL_READY");
            } else {
                deafAfterNext_ = true;
                send("BRELL_OCCUPIED");
            }
        });
    }
    if (contains(bytes, "BRELL_PLAY")) sequencer_.requestBulletin(BulletinTrigger::Peer);
}

}  // namespace skycrier
