#include "platform/serial_line.h"

#include <cerrno>
#include <cstring>

namespace skycrier {

const char* pinName(SerialPin pin) {
    switch (pin) {
    case SerialPin::DTR: return "DTR";
    case SerialPin::RTS: return "RTS";
    case SerialPin::CTS: return "CTS";
    case SerialPin::DSR: return "DSR";
    case SerialPin::DCD: return "DCD";
    }
    return "?";
}

std::string portOpenFailure(const std::string& devicePath, int error) {
    std::string text = devicePath + ": " + std::strerror(error);
    // Serial devices belong to the dialout group; a user outside it is refused.
    if (error == EACCES || error == EPERM)
        text += ": add your user to the dialout group (sudo adduser $USER dialout) and log in again";
    return text;
}

}  // namespace skycrier
