#include "sources/ws28_source.h"

#include <algorithm>

#include "base/little_endian.h"
#include "sources/derived_values.h"
#include "sources/history_file.h"

namespace skycrier {
namespace {

// Record fields.
constexpr std::size_t kTime = 0, kAbsolutePressure = 8, kRelativePressure = 12, kWind = 16, kDirection = 20, kGust = 24,
                      kRain = 32, kTempIn = 36, kTempOut = 40, kHumIn = 44, kHumOut = 48;
constexpr double kKmhPerMs = 3.6;
// Dates a date-time text can show: 1 January 0001 to 31 December 9999.
constexpr double kFirstDay = -693593, kEndDay = 2958466;
// Records read at once while the rain of a day is summed backwards.
constexpr std::int64_t kRainChunk = 256;
// The station logs at most once a minute, so no more records than this fall
// within the day before the newest one; time stamps that say otherwise (one
// stamp for the whole file) must not make a poll read the file to its start.
constexpr std::int64_t kMaxRecordsPerDay = 1440;

double field(std::string_view record, std::size_t offset) { return finiteOrFail(le::f32(record, offset)); }

double recordTime(std::string_view record) {
    const double t = finiteOrFail(le::f64(record, kTime));
    if (t < kFirstDay || t >= kEndDay) throw PollFailure("record time out of range");
    return t;
}

}  // namespace

Ws28Source::Ws28Source(SourceContext& context) : HistorySource(SourceKind::W28, context, 40) {}

void Ws28Source::chooseAbsolutePressure() {
    absolute_ = true;
    refreshNow();
}

void Ws28Source::chooseRelativePressure() {
    absolute_ = false;
    refreshNow();
}

void Ws28Source::readStation(double correction) {
    const SpeechUnits& u = context_.units;
    HistoryFile file(filePath(), kRecordSize);
    const std::int64_t b = file.count() - 1;
    if (b < 0) throw PollFailure("no record");
    const std::string newest = file.record(b);

    const double tb = recordTime(newest);
    if (tb > meteo.ObservedAt) meteo.ObservedAt = tb;
    observationTime.caption = shownDateTime(tb);
    RecordSpacing = b > 1 ? tb - recordTime(file.record(b - 1)) : 0;

    showTemperature(MeteoField::Tint, field(newest, kTempIn) * u.TempFactor + u.TempOffset);
    const bool textValid = showTemperature(MeteoField::Text, field(newest, kTempOut) * u.TempFactor + u.TempOffset);

    const std::size_t pressureField = absolute_ ? kAbsolutePressure : kRelativePressure;
    const auto pressureOf = [&](std::string_view record) {
        return field(record, pressureField) * u.PressFactor + correction * u.CorrFactor;
    };
    if (showPressure(pressureOf(newest)))
        showSpacedTendency(b, RecordSpacing, [&](std::int64_t k) { return pressureOf(file.record(k)); });

    const bool ventValid = showWind(field(newest, kWind) * kKmhPerMs * u.WindFactor);
    meteo.Rafa = field(newest, kGust) * kKmhPerMs * u.WindFactor;
    gustBox.red = !windPlausible(meteo.Rafa, u);
    gustBox.caption = "Ráfaga (" + u.WindText + ") = " + fixed(meteo.Rafa, 0);

    showDirection(directionDegrees(le::i32(newest, kDirection) & 31));

    showHumidity(insideHumidityCaption, "Humidad-int", field(newest, kHumIn));
    meteo.HumiExt = field(newest, kHumOut);
    showHumidity(humidityBox, "Humidad", meteo.HumiExt);

    showRain(dayRain(file, b, tb, field(newest, kRain)) * u.RainFactor);

    showFeltTemperature(meteo.Vent >= 5 * u.WindFactor && ventValid && textValid, "Sensación ");
    showDewPoint();
}

double Ws28Source::dayRain(HistoryFile& file, std::int64_t b, double tb, double newestRain) {
    double sum = newestRain;
    // Record 0 never counts: the walk stops at record 1, or a day's worth of records back.
    const std::int64_t oldest = std::max<std::int64_t>(b - kMaxRecordsPerDay, 1);
    for (std::int64_t end = b; end > oldest;) {
        const std::int64_t first = std::max(end - kRainChunk, oldest);
        const std::string chunk = file.records(first, end - first);
        for (std::int64_t j = end - 1; j >= first; --j) {
            const std::string_view record =
                std::string_view(chunk).substr(static_cast<std::size_t>(j - first) * kRecordSize, kRecordSize);
            if (tb - recordTime(record) >= 1) return sum;
            sum += field(record, kRain);
        }
        end = first;
    }
    return sum;
}

void Ws28Source::resetCaptions() { resetCaptionsInUnits("=  "); }

}  // namespace skycrier
