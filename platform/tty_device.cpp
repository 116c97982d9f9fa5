#include "platform/tty_device.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/serial_line.h"

namespace skycrier {

int openTtyDevice(const std::string& devicePath, termios& settings, std::string& error) {
    const int fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = portOpenFailure(devicePath, errno);
        return -1;
    }
    if (!::isatty(fd) || ::tcgetattr(fd, &settings) != 0) {
        error = devicePath + ": not a serial port";
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace skycrier
