#pragma once
// How the transmitter is keyed: the serial port's DTR and RTS, a switch of
// another kind (Hamlib's CAT, a CM108-family sound card's GPIO pin, a GPIO
// line), or nothing at all when the radio keys itself on the audio (VOX).

#include <optional>
#include <string>
#include <string_view>

namespace skycrier {

enum class KeyingKind { Serial, Hamlib, Cm108, Gpio, Vox };

// "SERIAL", "HAMLIB", "CM108", "GPIO", "VOX": the configuration's values and the traces' names.
const char* keyingName(KeyingKind kind);
std::optional<KeyingKind> keyingNamed(std::string_view name);

struct KeyingSettings {
    KeyingKind kind = KeyingKind::Serial;
    // Hamlib's rig model number (2: rigctld over the network), its serial
    // device or host:port (empty: Hamlib's default), its speed (0: the rig's),
    // and whether the rig's DCD tells that the channel is busy.
    int hamlibModel = 2;
    std::string hamlibPort;
    int hamlibSpeed = 0;
    bool hamlibBusy = false;
    // The sound card's /dev/hidrawN (empty: the first found) and its GPIO pin.
    std::string cm108Device;
    int cm108Gpio = 3;
    // The GPIO chip, its output line, and the input lines that ask for a
    // bulletin and tell a busy channel (-1: none); active low applies to all.
    std::string gpioChip = "gpiochip0";
    int gpioLine = -1;
    bool gpioActiveLow = false;
    int gpioTriggerLine = -1;
    int gpioBusyLine = -1;

    bool operator==(const KeyingSettings&) const = default;
};

// What keys the transmitter, for the operator: "Hamlib rig model 2 on
// 127.0.0.1:4532", "GPIO line 17 of gpiochip0", "DTR and RTS of the port".
std::string keyingDescription(const KeyingSettings& keying);

// Keyed by a switch rather than by the serial port's lines or not at all.
inline bool keysBySwitch(KeyingKind kind) {
    return kind == KeyingKind::Hamlib || kind == KeyingKind::Cm108 || kind == KeyingKind::Gpio;
}

}  // namespace skycrier
