#include "platform/program_location.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace skycrier {

std::filesystem::path executablePath() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : exe;
}

std::filesystem::path executableFolder() { return executablePath().parent_path(); }

std::filesystem::path userConfigFolder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') return xdg;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : "/tmp") / ".config";
}

std::filesystem::path userPublicShareFolder() {
    const char* home = std::getenv("HOME");
    const std::string homeFolder = home && *home ? home : "/tmp";
    // Lines of the form XDG_PUBLICSHARE_DIR="$HOME/Public", as xdg-user-dirs writes them.
    std::ifstream dirs(userConfigFolder() / "user-dirs.dirs");
    const std::string key = "XDG_PUBLICSHARE_DIR=\"";
    for (std::string line; std::getline(dirs, line);) {
        if (line.rfind(key, 0) != 0 || line.back() != '"') continue;
        std::string value = line.substr(key.size(), line.size() - key.size() - 1);
        if (value.rfind("$HOME", 0) == 0) value = homeFolder + value.substr(5);
        if (!value.empty() && value.front() == '/') return value;
    }
    return std::filesystem::path(homeFolder) / "Public";
}

}  // namespace skycrier
