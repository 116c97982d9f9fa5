#pragma once
// The configuration file's line format: a header line, then KEY=value lines.
// The key includes its "=" and is compared byte for byte; the value is
// everything after the first "=", verbatim.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skycrier {

inline constexpr const char* kProgramVersion = "2.2.2";
inline constexpr const char* kConfigFileName = "skycrier.ini";

struct ConfigLine {
    std::string key;  // up to and including the first "="
    std::string value;
};

// Splits text into setting lines; CR, LF and CR LF all end a line. Lines
// without "=" or starting with "=" carry no setting and are dropped.
std::vector<ConfigLine> parseConfigText(std::string_view text);

// The most a configuration or an observation record may hold. Either is a
// few hundred bytes; the limit keeps a wrong file from filling the memory.
inline constexpr std::size_t kMaxTextFileBytes = 1 << 20;

// Reads a whole configuration or observation record; nothing, and
// "<path>: <reason>" in error, when it cannot be read, is not a regular file
// or is larger than kMaxTextFileBytes.
std::optional<std::string> readWholeFile(const std::string& path, std::string& error);

}  // namespace skycrier
