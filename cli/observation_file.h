#pragma once
// One observation written as Field=value lines, for composing a bulletin
// without a station: the selected source, its values, when they were
// observed and which of them are ticked for speaking.

#include <optional>
#include <set>
#include <string>

#include "base/meteo_data.h"
#include "base/weather_sources.h"

namespace skycrier::cli {

struct Observation {
    SourceKind source = SourceKind::None;
    MeteoData data;
    std::set<MeteoField> enabled;
};

// Parses a record, whose lines end with CR, LF or CR LF; on error (an
// unknown field, a value its field cannot hold), nothing and a one-line
// reason naming the line.
std::optional<Observation> parseObservation(const std::string& text, double defaultObservedAt,
                                            std::string& error);

// The recorded observation as the only source there is.
class RecordedSources : public WeatherSources {
public:
    explicit RecordedSources(Observation observation) : observation_(std::move(observation)) {}

    SourceKind checkedSource() const override { return observation_.source; }
    const MeteoData& meteo(SourceKind kind) const override;
    bool itemEnabled(SourceKind kind, MeteoField field) const override;
    void pollIfDeferred(SourceKind) override {}

private:
    Observation observation_;
    MeteoData unused_;
};

}  // namespace skycrier::cli
