#include "cli/source_options.h"

#include "base/decimal_integer.h"
#include "platform/date_time.h"

namespace skycrier::cli {

bool optionValue(const std::vector<std::string>& args, std::size_t& i, std::string& value, std::string& error) {
    if (i + 1 >= args.size()) {
        error = args[i] + " needs a value";
        return false;
    }
    value = args[++i];
    return true;
}

bool optionChoice(const std::string& option, const std::string& value, bool& first, const char* firstName,
                  const char* secondName, std::string& error) {
    if (value != firstName && value != secondName) {
        error = option + " takes " + firstName + " or " + secondName + ", not \"" + value + "\"";
        return false;
    }
    first = value == firstName;
    return true;
}

std::optional<bool> readSourceOption(const std::vector<std::string>& args, std::size_t& i, SourceOptions& o,
                                     std::string& error) {
    const std::string a = args[i];
    const struct {
        const char* option;
        bool SourceOptions::*metric;
        const char* metricName;
        const char* imperialName;
    } kUnits[] = {{"--temp", &SourceOptions::celsius, "C", "F"},
                  {"--pressure", &SourceOptions::hectopascal, "hPa", "inHg"},
                  {"--wind", &SourceOptions::kmh, "kmh", "mph"},
                  {"--rain", &SourceOptions::mm, "mm", "inch"}};
    for (const auto& unit : kUnits) {
        if (a != unit.option) continue;
        std::string v;
        return optionValue(args, i, v, error) && optionChoice(a, v, o.*unit.metric, unit.metricName, unit.imperialName, error);
    }
    if (a == "--at") {
        std::string v;
        if (!optionValue(args, i, v, error)) return false;
        o.at = parseDateTime(v);
        if (!o.at) error = "--at needs \"YYYY-MM-DD HH:MM:SS\", not \"" + v + "\"";
        return o.at.has_value();
    }
    if (a == "--offset") {
        std::string v;
        if (!optionValue(args, i, v, error)) return false;
        o.offset = parseDecimalInteger(v);
        if (!o.offset) error = a + " needs a whole number, not \"" + v + "\"";
        return o.offset.has_value();
    }
    return std::nullopt;
}

void chooseUnits(UnitsChoice& units, const SourceOptions& o) {
    units.setMetric(Quantity::Temperature, o.celsius);
    units.setMetric(Quantity::Pressure, o.hectopascal);
    units.setMetric(Quantity::Wind, o.kmh);
    units.setMetric(Quantity::Rain, o.mm);
}

}  // namespace skycrier::cli
