#pragma once
// The machine's GPIO chips, as libgpiod's character-device interface sees them.

#include <string>
#include <vector>

namespace skycrier {

struct GpioChip {
    // "gpiochip0".
    std::string name;
    // What the driver calls it ("pinctrl-bcm2711").
    std::string label;
    int lines = 0;
};

// Every /dev/gpiochipN, sorted by N as a number; empty on a machine without
// GPIO and for a user who may not open the chips.
std::vector<GpioChip> listGpioChips();

}  // namespace skycrier
