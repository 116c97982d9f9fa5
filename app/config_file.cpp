#include "app/config_file.h"

#include "base/text_lines.h"
#include "platform/regular_file.h"

namespace skycrier {

std::vector<ConfigLine> parseConfigText(std::string_view text) {
    std::vector<ConfigLine> lines;
    for (const std::string_view line : splitLines(text)) {
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos && equals > 0)
            lines.push_back({std::string(line.substr(0, equals + 1)), std::string(line.substr(equals + 1))});
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
