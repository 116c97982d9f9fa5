#pragma once
// The Linux devices a program of SkyCrier speaks through, set up in one place
// for the desktop program, the service and the one-off bulletin: the sound
// output and its mixer, the transmitter's serial line, the web, the recorder
// socket, the Weather Monitor II console's thread, the peer mailbox and the
// shared data folder. Each program states only what it really differs in.
//
// Threading: built, used and destroyed on the loop's thread; the threads of
// the sound output, the console and the mailbox are their own.

#include <filesystem>
#include <memory>
#include <optional>

#include "app/announcer.h"
#include "platform/alsa_catalogue.h"
#include "platform/http_fetch.h"
#include "platform/peer_mailbox.h"
#include "platform/recorder_socket.h"
#include "platform/threaded_mailbox.h"
#include "sources/threaded_weather_monitor.h"
#include "platform/wave_file_sink.h"

namespace skycrier {

// The switch of the keying's kind on this machine's devices (Hamlib, CM108, GPIO); none for the other kinds.
std::unique_ptr<TransmitterSwitch> makeLinuxSwitch(const KeyingSettings& keying);

struct DeviceChoices {
    // The program folder, and the configuration file (empty: skycrier.ini there).
    std::filesystem::path folder;
    std::filesystem::path configFile = {};
    // Where the bulletin's sound goes: the sound card, nowhere (its sounds
    // only timed), or a WAVE file that the caller saves.
    enum class Sound { Card, Timed, WaveFile };
    Sound sound = Sound::Card;
    // False: the serial ports are listed but never opened, so nothing is keyed.
    bool opensPorts = true;
    // False: the sources that fetch their reports fail instead of reaching the web.
    bool online = true;
    // A program that stays on the air: it sets the mixer's volume, drives the
    // recorder, shares the transmitter with peer programs through the mailbox
    // of these names and copies its weather files into the shared data folder.
    bool resident = true;
    MailboxNames mailbox = {};
};

class LinuxDevices {
public:
    LinuxDevices(EventLoop& loop, const DeviceChoices& choices);
    LinuxDevices(const LinuxDevices&) = delete;
    LinuxDevices& operator=(const LinuxDevices&) = delete;

    // The devices as the announcer takes them; the program adds its answers
    // to the user (showPortError, showError) and any recorded observation.
    AnnouncerParts announcerParts();
    // The public "weather" folder of a resident program, else empty.
    std::filesystem::path sharedDataFolder() const;
    // The installed sound outputs.
    AlsaCatalogue& catalogue() { return catalogue_; }
    // The WAVE file being rendered; only with Sound::WaveFile.
    WaveFileSink* waveFile() { return waveFile_; }

private:
    EventLoop& loop_;
    DeviceChoices choices_;
    AlsaCatalogue catalogue_;
    WaveFileSink* waveFile_ = nullptr;
    std::unique_ptr<WaveOut> sound_;
    std::unique_ptr<SerialLine> serial_;
    std::optional<CurlFetcher> web_;
    std::optional<SocketRecorderLink> recorder_;
    ThreadedWeatherMonitor weatherMonitor_;
    std::optional<ThreadedMailbox> mailbox_;
};

}  // namespace skycrier
