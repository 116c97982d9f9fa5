#pragma once
// A PulseAudio daemon of the test's own, as a desktop runs one: a null sink
// named "air" whose monitor can be recorded, reached through a unix socket
// in a scratch folder, with ALSA's "default" and "pulse" PCMs routed to it.
// No system daemon, no D-Bus, no autospawn, nothing under the user's home;
// the daemon ends with this object, with its parent process, or after a
// while without clients, whichever comes first.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/temp_dir.h"

namespace skycrier::test {

class PrivateSoundServer {
public:
    // The sink's layout, which is also what the recordings hold: 16-bit mono at 24 000 Hz.
    static constexpr unsigned kSampleRate = 24'000;

    // Starts the daemon and waits until it answers; on failure, ready() is false and failure() says why.
    PrivateSoundServer();
    ~PrivateSoundServer();
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    bool ready() const { return failure_.empty(); }
    const std::string& failure() const { return failure_; }

    // "NAME=value" entries a client program needs on top of its own environment.
    const std::vector<std::string>& clientEnvironment() const { return clientEnvironment_; }

    // Records what the sink plays into the file, as raw little-endian
    // samples, from the moment this returns until the recorder is stopped;
    // nothing, and the reason, when the recorder did not start.
    std::unique_ptr<ChildProcess> record(const std::filesystem::path& file, std::string& error) const;

    // The daemon's own messages so far.
    std::string log() const;

private:
    bool answers(const std::vector<std::string>& pactlArgs, std::string& output) const;

    TempDir dir_;
    std::vector<std::string> clientEnvironment_;
    std::unique_ptr<ChildProcess> daemon_;
    std::string failure_;
};

}  // namespace skycrier::test
