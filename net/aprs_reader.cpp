#include "net/aprs_reader.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/decimal_integer.h"
#include "base/text_lines.h"
#include "platform/date_time.h"

namespace skycrier {
namespace {

// "Jan 15 2024 12:34".
std::optional<double> uiviewTime(std::string_view stamp) {
    const auto month = std::find(kMonthAbbreviations.begin(), kMonthAbbreviations.end(), stamp.substr(0, 3));
    const auto year = parseDecimalInteger(stamp.substr(7, 4));
    const auto day = parseDecimalInteger(stamp.substr(4, 2));
    const auto hour = parseDecimalInteger(stamp.substr(12, 2));
    const auto minute = parseDecimalInteger(stamp.substr(15, 2));
    if (month == kMonthAbbreviations.end() || !year || !day || !hour || !minute) return std::nullopt;
    const int monthNumber = static_cast<int>(month - kMonthAbbreviations.begin()) + 1;
    if (!isValidDate(*year, monthNumber, *day) || *hour < 0 || *hour > 23 || *minute < 0 || *minute > 59)
        return std::nullopt;
    return encodeDateTime(*year, monthNumber, *day, *hour, *minute);
}

// "2024-01-15 12:34:56 UTC: CALL>PATH:...": shown as "12:34:56 2024-01-15".
AprsTime packetTime(std::string_view line) {
    std::string date, time;
    const std::size_t dash = line.find('-');
    if (dash != std::string_view::npos && dash >= 4 && dash + 3 < line.size() && line[dash + 3] == '-')
        date = line.substr(dash - 4, 10);
    const std::size_t colon = line.find(':');
    if (colon != std::string_view::npos && colon >= 13 && colon + 3 < line.size() && line[colon + 3] == ':')
        time = line.substr(colon - 2, 8);
    return {time + " " + date, parseDateTime(date + " " + time), true};
}

// A UI-View time-stamp line before the weather line, or the date and time
// that start a one-line packet.
std::optional<AprsTime> reportTime(const std::vector<std::string_view>& lines) {
    if (lines.size() < 2) return packetTime(lines.front());
    const std::string_view stamp = lines[lines.size() - 2];
    if (stamp.size() != 17 || stamp[14] != ':') return std::nullopt;
    return AprsTime{std::string(stamp), uiviewTime(stamp), false};
}

// A sensor that reports nothing fills its own field with dots ("g...",
// "220/..."): only that field is without a value. Any other dot ends the data.
std::size_t endOfWeatherData(std::string_view weather) {
    for (std::size_t i = 0; i < weather.size(); ++i) {
        if (weather[i] != '.') continue;
        constexpr std::string_view kFieldMarks = "csgtrpPhb/";
        if (i > 0 && kFieldMarks.find(weather[i - 1]) == std::string_view::npos) return i;
        while (i + 1 < weather.size() && weather[i + 1] == '.') ++i;
    }
    return weather.size();
}

}  // namespace

std::optional<AprsReading> readAprs(std::string_view fileText) {
    std::vector<std::string_view> lines = splitLines(fileText);
    std::erase_if(lines, [](std::string_view line) { return line.empty(); });
    if (lines.empty()) return std::nullopt;

    std::string weather(lines.back());
    // The weather data follows the first "_" (after a time stamp or a position).
    if (const std::size_t mark = weather.find('_'); mark != std::string::npos) weather.erase(0, mark + 1);
    // A dot outside a field placeholder ends the weather data ("v5.2" in a comment).
    weather.erase(endOfWeatherData(weather));
    const std::string_view w = weather;
    const auto field = [w](char letter, std::size_t width) -> std::optional<int> {
        const std::size_t at = w.find(letter);
        if (at == std::string_view::npos) return std::nullopt;
        return parseDecimalInteger(w.substr(at + 1, width));
    };
    AprsReading r{field('c', 3), field('s', 3), field('g', 3), field('t', 3),
                  field('p', 3), field('h', 2), field('b', 5), reportTime(lines)};
    // With a position, "ddd/sss" stands for the c and s fields; either may be dots.
    const std::size_t slash = w.find('/');
    if (!r.direction && !r.speed && slash != std::string_view::npos && slash >= 3) {
        const std::string_view directionText = w.substr(slash - 3, 3);
        const std::string_view speedText = w.substr(slash + 1, 3);
        const auto direction = parseDecimalInteger(directionText);
        const auto speed = parseDecimalInteger(speedText);
        if ((direction || directionText == "...") && (speed || speedText == "...")) {
            r.direction = direction;
            r.speed = speed;
        }
    }
    return r;
}

}  // namespace skycrier
