#include "net/url_line.h"

#include <algorithm>
#include <cctype>

#include "base/text_lines.h"

namespace skycrier {
namespace {

constexpr std::string_view kCommentMark = " //";
constexpr std::size_t kMaxCommentChars = 500;
constexpr std::size_t kAirportCodeChars = 4;

bool asciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool asciiLetterOrDigit(char c) { return asciiLetter(c) || (c >= '0' && c <= '9'); }

// An ICAO location code: a letter, then three letters or digits, in either case.
bool isAirportCode(std::string_view text) {
    return text.size() == kAirportCodeChars && asciiLetter(text.front()) &&
           std::all_of(text.begin() + 1, text.end(), asciiLetterOrDigit);
}

}  // namespace

std::string UrlFileName(std::string_view url) {
    const auto slash = url.rfind('/');
    return std::string(slash == std::string_view::npos ? url : url.substr(slash + 1));
}

std::string cutComment(std::string_view line, std::size_t maxChars) {
    const auto mark = line.find(kCommentMark);
    if (mark == std::string_view::npos) return std::string(line);
    std::string cut(line);
    cut.erase(mark, maxChars);
    return cut;
}

std::string urlComment(std::string_view line) {
    const auto mark = line.find(kCommentMark);
    if (mark == std::string_view::npos) return {};
    return std::string(line.substr(mark + kCommentMark.size(), kMaxCommentChars));
}

bool isWebAddress(std::string_view line) { return line.starts_with("http://") || line.starts_with("https://"); }

std::string_view beforeComment(std::string_view line) { return line.substr(0, line.find(kCommentMark)); }

std::string airportCodeOf(std::string_view line) {
    std::string upper = trimmed(beforeComment(line));
    if (!isAirportCode(upper)) return {};
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    return upper;
}

bool isProviderPattern(std::string_view pattern) {
    return isWebAddress(pattern) && pattern.find(kAirportPlaceholder) != std::string_view::npos;
}

std::string airportAddress(std::string_view pattern, std::string_view code) {
    std::string address(pattern);
    for (auto at = address.find(kAirportPlaceholder); at != std::string::npos;
         at = address.find(kAirportPlaceholder, at + code.size()))
        address.replace(at, kAirportPlaceholder.size(), code);
    return address;
}

}  // namespace skycrier
