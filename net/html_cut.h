#pragma once
// The report line of a fetched web page: the METAR of the station named in
// the address, or the newest raw APRS packet of a tracking site's page. The
// source fetches the page and saves the line.

#include <string>
#include <string_view>

namespace skycrier {

// Status numbers as the source windows show them after "Error archivo #".
namespace cut_status {
inline constexpr int kOk = 0;
inline constexpr int kNoLines = 5;
inline constexpr int kNoReport = 6;   // METAR: no station in the address or no report line; APRS: no "raw_line"
inline constexpr int kNoWeather = 7;  // APRS: the packet has no "_" (no weather data)
}  // namespace cut_status

struct HtmlCut {
    int status = cut_status::kOk;
    std::string line;  // the report line when status is kOk
};

// The station of a METAR address: the 4 characters after "icao=" for a
// METAR text service (a host with "metar" in it, such as metar.vatsim.net),
// or after "ids=" for the aviation weather data API (aviationweather.gov);
// when both match the latter wins. Empty for any other address.
std::string metarStationOfUrl(std::string_view urlLine);

// The first line with "STATION DDHHMMZ" and no "TAF:", from the station on,
// without markup and outer blanks.
HtmlCut cutMetarFromHtml(std::string_view page, std::string_view urlLine);

// The last line with "raw_line", without markup; it must hold a "_".
HtmlCut cutAprsFromHtml(std::string_view page);

// Each "<...>" tag is deleted; a "<" that no ">" follows deletes the line up
// to and including it.
std::string removeMarkup(std::string_view line);

}  // namespace skycrier
