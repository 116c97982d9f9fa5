#pragma once
// The transmitter port of a listed bulletin: a chosen port counts as open,
// and no device is touched.

#include "announce/transmitter_port.h"
#include "app/configuration.h"

namespace skycrier::cli {

class ListingPort : public TransmitterPort, public PortChoice {
public:
    bool isOpen() const override { return open_; }
    std::string portName() const override { return name_; }
    void setLine(PortLine, bool) override {}
    void choosePort(const std::string& name) override {
        name_ = name;
        open_ = true;
    }
    void chooseNoPort() override {
        name_ = kNoPortName;
        open_ = false;
    }

private:
    std::string name_;
    bool open_ = false;
};

}  // namespace skycrier::cli
