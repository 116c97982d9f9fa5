#include "announce/keying_settings.h"

namespace skycrier {
namespace {

constexpr std::pair<KeyingKind, const char*> kNames[] = {{KeyingKind::Serial, "SERIAL"},
                                                         {KeyingKind::Hamlib, "HAMLIB"},
                                                         {KeyingKind::Cm108, "CM108"},
                                                         {KeyingKind::Gpio, "GPIO"},
                                                         {KeyingKind::Vox, "VOX"}};

}  // namespace

const char* keyingName(KeyingKind kind) {
    for (const auto& [k, name] : kNames)
        if (k == kind) return name;
    return "?";
}

std::string keyingDescription(const KeyingSettings& k) {
    switch (k.kind) {
    case KeyingKind::Serial: return "the lines of the port";
    case KeyingKind::Hamlib:
        return "Hamlib rig model " + std::to_string(k.hamlibModel) + (k.hamlibPort.empty() ? "" : " on " + k.hamlibPort);
    case KeyingKind::Cm108:
        return "CM108 GPIO" + std::to_string(k.cm108Gpio) + " on " +
               (k.cm108Device.empty() ? std::string("the first CM108-family sound card") : k.cm108Device);
    case KeyingKind::Gpio: return "GPIO line " + std::to_string(k.gpioLine) + " of " + k.gpioChip;
    case KeyingKind::Vox: return "the radio's VOX";
    }
    return {};
}

std::optional<KeyingKind> keyingNamed(std::string_view name) {
    for (const auto& [kind, n] : kNames)
        if (name == n) return kind;
    return std::nullopt;
}

}  // namespace skycrier
