#pragma once
// A serial line for engine tests: remembers its lines, answers its inputs as
// the test sets them, and refuses line changes on demand.

#include <map>
#include <string>
#include <vector>

#include "platform/serial_line.h"

namespace skycrier::test {

class FakeSerialLine : public SerialLine {
public:
    bool open(const std::string& devicePath, std::string& error) override {
        if (refuseOpen) {
            error = devicePath + ": No such file or directory";
            return false;
        }
        device = devicePath;
        open_ = true;
        pins[SerialPin::DTR] = pins[SerialPin::RTS] = false;
        return true;
    }
    void close() override {
        if (open_) pins[SerialPin::DTR] = pins[SerialPin::RTS] = false;
        open_ = false;
    }
    bool isOpen() const override { return open_; }
    bool setPin(SerialPin pin, bool raised, std::string& error) override {
        changes.push_back(std::string(pinName(pin)) + (raised ? " up" : " down"));
        if (refusals > 0) {
            --refusals;
            error = "Input/output error";
            return false;
        }
        pins[pin] = raised;
        return true;
    }
    std::optional<bool> readPin(SerialPin pin) override {
        if (!open_) return std::nullopt;
        return pins[pin];
    }

    bool raised(SerialPin pin) { return pins[pin]; }

    std::string device;
    std::map<SerialPin, bool> pins;
    // Every line change asked for, "DTR up", "RTS down", refused ones included.
    std::vector<std::string> changes;
    // This many of the next line changes are refused.
    int refusals = 0;
    bool refuseOpen = false;

private:
    bool open_ = false;
};

}  // namespace skycrier::test
