#pragma once
// When bulletins start by themselves: the period selector and the daily
// window of hours, as the main window holds them.

#include <optional>
#include <string>

namespace skycrier {

// The minutes of the period selector's positions 0..6; 0 is off.
inline constexpr int kPeriodMinutes[] = {0, 5, 10, 15, 20, 30, 60};

struct ScheduleSettings {
    // Position of the period selector, 0..6.
    int periodPosition = 0;
    // The minutes the period selector shows; what the scheduler reads.
    std::string periodText = "0";
    // The announcing window: StartHour <= hour < EndHour, across midnight when
    // StartHour > EndHour, never when they are equal.
    int StartHour = 0;
    int EndHour = 24;
};

// The period in minutes; 0 when the selector's text is no positive number (off).
int periodMinutes(const ScheduleSettings& schedule);
// Whether bulletins may start in this hour of the day.
bool inHourWindow(const ScheduleSettings& schedule, int hour);
// The first whole minute at or after the moment (a local date-time) when the
// schedule starts a bulletin; nothing when it never will.
std::optional<double> nextScheduledBulletin(const ScheduleSettings& schedule, double localNow);

}  // namespace skycrier
