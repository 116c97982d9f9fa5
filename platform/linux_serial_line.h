#pragma once
// A serial line on a Linux tty device: termios for the settings, TIOCMBIS and
// TIOCMBIC for DTR and RTS, TIOCMGET for every line, a ModemLineWatcher for
// the inputs' changes.

#include <memory>

#include "platform/modem_line_watcher.h"
#include "platform/serial_line.h"

namespace skycrier {

class LinuxSerialLine : public SerialLine {
public:
    LinuxSerialLine() = default;
    ~LinuxSerialLine() override;
    LinuxSerialLine(const LinuxSerialLine&) = delete;
    LinuxSerialLine& operator=(const LinuxSerialLine&) = delete;

    bool open(const std::string& devicePath, std::string& error) override;
    void close() override;
    bool isOpen() const override { return fd_ >= 0; }
    bool setPin(SerialPin pin, bool raised, std::string& error) override;
    std::optional<bool> readPin(SerialPin pin) override;
    // Watches the open device until close() or the next open(); nothing while closed.
    void watchInputs(std::function<void()> changed) override;

private:
    bool setBits(int bits, bool raised, std::string& error);

    int fd_ = -1;
    std::unique_ptr<ModemLineWatcher> watcher_;
};

}  // namespace skycrier
