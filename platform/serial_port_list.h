#pragma once
// The serial ports this machine really has, as device paths.

#include <filesystem>
#include <string>
#include <vector>

namespace skycrier {

// The devices ttyS<n>, ttyUSB<n> and ttyACM<n> under devRoot, and the targets
// of the links in devRoot/serial/by-id (udev names there every USB serial
// adapter, whatever its driver calls the device), each once, sorted as text
// without regard to case (so "/dev/ttyS10" comes before "/dev/ttyS2").
//
// The kernel makes a ttyS node for every legacy UART slot it reserves, with or
// without a chip behind it; a ttyS is kept only when sysRoot/class/tty/<name>/type
// names a UART type other than 0 (the serial core's "unknown", i.e. no UART).
// The device's driver link is no use for this: every slot has one.
//
// A folder that cannot be read adds nothing; the result may be empty.
std::vector<std::string> listSerialPorts(const std::filesystem::path& devRoot = "/dev",
                                         const std::filesystem::path& sysRoot = "/sys");

}  // namespace skycrier
