#pragma once
// Davis Vantage Pro2: a monthly archive file (YYYY-MM.wlk) of its
// WeatherLink software, read as the station stored it (tenths of °F,
// thousandths of inHg, tenths of mph, rain collector clicks). A read takes
// the newest archive record and the older ones its derived values need: the
// barometer about an hour before and the clicks of about a day.

#include <filesystem>
#include <optional>
#include <string>

namespace skycrier {

// Year and month of a WeatherLink file name: its first four characters, and
// the characters between its first "-" and its first "."; "current.wlk" has neither.
struct ArchiveMonth {
    std::optional<int> year;
    std::optional<int> month;
};
ArchiveMonth archiveMonthOfName(const std::string& name);

struct Pro2Reading {
    double periodEnd = 0;  // days since 30 December 1899, local time: the end of the record's period
    int tempOut = 0, tempIn = 0;  // tenths of °F
    int barometer = 0;            // thousandths of inHg
    // The file reaches an hour back (an interval is set and older records exist).
    bool reachesHourBack = false;
    // The barometer of the newest archive record at least an hour older; nothing when none is left.
    std::optional<int> barometerHourBefore;
    int wind = 0, highWind = 0;  // tenths of mph
    int directionCode = 0;       // sixteen points, 0 = north; 16 and above (255: no sensor) is no direction
    int humidityOut = 0, humidityIn = 0;  // tenths of %
    // Clicks of the newest archive records that span a day, and mm per click
    // of the collector type (nothing for an unknown type).
    int rainClicks = 0;
    std::optional<double> clickSize;
};

// Throws PollFailure when the file is not a readable archive with an
// archive record, or the month and the record's day and minutes name no moment.
Pro2Reading readPro2Archive(const std::filesystem::path& file, const ArchiveMonth& month);

}  // namespace skycrier
