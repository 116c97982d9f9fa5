#include "app/config_file.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <sstream>

namespace skycrier {

std::vector<ConfigLine> parseConfigText(std::string_view text) {
    std::vector<ConfigLine> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos && equals > 0)
            lines.push_back({std::string(line.substr(0, equals + 1)), std::string(line.substr(equals + 1))});
        const bool crLf = end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
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

std::optional<int> parseConfigInteger(std::string_view text) {
    if (text.empty()) return std::nullopt;
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last) return std::nullopt;
    return value;
}

}  // namespace skycrier
