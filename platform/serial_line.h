#pragma once
// The serial devices: a line used only for its modem-control lines, set
// and read by name (DTR and RTS are outputs that key the transmitter; CTS,
// DSR and DCD are inputs that start or hold back a bulletin; no data is
// sent or received; loop thread only), and a line used for its data (a
// weather console's).

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
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
    // From now until close(), `changed` is called (from another thread) soon
    // after CTS, DSR or DCD changes, so that an edge is acted on at once.
    // A line that cannot tell its changes never calls it.
    virtual void watchInputs(std::function<void()> changed) { static_cast<void>(changed); }
};

// What a read of a serial data line got before its time-out.
struct SerialRead {
    std::size_t received = 0;
    // Not empty: the line hung up (an adapter pulled out), why; the device is closed.
    std::string lostLine;
};

// A serial device used for its data (a weather console's line): raw bytes,
// 8 data bits, no parity, one stop bit, modem lines ignored. Every wait is
// bounded by its time-out, so a silent device never holds its caller for
// longer; a line that hangs up fails at once and is closed. Only termios is
// used, so a pseudo-terminal serves as well as a real port. One thread at a time.
class SerialDataLine {
public:
    virtual ~SerialDataLine() = default;

    // Opens the device at the baud rate; false and the reason when it cannot be had.
    virtual bool open(const std::string& devicePath, int baudRate, std::string& error) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Writes every byte within the time-out; false and the reason otherwise.
    virtual bool write(const std::uint8_t* bytes, std::size_t count, std::chrono::milliseconds timeout,
                       std::string& error) = 0;
    // Reads count bytes, or as many as come within the time-out.
    virtual SerialRead read(std::uint8_t* bytes, std::size_t count, std::chrono::milliseconds timeout) = 0;
    // Drops whatever waits to be sent or read.
    virtual void flush() = 0;
};

}  // namespace skycrier
