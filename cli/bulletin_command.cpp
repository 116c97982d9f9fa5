#include "cli/bulletin_command.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>

#include "app/air_check.h"
#include "announce/play_errors.h"
#include "app/announcer.h"
#include "app/config_file.h"
#include "cli/bulletin_inputs.h"
#include "cli/bulletin_options.h"
#include "cli/english_text.h"
#include "cli/trace_printer.h"
#include "cli/usage.h"
#include "devices/linux_devices.h"
#include "platform/exit_signals.h"
#include "platform/poll_loop.h"
#include "platform/system_clock.h"
#include "platform/virtual_loop.h"

namespace skycrier::cli {
namespace {

constexpr const char* kPrefix = "skycrier-cli bulletin: ";
constexpr const char* kSeeOutputs = "run skycrier-cli devices to see the outputs";

using RunUntil = std::function<void(const std::function<bool()>&)>;

// Exit code of a bulletin played without keying because the configured port failed.
constexpr int kPlayedUnkeyed = 3;

// One bulletin on the devices chosen for it: the announcer set up from the
// inputs, its trace printed, its failures reported.
class BulletinRun {
    std::unique_ptr<RecordedSources> recorded_;

public:
    BulletinRun(LinuxDevices& devices, const BulletinInputs& in, std::ostream& out, std::ostream& err)
        : recorded_(in.observation ? std::make_unique<RecordedSources>(*in.observation) : nullptr),
          announcer(partsOf(devices, err)),
          trace_(out, announcer.bulletinEvents()),
          reported_(announcer.statusBoard().reported.connect([this, &err](const std::string& text) {
              err << kPrefix << inEnglish(text) << '\n';
              failed_ = true;
          })),
          noticed_(announcer.statusBoard().noticed.connect(
              [&err](const std::string& text) { err << kPrefix << inEnglish(text) << '\n'; })),
          aborted_(announcer.bulletinEvents().connect([this](const BulletinEvent& e) {
              if (e.kind != BulletinEvent::Kind::Abort) return;
              for (const SoundOrigin origin : {SoundOrigin::Resource, SoundOrigin::File})
                  if (e.text == playErrorText(PlayError::DeviceOpen, origin)) outputFailed_ = true;
          })),
          in_(in),
          err_(err) {}

    // Applies the configuration and the recordings; false when the bulletin
    // cannot be played. settle runs the loop until its condition holds: a
    // source that fetches its report is waited for.
    bool prepare(const OutputDevice& device, const RunUntil& settle) {
        // The configured sources poll once as the configuration chooses them.
        if (in_.configuration) announcer.applyConfiguration(parseConfigText(*in_.configuration));
        SourceModels& sources = announcer.sources();
        const SourceKind chosen = sources.sourceChoice.checkedSource();
        // A Weather Monitor II console is read through its port, as the service reads it.
        MonitorSource& console = sources.monitorSource;
        if (chosen == SourceKind::MON && !console.port().empty()) console.openConfiguredPort();
        if (chosen != SourceKind::None) {
            const SourceWindow& window = sources.sourceChoice.window(chosen);
            settle([&window] { return !window.poller().inFlight(); });
        }
        if (!recorded_)
            for (const std::string& problem : weatherProblems(sources.weatherSources()))
                err_ << kPrefix << problem << '\n';
        const std::string recordings =
            !in_.vocabularyFolder.empty() ? in_.vocabularyFolder : announcer.mainModels().settings.vocabularyFolder;
        if (!recordings.empty()) {
            const std::string folder = announcer.resolve(recordings);
            std::error_code ec;
            if (!std::filesystem::is_directory(folder, ec)) {
                err_ << kPrefix << "vocabulary " << folder << ": no such folder\n";
                return false;
            }
            for (const std::string& notice : announcer.useVocabularyFolder(folder)) err_ << kPrefix << notice << '\n';
        }
        if (!announcer.prepareSound(device)) {
            err_ << kPrefix << inEnglish(announcer.statusBoard().statusText()) << '\n';
            return false;
        }
        return true;
    }

    // Plays the bulletin to its end: 0 when it ended normally, 1 when it was
    // aborted or a failure was reported on the way.
    int play(const RunUntil& runUntil) {
        announcer.requestBulletin(BulletinTrigger::Button);
        // A bulletin ends by itself: normally, or through the watchdog at the latest.
        runUntil([this] { return trace_.finished() && !announcer.bulletinRunning(); });
        return trace_.finished() && !trace_.aborted() && !failed_ ? 0 : 1;
    }

    // The configured port could not be opened, so the bulletin went out unkeyed.
    bool portFailed() { return announcer.mainModels().port.absent(); }
    // The bulletin ended because the sound output could not be opened.
    bool outputFailed() const { return outputFailed_; }

private:
    AnnouncerParts partsOf(LinuxDevices& devices, std::ostream& err) {
        AnnouncerParts parts = devices.announcerParts();
        parts.recordedWeather = recorded_.get();
        parts.showError = [&err](const std::string& text) { err << kPrefix << inEnglish(text) << '\n'; };
        return parts;
    }

public:

