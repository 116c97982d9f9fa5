#pragma once
// A sound output for engine tests: plays each buffer for its own duration on
// the loop (as TimedWaveOut does), records every call, and fails or hangs on
// demand.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/timed_wave_out.h"

namespace skycrier::test {

class FakeWaveOut : public TimedWaveOut {
public:
    explicit FakeWaveOut(EventLoop& loop) : TimedWaveOut(loop), loop_(loop) {}

    bool open(const OutputDevice& device, const PcmFormat& format, Events events) override {
        lastDevice = device;
        lastFormat = format;
        return step("open", [&] {
            heldEvents_ = events;
            return TimedWaveOut::open(device, format, std::move(events));
        });
    }
    bool prepare(int buffer) override {
        return step("prepare " + std::to_string(buffer), [&] { return TimedWaveOut::prepare(buffer); });
    }
    bool unprepare(int buffer) override {
        return step("unprepare " + std::to_string(buffer), [&] { return TimedWaveOut::unprepare(buffer); });
    }
    bool write(int buffer, const std::uint8_t* data, std::size_t size) override {
        return step("write " + std::to_string(buffer) + " " + std::to_string(size), [&] {
            if (stuck) held_.push_back(buffer);
            if (!stuck && !TimedWaveOut::write(buffer, data, size)) return false;
            written.emplace_back(data, data + size);
            return true;
        });
    }
    bool reset() override {
        return step("reset", [&] {
            // Like a real device, a reset hands back the buffers it held.
            for (const int buffer : held_) tasks_.post([done = heldEvents_.done, buffer] { done(buffer); });
            held_.clear();
            return TimedWaveOut::reset();
        });
    }
    bool close() override { return step("close", [&] { return TimedWaveOut::close(); }); }

    // The nth call (counting from 1) of a kind ("open", "prepare", "write", "reset", ...) fails.
    std::map<std::string, int> failAt;
    // When set, written buffers come back only on reset (a device that has hung).
    bool stuck = false;

    std::vector<std::string> calls;
    std::vector<std::vector<std::uint8_t>> written;
    std::vector<std::uint8_t> playedBytes;
    OutputDevice lastDevice;
    PcmFormat lastFormat;

protected:
    void played(const std::uint8_t* data, std::size_t size) override { playedBytes.insert(playedBytes.end(), data, data + size); }

private:
    template <typename Call>
    bool step(const std::string& call, Call&& real) {
        calls.push_back(call);
        const std::string kind = call.substr(0, call.find(' '));
        const int count = ++counts_[kind];
        const auto fail = failAt.find(kind);
        if (fail != failAt.end() && count == fail->second) return false;
        return real();
    }

    EventLoop& loop_;
    std::map<std::string, int> counts_;
    Events heldEvents_;
    std::vector<int> held_;
    TaskScope tasks_{loop_};
};

}  // namespace skycrier::test
