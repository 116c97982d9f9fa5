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

TransmitterPortControl::TransmitterPortControl(EventLoop& loop, SerialLine& line)
    : line_(line), retryTimer_(loop, kRetryMs, [this] { retry(); }), tasks_(loop) {}

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
    open();
    retryTimer_.start();
    if (changed) changed();
}

void TransmitterPortControl::chooseNoPort() {
    release();
    portName_ = kNoPortName;
    failure_.clear();
    retryTimer_.stop();
    if (changed) changed();
}

void TransmitterPortControl::retry() {
    if (dtr_ || rts_) return;
    if (isOpen() && !line_.readPin(SerialPin::DCD)) {
        const std::string device = devicePath_;
        release();
        failure_ = device + ": the device stopped answering (unplugged?)";
    }
    if (!absent()) return;
    open();
    if (changed) changed();
}

bool TransmitterPortControl::open() {
    const std::string path = devicePathForPort(portName_);
    std::string reason = portName_ + ": not a serial port name";
    if (!path.empty() && line_.open(path, reason)) {
        devicePath_ = path;
        failure_.clear();
        line_.watchInputs([this] { tasks_.post([this] { inputsChanged.emit(); }); });
        return true;
    }
    failure_ = reason;
    return false;
}

std::string TransmitterPortControl::chosenDevice() const {
    if (isOpen()) return devicePath_;
    const std::string path = devicePathForPort(portName_);
    return path.empty() ? portName_ : path;
}

std::string TransmitterPortControl::trouble() const {
    if (!absent()) return {};
    const std::string name = failure_.starts_with(portName_) ? "" : " " + portName_;
    return kPortOpenError + name + " (" + failure_ +
           "): " + kKeptAndRetried;
}

std::string TransmitterPortControl::troubleEnded() const {
    if (isOpen()) return "COM-Port " + portName_ + " open again (" + devicePath_ + ")";
    return {};
}

void TransmitterPortControl::release() {
    line_.close();
    devicePath_.clear();
    dtr_ = rts_ = false;
}

}  // namespace skycrier
