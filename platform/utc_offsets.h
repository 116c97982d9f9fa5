#pragma once
// Minutes east of UTC as a time zone's rules give them at a given moment, so
// a report stamped in UT is made local with the offset of its own date
// (summer or winter time), whatever the offset is now.

#include <functional>

namespace skycrier {

class UtcOffsets {
public:
    // The same offset at every moment.
    UtcOffsets(int fixedMinutes = 0);  // NOLINT(google-explicit-constructor): an offset reads as one
    // rules(utc) gives the minutes east of UTC in force at that UT date-time.
    explicit UtcOffsets(std::function<int(double utc)> rules);

    int atUtc(double utc) const;
    // The offset in force at a local wall-clock date-time.
    int atLocal(double local) const;

private:
    std::function<int(double)> rules_;
};

}  // namespace skycrier
