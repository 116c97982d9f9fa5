#include "app/config_file.h"

#include "base/text_lines.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

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
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        error = path + ": read error";
        return std::nullopt;
    }
    return content.str();
}

}  // namespace skycrier
