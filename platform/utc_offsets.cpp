#include "platform/utc_offsets.h"

#include <utility>

namespace skycrier {

UtcOffsets::UtcOffsets(int fixedMinutes) : rules_([fixedMinutes](double) { return fixedMinutes; }) {}

UtcOffsets::UtcOffsets(std::function<int(double utc)> rules) : rules_(std::move(rules)) {}

int UtcOffsets::atUtc(double utc) const { return rules_(utc); }

int UtcOffsets::atLocal(double local) const {
    // The offset found for a first guess of the UT moment gives the moment
    // itself; a second look settles a guess that fell across a change of time.
    const int guess = rules_(local);
    return rules_(local - guess / 1440.0);
}

}  // namespace skycrier
