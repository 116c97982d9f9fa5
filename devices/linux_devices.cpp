#include "devices/linux_devices.h"

#include "platform/alsa_wave_out.h"
#include "platform/cm108_switch.h"
#include "platform/gpio_switch.h"
#include "platform/hamlib_switch.h"
#include "platform/linux_serial_data_line.h"
#include "platform/linux_serial_line.h"
#include "platform/listing_serial_line.h"
#include "platform/listing_switch.h"
#include "platform/program_location.h"
#include "platform/serial_port_list.h"
#include "platform/timed_wave_out.h"

namespace skycrier {
namespace {

std::unique_ptr<WaveOut> makeSound(EventLoop& loop, DeviceChoices::Sound sound, AlsaCatalogue& catalogue) {
    switch (sound) {
    case DeviceChoices::Sound::Timed:
        return std::make_unique<TimedWaveOut>(loop);
    case DeviceChoices::Sound::WaveFile:
        return std::make_unique<WaveFileSink>(loop);
    case DeviceChoices::Sound::Card:
        break;
    }
    return std::make_unique<AlsaWaveOut>(loop, catalogue);
}

}  // namespace

std::unique_ptr<TransmitterSwitch> makeLinuxSwitch(const KeyingSettings& k) {
    switch (k.kind) {
    case KeyingKind::Hamlib:
        return std::make_unique<HamlibSwitch>(HamlibSettings{k.hamlibModel, k.hamlibPort, k.hamlibSpeed, k.hamlibBusy});
    case KeyingKind::Cm108:
        return std::make_unique<Cm108Switch>(k.cm108Device, k.cm108Gpio);
    case KeyingKind::Gpio:
        return std::make_unique<GpioSwitch>(
            GpioSettings{k.gpioChip, k.gpioLine, k.gpioActiveLow, k.gpioTriggerLine, k.gpioBusyLine});
    case KeyingKind::Serial:
    case KeyingKind::Vox:
        break;
    }
    return nullptr;
}

LinuxDevices::LinuxDevices(EventLoop& loop, const DeviceChoices& choices)
    : loop_(loop),
      choices_(choices),
      sound_(makeSound(loop, choices.sound, catalogue_)),
      serial_(choices.opensPorts ? std::unique_ptr<SerialLine>(std::make_unique<LinuxSerialLine>())
                                 : std::make_unique<ListingSerialLine>()),
      weatherMonitor_(loop, std::make_unique<LinuxSerialDataLine>()) {
    if (choices.sound == DeviceChoices::Sound::WaveFile) waveFile_ = static_cast<WaveFileSink*>(sound_.get());
    if (choices.online) web_.emplace(loop);
    if (choices.resident) {
        recorder_.emplace();
        mailbox_.emplace(loop, choices.mailbox);
    }
}

AnnouncerParts LinuxDevices::announcerParts() {
    AnnouncerParts parts{loop_, *sound_, *serial_, choices_.folder, {}};
    parts.configFile = choices_.configFile;
    parts.fetcher = web_ ? &*web_ : nullptr;
    parts.listPorts = [] { return listSerialPorts(); };
    // The mixer is a resident program's to set; a one-off bulletin plays at the volume it finds.
    parts.catalogue = choices_.resident ? &catalogue_ : nullptr;
    parts.mailbox = mailbox_ ? &*mailbox_ : nullptr;
    parts.recorderLink = recorder_ ? &*recorder_ : nullptr;
    // The console is read only when the configuration names its port.
    parts.weatherMonitor = &weatherMonitor_;
    if (choices_.opensPorts)
        parts.makeSwitch = makeLinuxSwitch;
    else
        parts.makeSwitch = [](const KeyingSettings&) { return std::make_unique<ListingSwitch>(); };
    return parts;
}

std::filesystem::path LinuxDevices::sharedDataFolder() const {
    return choices_.resident ? userPublicShareFolder() / "weather" : std::filesystem::path();
}

}  // namespace skycrier
