#pragma once
// The switch that keys the transmitter when the keying names one (Hamlib,
// CM108, GPIO), as the announcer drives it: made by the program's maker from
// the port window's settings, held from the start-up on, made again when those
// settings change, tried again every minute and before each bulletin while it
// cannot be had, with its inputs' changes brought to the loop's thread. A
// switch that cannot be had stays configured, as an absent serial port does.
//
// Threading: the loop's thread only.

#include <functional>
#include <memory>
#include <string>

#include "announce/keying_settings.h"
#include "platform/signal.h"
#include "platform/task_scope.h"
#include "platform/timer.h"
#include "platform/transmitter_switch.h"

namespace skycrier {

// Makes the switch of the settings' kind; none when this program has no such switch.
using SwitchMaker = std::function<std::unique_ptr<TransmitterSwitch>(const KeyingSettings&)>;

class KeySwitchControl : public TransmitterSwitch {
public:
    static constexpr Millis kRetryMs = 60'000;

    // The settings are read at every follow().
    KeySwitchControl(EventLoop& loop, const KeyingSettings& settings, SwitchMaker maker);
    ~KeySwitchControl() override;
    KeySwitchControl(const KeySwitchControl&) = delete;
    KeySwitchControl& operator=(const KeySwitchControl&) = delete;

    // Makes the switch again when the settings changed since it was made (or
    // lets it go when they no longer name one) and takes hold of it.
    void follow();
    // Takes hold of a switch that could not be had or went away.
    void retry();

    // For the operator: what is wrong with the switch, empty when nothing is;
    // and what is told when that ends.
    std::string trouble() const override;
    std::string troubleEnded() const;

    // The switch made, as the bulletin keys it; none made: refused.
    bool open(std::string& error) override;
    void close() override;
    bool isOpen() const override;
    bool setKeyed(bool keyed, std::string& error) override;
    std::optional<bool> readInput(SwitchInput input) override;
    void watchInputs(std::function<void()> onChange) override;

    // Soon after an input of the switch changed, on the loop's thread.
    Signal<> inputsChanged;
    // After every change of trouble().
    std::function<void()> changed;

private:
    void tell();
    // Why no switch was made.
    std::string whyNone() const;

    const KeyingSettings& settings_;
    SwitchMaker maker_;
    KeyingSettings made_;
    std::unique_ptr<TransmitterSwitch> switch_;
    std::string failure_;
    std::string told_;
    Timer retryTimer_;
    TaskScope tasks_;
};

}  // namespace skycrier
