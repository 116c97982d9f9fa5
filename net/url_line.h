#pragma once
// The URL line of an internet source: an address, optionally followed by a
// blank, two slashes and a comment (normally the station's name), which is
// shown to the user but never sent to the server.

#include <cstddef>
#include <string>
#include <string_view>

namespace skycrier {

// The text after the last "/" of the URL; the whole text when it holds no "/".
std::string UrlFileName(std::string_view url);

// The line without its comment: deletes at most maxChars characters from the
// first " //" on (the METAR source deletes 200, the APRS source 100, so a
// longer comment leaves its tail behind). A line without " //" is returned whole.
std::string cutComment(std::string_view line, std::size_t maxChars);

// The comment: from the character after the first " //" to the end, at most
// 500 characters; empty when the line has none.
std::string urlComment(std::string_view line);

// Whether the line starts with "http://" or "https://" (case matters).
bool isWebAddress(std::string_view line);

// Where a provider's address pattern takes the airport code.
inline constexpr std::string_view kAirportPlaceholder = "{ICAO}";

// The line up to its comment.
std::string_view beforeComment(std::string_view line);
// The airport code a line names before its comment (blanks around it ignored),
// upper-cased; empty when it names none.
std::string airportCodeOf(std::string_view line);
// Whether a provider pattern is a web address that has the placeholder.
bool isProviderPattern(std::string_view pattern);
// The pattern with every placeholder replaced by the code.
std::string airportAddress(std::string_view pattern, std::string_view code);

}  // namespace skycrier
