#pragma once
// Applies the configuration file's settings to the program's models, each
// value through the control that owns it, as if the user had set it. Lines it
// cannot take are reported with their line number, never applied halfway.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "announce/bulletin_settings.h"
#include "app/config_file.h"
#include "app/main_window.h"
#include "base/speech_units.h"
#include "app/source_models.h"

namespace skycrier {

// The port window as the loader drives it.
class PortChoice {
public:
    virtual ~PortChoice() = default;
    // Opens the named port ("COM3" or a device path); a failed open falls back to no port.
    virtual void choosePort(const std::string& name) = 0;
    // Releases the port and selects "No COM".
    virtual void chooseNoPort() = 0;
    // "No COM", empty before any choice, otherwise the chosen port's name.
    virtual std::string portName() const = 0;
};

struct ConfigTargets {
    BulletinSettings& bulletin;
    PortLineSettings& lines;
    SpeechUnits& units;
    PortChoice& port;
    // The weather sources, built on `units`; without them the source keys are
    // skipped and the unit keys have no source to refresh.
    SourceModels* stations = nullptr;
    // The main window and its schedule; without them their keys are skipped.
    MainWindowModel* mainWindow = nullptr;
    ScheduleSettings* schedule = nullptr;
};

struct LoadOutcome {
    // The source of the last "METEO=" line other than "MON", chosen after loading.
    std::optional<SourceKind> remembered;
    // In line order.
    std::vector<IgnoredLine> ignored;
};

// Applies every setting line in file order (start-up's loading steps 1 to 3).
// Unknown keys, malformed or out-of-range numbers, missing data files and
// lines without a setting are reported in `ignored`; a number beyond a
// bounded control's limits takes the nearest limit and is reported too.
LoadOutcome loadConfiguration(std::string_view text, ConfigTargets& targets);
LoadOutcome loadConfiguration(const std::vector<ConfigLine>& lines, ConfigTargets& targets);

// Chooses the remembered source in the source-choice window (loading step 4).
void applyRememberedSource(const std::optional<SourceKind>& remembered, ConfigTargets& targets);

// After the source is chosen at start-up: with "FORMMETEO=N" read, every
// visible source window is hidden again.
void hideSourceWindowsIfAsked(ConfigTargets& targets);

// Loading whole: the lines, then the remembered source.
std::vector<IgnoredLine> applyConfiguration(const std::vector<ConfigLine>& lines, ConfigTargets& targets);

// The port name a "COM=" value stands for: "COM" + n, or a device path as it is.
std::string portNameFromConfig(const std::string& value);

}  // namespace skycrier
