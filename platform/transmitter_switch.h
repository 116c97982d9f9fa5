#pragma once
// A switch that keys the transmitter other than by a serial port's DTR and
// RTS lines: a CAT command through Hamlib, a GPIO pin of a CM108-family USB
// sound card, a GPIO line of the machine. Some switches also read inputs: a
// line that asks for a bulletin and a line that tells the channel is busy.
//
// Threading: every call is made on the loop's thread and returns within about
// two seconds whatever the device does; work that may take longer (reaching a
// rig over the network) runs on the switch's own thread. The function given
// to watchInputs is called on another thread.

#include <functional>
#include <optional>
#include <string>

namespace skycrier {

enum class SwitchInput { Trigger, Busy };

class TransmitterSwitch {
public:
    virtual ~TransmitterSwitch() = default;

    // Takes hold of the device with the transmitter unkeyed, or tries again
    // when it could not be had or went away; nothing when it is held. False
    // and the reason when it cannot be had. A switch whose device takes long
    // to reach starts reaching it in the background and answers true: its
    // first command waits for it, within the bound above.
    virtual bool open(std::string& error) = 0;
    // Unkeys and lets go of the device; nothing when it is not held.
    virtual void close() = 0;
    // The device is held and answered last time it was asked.
    virtual bool isOpen() const = 0;
    // Why the device is not held now; empty while it is.
    virtual std::string trouble() const = 0;

    // Keys or unkeys; false and the reason when the device refused or did not
    // answer in time. A device that went away is then let go of, so that the
    // next open() reaches it again.
    virtual bool setKeyed(bool keyed, std::string& error) = 0;
    // An input at its active level; nothing when the switch has no such input
    // configured or it cannot be read.
    virtual std::optional<bool> readInput(SwitchInput input) = 0;
    // From now until close(), `changed` is called soon after an input may
    // have changed (from another thread). Switches without inputs ignore it.
    virtual void watchInputs(std::function<void()> changed) = 0;
};

}  // namespace skycrier
