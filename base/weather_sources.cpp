#include "base/weather_sources.h"

namespace skycrier {

bool sourceUsable(SourceKind kind, const MeteoData& data) {
    if (kind == SourceKind::None) return false;
    if (kind == SourceKind::MON) return data.Input == "1";
    return !data.Input.empty();
}

}  // namespace skycrier
