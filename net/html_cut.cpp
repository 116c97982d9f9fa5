#include "net/html_cut.h"

#include <algorithm>

#include "base/text_lines.h"

namespace skycrier {
namespace {

struct MetarProvider {
    std::string_view hostWord;
    std::string_view stationKey;
};
// In this order: a later match wins.
constexpr MetarProvider kMetarProviders[] = {{"metar", "icao="}, {"aviationweather", "ids="}};

constexpr std::size_t kStationLength = 4;

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view withoutBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Where the report of the station starts in the line: the station, a blank,
// and the time group's "Z" 11 characters after the station's start.
std::size_t reportStart(std::string_view line, std::string_view station) {
    for (std::size_t at = line.find(station); at != std::string_view::npos; at = line.find(station, at + 1)) {
        const std::size_t after = at + station.size();
        if (after < line.size() && line[after] == ' ' && at + 11 < line.size() && line[at + 11] == 'Z') return at;
    }
    return std::string_view::npos;
}

}  // namespace

std::string metarStationOfUrl(std::string_view urlLine) {
    std::string station;
    for (const MetarProvider& provider : kMetarProviders) {
        const std::size_t key = urlLine.find(provider.stationKey);
        if (urlLine.find(provider.hostWord) == std::string_view::npos || key == std::string_view::npos) continue;
        station = urlLine.substr(key + provider.stationKey.size(), kStationLength);
    }
    return station;
}

HtmlCut cutMetarFromHtml(std::string_view page, std::string_view urlLine) {
    const auto lines = splitLines(page);
    if (lines.empty()) return {cut_status::kNoLines, {}};
    const std::string station = metarStationOfUrl(urlLine);
    if (station.empty()) return {cut_status::kNoReport, {}};
    for (const std::string_view line : lines) {
        // A forecast line carries the station and a time group too.
        if (line.find("TAF:") != std::string_view::npos) continue;
        const std::size_t start = reportStart(line, station);
        if (start != std::string_view::npos)
            return {cut_status::kOk, std::string(withoutBlanks(removeMarkup(line.substr(start))))};
    }
    return {cut_status::kNoReport, {}};
}

HtmlCut cutAprsFromHtml(std::string_view page) {
    const auto lines = splitLines(page);
    if (lines.empty()) return {cut_status::kNoLines, {}};
    const auto found = std::find_if(lines.rbegin(), lines.rend(), [](std::string_view line) {
        return line.find("raw_line") != std::string_view::npos;
    });
    if (found == lines.rend()) return {cut_status::kNoReport, {}};
    std::string packet = removeMarkup(*found);
    if (packet.find('_') == std::string::npos) return {cut_status::kNoWeather, {}};
    return {cut_status::kOk, std::move(packet)};
}

std::string removeMarkup(std::string_view line) {
    std::string kept;
    std::size_t from = 0;
    for (std::size_t open = line.find('<'); open != std::string_view::npos; open = line.find('<', from)) {
        const std::size_t close = line.find('>', open + 1);
        if (close == std::string_view::npos) {
            // No tag closes any more: everything up to the last "<" goes.
            return std::string(line.substr(line.rfind('<') + 1));
        }
        kept += line.substr(from, open - from);
        from = close + 1;
    }
    kept += line.substr(from);
    return kept;
}

}  // namespace skycrier
