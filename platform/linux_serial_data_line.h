#pragma once
// A serial data line on a Linux tty device: termios for the settings,
// non-blocking reads and writes each bounded by poll().

#include "platform/serial_line.h"

namespace skycrier {

class LinuxSerialDataLine final : public SerialDataLine {
public:
    LinuxSerialDataLine() = default;
    ~LinuxSerialDataLine() override { close(); }
    LinuxSerialDataLine(const LinuxSerialDataLine&) = delete;
    LinuxSerialDataLine& operator=(const LinuxSerialDataLine&) = delete;

    bool open(const std::string& devicePath, int baudRate, std::string& error) override;
    void close() override;
    bool isOpen() const override { return fd_ >= 0; }
    bool write(const std::uint8_t* bytes, std::size_t count, std::chrono::milliseconds timeout,
               std::string& error) override;
    SerialRead read(std::uint8_t* bytes, std::size_t count, std::chrono::milliseconds timeout) override;
    void flush() override;

private:
    int fd_ = -1;
};

}  // namespace skycrier
