#pragma once
// The CM108/CM119-family USB sound cards this machine has, found through
// sysfs: their GPIO pins are reached by writing HID reports to /dev/hidrawN.

#include <filesystem>
#include <string>
#include <vector>

namespace skycrier {

struct HidDevice {
    // "/dev/hidraw3".
    std::string path;
    // The name the card gives itself ("C-Media Electronics Inc. USB PnP Sound Device").
    std::string name;
    unsigned vendor = 0, product = 0;
};

// The hidrawN under sysfsRoot whose device/uevent names one of C-Media's
// CM108/CM109/CM119 chips (vendor 0d8c) or one of SSS's chips that take the
// same GPIO reports (vendor 0c76), sorted by N as a number (hidraw2 before
// hidraw10). An entry whose uevent cannot be read or names no HID_ID is left
// out; the result may be empty.
std::vector<HidDevice> listCm108Devices(const std::filesystem::path& sysfsRoot = "/sys/class/hidraw");

}  // namespace skycrier
