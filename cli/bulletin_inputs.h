#pragma once
// What "skycrier-cli bulletin" reads before anything plays: the program
// folder, the configuration, the recorded observation and the recordings.

#include <filesystem>
#include <optional>
#include <string>

#include "cli/bulletin_options.h"
#include "cli/observation_file.h"

namespace skycrier::cli {

struct BulletinInputs {
    std::filesystem::path folder;
    std::optional<std::string> configuration;
    std::optional<Observation> observation;
    // --vocabulary, made absolute; empty when not given.
    std::string vocabularyFolder;
};

// Reads and checks what the options name; nothing and a one-line reason when
// something cannot be used. start is the moment the bulletin is composed at.
std::optional<BulletinInputs> loadBulletinInputs(const BulletinOptions& options, double start, std::string& error);

}  // namespace skycrier::cli
