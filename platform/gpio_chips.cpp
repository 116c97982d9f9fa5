#include "platform/gpio_chips.h"

#include <gpiod.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace skycrier {
namespace {

// N of "gpiochipN", for sorting gpiochip2 before gpiochip10.
unsigned long chipNumber(const std::string& name) {
    constexpr std::string_view prefix = "gpiochip";
    if (!name.starts_with(prefix)) return 0;
    return std::strtoul(name.c_str() + prefix.size(), nullptr, 10);
}

}  // namespace

std::vector<GpioChip> listGpioChips() {
    std::vector<GpioChip> chips;
    gpiod_chip_iter* iter = gpiod_chip_iter_new();
    if (!iter) return chips;
    gpiod_chip* chip = nullptr;
    gpiod_foreach_chip(iter, chip) {
        chips.push_back({gpiod_chip_name(chip), gpiod_chip_label(chip), static_cast<int>(gpiod_chip_num_lines(chip))});
    }
    gpiod_chip_iter_free(iter);
    std::sort(chips.begin(), chips.end(), [](const GpioChip& a, const GpioChip& b) {
        const auto na = chipNumber(a.name), nb = chipNumber(b.name);
        return na != nb ? na < nb : a.name < b.name;
    });
    return chips;
}

}  // namespace skycrier
