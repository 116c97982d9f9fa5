#pragma once
// A serial device used only for its modem-control lines, set and read by
// name: DTR and RTS are outputs (they key the transmitter), CTS, DSR and DCD
// are inputs (they start or hold back a bulletin). No data is ever sent or
// received. Loop thread only.

#include <optional>
#include <string>

namespace skycrier {

enum class SerialPin { DTR, RTS, CTS, DSR, DCD };

// "DTR", "RTS", "CTS", "DSR", "DCD".
const char* pinName(SerialPin pin);

// Why a serial device could not be opened (errno's text), and what to do
// when it is the permission.
std::string portOpenFailure(const std::string& devicePath, int error);

class SerialLine {
public:
    virtual ~SerialLine() = default;

    // Opens the device for this program alone and leaves DTR and RTS low;
    // false and the reason when it cannot be had.
    virtual bool open(const std::string& devicePath, std::string& error) = 0;
    // Lowers DTR and RTS, then closes; nothing when closed already.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Raises or lowers an output (DTR or RTS); false and the reason when the
    // device refused, in which case the line is as it was.
    virtual bool setPin(SerialPin pin, bool raised, std::string& error) = 0;
    // The level of any line as the device reports it; nothing when it cannot be read.
    virtual std::optional<bool> readPin(SerialPin pin) = 0;
};

}  // namespace skycrier
