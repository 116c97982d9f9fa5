#include "support/review_inputs.h"

#include <cstdio>
#include <fstream>

#include "platform/date_time.h"
#include "support/station_files.h"

namespace skycrier::test {
namespace {

void write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

std::filesystem::path writeReviewInputs(const std::filesystem::path& folder, double now, const std::string& chosen,
                                        const std::string& monitorPort) {
    Ws23Record w23;
    w23.pressure = 1016.5f;
    w23.wind = 4.5f;
    w23.direction = 10;
    w23.rain = 12.5f;
    w23.tempIn = 21.5f;
    w23.tempOut = 6.5f;
    // A day and more, so that the 24-hour rain has a record to start from.
    write(folder / "history23.dat", ws23File(ws23Series(160, now, 10, w23)));

    Ws28Record w28;
    w28.wind = 3.0f;
    w28.gust = 7.5f;
    w28.direction = 6;
    w28.rain = 0.5f;
    w28.tempOut = -2.5f;
    write(folder / "history28.dat", ws28File(ws28Series(12, now, 10, w28)));

    // WeatherLink's month: every day from the first holds records; today up to now.
    const DateTimeFields today = decodeDateTime(now);
    std::vector<WlkRecord> month;
    for (int day = 1; day <= today.day; ++day) {
        for (int half = 1; half <= 4; ++half) {
            WlkRecord r;
            r.day = day;
            r.minutes = static_cast<std::uint16_t>(day < today.day ? 1440 - (4 - half) * 30 : half * 30);
            r.tempOut = 455;
            r.barometer = static_cast<std::uint16_t>(29950 + half * 10);
            r.wind = 85;
            r.highWind = 160;
            r.direction = 4;
            r.rainClicks = static_cast<std::uint8_t>(half);
            month.push_back(r);
        }
    }
    char monthFile[16];
    std::snprintf(monthFile, sizeof monthFile, "%04d-%02d.wlk", today.year, today.month);
    write(folder / monthFile, wlkFile(withDailySummaries(month)));

    write(folder / "metar.txt", "\r\nLEMD 071200Z 24012G25KT 9999 -RA FEW030 14/09 Q1009=\r\n");
    write(folder / "WXNOW.TXT", "Dec 07 2026 12:00\r\n220/008g014t052r002p010P010h81b10122\r\n");

    const auto ini = folder / "skycrier.ini";
    std::ofstream out(ini, std::ios::binary);
    out << "[SKYCRIER V2.2.2]\r\nMETEO=" << chosen << "\r\n";
    const char* flags[] = {"TEMPINT=Y", "TEMPEXT=Y", "PRESATM=Y", "PRETEND=Y", "VITVENT=Y", "VITRAFA=Y", "DIRVENT=Y",
                           "TRES=Y",    "PLUIE=Y",   "HUMIDI=Y"};
    for (const char* prefix : {"", "W23_", "W28_", "PRO2_", "APRS_", "METAR_"})
        for (const char* flag : flags) out << prefix << flag << "\r\n";
    out << "LOG=Y\r\n";
    if (!monitorPort.empty()) out << "METCOMM=" << monitorPort << "\r\n";
    out << "W23_DAT=history23.dat\r\nW28_DAT=history28.dat\r\nPRO2_DAT=" << monthFile << "\r\n"
        << "METAR_DAT=metar.txt\r\nMETAR_LIST=https://tgftp.nws.noaa.gov/data/observations/metar/stations/LEMD.TXT"
           " //Madrid-Barajas\r\nMETAR_FAV1=https://tgftp.nws.noaa.gov/data/observations/metar/stations/LEMD.TXT"
           " //Madrid-Barajas\r\nAPRS_DAT=WXNOW.TXT\r\nAPRS_FAV1=https://aprs.fi/?c=raw&call=EA4XYZ //EA4XYZ\r\n"
        << "REDUCE=N\r\n";
    return ini;
}

}  // namespace skycrier::test
