#include "sources/ws28_reader.h"

#include <algorithm>
#include <cstdint>

#include "base/little_endian.h"
#include "sources/derived_values.h"
#include "sources/history_file.h"

namespace skycrier {
namespace {

constexpr std::size_t kRecordSize = 56;
constexpr std::size_t kTime = 0, kAbsolutePressure = 8, kRelativePressure = 12, kWind = 16, kDirection = 20, kGust = 24,
                      kRain = 32, kTempIn = 36, kTempOut = 40, kHumIn = 44, kHumOut = 48;
// Dates a date-time text can show: 1 January 0001 to 31 December 9999.
constexpr double kFirstDay = -693593, kEndDay = 2958466;
// Records read at once while the rain of a day is summed backwards.
constexpr std::int64_t kRainChunk = 256;
// The station logs at most once a minute, so no more records than this fall
// within the day before the newest one; time stamps that say otherwise (one
// stamp for the whole file) must not make a poll read the file to its start.
constexpr std::int64_t kMaxRecordsPerDay = 1440;

double recordTime(std::string_view record) {
    const double t = finiteOrFail(le::f64(record, kTime));
    if (t < kFirstDay || t >= kEndDay) throw PollFailure("record time out of range");
    return t;
}

// Rain of the records within one day of record b, walking back from it
// through at most a day of one-minute logging; record 0 never counts.
double dayRain(HistoryFile& file, std::int64_t b, double tb, double newestRain) {
    double sum = newestRain;
    const std::int64_t oldest = std::max<std::int64_t>(b - kMaxRecordsPerDay, 1);
    for (std::int64_t end = b; end > oldest;) {
        const std::int64_t first = std::max(end - kRainChunk, oldest);
        const std::string chunk = file.records(first, end - first);
        for (std::int64_t j = end - 1; j >= first; --j) {
            const std::string_view record =
                std::string_view(chunk).substr(static_cast<std::size_t>(j - first) * kRecordSize, kRecordSize);
            if (tb - recordTime(record) >= 1) return sum;
            sum += le::f32(record, kRain);
        }
        end = first;
    }
    return sum;
}

}  // namespace

Ws28Reading readWs28History(const std::string& path, bool absolutePressure) {
    HistoryFile file(path, kRecordSize);
    const std::int64_t b = file.count() - 1;
    if (b < 0) throw PollFailure("no record");
    const std::string newest = file.record(b);
    const std::size_t pressureField = absolutePressure ? kAbsolutePressure : kRelativePressure;

    Ws28Reading r;
    r.time = recordTime(newest);
    r.spacing = b > 1 ? r.time - recordTime(file.record(b - 1)) : 0;
    r.tempIn = le::f32(newest, kTempIn);
    r.tempOut = le::f32(newest, kTempOut);
    r.pressure = le::f32(newest, pressureField);
    if (r.spacing > 0)
        r.pressureHourBefore = le::f32(recordHourBefore(file, b, r.spacing), pressureField);
    r.wind = le::f32(newest, kWind);
    r.gust = le::f32(newest, kGust);
    r.directionCode = le::i32(newest, kDirection) & 31;
    r.humidityIn = le::f32(newest, kHumIn);
    r.humidityOut = le::f32(newest, kHumOut);
    r.dayRain = dayRain(file, b, r.time, le::f32(newest, kRain));
    return r;
}

}  // namespace skycrier
