#include "cli/observation_file.h"

#include <charconv>
#include <sstream>

#include "base/text_lines.h"
#include "platform/date_time.h"

namespace skycrier::cli {
namespace {

bool parseNumber(const std::string& text, double& out) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') ++first;
    const auto [end, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && end == last && first != last;
}

// What a field takes, for the message about a value it cannot hold.
std::string wanted(MeteoField field) {
    const auto range = wholeNumberRange(field);
    if (!range) return "a number";
    return "a whole number from " + std::to_string(range->min) + " to " + std::to_string(range->max);
}

}  // namespace

std::optional<Observation> parseObservation(const std::string& text, double defaultObservedAt,
                                            std::string& error) {
    Observation obs;
    obs.data.ObservedAt = defaultObservedAt;
    bool inputGiven = false;
    int number = 0;
    const auto fail = [&](const std::string& why) {
        error = "line " + std::to_string(number) + ": " + why;
        return std::nullopt;
    };
    for (const std::string_view rawLine : splitLines(text)) {
        ++number;
        const std::string line = trimmed(rawLine);
        if (line.empty() || line.front() == '#') continue;
        const auto equals = line.find('=');
        if (equals == std::string::npos) return fail("expected Field=value");
        const std::string name = trimmed(line.substr(0, equals));
        const std::string value = trimmed(line.substr(equals + 1));
        if (name == "Source") {
            const auto kind = sourceFromName(value);
            if (!kind || *kind == SourceKind::None) return fail("unknown source \"" + value + "\"");
            obs.source = *kind;
        } else if (name == "ObservedAt") {
            const auto at = parseDateTime(value);
            if (!at) return fail("ObservedAt needs YYYY-MM-DD HH:MM:SS");
            obs.data.ObservedAt = *at;
        } else if (name == "Input") {
            obs.data.Input = value;
            inputGiven = true;
        } else if (name == "ErrorText") {
            obs.data.ErrorText = value;
        } else if (name == "Enabled") {
            std::istringstream names(value);
            std::string item;
            while (std::getline(names, item, ',')) {
                item = trimmed(item);
                if (item.empty()) continue;
                const auto field = fieldFromName(item);
                if (!field) return fail("unknown field \"" + item + "\" in Enabled");
                obs.enabled.insert(*field);
            }
        } else if (const auto field = fieldFromName(name)) {
            double v = 0;
            if (!parseNumber(value, v) || !obs.data.setValue(*field, v))
                return fail(name + " needs " + wanted(*field) + ", not \"" + value + "\"");
        } else {
            return fail("unknown field \"" + name + "\"");
        }
    }
    // A recorded source is usable unless the record says otherwise.
    if (!inputGiven) obs.data.Input = obs.source == SourceKind::MON ? "1" : "record";
    return obs;
}

const MeteoData& RecordedSources::meteo(SourceKind kind) const {
    return kind == observation_.source ? observation_.data : unused_;
}

bool RecordedSources::itemEnabled(SourceKind kind, MeteoField field) const {
    if (kind != observation_.source) return false;
    // The METAR window's rain box enables the present weather.
    if (kind == SourceKind::METAR && field == MeteoField::Phenomena)
        return observation_.enabled.count(MeteoField::Pluie) || observation_.enabled.count(MeteoField::Phenomena);
    return observation_.enabled.count(field) > 0;
}

}  // namespace skycrier::cli
