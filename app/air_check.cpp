#include "app/air_check.h"

#include <algorithm>
#include <iterator>

namespace skycrier {

std::vector<std::string> weatherProblems(WeatherSources& sources) {
    std::vector<std::string> problems;
    const SourceKind kind = sources.checkedSource();
    if (kind == SourceKind::None) return problems;
    const std::string name(sourceName(kind));
    const MeteoData& data = sources.meteo(kind);
    if (!sourceUsable(kind, data))
        problems.push_back("the weather source " + name + " cannot be used" +
                           (data.ErrorText.empty() ? "" : " (" + data.ErrorText + ")") + ": no weather is spoken");
    else if (!data.ErrorText.empty())
        problems.push_back("the weather source " + name + " reports \"" + data.ErrorText + "\": no weather is spoken");
    const bool anyTicked = std::any_of(std::begin(kAllFields), std::end(kAllFields), [&](MeteoField field) {
        return supplies(kind, field) && sources.itemEnabled(kind, field);
    });
    if (!anyTicked) problems.push_back("no weather value of " + name + " is ticked for speaking");
    return problems;
}

}  // namespace skycrier
