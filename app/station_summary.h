#pragma once
// What a program left alone will do, said when it starts (and again when it
// reads its configuration anew): where its weather comes from, which port
// keys the transmitter and which lines start a bulletin, when the bulletins
// come and where they are heard, and the next one, or why none will come.

#include <string>
#include <vector>

#include "announce/bulletin_settings.h"
#include "announce/schedule_settings.h"
#include "app/main_window.h"
#include "app/transmitter_port_control.h"
#include "app/source_models.h"

namespace skycrier {

// What the summary is made of.
struct StationState {
    const SourceModels& stations;
    const TransmitterPortControl& port;
    const PortLineSettings& lines;
    const ScheduleSettings& schedule;
    const MainWindowModel& mainWindow;
    bool peersConnected;
};

// One line per subject, for stderr and the log.
std::vector<std::string> stationSummary(const StationState& station, double localNow);
// The summary's last line: when the next bulletin comes, or why none will.
std::string nextBulletinLine(const StationState& station, double localNow);

}  // namespace skycrier
