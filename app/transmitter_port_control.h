#pragma once
// The transmitter port as the port window drives it: the chosen port's name,
// opening and releasing it, and the line operations the announcer uses.

#include <functional>
#include <string>

#include "announce/transmitter_port.h"
#include "app/configuration.h"
#include "platform/serial_port.h"

namespace skycrier {

// Shown when a port cannot be opened.
inline constexpr const char* kPortOpenError = "Fehler: COM-Port";

// The device behind a port name: "COM" + n is the n-th serial port
// (/dev/ttyS<n-1>), a name starting with "/" is the device itself.
std::string devicePathForPort(const std::string& portName);

class TransmitterPortControl : public TransmitterPort, public PortChoice {
public:
    // showError receives the error dialog's text and the reason.
    explicit TransmitterPortControl(std::function<void(const std::string&, const std::string&)> showError)
        : showError_(std::move(showError)) {}

    bool isOpen() const override { return !devicePath_.empty(); }
    std::string portName() const override { return portName_; }
    void setLine(PortLine line, bool raised) override;

    // menuCOMClick: opens the named port, closing any open one first; a
    // failed open shows the error and leaves no port chosen.
    void choosePort(const std::string& name) override;
    // menuComNoneclick: releases the port and chooses "No COM".
    void chooseNoPort() override;

    const std::string& devicePath() const { return devicePath_; }

private:
    SerialPort port_;
    std::string portName_;
    std::string devicePath_;
    std::function<void(const std::string&, const std::string&)> showError_;
};

}  // namespace skycrier
