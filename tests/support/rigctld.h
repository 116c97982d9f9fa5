#pragma once
// A real rigctld serving Hamlib's dummy rig on 127.0.0.1 with its PTT under
// the rig's control (-m 1 -P RIG), for tests that key through Hamlib, and
// rigctl to read that PTT back as a user would. It stops with the test.

#include <filesystem>
#include <memory>
#include <string>

#include "support/child_process.h"

namespace skycrier::test {

class Rigctld {
public:
    // On a port free now; started at once.
    explicit Rigctld(const std::filesystem::path& folder);
    ~Rigctld();

    // Starts it again on the same port after stop(); true once it accepts connections.
    bool start();
    void stop();
    // "127.0.0.1:PORT", for HAMLIB_PORT=.
    std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
    // The PTT as `rigctl -m 2 -r ADDRESS t` prints it ("0", "1"), or what it said instead.
    std::string ptt() const;

private:
    std::filesystem::path folder_;
    int port_;
    std::unique_ptr<ChildProcess> daemon_;
};

}  // namespace skycrier::test
