#include "platform/serial_line.h"

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


}  // namespace skycrier
