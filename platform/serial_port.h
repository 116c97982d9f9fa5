#pragma once
// A serial device used only for its modem-control lines: DTR and RTS key the
// transmitter, CTS, DSR and DCD are read. No data is ever sent or received.
// Main thread only.

#include <optional>
#include <string>

namespace skycrier {

struct ModemInputs {
    bool cts = false;
    bool dsr = false;
    bool dcd = false;
};

class SerialPort {
public:
    SerialPort() = default;
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Opens the device for this program alone and leaves DTR and RTS low;
    // false and the reason when it cannot be had.
    bool open(const std::string& devicePath, std::string& error);
    // Lowers DTR and RTS, then closes.
    void close();
    bool isOpen() const { return fd_ >= 0; }

    // Single line operations; a device that refuses them is not reported.
    void setDtr(bool raised);
    void setRts(bool raised);
    std::optional<ModemInputs> inputs() const;

private:
    void setBits(int bits, bool raised);

    int fd_ = -1;
};

}  // namespace skycrier
