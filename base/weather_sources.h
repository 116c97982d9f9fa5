#pragma once
// What the announcer needs of the weather sources: which one the user chose,
// its observation, which of its values are ticked for speaking, and its poll.

#include "base/meteo_data.h"

namespace skycrier {

class WeatherSources {
public:
    virtual ~WeatherSources() = default;
    // The source whose radio button is checked (None for "no source").
    virtual SourceKind checkedSource() const = 0;
    virtual const MeteoData& meteo(SourceKind kind) const = 0;
    // The source window's check box for the field is ticked.
    virtual bool itemEnabled(SourceKind kind, MeteoField field) const = 0;
    // The bulletin is over: the source's poll put off while it was on the air runs now.
    virtual void pollIfDeferred(SourceKind kind) = 0;
};

// A source counts for a bulletin only while it can deliver: the Weather
// Monitor II while its station is connected, the others while their input is set.
bool sourceUsable(SourceKind kind, const MeteoData& data);

}  // namespace skycrier
