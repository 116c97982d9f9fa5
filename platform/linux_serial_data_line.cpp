#include "platform/linux_serial_data_line.h"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/tty_device.h"

namespace skycrier {
namespace {

std::optional<speed_t> speedOf(int baudRate) {
    switch (baudRate) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    default: return std::nullopt;
    }
}

// Milliseconds left until the deadline, 0 once it has passed.
int millisecondsUntil(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

}  // namespace

bool LinuxSerialDataLine::open(const std::string& devicePath, int baudRate, std::string& error) {
    close();
    const auto speed = speedOf(baudRate);
    if (!speed) {
        error = "unsupported baud rate " + std::to_string(baudRate);
        return false;
    }
    termios settings{};
    fd_ = openTtyDevice(devicePath, settings, error);
    if (fd_ < 0) return false;
    ::cfmakeraw(&settings);
    settings.c_cflag = (settings.c_cflag & ~(CSTOPB | PARENB | CSIZE | CRTSCTS)) | CS8 | CLOCAL | CREAD;
    ::cfsetispeed(&settings, *speed);
    ::cfsetospeed(&settings, *speed);
    if (::tcsetattr(fd_, TCSANOW, &settings) != 0) {
        error = devicePath + ": " + std::strerror(errno);
        close();
        return false;
    }
    return true;
}

void LinuxSerialDataLine::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool LinuxSerialDataLine::write(const std::uint8_t* bytes, std::size_t count, std::chrono::milliseconds timeout,
                                std::string& error) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (count > 0) {
        const ssize_t written = ::write(fd_, bytes, count);
        if (written > 0) {
            bytes += written;
            count -= static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && errno == EINTR) continue;
        if (written < 0 && errno != EAGAIN) {
            error = std::string("line lost: ") + std::strerror(errno);
            close();
            return false;
        }
        const int left = millisecondsUntil(deadline);
        pollfd watch{fd_, POLLOUT, 0};
        if (left == 0 || ::poll(&watch, 1, left) == 0) {
            error = "write timed out";
            return false;
        }
    }
    return true;
}

SerialRead LinuxSerialDataLine::read(std::uint8_t* bytes, std::size_t count, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    SerialRead got;
    while (got.received < count) {
        const int left = millisecondsUntil(deadline);
        if (left == 0) return got;
        pollfd watch{fd_, POLLIN, 0};
        const int ready = ::poll(&watch, 1, left);
        if (ready < 0 && errno == EINTR) continue;
        if (ready == 0) continue;
        const bool hungUp = ready > 0 && !(watch.revents & POLLIN);
        const ssize_t n = ready < 0 || hungUp ? -1 : ::read(fd_, bytes + got.received, count - got.received);
        if (hungUp) errno = ENXIO;
        if (n > 0) {
            got.received += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
        // A hang-up (EIO, ENXIO, end of file) will not heal: the device is dropped.
        got.lostLine = n == 0 ? std::string("line lost") : std::string("line lost: ") + std::strerror(errno);
        close();
        return got;
    }
    return got;
}

void LinuxSerialDataLine::flush() {
    if (fd_ >= 0) ::tcflush(fd_, TCIOFLUSH);
}

}  // namespace skycrier
