#include "sources/pro2_reader.h"

#include "base/decimal_integer.h"
#include "base/little_endian.h"
#include "platform/date_time.h"
#include "sources/derived_values.h"
#include "sources/pro2_archive.h"

namespace skycrier {
namespace {

// Record fields.
constexpr std::size_t kType = 0, kInterval = 1, kMinutes = 4, kTempOut = 6, kTempIn = 12, kBarometer = 14, kHumOut = 16,
                      kHumIn = 18, kRainClicks = 20, kCollector = 21, kWind = 24, kHighWind = 26, kDirection = 28;
constexpr std::uint8_t kArchiveRecord = 1;

// The end of the record's period: its day of the named month, minutes after
// midnight; 24:00 is midnight of the next day.
double periodEnd(const ArchiveMonth& month, int day, int minutes) {
    const int hour = minutes / 60;
    const int minute = minutes - 60 * hour;
    if (!month.year || !month.month || *month.year < 1 || *month.year > 9999 ||
        !isValidDate(*month.year, *month.month, day) || hour > 24)
        throw PollFailure("no valid date");
    if (hour == 24) return encodeDateTime(*month.year, *month.month, day, 23, minute) + 1.0 / 24;
    return encodeDateTime(*month.year, *month.month, day, hour, minute);
}

std::optional<double> clickSize(std::uint8_t collector) {
    switch (collector) {
    case 0x00: return 2.54;
    case 0x10: return 0.254;
    case 0x20: return 0.2;
    case 0x30: return 1;
    case 0x60: return 0.1;
    default: return std::nullopt;
    }
}

}  // namespace

ArchiveMonth archiveMonthOfName(const std::string& name) {
    ArchiveMonth m;
    if (name.size() >= 4) m.year = parseDecimalInteger(std::string_view(name).substr(0, 4));
    const auto dash = name.find('-');
    const auto dot = name.find('.');
    if (dash != std::string::npos && dot != std::string::npos && dot > dash)
        m.month = parseDecimalInteger(std::string_view(name).substr(dash + 1, dot - dash - 1));
    return m;
}

Pro2Reading readPro2Archive(const std::filesystem::path& file, const ArchiveMonth& month) {
    WlkArchive archive(file.string());
    const auto record = [&](std::int64_t i) { return archive.record(i); };
    const auto isArchive = [&](std::int64_t i) { return le::u8(record(i), kType) == kArchiveRecord; };
    const int day = archive.newestDay();
    std::int64_t b = archive.count() - 1;
    while (b >= 0 && !isArchive(b)) --b;
    if (b < 0) throw PollFailure("no archive record");
    // Kept apart: reading older records replaces the block it was read in.
    const std::string newestBytes(record(b));
    const std::string_view newest = newestBytes;

    Pro2Reading r;
    r.periodEnd = periodEnd(month, day, le::u16(newest, kMinutes));
    r.tempOut = le::i16(newest, kTempOut);
    r.tempIn = le::i16(newest, kTempIn);
    r.barometer = le::u16(newest, kBarometer);
    const int interval = le::u8(newest, kInterval);
    std::int64_t k = interval != 0 ? b - 60 / interval : 0;
    r.reachesHourBack = k > 0;
    if (r.reachesHourBack) {
        while (k >= 0 && !isArchive(k)) --k;
        if (k >= 0) r.barometerHourBefore = le::u16(record(k), kBarometer);
    }
    r.wind = le::u16(newest, kWind);
    r.highWind = le::u16(newest, kHighWind);
    r.directionCode = le::u8(newest, kDirection);
    r.humidityIn = le::u16(newest, kHumIn);
    r.humidityOut = le::u16(newest, kHumOut);
    r.rainClicks = le::u8(newest, kRainClicks);
    if (interval != 0) {
        const std::int64_t perDay = 1440 / interval;
        std::int64_t summed = 1;
        for (std::int64_t j = b - 1; j >= 0 && summed < perDay; --j) {
            if (!isArchive(j)) continue;
            r.rainClicks += le::u8(record(j), kRainClicks);
            ++summed;
        }
    }
    r.clickSize = clickSize(le::u8(newest, kCollector));
    return r;
}

}  // namespace skycrier
