#pragma once
// The recorder's local socket: one stream connection per command, the
// command's text with its terminating zero in, a 32-bit little-endian result
// out. The socket is named after the recorder's window and lives in the
// user's runtime folder, reachable by the same user only.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/recorder_link.h"

namespace skycrier {

// $XDG_RUNTIME_DIR/skycrier/TFormSonivue-TAPEWELL.sock, or
// /tmp/skycrier-UID/TFormSonivue-TAPEWELL.sock when there is no runtime folder.
std::string recorderSocketPath();

// The recorder's end: creates the socket's folder (mode 0700) and listens on
// the socket (mode 0600). A stale socket left by a recorder that died is
// replaced; a live one is an error. The listening descriptor, or -1 and a
// one-line reason.
int listenAsRecorder(const std::string& path, std::string& error);
// Reads one command from an accepted connection: its text without the zero,
// nothing when it is malformed or does not arrive within the time-out.
std::optional<std::string> receiveCommand(int connection, std::chrono::milliseconds timeout);
void sendResult(int connection, std::int32_t result);

// The announcer's end, over the socket at path.
class SocketRecorderLink : public RecorderLink {
public:
    static constexpr std::chrono::milliseconds kAnswerTimeout{100};

    explicit SocketRecorderLink(std::string path = recorderSocketPath()) : path_(std::move(path)) {}

    bool programExists(const std::string& program) override;
    bool launch(const std::string& program) override;
    bool recorderPresent() override;
    std::optional<std::int32_t> send(const std::string& command) override;

private:
    std::string path_;
};

}  // namespace skycrier
