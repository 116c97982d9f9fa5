#pragma once
// Keys the transmitter through a GPIO line of the machine (a Raspberry Pi's
// header) with libgpiod's character-device interface, and reads input lines
// that ask for a bulletin or tell that the channel is busy. The lines are
// requested for this program alone, so no other program (nor the deprecated
// sysfs interface) can change them meanwhile.

#include <functional>
#include <string>
#include <thread>

#include "platform/transmitter_switch.h"

struct gpiod_chip;
struct gpiod_line;

namespace skycrier {

struct GpioSettings {
    // As gpiod_chip_open_lookup takes it: a name (gpiochip0), a path
    // (/dev/gpiochip0), a label (pinctrl-bcm2711) or a number.
    std::string chip;
    // The PTT output; -1: none.
    int line = -1;
    // Every line is active (keyed, asking, busy) when low.
    bool activeLow = false;
    // The inputs that ask for a bulletin and tell the channel is busy; -1: none.
    int triggerLine = -1;
    int busyLine = -1;
};

class GpioSwitch : public TransmitterSwitch {
public:
    explicit GpioSwitch(GpioSettings settings);
    ~GpioSwitch() override;
    GpioSwitch(const GpioSwitch&) = delete;
    GpioSwitch& operator=(const GpioSwitch&) = delete;

    // Requests the output inactive from the first moment and the inputs for
    // edge events, all under the consumer name "skycrier".
    bool open(std::string& error) override;
    void close() override;
    bool isOpen() const override { return chip_ != nullptr; }
    std::string trouble() const override { return trouble_; }
    bool setKeyed(bool keyed, std::string& error) override;
    std::optional<bool> readInput(SwitchInput input) override;
    // Watches from now, or from the next open() that succeeds, until close().
    void watchInputs(std::function<void()> changed) override;

private:
    bool requestLines(std::string& error);
    gpiod_line* requestLine(int offset, int type, std::string& error);
    // "GPIO line 17 of gpiochip0"
    std::string lineName(int offset) const;
    void startWatching();
    void stopWatching();
    // Stops the watcher and releases everything held, as it is.
    void letGo();

    const GpioSettings settings_;
    gpiod_chip* chip_ = nullptr;
    gpiod_line* output_ = nullptr;
    gpiod_line* trigger_ = nullptr;
    gpiod_line* busy_ = nullptr;
    std::string trouble_;
    std::function<void()> changed_;
    int stopFd_ = -1;
    std::thread watcher_;
};

}  // namespace skycrier
