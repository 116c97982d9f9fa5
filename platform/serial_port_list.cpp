#include "platform/serial_port_list.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <fstream>
#include <set>
#include <string_view>

namespace skycrier {
namespace {

namespace fs = std::filesystem;

// "ttyUSB0" for the prefix "ttyUSB"; not "ttyUSB" alone nor "ttyUSB0.bak".
bool numberedDevice(std::string_view name, std::string_view prefix) {
    if (name.size() <= prefix.size() || !name.starts_with(prefix)) return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](unsigned char c) { return std::isdigit(c) != 0; });
}

bool uartPresent(const fs::path& sysRoot, const std::string& name) {
    std::ifstream file(sysRoot / "class" / "tty" / name / "type");
    long type = 0;
    return static_cast<bool>(file >> type) && type != 0;
}

bool wanted(const fs::path& sysRoot, const std::string& name) {
    if (numberedDevice(name, "ttyUSB") || numberedDevice(name, "ttyACM")) return true;
    return numberedDevice(name, "ttyS") && uartPresent(sysRoot, name);
}

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    const auto lower = [](unsigned char c) { return std::tolower(c); };
    const auto folded = [&](const std::string& s) {
        std::string out(s.size(), '\0');
        std::transform(s.begin(), s.end(), out.begin(), lower);
        return out;
    };
    const std::string fa = folded(a), fb = folded(b);
    return fa != fb ? fa < fb : a < b;
}

}  // namespace

std::vector<std::string> listSerialPorts(const fs::path& devRoot, const fs::path& sysRoot) {
    std::set<std::string> found;
    std::error_code walk;
    for (fs::directory_iterator entry(devRoot, walk), end; !walk && entry != end; entry.increment(walk)) {
        const std::string name = entry->path().filename().string();
        if (wanted(sysRoot, name)) found.insert(entry->path().lexically_normal().string());
    }

    const fs::path byId = devRoot / "serial" / "by-id";
    for (fs::directory_iterator link(byId, walk), end; !walk && link != end; link.increment(walk)) {
        std::error_code ignored;
        fs::path target = fs::read_symlink(link->path(), ignored);
        if (target.empty()) continue;
        if (target.is_relative()) target = byId / target;
        target = target.lexically_normal();
        if (fs::exists(target, ignored)) found.insert(target.string());
    }

    std::vector<std::string> ports(found.begin(), found.end());
    std::sort(ports.begin(), ports.end(), lessIgnoringCase);
    return ports;
}

}  // namespace skycrier
