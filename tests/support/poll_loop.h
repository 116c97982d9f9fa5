#pragma once
// A real-time loop for tests that use real devices.

#include <memory>
#include <stdexcept>
#include <string>

#include "platform/poll_loop.h"

namespace skycrier::test {

inline std::unique_ptr<PollLoop> newPollLoop() {
    std::string error;
    auto loop = PollLoop::create(error);
    if (!loop) throw std::runtime_error(error);
    return loop;
}

}  // namespace skycrier::test
