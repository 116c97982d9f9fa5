#include "net/page_check.h"

#include <algorithm>

namespace skycrier {
namespace {

// The shortest report the sources accept ("a report file shorter than 3 bytes" fails).
constexpr std::size_t kShortestReport = 3;
// A text page may carry a stray control character; a binary one is full of them.
constexpr std::size_t kControlBytesPerHundred = 1;

bool controlByte(unsigned char c) {
    const bool layout = c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
    return (c < 0x20 && !layout) || c == 0x7f;
}

}  // namespace

std::optional<std::string> notAReport(std::string_view page) {
    if (page.size() < kShortestReport) return "only " + std::to_string(page.size()) + " bytes";
    if (page.starts_with("\x1f\x8b")) return "compressed content (gzip)";
    if (page.find('\0') != std::string_view::npos) return "binary content";
    const auto controls = static_cast<std::size_t>(
        std::count_if(page.begin(), page.end(), [](char c) { return controlByte(static_cast<unsigned char>(c)); }));
    if (controls * 100 > page.size() * kControlBytesPerHundred) return "binary content";
    return std::nullopt;
}

}  // namespace skycrier
