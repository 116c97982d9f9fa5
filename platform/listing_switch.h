#pragma once
// A switch that touches no device: it opens and keys at once. A listed or
// rendered bulletin's trace shows what playing would key with it, and the
// desktop program's review of its windows shows the keying without reaching
// the radio.

#include "platform/transmitter_switch.h"

namespace skycrier {

class ListingSwitch : public TransmitterSwitch {
public:
    bool open(std::string&) override { return open_ = true; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    std::string trouble() const override { return {}; }
    bool setKeyed(bool, std::string&) override { return true; }
    std::optional<bool> readInput(SwitchInput) override { return std::nullopt; }
    void watchInputs(std::function<void()>) override {}

private:
    bool open_ = false;
};

}  // namespace skycrier
