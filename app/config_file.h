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

// The project's one version (CMakeLists.txt): --version, the captions, the package, the version check.
inline constexpr const char* kProgramVersion = SKYCRIER_VERSION;
inline constexpr const char* kConfigFileName = "skycrier.ini";
// A save is written here first, then renamed over the configuration file.
inline constexpr const char* kConfigTemporaryName = "skycrier.~in";

// "[SKYCRIER V2.2.2]": the first line, which carries no setting.
std::string configHeader();

struct ConfigLine {
    std::string key;  // up to and including the first "="
    std::string value;
    std::size_t number = 0;  // 1-based line number in the file
};

// A line the loader kept out of the settings, and why, for the user who edits the file.
struct IgnoredLine {
    std::size_t number;
    std::string reason;
};

// Splits text into setting lines; CR, LF and CR LF all end a line. Lines
// without "=" or starting with "=" carry no setting and are dropped; when
// `ignored` is given they are reported there, except a header on line 1,
// blank lines and notes (lines starting with ";" or "#").
std::vector<ConfigLine> parseConfigText(std::string_view text, std::vector<IgnoredLine>* ignored = nullptr);

// The most a configuration or an observation record may hold. Either is a
// few hundred bytes; the limit keeps a wrong file from filling the memory.
inline constexpr std::size_t kMaxTextFileBytes = 1 << 20;

// Reads a whole configuration or observation record; nothing, and
// "<path>: <reason>" in error, when it cannot be read, is not a regular file
// or is larger than kMaxTextFileBytes.
std::optional<std::string> readWholeFile(const std::string& path, std::string& error);

}  // namespace skycrier
