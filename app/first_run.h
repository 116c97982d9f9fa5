#pragma once
// A first run (no configuration yet) leads the user to a first bulletin: the
// status line names the next thing to set (the weather source, the port that
// keys the transmitter, the period), one at a time as each is set, and says
// when the station is ready.

#include <string>

#include "announce/schedule_settings.h"
#include "base/meteo_data.h"

namespace skycrier {

struct SetupState {
    SourceKind source = SourceKind::None;
    // The chosen transmitter port's name; empty or "No COM" for none.
    std::string port;
    const ScheduleSettings& schedule;
    // The transmitter is keyed otherwise than by the port's lines (PTT=), which then needs no port.
    bool keyedWithoutPort = false;
};

// The status line's advice for what to set next; kSetUpText once all is set.
std::string firstRunStep(const SetupState& state);

inline constexpr const char* kChooseSourceStep = "First run: choose the weather source (menu Fuente del WX)";
inline constexpr const char* kChoosePortStep = "Next: choose the port that keys the transmitter (menu Puerto COM)";
inline constexpr const char* kChoosePeriodStep = "Next: choose how often to announce (the arrows beside Cada)";
inline constexpr const char* kSetUpText = "Set up: bulletins come at the period; LOCUTAR speaks one now";

}  // namespace skycrier
