#pragma once
// Applies the configuration file's settings to the program's models, each
// value through the control that owns it, as if the user had set it.

#include <string>
#include <vector>

#include "announce/bulletin_settings.h"
#include "app/config_file.h"
#include "app/main_window.h"
#include "base/speech_units.h"
#include "sources/station_sources.h"

namespace skycrier {

// The port window as the loader drives it.
class PortChoice {
public:
    virtual ~PortChoice() = default;
    // Opens the named port ("COM3" or a device path); a failed open falls back to no port.
    virtual void choosePort(const std::string& name) = 0;
    // Releases the port and selects "No COM".
    virtual void chooseNoPort() = 0;
};

struct ConfigTargets {
    BulletinSettings& bulletin;
    PortLineSettings& lines;
    SpeechUnits& units;
    PortChoice& port;
    // The weather sources, built on `units`; without them the source keys are
    // skipped and the unit keys have no source to refresh.
    StationSources* stations = nullptr;
    // The main window and its schedule; without them their keys are skipped.
    TForm1* mainWindow = nullptr;
    ScheduleSettings* schedule = nullptr;
};

// Applies the lines in order; after the last one, starts the source that a
// "METEO=" line other than "MON" remembered.
void applyConfiguration(const std::vector<ConfigLine>& lines, ConfigTargets& targets);

// The port name a "COM=" value stands for: "COM" + n, or a device path as it is.
std::string portNameFromConfig(const std::string& value);

}  // namespace skycrier
