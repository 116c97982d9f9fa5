#pragma once
// The signals that ask a program to end (SIGINT, SIGTERM, SIGHUP, SIGQUIT),
// turned into something the main loop can watch: the handler only writes the
// signal's number into a pipe, and the loop reads it from there and ends its
// work in order (a transmitter must not stay keyed because of a Ctrl-C).
//
// The handlers stay installed for the object's whole life, so a second signal
// is caught like the first. A signal the program was started with ignored
// (nohup, a background job) stays ignored. The previous handlers come back
// when the object goes.
//
// One instance at a time per process: the handlers reach the pipe through a
// process-wide descriptor. create() refuses a second one.

#include <csignal>
#include <iterator>
#include <memory>
#include <string>

namespace skycrier {

class ExitSignals {
public:
    static constexpr int kCaught[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

    // Nothing, and the reason, when no pipe can be had or another instance lives.
    static std::unique_ptr<ExitSignals> create(std::string& error);
    ~ExitSignals();
    ExitSignals(const ExitSignals&) = delete;
    ExitSignals& operator=(const ExitSignals&) = delete;

    // Readable while a caught signal waits to be taken.
    int fd() const { return readFd_; }
    // The next caught signal in arrival order, 0 when none waits.
    int take();

    // "SIGTERM" for SIGTERM; nullptr for a signal not caught here.
    static const char* name(int signal);

private:
    ExitSignals(int readFd, int writeFd);

    int readFd_;
    int writeFd_;
    struct sigaction previous_[std::size(kCaught)] = {};
};

}  // namespace skycrier
