#pragma once
// The serial line of a listed or rendered bulletin: any port opens and every
// line can be set, so the trace shows what playing would key, and no device
// is touched.

#include <map>

#include "platform/serial_line.h"

namespace skycrier::cli {

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

}  // namespace skycrier::cli
