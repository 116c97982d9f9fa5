#include "app/transmitter_port_control.h"

#include "base/decimal_integer.h"

namespace skycrier {

std::string devicePathForPort(const std::string& portName) {
    if (!portName.empty() && portName.front() == '/') return portName;
    if (portName.rfind("COM", 0) == 0) {
        const auto number = parseDecimalInteger(portName.substr(3));
        if (number && *number > 0) return "/dev/ttyS" + std::to_string(*number - 1);
    }
    return {};
}

bool TransmitterPortControl::setLine(SerialPin line, bool raised, std::string& error) {
    if (!isOpen()) return true;
    bool done = line_.setPin(line, raised, error);
    // A transmitter left keyed is the worst outcome: a lowering gets a second try.
    if (!done && !raised) done = line_.setPin(line, raised, error);
    if (done) (line == SerialPin::DTR ? dtr_ : rts_) = raised;
    return done;
}

bool TransmitterPortControl::lineRaised(SerialPin line) const {
    if (line == SerialPin::DTR) return dtr_;
    if (line == SerialPin::RTS) return rts_;
    return false;
}

std::optional<bool> TransmitterPortControl::input(SerialPin line) {
    if (!isOpen()) return std::nullopt;
    return line_.readPin(line);
}

void TransmitterPortControl::choosePort(const std::string& name) {
    release();
    portName_ = name;
    const std::string path = devicePathForPort(name);
    std::string reason = name + ": not a serial port name";
    if (!path.empty() && line_.open(path, reason)) {
        devicePath_ = path;
        return;
    }
    if (showError_) showError_(kPortOpenError, reason);
    chooseNoPort();
}

void TransmitterPortControl::chooseNoPort() {
    release();
    portName_ = kNoPortName;
}

void TransmitterPortControl::release() {
    line_.close();
    devicePath_.clear();
    dtr_ = rts_ = false;
}

}  // namespace skycrier
