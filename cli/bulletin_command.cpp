#include "cli/bulletin_command.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include "announce/playback_engine.h"
#include "announce/sequencer.h"
#include "announce/status_board.h"
#include "app/builtin_clips.h"
#include "app/config_file.h"
#include "app/configuration.h"
#include "app/program_folder.h"
#include "app/transmitter_port_control.h"
#include "cli/bulletin_options.h"
#include "cli/listing_port.h"
#include "cli/record_file.h"
#include "cli/silence_recorder.h"
#include "cli/trace_printer.h"
#include "platform/alsa_catalogue.h"
#include "platform/alsa_wave_out.h"
#include "platform/poll_loop.h"
#include "platform/program_location.h"
#include "platform/timed_wave_out.h"
#include "platform/virtual_loop.h"
#include "platform/wave_file_sink.h"
#include "sources/station_sources.h"

namespace skycrier::cli {
namespace {

using RunUntil = std::function<void(const std::function<bool()>&)>;

// What a bulletin is read from, checked before anything is played.
struct BulletinInputs {
    std::optional<std::string> configuration;
    std::optional<Observation> observation;
    std::filesystem::path folder;
    int device = kDefaultOutputDevice;
    std::string vocabularyFolder;
};

// Composes one bulletin on the given loop and output and plays it through the
// playback engine; 0 when it ended normally, 1 when it was aborted.
template <typename Port>
int playBulletin(EventLoop& loop, WaveOut& out, Port& port, const BulletinInputs& in, TracePrinter& trace,
                 BulletinObserver& observer, const RunUntil& runUntil, std::ostream& err) {
    BulletinSettings settings;
    PortLineSettings lines;
    SpeechUnits units;
    // The configured sources poll once as the configuration chooses them.
    StationSources stations(loop, units);
    stations.context.resolvePath = [&in](const std::string& name) { return resolveInFolder(in.folder, name); };
    if (in.configuration) {
        ConfigTargets targets{settings, lines, units, port, &stations};
        applyConfiguration(parseConfigText(*in.configuration), targets);
    }
    std::optional<RecordedSources> recorded;
    if (in.observation) recorded.emplace(*in.observation);
    WeatherSources& sources = recorded ? static_cast<WeatherSources&>(*recorded) : stations.weatherSources();

    Vocabulary vocabulary(builtInClips());
    const std::string recordings =
        !in.vocabularyFolder.empty() ? in.vocabularyFolder : settings.vocabularyFolder;
    if (!recordings.empty()) {
        const std::string folder = resolveInFolder(in.folder, recordings);
        std::error_code ec;
        if (!std::filesystem::is_directory(folder, ec)) {
            err << "skycrier-cli bulletin: vocabulary " << folder << ": no such folder\n";
            return 2;
        }
        for (const std::string& notice : vocabulary.useRecordings(folder))
            err << "skycrier-cli bulletin: " << notice << '\n';
    }

    StatusBoard status;
    PlaybackEngine engine({loop, out, vocabulary, status});
    if (!engine.allocateBuffers()) {
        err << "skycrier-cli bulletin: " << status.EditData() << '\n';
        return 1;
    }
    engine.setOutputDevice(in.device);
    engine.setPathResolver([&in](const std::string& name) { return resolveInFolder(in.folder, name); });
    Sequencer sequencer({loop, engine, port, sources, units, settings, lines, status});
    engine.setOnFinished([&] { sequencer.nextStep(); });
    engine.setOnFailure([&] { sequencer.abortRoutine(); });
    stations.context.escapeRequest = [&] { sequencer.escapeRequest(); };
    sequencer.setObserver(&observer);

    sequencer.Button1Click();
    // A bulletin ends by itself: normally, or through the watchdog at the latest.
    runUntil([&] { return trace.finished() && !sequencer.BulletinRunning(); });
    return trace.finished() && !trace.aborted() ? 0 : 1;
}

}  // namespace

int runBulletinCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto fail = [&err](const std::string& why) {
        err << "skycrier-cli bulletin: " << why << '\n';
        return 2;
    };
    const auto options = parseBulletinOptions(args, error);
    if (!options) return fail(error);
    const double start = options->at ? *options->at : PollLoop().localNow();

    BulletinInputs in;
    const auto exeFolder = executableFolder();
    in.folder = chooseProgramFolder({options->folder, exeFolder, folderWritable(exeFolder), userConfigFolder()});
    if (!prepareProgramFolder(in.folder, builtInGreeting(), error)) return fail(error);

    if (!options->ini.empty()) {
        in.configuration = readWholeFile(options->ini, error);
        if (!in.configuration) return fail(error);
    }
    if (!options->record.empty()) {
        const auto text = readWholeFile(options->record, error);
        if (text) in.observation = parseObservation(*text, start, error);
        if (!in.observation) return fail((text ? options->record + ": " : "") + error);
    }
    if (!options->vocabulary.empty()) {
        std::error_code ec;
        if (!std::filesystem::is_directory(options->vocabulary, ec))
            return fail("--vocabulary " + options->vocabulary + ": no such folder");
        in.vocabularyFolder = std::filesystem::absolute(options->vocabulary, ec).string();
    }

    TracePrinter trace(out);
    switch (options->mode) {
    case BulletinOptions::Mode::List: {
        VirtualLoop loop(start);
        TimedWaveOut silent(loop);
        ListingPort port;
        return playBulletin(loop, silent, port, in, trace, trace,
                            [&](const auto& done) { loop.advanceUntil(done, 24 * 3600 * 1000); }, err);
    }
    case BulletinOptions::Mode::Wav: {
        if (!std::ofstream(options->wavPath, std::ios::binary)) return fail(options->wavPath + ": cannot be written");
        VirtualLoop loop(start);
        WaveFileSink sink(loop);
        SilenceRecorder recorder(trace, sink);
        ListingPort port;
        const int code = playBulletin(loop, sink, port, in, trace, recorder,
                                      [&](const auto& done) { loop.advanceUntil(done, 24 * 3600 * 1000); }, err);
        if (!sink.save(options->wavPath, error)) {
            err << "skycrier-cli bulletin: " << error << '\n';
            return 1;
        }
        return code;
    }
    case BulletinOptions::Mode::Play: {
        PollLoop loop;
        AlsaCatalogue catalogue;
        if (!catalogue.pcmName(options->device))
            return fail("--device " + std::to_string(options->device) + ": no such sound output (" +
                        std::to_string(catalogue.deviceNames().size()) + " found)");
        in.device = options->device;
        AlsaWaveOut card(loop, catalogue);
        TransmitterPortControl port([&err](const std::string& title, const std::string& reason) {
            err << "skycrier-cli bulletin: " << title << " (" << reason << ")\n";
        });
        return playBulletin(loop, card, port, in, trace, trace, [&](const auto& done) { loop.runUntil(done); }, err);
    }
    }
    return 2;
}

}  // namespace skycrier::cli
