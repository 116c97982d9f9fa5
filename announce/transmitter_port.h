#pragma once
// The serial port whose DTR and RTS lines key the transmitter, and whose CTS,
// DSR and DCD inputs the scheduler watches, as the announcer sees it.
// Loop thread only.

#include <optional>
#include <string>

#include "platform/serial_line.h"

namespace skycrier {

// Name of the "no port chosen" entry.
inline constexpr const char* kNoPortName = "No COM";

class TransmitterPort {
public:
    virtual ~TransmitterPort() = default;
    // The port's device is open.
    virtual bool isOpen() const = 0;
    // "No COM", empty before any choice, otherwise the chosen port's name.
    virtual std::string portName() const = 0;
    // Raises or lowers DTR or RTS; a lowering that fails is tried once more.
    // False, with the reason in error, when the line could not be set: it is
    // then as it was. Does nothing (and succeeds) while the port is closed.
    virtual bool setLine(SerialPin line, bool raised, std::string& error) = 0;
    // Whether an output is raised, as far as the program could set it.
    virtual bool lineRaised(SerialPin line) const = 0;
    // The level of an input (CTS, DSR, DCD); nothing while closed or unreadable.
    virtual std::optional<bool> input(SerialPin line) = 0;
};

}  // namespace skycrier
