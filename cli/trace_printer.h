#pragma once
// Prints a bulletin as it happens, one action a line:
// key/unkey LINE, wait N, play NAME, play-file PATH, then done or abort TEXT.

#include <ostream>

#include "announce/bulletin_observer.h"

namespace skycrier::cli {

class TracePrinter : public BulletinObserver {
public:
    explicit TracePrinter(std::ostream& out) : out_(out) {}

    void onKey(PortLine line) override { print(std::string("key ") + lineName(line)); }
    void onUnkey(PortLine line) override { print(std::string("unkey ") + lineName(line)); }
    void onWait(int ms) override { print("wait " + std::to_string(ms)); }
    void onPlaySegment(const std::string& name) override { print("play " + name); }
    void onPlayFile(const std::string& path) override { print("play-file " + path); }
    void onDone() override { finish("done"); }
    void onAbort(const std::string& text) override {
        finish("abort " + text);
        aborted_ = true;
    }

    bool finished() const { return finished_; }
    bool aborted() const { return aborted_; }

private:
    static const char* lineName(PortLine line) { return line == PortLine::DTR ? "DTR" : "RTS"; }
    void print(const std::string& text) {
        if (!finished_) out_ << text << '\n';
    }
    void finish(const std::string& text) {
        print(text);
        finished_ = true;
    }

    std::ostream& out_;
    bool finished_ = false;
    bool aborted_ = false;
};

}  // namespace skycrier::cli
