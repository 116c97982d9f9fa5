#include "platform/linux_serial_line.h"

#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/tty_device.h"

namespace skycrier {
namespace {

int modemBit(SerialPin pin) {
    switch (pin) {
    case SerialPin::DTR: return TIOCM_DTR;
    case SerialPin::RTS: return TIOCM_RTS;
    case SerialPin::CTS: return TIOCM_CTS;
    case SerialPin::DSR: return TIOCM_DSR;
    case SerialPin::DCD: return TIOCM_CD;
    }
    return 0;
}

std::string reason(const std::string& what) { return what + ": " + std::strerror(errno); }

}  // namespace

LinuxSerialLine::~LinuxSerialLine() { close(); }

bool LinuxSerialLine::open(const std::string& devicePath, std::string& error) {
    close();
    termios settings{};
    const int fd = openTtyDevice(devicePath, settings, error);
    if (fd < 0) return false;
    // No other program may open the port while it keys our transmitter.
    ::ioctl(fd, TIOCEXCL);
    // Binary mode with no flow control of any kind; speed, size, parity and
    // stop bits stay as the device had them. CLOCAL ignores the carrier for
    // I/O, and HUPCL drops the lines should the program ever die with the port open.
    cfmakeraw(&settings);
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    settings.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
    settings.c_cflag |= CLOCAL | HUPCL;
    if (::tcsetattr(fd, TCSANOW, &settings) != 0) {
        error = reason(devicePath + ": cannot be set up");
        ::close(fd);
        return false;
    }
    fd_ = fd;
    // Opening a tty raises DTR and RTS; the transmitter must stay unkeyed, and
    // a device whose lines cannot be lowered cannot key a transmitter either.
    std::string why;
    if (!setBits(TIOCM_DTR | TIOCM_RTS, false, why)) {
        error = devicePath + ": no modem control lines (" + why + ")";
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    return true;
}

void LinuxSerialLine::close() {
    if (fd_ < 0) return;
    // The watcher's thread uses the descriptor until it has ended.
    watcher_.reset();
    std::string ignored;
    // HUPCL lowers the lines on close as well, should this fail.
    setBits(TIOCM_DTR | TIOCM_RTS, false, ignored);
    ::close(fd_);
    fd_ = -1;
}

bool LinuxSerialLine::setPin(SerialPin pin, bool raised, std::string& error) {
    if (pin != SerialPin::DTR && pin != SerialPin::RTS) {
        error = std::string(pinName(pin)) + " is an input";
        return false;
    }
    return setBits(modemBit(pin), raised, error);
}

bool LinuxSerialLine::setBits(int bits, bool raised, std::string& error) {
    if (fd_ < 0) {
        error = "port closed";
        return false;
    }
    if (::ioctl(fd_, raised ? TIOCMBIS : TIOCMBIC, &bits) != 0) {
        error = std::strerror(errno);
        return false;
    }
    return true;
}

void LinuxSerialLine::watchInputs(std::function<void()> changed) {
    watcher_.reset();
    if (fd_ >= 0) watcher_ = std::make_unique<ModemLineWatcher>(fd_, std::move(changed));
}

std::optional<bool> LinuxSerialLine::readPin(SerialPin pin) {
    int status = 0;
    if (fd_ < 0 || ::ioctl(fd_, TIOCMGET, &status) != 0) return std::nullopt;
    return (status & modemBit(pin)) != 0;
}

}  // namespace skycrier
