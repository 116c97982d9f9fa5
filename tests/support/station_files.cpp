#include "support/station_files.h"

#include <bit>
#include <cmath>
#include <map>

namespace skycrier::test {
namespace {

// Appends the value little-endian, width bytes.
void put(std::string& out, std::uint64_t value, int width) {
    for (int i = 0; i < width; ++i) out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}
void putFloat(std::string& out, float value) { put(out, std::bit_cast<std::uint32_t>(value), 4); }
void putDouble(std::string& out, double value) { put(out, std::bit_cast<std::uint64_t>(value), 8); }

constexpr double kMinute = 1.0 / 1440;

template <typename Record>
std::vector<Record> series(int count, double last, int minutes, const Record& base) {
    std::vector<Record> records(static_cast<std::size_t>(count), base);
    for (int i = 0; i < count; ++i)
        records[static_cast<std::size_t>(i)].time = last - (count - 1 - i) * minutes * kMinute;
    return records;
}

}  // namespace

std::uint32_t ws23Seconds(double dateTime) {
    return static_cast<std::uint32_t>(std::llround(dateTime * 86400 - 176400));
}

std::string ws23Bytes(const Ws23Record& r) {
    std::string out;
    put(out, 0, 4);
    put(out, ws23Seconds(r.time), 4);
    putFloat(out, r.pressure);
    putFloat(out, r.wind);
    put(out, static_cast<std::uint32_t>(r.direction), 4);
    putFloat(out, r.rain);
    putFloat(out, r.tempIn);
    putFloat(out, r.tempOut);
    put(out, static_cast<std::uint8_t>(r.humIn), 1);
    put(out, 0, 1);
    put(out, static_cast<std::uint8_t>(r.humOut), 1);
    put(out, 0, 1);
    return out;
}

std::string ws23File(const std::vector<Ws23Record>& records) {
    std::string out;
    for (const Ws23Record& r : records) out += ws23Bytes(r);
    return out;
}

std::vector<Ws23Record> ws23Series(int count, double last, int minutes, const Ws23Record& base) {
    return series(count, last, minutes, base);
}

std::string ws28Bytes(const Ws28Record& r) {
    std::string out;
    putDouble(out, r.time);
    putFloat(out, r.absolutePressure);
    putFloat(out, r.relativePressure);
    putFloat(out, r.wind);
    put(out, static_cast<std::uint32_t>(r.direction), 4);
    putFloat(out, r.gust);
    putFloat(out, 0);  // total rain, unused
    putFloat(out, r.rain);
    putFloat(out, r.tempIn);
    putFloat(out, r.tempOut);
    putFloat(out, r.humIn);
    putFloat(out, r.humOut);
    put(out, 0, 4);
    return out;
}

std::string ws28File(const std::vector<Ws28Record>& records) {
    std::string out;
    for (const Ws28Record& r : records) out += ws28Bytes(r);
    return out;
}

std::vector<Ws28Record> ws28Series(int count, double last, int minutes, const Ws28Record& base) {
    return series(count, last, minutes, base);
}

std::string wlkFile(const std::vector<WlkRecord>& records) {
    std::map<int, std::pair<int, int>> days;  // day -> records, first index
    for (std::size_t i = 0; i < records.size(); ++i) {
        auto& entry = days.try_emplace(records[i].day, 0, static_cast<int>(i)).first->second;
        ++entry.first;
    }
    std::string out = "WDAT5.0";
    out.resize(16, '\0');
    put(out, records.size(), 4);
    for (int d = 0; d < 32; ++d) {
        const auto found = days.find(d);
        put(out, found == days.end() ? 0 : static_cast<std::uint16_t>(found->second.first), 2);
        put(out, found == days.end() ? 0 : static_cast<std::uint32_t>(found->second.second), 4);
    }
    for (const WlkRecord& r : records) {
        const std::size_t start = out.size();
        put(out, r.type, 1);
        put(out, r.interval, 1);
        put(out, 0, 2);
        put(out, r.minutes, 2);
        put(out, static_cast<std::uint16_t>(r.tempOut), 2);
        put(out, static_cast<std::uint16_t>(r.tempOut), 2);  // high
        put(out, static_cast<std::uint16_t>(r.tempOut), 2);  // low
        put(out, static_cast<std::uint16_t>(r.tempIn), 2);
        put(out, r.barometer, 2);
        put(out, r.humOut, 2);
        put(out, r.humIn, 2);
        put(out, r.rainClicks, 1);
        put(out, r.collector, 1);
        put(out, 0, 2);  // high rain rate
        put(out, r.wind, 2);
        put(out, r.highWind, 2);
        put(out, r.direction, 1);
        out.resize(start + 88, '\0');
    }
    return out;
}

std::vector<WlkRecord> withDailySummaries(const std::vector<WlkRecord>& archive) {
    std::vector<WlkRecord> out;
    int day = 0;
    for (const WlkRecord& r : archive) {
        if (r.day != day) {
            day = r.day;
            for (const std::uint8_t type : {2, 3}) {
                WlkRecord summary;
                summary.day = day;
                summary.type = type;
                summary.interval = 0;
                out.push_back(summary);
            }
        }
        out.push_back(r);
    }
    return out;
}

}  // namespace skycrier::test
