#pragma once
// The options of "skycrier-cli bulletin".

#include <optional>
#include <string>
#include <vector>

#include "platform/wave_out.h"

namespace skycrier::cli {

struct BulletinOptions {
    enum class Mode { List, Wav, Play };

    std::string ini;
    std::string record;
    std::optional<double> at;
    Mode mode = Mode::List;
    std::string wavPath;
    // --device: a number, or an ALSA name that ALSA judges when it opens it.
    OutputDevice device;
    std::string vocabulary;
    std::string folder;
};

// Nothing, and a one-line reason, when the options do not make a command.
std::optional<BulletinOptions> parseBulletinOptions(const std::vector<std::string>& args, std::string& error);

}  // namespace skycrier::cli
