#pragma once
// The transmitter port as the port window drives it: the chosen port's name,
// opening and releasing it on a serial line, and the line operations the
// announcer uses. A chosen port that cannot be had (a USB adapter not yet
// plugged in at boot, a permission not yet granted) stays chosen: it is kept
// in the configuration, shown as absent and tried again every minute and
// before each bulletin, and opened once it is there.

#include <functional>
#include <string>

#include "announce/transmitter_port.h"
#include "app/configuration.h"
#include "platform/serial_line.h"
#include "platform/signal.h"
#include "platform/task_scope.h"
#include "platform/timer.h"

namespace skycrier {

// Shown when a port cannot be opened.
inline constexpr const char* kPortOpenError = "Fehler: COM-Port";
// How a device that cannot be had is told: what stays and when it is tried again.
inline constexpr const char* kKeptAndRetried =
    "kept as configured; tried again every minute and before each bulletin";

// The device behind a port name: "COM" + n is the n-th serial port
// (/dev/ttyS<n-1>), a name starting with "/" is the device itself.
std::string devicePathForPort(const std::string& portName);

class TransmitterPortControl : public TransmitterPort, public PortChoice {
public:
    // How often an absent port is tried again, and an open one checked for a device that went away.
    static constexpr Millis kRetryMs = 60'000;

    TransmitterPortControl(EventLoop& loop, SerialLine& line);
    // The lines go down with the port.
    ~TransmitterPortControl() override { release(); }
    TransmitterPortControl(const TransmitterPortControl&) = delete;
    TransmitterPortControl& operator=(const TransmitterPortControl&) = delete;

    bool isOpen() const override { return !devicePath_.empty(); }
    std::string portName() const override { return portName_; }
    bool setLine(SerialPin line, bool raised, std::string& error) override;
    bool lineRaised(SerialPin line) const override;
    std::optional<bool> input(SerialPin line) override;

    // Opens the named port, closing any open one first; one
    // that cannot be opened stays chosen, absent.
    void choosePort(const std::string& name) override;
    // Releases the port and chooses "No COM".
    void chooseNoPort() override;
    // Opens an absent port when it has come; an open port whose device has
    // gone (unplugged) is released and becomes absent. Nothing while keyed.
    void retry();

    // A port is chosen but not open.
    bool absent() const { return !portName_.empty() && portName_ != kNoPortName && !isOpen(); }
    // Why the chosen port is absent; empty while it is open or none is chosen.
    const std::string& failure() const { return failure_; }
    // The device the chosen port stands for, open or not.
    std::string chosenDevice() const;
    // For the operator: what is wrong with the port, empty when nothing is;
    // and what is told when that ends: the port is open again (nothing when
    // the user chose no port or the program is closing).
    std::string trouble() const;
    std::string troubleEnded() const;

    // After every change between open, absent and no port.
    std::function<void()> changed;
    // Soon after CTS, DSR or DCD of the open port changed, on the loop's thread.
    Signal<> inputsChanged;

private:
    bool open();
    void release();

    SerialLine& line_;
    std::string portName_;
    std::string devicePath_;
    std::string failure_;
    bool dtr_ = false;
    bool rts_ = false;
    Timer retryTimer_;
    TaskScope tasks_;
};

}  // namespace skycrier
