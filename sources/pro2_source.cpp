#include "sources/pro2_source.h"

#include <cstdio>
#include <filesystem>
#include <optional>

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
constexpr double kHpaPerInHg = 33.8582;
constexpr double kKmhPerMph = 1.609344;

// Year and month of a WeatherLink file name: its first four characters, and
// the characters between its first "-" and its first ".".
struct Month {
    std::optional<int> year;
    std::optional<int> month;
};

Month monthOfName(const std::string& name) {
    Month m;
    if (name.size() >= 4) m.year = parseDecimalInteger(std::string_view(name).substr(0, 4));
    const auto dash = name.find('-');
    const auto dot = name.find('.');
    if (dash != std::string::npos && dot != std::string::npos && dot > dash)
        m.month = parseDecimalInteger(std::string_view(name).substr(dash + 1, dot - dash - 1));
    return m;
}

// The current month's file beside the named one, when the named one is of
// another month and the current one is there already.
std::optional<std::filesystem::path> currentMonthFile(const std::filesystem::path& file, const Month& month,
                                                      const DateTimeFields& now, const SourceContext& context) {
    if (!month.year || !month.month || (*month.year == now.year && *month.month == now.month)) return std::nullopt;
    char name[32];
    std::snprintf(name, sizeof name, "%04d-%02d.wlk", now.year, now.month);
    const std::filesystem::path current = file.parent_path() / name;
    if (!fileExists(context.resolvePath(current.string()))) return std::nullopt;
    return current;
}

// The end of the record's period: its day of the named month, minutes after
// midnight; 24:00 is midnight of the next day.
double periodEnd(const Month& month, int day, int minutes) {
    const int hour = minutes / 60;
    const int minute = minutes - 60 * hour;
    if (!month.year || !month.month || *month.year < 1 || *month.year > 9999 ||
        !isValidDate(*month.year, *month.month, day) || hour > 24)
        throw PollFailure("no valid date");
    if (hour == 24) return encodeDateTime(*month.year, *month.month, day, 23, minute) + 1.0 / 24;
    return encodeDateTime(*month.year, *month.month, day, hour, minute);
}

// °C of a temperature in tenths of °F.
double celsius(std::int16_t tenthsF) { return (5.0 * tenthsF - 1600) / 90; }

// Millimetres per click of the rain collector; nothing for an unknown type.
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

Pro2Source::Pro2Source(SourceContext& context) : HistorySource(SourceKind::Pro2, context, 9) {}

void Pro2Source::readStation(double correction) {
    const SpeechUnits& u = context_.units;
    std::filesystem::path file(path());
    if (file.extension() != ".wlk") throw PollFailure("not a .wlk file");
    Month month = monthOfName(file.filename().string());
    const DateTimeFields now = decodeDateTime(context_.loop.localNow());
    if (currentMonthFileBox.checked) {
        if (const auto current = currentMonthFile(file, month, now, context_)) {
            file = *current;
            setPath(file.string());
            inputSelected = true;
            month = {now.year, now.month};
        }
    }

    WlkArchive archive(context_.resolvePath(file.string()));
    const auto record = [&](std::int64_t i) { return archive.record(i); };
    const auto isArchive = [&](std::int64_t i) { return le::u8(record(i), kType) == kArchiveRecord; };
    const int day = archive.newestDay();
    std::int64_t b = archive.count() - 1;
    while (b >= 0 && !isArchive(b)) --b;
    if (b < 0) throw PollFailure("no archive record");
    // Kept apart: reading older records replaces the block it was read in.
    const std::string newestBytes(record(b));
    const std::string_view newest = newestBytes;

    meteo.ObservedAt = periodEnd(month, day, le::u16(newest, kMinutes));
    // The date-time text of exactly midnight has no time: the time is added.
    observationTime.caption = shownDateTime(meteo.ObservedAt);
    if (observationTime.caption.size() < 11) observationTime.caption += " 00:00";

    const bool textValid =
        showTemperature(MeteoField::Text, celsius(le::i16(newest, kTempOut)) * u.TempFactor + u.TempOffset);
    showTemperature(MeteoField::Tint, celsius(le::i16(newest, kTempIn)) * u.TempFactor + u.TempOffset);

    const auto barometer = [&](std::string_view r) { return static_cast<double>(le::u16(r, kBarometer)); };
    const int interval = le::u8(newest, kInterval);
    if (showPressure(barometer(newest) * u.PressFactor / 1000 * kHpaPerInHg + correction * u.CorrFactor)) {
        meteo.Tend = 0;
        // The archive record about an hour older; with none the caption stays as it was.
        std::int64_t k = interval != 0 ? b - 60 / interval : 0;
        if (k <= 0) {
            showTendency(0);
        } else {
            while (k >= 0 && !isArchive(k)) --k;
            if (k >= 0) showTendency((barometer(newest) - barometer(record(k))) / 1000 * kHpaPerInHg * u.PressFactor);
        }
    }

    const auto wind = [&](std::size_t offset) { return le::u16(newest, offset) / 10.0 * kKmhPerMph * u.WindFactor; };
    const bool ventValid = showWind(wind(kWind));
    meteo.Rafa = wind(kHighWind);
    gustBox.red = !windPlausible(meteo.Rafa, u);
    gustBox.caption = "Ráfaga (" + u.WindText + ") = " + fixed(meteo.Rafa, 0);

    const int degrees = directionDegrees(le::u8(newest, kDirection));
    if (degrees < 360) {
        showDirection(degrees);
    } else {
        meteo.Dire = -1;
        directionBox.caption = "Dirección (°) = --";
    }

    showHumidity(insideHumidityCaption, "Humidad-int", le::u16(newest, kHumIn) / 10.0);
    meteo.HumiExt = le::u16(newest, kHumOut) / 10.0;
    showHumidity(humidityBox, "Humidad", meteo.HumiExt);

    // Rain of a day: the clicks of the newest archive records that span it.
    int clicks = le::u8(newest, kRainClicks);
    if (interval != 0) {
        const std::int64_t perDay = 1440 / interval;
        std::int64_t summed = 1;
        for (std::int64_t j = b - 1; j >= 0 && summed < perDay; --j) {
            if (!isArchive(j)) continue;
            clicks += le::u8(record(j), kRainClicks);
            ++summed;
        }
    }
    const std::optional<double> size = clickSize(le::u8(newest, kCollector));
    showRain((size ? clicks * *size : -1) * u.RainFactor);

    // The gust decides whether there is wind enough; the formula takes the mean wind.
    showFeltTemperature(meteo.Rafa >= 5 * u.WindFactor && ventValid && textValid, "Sensación ");
    showDewPoint();
}

void Pro2Source::resetCaptions() { resetCaptionsInUnits("="); }

}  // namespace skycrier
