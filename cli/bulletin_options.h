#pragma once
// The options of "skycrier-cli bulletin".

#include <optional>
#include <string>
#include <vector>

namespace skycrier::cli {

struct BulletinOptions {
    enum class Mode { List, Wav, Play };

    std::string ini;
    std::string record;
    std::optional<double> at;
    Mode mode = Mode::List;
    std::string wavPath;
    int device = -1;
    std::string vocabulary;
    std::string folder;
};

// Nothing, and a one-line reason, when the options do not make a command.
std::optional<BulletinOptions> parseBulletinOptions(const std::vector<std::string>& args, std::string& error);

}  // namespace skycrier::cli
