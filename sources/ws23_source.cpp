#include "sources/ws23_source.h"

#include <algorithm>

#include "base/little_endian.h"
#include "sources/derived_values.h"
#include "sources/history_file.h"

namespace skycrier {
namespace {

// Record fields.
constexpr std::size_t kTime = 4, kPressure = 8, kWind = 12, kDirection = 16, kRain = 20, kTempIn = 24, kTempOut = 28,
                      kHumIn = 32, kHumOut = 34;
// The station counts seconds from a point 49 hours before 30 December 1899 00:00.
constexpr double kTimeOffsetSeconds = 176400;
constexpr double kKmhPerMs = 3.6;
// The gust is the highest mean wind of the newest record and this many before it.
constexpr int kGustRecords = 9;

double field(std::string_view record, std::size_t offset) { return finiteOrFail(le::f32(record, offset)); }

}  // namespace

double ws23RecordTime(std::uint32_t seconds) { return (seconds + kTimeOffsetSeconds) / 3600 / 24; }

Ws23Source::Ws23Source(SourceContext& context) : HistorySource(SourceKind::W23, context, 9) {}

void Ws23Source::readStation(double correction) {
    const SpeechUnits& u = context_.units;
    HistoryFile file(filePath(), kRecordSize);
    const std::int64_t b = file.count() - 1;
    if (b < 0) throw PollFailure("no record");
    const std::int64_t first = std::max<std::int64_t>(b - kGustRecords, 0);
    const std::string recent = file.records(first, b - first + 1);
    const auto at = [&](std::int64_t index) {
        return std::string_view(recent).substr(static_cast<std::size_t>(index - first) * kRecordSize, kRecordSize);
    };
    const std::string_view newest = at(b);

    const double tb = ws23RecordTime(le::u32(newest, kTime));
    if (tb > meteo.ObservedAt) meteo.ObservedAt = tb;
    observationTime.caption = shownDateTime(tb);
    RecordSpacing = b > 1 ? tb - ws23RecordTime(le::u32(at(b - 1), kTime)) : 0;

    const double tint = field(newest, kTempIn) * u.TempFactor + u.TempOffset;
    showTemperature(MeteoField::Tint, tint);
    const double text = field(newest, kTempOut) * u.TempFactor + u.TempOffset;
    const bool textValid = showTemperature(MeteoField::Text, text);

    const auto pressureOf = [&](std::string_view record) {
        return field(record, kPressure) * u.PressFactor + correction * u.CorrFactor;
    };
    if (showPressure(pressureOf(newest)))
        showSpacedTendency(b, RecordSpacing, [&](std::int64_t k) { return pressureOf(file.record(k)); });

    const auto windOf = [&](std::string_view record) { return field(record, kWind) * kKmhPerMs * u.WindFactor; };
    const bool ventValid = showWind(windOf(newest));
    meteo.Rafa = ventValid ? meteo.Vent : 0;
    for (std::int64_t j = b - 1; j >= std::max<std::int64_t>(b - kGustRecords, 1); --j) {
        const double w = windOf(at(j));
        if (windPlausible(w, u) && w > meteo.Rafa) meteo.Rafa = w;
    }
    gustBox.caption = "Ráfaga (" + u.WindText + ") = " + fixed(meteo.Rafa, 0);

    showDirection(directionDegrees(le::i32(newest, kDirection) & 31));

    showHumidity(insideHumidityCaption, "Humidad-int", le::i8(newest, kHumIn));
    meteo.HumiExt = le::i8(newest, kHumOut);
    showHumidity(humidityBox, "Humidad", meteo.HumiExt);

    double pluie = -1;
    if (RecordSpacing > 0) {
        const std::int64_t k = recordBefore(b, 1.0, RecordSpacing);
        if (k >= 1) pluie = (field(newest, kRain) - field(file.record(k), kRain)) * u.RainFactor;
    }
    showRain(pluie);

    showFeltTemperature(meteo.Vent >= 5 * u.WindFactor && ventValid && textValid, "Sensación");
    showDewPoint();
}

void Ws23Source::resetCaptions() {
    for (CheckBox* box : {&insideTemperatureBox, &outsideTemperatureBox, &pressureBox, &windBox, &gustBox, &feltTemperatureBox})
        box->red = false;
    insideTemperatureBox.caption = "T-int(°C) = ";
    outsideTemperatureBox.caption = "T-ext (°C) = ";
    pressureBox.caption = "P-atm (hPa) = ";
    tendencyBox.caption = "Tendencia = ";
    windBox.caption = "Viento (km/h) = ";
    gustBox.caption = "Ráfaga (km/h) = ";
    feltTemperatureBox.caption = "Sensación (C°) = ";
    directionBox.caption = "Dirección (°) = ";
    humidityBox.caption = "Humidad (%) =";
    rainBox.caption = "Lluvia/24h (mm) =";
}

}  // namespace skycrier
