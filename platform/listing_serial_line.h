#pragma once
// A serial line that touches no device: any port opens and every line can be
// set. A listed or rendered bulletin's trace shows what playing would key
// with it, and the desktop program's review of its windows shows the
// configured port without opening it.

#include <map>

#include "platform/serial_line.h"

namespace skycrier {

class ListingSerialLine : public SerialLine {
public:
    bool open(const std::string&, std::string&) override { return open_ = true; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    bool setPin(SerialPin pin, bool raised, std::string&) override {
        pins_[pin] = raised;
        return true;
    }
    std::optional<bool> readPin(SerialPin pin) override { return pins_[pin]; }

private:
    bool open_ = false;
    std::map<SerialPin, bool> pins_;
};

}  // namespace skycrier
