#include "app/first_run.h"

#include "announce/transmitter_port.h"

namespace skycrier {
namespace {

bool portChosen(const std::string& port) { return !port.empty() && port != kNoPortName; }

}  // namespace

std::string firstRunStep(const SetupState& state) {
    if (state.source == SourceKind::None) return kChooseSourceStep;
    if (!portChosen(state.port) && !state.keyedWithoutPort) return kChoosePortStep;
    if (periodMinutes(state.schedule) == 0) return kChoosePeriodStep;
    return kSetUpText;
}

}  // namespace skycrier
