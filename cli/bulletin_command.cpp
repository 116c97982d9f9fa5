#include "cli/bulletin_command.h"

#include <optional>

#include "announce/sequencer.h"
#include "announce/status_board.h"
#include "app/config_file.h"
#include "app/configuration.h"
#include "cli/listing_player.h"
#include "cli/listing_port.h"
#include "cli/record_file.h"
#include "cli/trace_printer.h"
#include "platform/date_time.h"
#include "platform/poll_loop.h"
#include "platform/virtual_loop.h"

namespace skycrier::cli {
namespace {

struct Options {
    std::string ini;
    std::string record;
    std::optional<double> at;
    bool list = false;
};

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&](std::string& target) {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            target = args[++i];
            return true;
        };
        if (a == "--ini") {
            if (!value(o.ini)) return std::nullopt;
        } else if (a == "--record") {
            if (!value(o.record)) return std::nullopt;
        } else if (a == "--at") {
            std::string text;
            if (!value(text)) return std::nullopt;
            o.at = parseDateTime(text);
            if (!o.at) {
                error = "--at needs \"YYYY-MM-DD HH:MM:SS\", not \"" + text + "\"";
                return std::nullopt;
            }
        } else if (a == "--list") {
            o.list = true;
        } else {
            error = "unknown option \"" + a + "\"";
            return std::nullopt;
        }
    }
    if (!o.list) {
        error = "bulletin needs --list";
        return std::nullopt;
    }
    return o;
}

}  // namespace

int runBulletinCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto options = parseOptions(args, error);
    if (!options) {
        err << "skycrier-cli bulletin: " << error << '\n';
        return 2;
    }
    const double start = options->at ? *options->at : PollLoop().localNow();

    BulletinSettings settings;
    PortLineSettings lines;
    SpeechUnits units;
    ListingPort port;
    if (!options->ini.empty()) {
        const auto text = readWholeFile(options->ini, error);
        if (!text) {
            err << "skycrier-cli bulletin: " << error << '\n';
            return 2;
        }
        ConfigTargets targets{settings, lines, units, port};
        applyConfiguration(parseConfigText(*text), targets);
    }

    Observation observation;
    if (!options->record.empty()) {
        const auto text = readWholeFile(options->record, error);
        std::optional<Observation> parsed;
        if (text) parsed = parseObservation(*text, start, error);
        if (!parsed) {
            err << "skycrier-cli bulletin: " << (text ? options->record + ": " : "") << error << '\n';
            return 2;
        }
        observation = std::move(*parsed);
    }
    RecordedSources sources(std::move(observation));

    VirtualLoop loop(start);
    ListingPlayer player(loop);
    StatusBoard status;
    Sequencer sequencer({loop, player, port, sources, units, settings, lines, status});
    player.setOnFinished([&] { sequencer.nextStep(); });
    player.setOnFailure([&] { sequencer.abortRoutine(); });
    TracePrinter trace(out);
    sequencer.setObserver(&trace);

    sequencer.Button1Click();
    // A bulletin ends by itself: normally, or through the watchdog at the latest.
    loop.advanceUntil([&] { return trace.finished() && !sequencer.BulletinRunning(); }, 24 * 3600 * 1000);
    return trace.finished() ? 0 : 1;
}

}  // namespace skycrier::cli
