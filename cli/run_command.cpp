#include "cli/run_command.h"

#include <optional>

#include "app/builtin_clips.h"
#include "app/program.h"
#include "app/program_folder.h"
#include "cli/source_options.h"
#include "cli/usage.h"
#include "platform/alsa_catalogue.h"
#include "platform/alsa_wave_out.h"
#include "platform/date_time.h"
#include "platform/exit_signals.h"
#include "platform/http_fetch.h"
#include "platform/linux_serial_line.h"
#include "platform/poll_loop.h"
#include "platform/program_location.h"
#include "platform/recorder_socket.h"
#include "platform/serial_port_list.h"
#include "platform/threaded_mailbox.h"
#include "platform/threaded_weather_monitor.h"

namespace skycrier::cli {
namespace {

constexpr const char* kPrefix = "skycrier-cli run: ";

struct RunOptions {
    std::string folder;
    std::string ini;
    MailboxNames mailbox;
};

std::optional<RunOptions> parseOptions(const std::vector<std::string>& args, std::string& error) {
    RunOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a != "--folder" && a != "--ini" && a != "--mailbox") {
            error = "unknown option \"" + a + "\"";
            return std::nullopt;
        }
        std::string value;
        if (!optionValue(args, i, value, error)) return std::nullopt;
        if (a == "--mailbox") {
            const auto names = MailboxNames::fromOption(value, error);
            if (!names) return std::nullopt;
            o.mailbox = *names;
            continue;
        }
        (a == "--folder" ? o.folder : o.ini) = value;
    }
    return o;
}

// One line per bulletin, written when it ends: "YYYY-MM-DD HH:MM:SS schedule done".
class BulletinLines {
public:
    BulletinLines(Sequencer& sequencer, const EventLoop& clock, std::ostream& err)
        : started_(sequencer.started.connect([this, &clock](BulletinTrigger trigger) {
              start_ = formatDateTime(clock.localNow()) + " " + triggerName(trigger);
          })),
          ended_(sequencer.events.connect([this, &err](const BulletinEvent& e) {
              if (e.kind == BulletinEvent::Kind::Done || e.kind == BulletinEvent::Kind::Abort)
                  err << start_ << ' ' << traceLine(e) << std::endl;
          })) {}

private:
    std::string start_;
    Subscription started_;
    Subscription ended_;
};

}  // namespace

int runRunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (asksForHelp(args)) {
        out << kRunUsage;
        return 0;
    }
    std::string error;
    const auto options = parseOptions(args, error);
    if (!options) return usageError(err, "run", error, kRunUsage);

    const auto exeFolder = executableFolder();
    const std::filesystem::path folder =
        chooseProgramFolder({options->folder, exeFolder, folderWritable(exeFolder), userConfigFolder()});
    if (!prepareProgramFolder(folder, builtInGreeting(), error)) {
        err << kPrefix << error << '\n';
        return 1;
    }
    // From here on a signal waits in the pipe instead of ending the program with the port held.
    const auto signals = ExitSignals::create(error);
    const auto loop = signals ? PollLoop::create(error) : nullptr;
    if (!loop) {
        err << kPrefix << error << '\n';
        return 1;
    }
    AlsaCatalogue catalogue;
    AlsaWaveOut card(*loop, catalogue);
    LinuxSerialLine serial;
    const auto showPortError = [&err](const std::string& title, const std::string& reason) {
        err << kPrefix << title << " (" << reason << ")" << std::endl;
    };
    CurlFetcher web(*loop);
    AnnouncerParts parts{*loop, card, serial, folder, showPortError};
    parts.configFile = options->ini;
    parts.fetcher = &web;
    parts.showError = [&err](const std::string& text) { err << kPrefix << text << std::endl; };
    parts.listPorts = [] { return listSerialPorts(); };
    parts.catalogue = &catalogue;
    ThreadedMailbox mailbox(*loop, options->mailbox);
    parts.mailbox = &mailbox;
    SocketRecorderLink recorderLink;
    parts.recorderLink = &recorderLink;
    ThreadedWeatherMonitor weatherMonitor(*loop);
    parts.weatherMonitor = &weatherMonitor;
    Program program({parts, userPublicShareFolder() / "weather"});
    const Subscription problems = program.announcer.status.reported.connect(
        [&err](const std::string& text) { err << kPrefix << text << std::endl; });
    const Subscription notices = program.announcer.status.noticed.connect(
        [&err](const std::string& text) { err << kPrefix << text << std::endl; });
    const Subscription recorderStatus = program.announcer.recorder->statusChanged.connect(
        [&err, &program] { err << kPrefix << program.announcer.recorder->StaticTextW << std::endl; });
    const BulletinLines bulletins(program.announcer.sequencer, *loop, err);
    program.versionCheck.showMessage = [&err](MessageKind, const std::string& text) {
        err << kPrefix << text << std::endl;
    };

    err << kPrefix << "program folder " << folder.string() << ", configuration "
        << program.announcer.configFile().string() << "; SIGTERM or Ctrl-C stops it" << std::endl;
    loop->watchReadable(signals->fd(), [&] {
        if (!signals->take()) return;
        program.FormClose();
        loop->quit();
    });
    program.start();
    loop->run();
    program.FormClose();
    return 0;
}

}  // namespace skycrier::cli
