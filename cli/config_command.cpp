#include "cli/config_command.h"

#include <optional>

#include "app/air_check.h"
#include "app/announcer.h"
#include "app/config_file.h"
#include "app/program_folder.h"
#include "platform/listing_serial_line.h"
#include "cli/usage.h"
#include "platform/date_time.h"
#include "platform/program_location.h"
#include "platform/system_clock.h"
#include "platform/timed_wave_out.h"
#include "platform/virtual_loop.h"

namespace skycrier::cli {
namespace {

struct Options {
    std::string ini;
    std::optional<double> at;
    std::string folder;
};

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a != "--ini" && a != "--at" && a != "--folder") {
            error = "unknown option \"" + a + "\"";
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = a + " needs a value";
            return std::nullopt;
        }
        const std::string& v = args[++i];
        if (a == "--ini") o.ini = v;
        if (a == "--folder") o.folder = v;
        if (a == "--at") {
            o.at = parseDateTime(v);
            if (!o.at) {
                error = "--at needs \"YYYY-MM-DD HH:MM:SS\", not \"" + v + "\"";
                return std::nullopt;
            }
        }
    }
    if (o.ini.empty()) {
        error = "config needs --ini FILE";
        return std::nullopt;
    }
    return o;
}

}  // namespace

int runConfigCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (asksForHelp(args)) {
        printCommandHelp(out, kConfigHelp);
        return 0;
    }
    std::string error;
    const auto options = parseOptions(args, error);
    if (!options) return usageError(err, "config", error, kConfigUsage);
    const auto text = readWholeFile(options->ini, error);
    if (!text) {
        err << "skycrier-cli config: " << error << '\n';
        return 2;
    }
    const auto folder = chooseProgramFolder(placesOfThisProgram(options->folder));

    VirtualLoop loop(options->at ? *options->at : systemLocalNow(), systemUtcOffsets());
    TimedWaveOut silent(loop);
    ListingSerialLine serial;
    // A port that cannot be opened is told as the line that named it.
    Announcer announcer({loop, silent, serial, folder, {}});
    ConfigTargets targets = announcer.configTargets();
    const LoadOutcome loaded = loadConfiguration(*text, targets);
    applyRememberedSource(loaded.remembered, targets);
    hideSourceWindowsIfAsked(targets);
    for (const IgnoredLine& line : loaded.ignored)
        err << "skycrier-cli config: line " << line.number << ": " << line.reason << '\n';
    const auto resolve = [&announcer](const std::string& name) { return announcer.resolve(name); };
    for (const std::string& problem : missingSoundFiles(announcer.mainModels().settings, resolve))
        err << "skycrier-cli config: " << problem << '\n';
    out << announcer.configurationText();
    return 0;
}

}  // namespace skycrier::cli
