#pragma once
// Keys the transmitter with a CAT command through Hamlib: a rig on a serial
// port, or rigctld on the network. A rig may take seconds to answer, or never
// does: every Hamlib call is made on the switch's own thread, and the caller
// waits for an answer two seconds at most. With readBusy the thread reads the
// rig's squelch (DCD) between calls.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "platform/transmitter_switch.h"

namespace skycrier {

struct HamlibSettings {
    int model = 2;          // Hamlib's rig model number; 2 is rigctld over the network ("NET rigctl")
    std::string port;       // a serial device (/dev/ttyUSB0) or host:port; empty: Hamlib's default for the model
    int speed = 0;          // serial speed in baud; 0: the rig's default
    bool readBusy = false;  // read the rig's DCD (squelch open) as the busy input
};

class HamlibSwitch : public TransmitterSwitch {
public:
    explicit HamlibSwitch(HamlibSettings settings);
    ~HamlibSwitch() override;
    HamlibSwitch(const HamlibSwitch&) = delete;
    HamlibSwitch& operator=(const HamlibSwitch&) = delete;

    // False when Hamlib cannot work with the settings or the rig's serial
    // device cannot be had; the rig itself is reached on the thread, and
    // trouble() tells when it could not be.
    bool open(std::string& error) override;
    // Unkeys, closes the rig and ends the thread. A thread still reaching a
    // rig that does not answer (a host that is off) is left to end by itself.
    void close() override;
    bool isOpen() const override;
    std::string trouble() const override;
    // Reaches the rig first when it is not open.
    bool setKeyed(bool keyed, std::string& error) override;
    // Busy: the squelch as last read, with readBusy. There is no trigger input.
    std::optional<bool> readInput(SwitchInput input) override;
    void watchInputs(std::function<void()> changed) override;

private:
    class Rig;

    const HamlibSettings settings_;
    std::function<void()> watcher_;
    // Shared with the thread, which may outlive the switch (see close()).
    std::shared_ptr<Rig> rig_;
    std::thread thread_;
};

}  // namespace skycrier
