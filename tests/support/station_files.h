#pragma once
// Writers of the station files the history sources read, so that each test
// builds exactly the records it needs: WS-23xx and WS-28xx history.dat files
// and Vantage Pro2 monthly .wlk files. No binary file is ever checked in.

#include <cstdint>
#include <string>
#include <vector>

namespace skycrier::test {

// One WS-23xx record in station units (m/s, hPa, °C, mm running total).
struct Ws23Record {
    double time = 0;  // date-time, stored as the station's seconds
    float pressure = 1013;
    float wind = 0;
    std::int32_t direction = 0;
    float rain = 0;
    float tempIn = 20;
    float tempOut = 10;
    std::int8_t humIn = 50;
    std::int8_t humOut = 60;
};

// One WS-28xx record (m/s, hPa, °C, mm fallen within the record).
struct Ws28Record {
    double time = 0;
    float absolutePressure = 1013;
    float relativePressure = 1020;
    float wind = 0;
    std::int32_t direction = 0;
    float gust = 0;
    float rain = 0;
    float tempIn = 20;
    float tempOut = 10;
    float humIn = 50;
    float humOut = 60;
};

// One Vantage Pro2 record, raw: tenths of °F, thousandths of inHg, tenths of %
// and of mph, rain clicks.
struct WlkRecord {
    int day = 1;  // day of the month it belongs to (drives the day index)
    std::uint8_t type = 1;
    std::uint8_t interval = 30;
    std::uint16_t minutes = 0;
    std::int16_t tempOut = 500;
    std::int16_t tempIn = 700;
    std::uint16_t barometer = 29920;
    std::uint16_t humOut = 600;
    std::uint16_t humIn = 450;
    std::uint8_t rainClicks = 0;
    std::uint8_t collector = 0x10;
    std::uint16_t wind = 0;
    std::uint16_t highWind = 0;
    std::uint8_t direction = 0;
};

// The station's seconds for a date-time.
std::uint32_t ws23Seconds(double dateTime);

std::string ws23Bytes(const Ws23Record& record);
std::string ws23File(const std::vector<Ws23Record>& records);
// count copies of base, spaced `minutes` apart, the last one at `last`.
std::vector<Ws23Record> ws23Series(int count, double last, int minutes, const Ws23Record& base = {});

std::string ws28Bytes(const Ws28Record& record);
std::string ws28File(const std::vector<Ws28Record>& records);
std::vector<Ws28Record> ws28Series(int count, double last, int minutes, const Ws28Record& base = {});

// A .wlk file: the 212-byte header, whose day index counts the records of
// each day, then the records in the order given.
std::string wlkFile(const std::vector<WlkRecord>& records);
// Each day's archive records preceded by its two daily-summary records
// (types 2 and 3), as WeatherLink writes a month.
std::vector<WlkRecord> withDailySummaries(const std::vector<WlkRecord>& archive);

}  // namespace skycrier::test
