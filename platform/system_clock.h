#pragma once
// The machine's own clocks, for the real-time loops and for a program that
// needs the time before any loop runs.

#include "platform/event_loop.h"
#include "platform/utc_offsets.h"

namespace skycrier {

Millis systemMonotonicMs();
// The local wall clock as a date-time double (days since 30 December 1899).
double systemLocalNow();
// The machine's time zone (TZ, else /etc/localtime) at any moment.
UtcOffsets systemUtcOffsets();

}  // namespace skycrier
