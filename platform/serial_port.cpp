#include "platform/serial_port.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace skycrier {

SerialPort::~SerialPort() { close(); }

bool SerialPort::open(const std::string& devicePath, std::string& error) {
    close();
    const int fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = devicePath + ": " + std::strerror(errno);
        return false;
    }
    termios settings{};
    if (!::isatty(fd) || ::tcgetattr(fd, &settings) != 0) {
        error = devicePath + ": not a serial port";
        ::close(fd);
        return false;
    }
    // No other program may open the port while it keys our transmitter.
    ::ioctl(fd, TIOCEXCL);
    // Binary mode with no flow control of any kind; speed, size, parity and
    // stop bits stay as the device had them. CLOCAL ignores the carrier for
    // I/O, and HUPCL drops the lines should the program ever die with the port open.
    cfmakeraw(&settings);
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    settings.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
    settings.c_cflag |= CLOCAL | HUPCL;
    ::tcsetattr(fd, TCSANOW, &settings);
    fd_ = fd;
    // Opening a tty raises DTR and RTS; the transmitter must stay unkeyed.
    setBits(TIOCM_DTR | TIOCM_RTS, false);
    return true;
}

void SerialPort::close() {
    if (fd_ < 0) return;
    setBits(TIOCM_DTR | TIOCM_RTS, false);
    ::close(fd_);
    fd_ = -1;
}

void SerialPort::setDtr(bool raised) { setBits(TIOCM_DTR, raised); }

void SerialPort::setRts(bool raised) { setBits(TIOCM_RTS, raised); }

void SerialPort::setBits(int bits, bool raised) {
    if (fd_ < 0) return;
    ::ioctl(fd_, raised ? TIOCMBIS : TIOCMBIC, &bits);
}

std::optional<ModemInputs> SerialPort::inputs() const {
    int status = 0;
    if (fd_ < 0 || ::ioctl(fd_, TIOCMGET, &status) != 0) return std::nullopt;
    return ModemInputs{(status & TIOCM_CTS) != 0, (status & TIOCM_DSR) != 0, (status & TIOCM_CD) != 0};
}

}  // namespace skycrier
