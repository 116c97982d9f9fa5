#pragma once
// The transmitter port as the port window drives it: the chosen port's name,
// opening and releasing it on a serial line, and the line operations the
// announcer uses.

#include <functional>
#include <string>

#include "announce/transmitter_port.h"
#include "app/configuration.h"
#include "platform/serial_line.h"

namespace skycrier {

// Shown when a port cannot be opened.
inline constexpr const char* kPortOpenError = "Fehler: COM-Port";

// The device behind a port name: "COM" + n is the n-th serial port
// (/dev/ttyS<n-1>), a name starting with "/" is the device itself.
std::string devicePathForPort(const std::string& portName);

class TransmitterPortControl : public TransmitterPort, public PortChoice {
public:
    // showError receives the error dialog's text and the reason.
    TransmitterPortControl(SerialLine& line, std::function<void(const std::string&, const std::string&)> showError)
        : line_(line), showError_(std::move(showError)) {}
    // The lines go down with the port.
    ~TransmitterPortControl() override { release(); }
    TransmitterPortControl(const TransmitterPortControl&) = delete;
    TransmitterPortControl& operator=(const TransmitterPortControl&) = delete;

    bool isOpen() const override { return !devicePath_.empty(); }
    std::string portName() const override { return portName_; }
    bool setLine(SerialPin line, bool raised, std::string& error) override;
    bool lineRaised(SerialPin line) const override;
    std::optional<bool> input(SerialPin line) override;

    // menuCOMClick: opens the named port, closing any open one first; a
    // failed open shows the error and leaves no port chosen.
    void choosePort(const std::string& name) override;
    // menuComNoneclick: releases the port and chooses "No COM".
    void chooseNoPort() override;

    const std::string& devicePath() const { return devicePath_; }

private:
    void release();

    SerialLine& line_;
    std::string portName_;
    std::string devicePath_;
    bool dtr_ = false;
    bool rts_ = false;
    std::function<void(const std::string&, const std::string&)> showError_;
};

}  // namespace skycrier
