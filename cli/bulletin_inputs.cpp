#include "cli/bulletin_inputs.h"

#include "app/builtin_clips.h"
#include "app/config_file.h"
#include "app/program_folder.h"
#include "platform/program_location.h"

namespace skycrier::cli {

std::optional<BulletinInputs> loadBulletinInputs(const BulletinOptions& options, double start, std::string& error) {
    BulletinInputs in;
    in.folder = chooseProgramFolder(placesOfThisProgram(options.folder));
    if (!prepareProgramFolder(in.folder, builtInGreeting(), error)) return std::nullopt;

    if (!options.ini.empty()) {
        in.configuration = readWholeFile(options.ini, error);
        if (!in.configuration) return std::nullopt;
    }
    if (!options.record.empty()) {
        const auto text = readWholeFile(options.record, error);
        if (!text) return std::nullopt;
        in.observation = parseObservation(*text, start, error);
        if (!in.observation) {
            error = options.record + ": " + error;
            return std::nullopt;
        }
    }
    if (!options.vocabulary.empty()) {
        std::error_code ec;
        if (!std::filesystem::is_directory(options.vocabulary, ec)) {
            error = "--vocabulary " + options.vocabulary + ": no such folder";
            return std::nullopt;
        }
        in.vocabularyFolder = std::filesystem::absolute(options.vocabulary, ec).string();
    }
    return in;
}

}  // namespace skycrier::cli
