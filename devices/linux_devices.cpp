#include "devices/linux_devices.h"

#include "platform/alsa_wave_out.h"
#include "platform/linux_serial_data_line.h"
#include "platform/linux_serial_line.h"
#include "platform/listing_serial_line.h"
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
    return parts;
}

std::filesystem::path LinuxDevices::sharedDataFolder() const {
    return choices_.resident ? userPublicShareFolder() / "weather" : std::filesystem::path();
}

}  // namespace skycrier
