#include "app/config_file.h"

#include "base/text_lines.h"
#include "platform/regular_file.h"

namespace skycrier {
namespace {

// Any version's header: a file written by another version loads as well.
bool isHeader(std::string_view line) { return line.starts_with("[SKYCRIER V") && line.ends_with("]"); }

// Blank lines and notes (";" or "#" first) carry no setting by intent: they
// are passed over without a word, unlike a setting that lost its "=".
bool isNote(std::string_view line) { return line.empty() || line.front() == ';' || line.front() == '#'; }

}  // namespace

std::string configHeader() { return std::string("[SKYCRIER V") + kProgramVersion + "]"; }

std::vector<ConfigLine> parseConfigText(std::string_view text, std::vector<IgnoredLine>* ignored) {
    std::vector<ConfigLine> lines;
    const std::vector<std::string_view> split = splitLines(text);
    for (std::size_t i = 0; i < split.size(); ++i) {
        const std::string_view line = split[i];
        const std::size_t number = i + 1;
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos && equals > 0) {
            lines.push_back({std::string(line.substr(0, equals + 1)), std::string(line.substr(equals + 1)), number});
        } else if (ignored && !isNote(line) && !(number == 1 && isHeader(line))) {
            ignored->push_back({number, (equals == 0 ? "starts with \"=\": " : "no \"=\": ") + std::string(line)});
        }
    }
    return lines;
}

std::optional<std::string> readWholeFile(const std::string& path, std::string& error) {
    std::string reason;
    auto text = readRegularFile(path, kMaxTextFileBytes, reason);
    if (!text) error = path + ": " + reason;
    return text;
}

}  // namespace skycrier
