#pragma once
// Opening a serial port's tty device, as both kinds of serial line do.

#include <termios.h>

#include <string>

namespace skycrier {

// The device opened for reading and writing, non-blocking (no open() waits
// for a carrier, every wait is a poll), never the controlling terminal,
// closed on exec; its present settings in `settings`. -1 and the reason
// when it cannot be had or is no serial port.
int openTtyDevice(const std::string& devicePath, termios& settings, std::string& error);

}  // namespace skycrier
