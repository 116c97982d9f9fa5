#include "app/program_folder.h"

#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "announce/bulletin_settings.h"
#include "app/config_file.h"
#include "app/log_book.h"
#include "platform/program_location.h"

namespace skycrier {

namespace {

// The keys whose value may name a file beside the configuration.
constexpr const char* kFileKeys[] = {"FICHIER_ENTETE=", "FICHIER_BRELL=", "FICHIER_FIN=", "W23_DAT=",
                                     "W28_DAT=",        "PRO2_DAT=",     "METAR_DAT=",   "APRS_DAT="};

// The relative file names the configuration's lines give ("W23_DAT=history.dat //roof").
std::vector<std::string> relativeNamesIn(const std::filesystem::path& configuration) {
    std::vector<std::string> names;
    std::ifstream in(configuration, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        for (const std::string_view key : kFileKeys) {
            if (!line.starts_with(key)) continue;
            std::string name = line.substr(key.size());
            name = name.substr(0, name.find(" //"));
            if (!name.empty() && name.find("://") == std::string::npos && !std::filesystem::path(name).is_absolute())
                names.push_back(name);
        }
    }
    return names;
}

// Renamed, or copied and removed when the folders lie on different file systems.
void moveFile(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code& ec) {
    std::filesystem::rename(from, to, ec);
    if (ec != std::errc::cross_device_link) return;
    ec.clear();
    if (std::filesystem::copy_file(from, to, ec)) std::filesystem::remove(from, ec);
}

}  // namespace

FolderPlaces placesOfThisProgram(const std::filesystem::path& chosen) {
    return {chosen, executableFolder(), userConfigFolder()};
}

std::filesystem::path chooseProgramFolder(const FolderPlaces& places) {
    if (!places.chosen.empty()) return places.chosen;
    return places.userConfigFolder / "skycrier";
}

std::string moveConfigurationBesideProgram(const FolderPlaces& places) {
    const std::filesystem::path& from = places.executableFolder;
    const std::filesystem::path to = chooseProgramFolder(places);
    std::error_code ec;
    if (!places.chosen.empty() || from.empty() || std::filesystem::equivalent(from, to, ec) ||
        !std::filesystem::exists(from / kConfigFileName, ec) || std::filesystem::exists(to / kConfigFileName, ec))
        return {};
    const std::string keep = "; --folder " + from.string() + " uses it where it is";
    std::filesystem::create_directories(to, ec);
    std::string copied;
    for (const std::string& name : relativeNamesIn(from / kConfigFileName)) {
        if (!std::filesystem::is_regular_file(from / name, ec) || std::filesystem::exists(to / name, ec)) continue;
        std::filesystem::create_directories((to / name).parent_path(), ec);
        if (!std::filesystem::copy_file(from / name, to / name, ec))
            return (from / name).string() + " cannot be copied to " + to.string() + ": " + ec.message() + keep;
        copied += (copied.empty() ? "; copied with it: " : ", ") + name;
    }
    for (const char* name : {kLogFileName, kConfigFileName}) {
        if (!std::filesystem::exists(from / name, ec)) continue;
        moveFile(from / name, to / name, ec);
        if (ec) return (from / name).string() + " cannot be moved to " + to.string() + ": " + ec.message() + keep;
    }
    return "the configuration kept beside the program, " + (from / kConfigFileName).string() + ", moved to " +
           to.string() + ", where SkyCrier keeps it now" + copied;
}

std::string resolveInFolder(const std::filesystem::path& folder, const std::string& name) {
    if (name.empty()) return name;
    const std::filesystem::path path(name);
    return path.is_absolute() ? name : (folder / path).string();
}

bool prepareProgramFolder(const std::filesystem::path& folder, std::span<const unsigned char> greeting,
                          std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) {
        error = folder.string() + ": cannot be used as the program folder";
        return false;
    }
    const auto file = folder / kDefaultGreetingFile;
    if (std::filesystem::exists(file, ec)) return true;
    // Written beside it and renamed into place, so that another instance starting
    // at the same moment never reads a half-written greeting.
    const auto partial = folder / (std::string(kDefaultGreetingFile) + ".part" + std::to_string(std::random_device()()));
    std::ofstream out(partial, std::ios::binary);
    out.write(reinterpret_cast<const char*>(greeting.data()), static_cast<std::streamsize>(greeting.size()));
    out.close();
    if (out) std::filesystem::rename(partial, file, ec);
    if (!out || ec) {
        std::filesystem::remove(partial, ec);
        error = file.string() + ": cannot be written";
        return false;
    }
    return true;
}

}  // namespace skycrier
