#pragma once
// The serial port whose DTR and RTS lines key the transmitter, as the
// announcer sees it. Main thread only.

#include <string>

namespace skycrier {

enum class PortLine { DTR, RTS };

// Name of the "no port chosen" entry.
inline constexpr const char* kNoPortName = "No COM";

class TransmitterPort {
public:
    virtual ~TransmitterPort() = default;
    // The port's device is open.
    virtual bool isOpen() const = 0;
    // "No COM", empty before any choice, otherwise the chosen port's name.
    virtual std::string portName() const = 0;
    // Raises or lowers a line; does nothing while the port is closed.
    virtual void setLine(PortLine line, bool raised) = 0;
};

}  // namespace skycrier
