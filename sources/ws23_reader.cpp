#include "sources/ws23_reader.h"

#include <algorithm>

#include "base/little_endian.h"
#include "sources/derived_values.h"
#include "sources/history_file.h"

namespace skycrier {
namespace {

constexpr std::size_t kRecordSize = kWs23RecordSize;
constexpr std::size_t kTime = 4, kPressure = 8, kWind = 12, kDirection = 16, kRain = 20, kTempIn = 24, kTempOut = 28,
                      kHumIn = 32, kHumOut = 34;
// The station counts seconds from a point 49 hours before 30 December 1899 00:00.
constexpr double kTimeOffsetSeconds = 176400;
// The gust is the highest mean wind of the newest record and this many before it.
constexpr int kGustRecords = 9;

}  // namespace

double ws23RecordTime(std::uint32_t seconds) { return (seconds + kTimeOffsetSeconds) / 3600 / 24; }

Ws23Reading readWs23History(const std::string& path) {
    HistoryFile file(path, kRecordSize);
    const std::int64_t b = file.count() - 1;
    if (b < 0) throw PollFailure("no record");
    const std::int64_t first = std::max<std::int64_t>(b - kGustRecords, 0);
    const std::string recent = file.records(first, b - first + 1);
    const auto at = [&](std::int64_t index) {
        return std::string_view(recent).substr(static_cast<std::size_t>(index - first) * kRecordSize, kRecordSize);
    };
    const std::string_view newest = at(b);

    Ws23Reading r;
    r.time = ws23RecordTime(le::u32(newest, kTime));
    r.spacing = b > 1 ? r.time - ws23RecordTime(le::u32(at(b - 1), kTime)) : 0;
    r.tempIn = le::f32(newest, kTempIn);
    r.tempOut = le::f32(newest, kTempOut);
    r.pressure = le::f32(newest, kPressure);
    if (r.spacing > 0)
        r.pressureHourBefore = le::f32(recordHourBefore(file, b, r.spacing), kPressure);
    r.wind = le::f32(newest, kWind);
    for (std::int64_t j = b - 1; j >= std::max<std::int64_t>(b - kGustRecords, 1); --j)
        r.earlierWinds.push_back(le::f32(at(j), kWind));
    r.directionCode = le::i32(newest, kDirection) & 31;
    r.humidityIn = le::i8(newest, kHumIn);
    r.humidityOut = le::i8(newest, kHumOut);
    r.rain = le::f32(newest, kRain);
    if (r.spacing > 0) {
        const std::int64_t k = recordBefore(b, 1.0, r.spacing);
        if (k >= 1) r.rainDayBefore = le::f32(file.record(k), kRain);
    }
    return r;
}

}  // namespace skycrier
