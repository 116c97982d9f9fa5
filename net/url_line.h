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

}  // namespace skycrier
