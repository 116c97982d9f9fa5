#include "net/metar_reader.h"

#include <algorithm>

#include "base/text_lines.h"
#include "net/metar_groups.h"

namespace skycrier {

MetarReading readMetar(std::string_view report) {
    // Many feeds end a report with "=" (end of message); left on, it would
    // hide the last group ("Q1006=" is no pressure group).
    const std::size_t last = report.find_last_not_of(' ');
    if (last != std::string_view::npos && report[last] == '=') report = report.substr(0, last);
    const MetarGroups groups = splitMetarGroups(report);

    MetarReading r;
    r.station = groups[0];
    for (const std::string_view group : groups)
        if (hasTimeGroupShape(group)) r.timeGroups.push_back(readTimeGroup(group));
    r.wind = readWind(groups);
    r.temperature = readTemperature(groups);
    r.pressure = readPressure(groups);
    r.phenomena = readWeather(groups);
    return r;
}

std::optional<std::string> lastNonEmptyLine(std::string_view text) {
    const auto lines = splitLines(text);
    const auto found = std::find_if(lines.rbegin(), lines.rend(), [](std::string_view line) { return !line.empty(); });
    if (found == lines.rend()) return std::nullopt;
    return std::string(*found);
}

}  // namespace skycrier
