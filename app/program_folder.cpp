#include "app/program_folder.h"

#include <fstream>
#include <random>
#include <string>

#include "announce/bulletin_settings.h"

namespace skycrier {

std::filesystem::path chooseProgramFolder(const FolderPlaces& places) {
    if (!places.chosen.empty()) return places.chosen;
    if (places.executableFolderWritable && !places.executableFolder.empty()) return places.executableFolder;
    return places.userConfigFolder / "skycrier";
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
