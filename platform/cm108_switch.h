#pragma once
// Keys the transmitter through a GPIO pin of a CM108/CM119-family USB sound
// card: the chip takes its GPIO levels as a HID output report, which Linux
// passes on from a write to the card's /dev/hidrawN. Most repeater and link
// interfaces wire PTT to GPIO3.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/transmitter_switch.h"

namespace skycrier {

// The bytes written to hidraw to set a GPIO pin (1..8; the CM108 has 4, the
// CM119 8): the report number 0, then the chip's output report: 0 (write the
// GPIOs), the levels (bit gpio-1 set when high), the directions (bit gpio-1
// set: an output), 0. A pin outside 1..8 sets no bit.
std::array<std::uint8_t, 5> cm108Report(int gpio, bool high);

class Cm108Switch : public TransmitterSwitch {
public:
    // device: a /dev/hidrawN, or empty for the first CM108-family card found
    // under sysfsRoot (looked for again at every open, as a card plugged in
    // again may get another number).
    Cm108Switch(std::string device, int gpio, std::filesystem::path sysfsRoot = "/sys/class/hidraw");
    ~Cm108Switch() override;
    Cm108Switch(const Cm108Switch&) = delete;
    Cm108Switch& operator=(const Cm108Switch&) = delete;

    bool open(std::string& error) override;
    void close() override;
    bool isOpen() const override { return fd_ >= 0; }
    std::string trouble() const override { return trouble_; }
    bool setKeyed(bool keyed, std::string& error) override;
    // The card's GPIO pins serve as outputs only: there are no inputs.
    std::optional<bool> readInput(SwitchInput) override { return std::nullopt; }
    void watchInputs(std::function<void()>) override {}

private:
    bool openDevice(std::string& error);
    // Writes the report, once more for an unkey that failed; the errno of the last try, 0 when written.
    int writeReport(bool keyed);

    const std::string device_;
    const int gpio_;
    const std::filesystem::path sysfsRoot_;
    std::string path_;
    int fd_ = -1;
    std::string trouble_;
};

}  // namespace skycrier
