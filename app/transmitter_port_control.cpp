#include "app/transmitter_port_control.h"

#include "app/config_file.h"

namespace skycrier {

std::string devicePathForPort(const std::string& portName) {
    if (!portName.empty() && portName.front() == '/') return portName;
    if (portName.rfind("COM", 0) == 0) {
        const auto number = parseConfigInteger(portName.substr(3));
        if (number && *number > 0) return "/dev/ttyS" + std::to_string(*number - 1);
    }
    return {};
}

void TransmitterPortControl::setLine(PortLine line, bool raised) {
    if (!isOpen()) return;
    if (line == PortLine::DTR)
        port_.setDtr(raised);
    else
        port_.setRts(raised);
}

void TransmitterPortControl::choosePort(const std::string& name) {
    port_.close();
    devicePath_.clear();
    portName_ = name;
    const std::string path = devicePathForPort(name);
    std::string reason = name + ": not a serial port name";
    if (!path.empty() && port_.open(path, reason)) {
        devicePath_ = path;
        return;
    }
    if (showError_) showError_(kPortOpenError, reason);
    chooseNoPort();
}

void TransmitterPortControl::chooseNoPort() {
    port_.close();
    devicePath_.clear();
    portName_ = kNoPortName;
}

}  // namespace skycrier
