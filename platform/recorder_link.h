#pragma once
// The way to the external recorder program: is its program file there, start
// it, is it listening, and send it one command. The engine drives a recording
// through this interface only, so its sequence runs on a fake in tests.
//
// Threading: the loop's thread only. send() waits for the answer a short,
// bounded time.

#include <cstdint>
#include <optional>
#include <string>

namespace skycrier {

class RecorderLink {
public:
    virtual ~RecorderLink() = default;

    // The recorder program file exists.
    virtual bool programExists(const std::string& program) = 0;
    // Starts the program without waiting for it; false when it cannot be started.
    virtual bool launch(const std::string& program) = 0;
    // A recorder is there to take commands.
    virtual bool recorderPresent() = 0;
    // Sends one command; the recorder's result, 0 when it does not answer in
    // time, nothing when no recorder is there.
    virtual std::optional<std::int32_t> send(const std::string& command) = 0;
};

}  // namespace skycrier