    Announcer announcer;

private:
    TracePrinter trace_;
    Subscription reported_;
    Subscription noticed_;
    Subscription aborted_;
    bool failed_ = false;
    bool outputFailed_ = false;
    const BulletinInputs& in_;
    std::ostream& err_;
};

int listOrRender(const BulletinInputs& in, double start, const std::string& wavPath, std::ostream& out,
                 std::ostream& err) {
    VirtualLoop loop(start, systemUtcOffsets());
    // Nothing is keyed: the bulletin is only listed or rendered.
    const DeviceChoices choices{.folder = in.folder,
                                .sound = wavPath.empty() ? DeviceChoices::Sound::Timed : DeviceChoices::Sound::WaveFile,
                                .opensPorts = false,
                                .resident = false};
    LinuxDevices devices(loop, choices);
    BulletinRun run(devices, in, out, err);
    // Virtual time costs nothing: the loop runs until the bulletin has ended, however long its sounds.
    const RunUntil runUntil = [&loop](const auto& done) { loop.advanceUntil(done); };
    // A fetch takes real time; the virtual clock waits for it (a little longer than the fetch's own limit).
    const RunUntil settle = [&loop](const auto& done) { loop.waitForPostsUntil(done, 70'000); };
    if (wavPath.empty()) return run.prepare(OutputDevice{}, settle) ? run.play(runUntil) : 2;
    WaveFileSink& sink = *devices.waveFile();
    // The sequencer's silences are rendered as the file's own.
    const Subscription silences = run.announcer.bulletinEvents().connect([&sink](const BulletinEvent& e) {
        if (e.kind == BulletinEvent::Kind::Wait) sink.addSilence(e.milliseconds);
    });
    if (!run.prepare(OutputDevice{}, settle)) return 2;
    const int code = run.play(runUntil);
    std::string error;
    if (!sink.save(wavPath, error)) {
        err << kPrefix << error << '\n';
        return 1;
    }
    return code;
}

// Plays on the card until the bulletin has ended or an exit signal stopped it;
// every object, the port included, is gone when it returns. signalled() gives
// the first exit signal caught so far, 0 while none.
int playUntilEndOrSignal(const BulletinInputs& in, const OutputDevice& device, const ExitSignals& signals,
                         const std::function<int()>& signalled, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto loop = PollLoop::create(error);
    if (!loop) {
        err << kPrefix << error << '\n';
        return 1;
    }
    LinuxDevices devices(*loop, {.folder = in.folder, .resident = false});
    const auto pcm = devices.catalogue().pcmName(device);
    if (!pcm) {
        err << kPrefix << "--device " << device.number << ": no such sound output; " << kSeeOutputs << '\n';
        return 2;
    }
    BulletinRun run(devices, in, out, err);
    const RunUntil runUntil = [&loop](const auto& done) { loop->runUntil(done); };
    if (!run.prepare(device, runUntil)) return 2;
    // Stopped before the start: the transmitter is never keyed, and the caller answers with the signal's code.
    if (signalled()) return 1;
    loop->watchReadable(signals.fd(), [&run, &signalled] {
        // The bulletin ends at once, so that the loop below returns.
        if (const int signal = signalled())
            run.announcer.stopBulletin(std::string("Err: stopped by ") + ExitSignals::name(signal));
    });
    const int code = run.play([&loop](const auto& done) { loop->runUntil(done); });
    if (run.outputFailed())
        err << kPrefix << "sound output \"" << *pcm << "\" could not be opened (misspelt, busy or unplugged?); "
            << kSeeOutputs << '\n';
    // A scheduled job must notice a bulletin that went out without keying the transmitter.
    return code == 0 && run.portFailed() ? kPlayedUnkeyed : code;
}

// An exit signal at any moment, before, during or after the bulletin, ends the
// program with 128 + its number, after the lines went low and the port was released.
int playOnCard(const BulletinInputs& in, const OutputDevice& device, std::ostream& out, std::ostream& err) {
    std::string error;
    // First of all: from here on a signal waits in the pipe instead of ending the program with the port held.
    const auto signals = ExitSignals::create(error);
    if (!signals) {
        err << kPrefix << error << '\n';
        return 1;
    }
    int first = 0;
    const std::function<int()> signalled = [&signals, &first] {
        while (const int signal = signals->take())
            if (first == 0) first = signal;
        return first;
    };
    const int code = playUntilEndOrSignal(in, device, *signals, signalled, out, err);
    return signalled() != 0 ? 128 + first : code;
}

}  // namespace

int runBulletinCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (asksForHelp(args)) {
        printCommandHelp(out, kBulletinHelp);
        return 0;
    }
    std::string error;
    const auto options = parseBulletinOptions(args, error);
    if (!options) return usageError(err, "bulletin", error, kBulletinUsage);
    const double start = options->at ? *options->at : systemLocalNow();
    const auto in = loadBulletinInputs(*options, start, error);
    if (!in) {
        err << kPrefix << error << '\n';
        return 2;
    }
    switch (options->mode) {
    case BulletinOptions::Mode::List:
        return listOrRender(*in, start, {}, out, err);
    case BulletinOptions::Mode::Wav:
        if (!std::ofstream(options->wavPath, std::ios::binary)) {
            err << kPrefix << options->wavPath << ": cannot be written\n";
            return 2;
        }
        return listOrRender(*in, start, options->wavPath, out, err);
    case BulletinOptions::Mode::Play:
        return playOnCard(*in, options->device, out, err);
    }
    return 2;
}

}  // namespace skycrier::cli
