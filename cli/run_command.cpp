#include "cli/run_command.h"

#include <optional>

#include "app/builtin_clips.h"
#include "app/program.h"
#include "app/program_folder.h"
#include "cli/english_text.h"
#include "cli/source_options.h"
#include "cli/usage.h"
#include "devices/linux_devices.h"
#include "platform/date_time.h"
#include "platform/exit_signals.h"
#include "platform/folder_lock.h"
#include "platform/poll_loop.h"
#include "platform/program_location.h"
#include "platform/service_manager.h"
#include "platform/timer.h"

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

// The program and what this command shows of it; made anew when SIGHUP asks
// for the configuration to be read again.
class Service {
public:
    Service(const ProgramParts& parts, const std::filesystem::path& folder, const EventLoop& clock,
            const ServiceManager& manager, std::ostream& err)
        : program(parts),
          problems_(program.announcer().statusBoard().reported.connect([&manager, &err](const std::string& text) {
              err << manager.priority(kErrorPriority) << kPrefix << inEnglish(text) << std::endl;
          })),
          notices_(program.announcer().statusBoard().noticed.connect([&manager, &err](const std::string& text) {
              err << manager.priority(kWarningPriority) << kPrefix << inEnglish(text) << std::endl;
          })),
          recorderStatus_(program.announcer().mainModels().recorder->statusChanged.connect(
              [this, &err] {
                  err << kPrefix << inEnglish(program.announcer().mainModels().recorder->recorderStatus()) << std::endl;
              })),
          startedUp_(program.startedUp.connect([this, &folder, &clock, &manager, &err] {
              Announcer& a = program.announcer();
              a.appendLog("started on " + folder.string());
              for (const std::string& line : a.summary(clock.localNow())) {
                  err << kPrefix << line << std::endl;
                  a.appendLog(line);
              }
              manager.notify("READY=1\nSTATUS=announcing from " + folder.string());
          })),
          bulletins_(program.bulletins().ended.connect([&err](const std::string& start, const std::string& line) {
              err << start << ' ' << line << std::endl;
          })) {
        program.versionCheck().showMessage = [&err](MessageKind, const std::string& text) {
            err << kPrefix << inEnglish(text) << std::endl;
        };
    }

    // Between bulletins: nothing is on the air and no end is still being tidied.
    bool idle() const { return !program.announcer().bulletinRunning(); }

    Program program;

private:
    Subscription problems_;
    Subscription notices_;
    Subscription recorderStatus_;
    Subscription startedUp_;
    Subscription bulletins_;
};

}  // namespace

int runRunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (asksForHelp(args)) {
        printCommandHelp(out, kRunHelp);
        return 0;
    }
    std::string error;
    const auto options = parseOptions(args, error);
    if (!options) return usageError(err, "run", error, kRunUsage);

    const FolderPlaces places = placesOfThisProgram(options->folder);
    const std::filesystem::path folder = chooseProgramFolder(places);
    // Nothing in the folder is touched before the lock is held.
    const auto lock = FolderLock::take(folder, error);
    if (lock) {
        if (const std::string moved = moveConfigurationBesideProgram(places); !moved.empty())
            err << kPrefix << moved << '\n';
    }
    if (!lock || !prepareProgramFolder(folder, builtInGreeting(), error)) {
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
    const ServiceManager manager = ServiceManager::fromEnvironment();
    const char* errorMark = manager.priority(kErrorPriority);
    LinuxDevices devices(*loop, {.folder = folder, .configFile = options->ini, .mailbox = options->mailbox});
    AnnouncerParts parts = devices.announcerParts();
    parts.showPortError = [&err, errorMark](const std::string& title, const std::string& reason) {
        err << errorMark << kPrefix << inEnglish(title) << " (" << inEnglish(reason) << ")" << std::endl;
    };
    parts.showError = [&err, errorMark](const std::string& text) {
        err << errorMark << kPrefix << inEnglish(text) << std::endl;
    };
    const ProgramParts programParts{parts, devices.sharedDataFolder()};
    auto service = std::make_unique<Service>(programParts, folder, *loop, manager, err);
    // Fed by the loop itself: a loop that no longer turns starves the watchdog and systemd restarts the service.
    Timer watchdog(*loop, manager.watchdogInterval().value_or(1000), [&manager] { manager.notify("WATCHDOG=1"); });
    if (manager.watchdogInterval()) watchdog.start();

    err << kPrefix << "program folder " << folder.string() << ", configuration "
        << service->program.announcer().configFile().string()
        << "; SIGTERM or Ctrl-C stops it, SIGHUP reads the configuration again" << std::endl;
    // SIGHUP starts this; the file is read again between bulletins, so one on the air finishes first.
    Timer reloadCheck(*loop, 1000);
    reloadCheck.setHandler([&] {
        if (!service->idle()) return;
        reloadCheck.stop();
        service->program.closeForReload();
        service.reset();
        service = std::make_unique<Service>(programParts, folder, *loop, manager, err);
        err << kPrefix << "SIGHUP: reading " << service->program.announcer().configFile().string() << " again"
            << std::endl;
        service->program.start();
    });
    loop->watchReadable(signals->fd(), [&] {
        const int signal = signals->take();
        if (signal == 0) return;
        if (signal == SIGHUP) {
            manager.notify("RELOADING=1");
            reloadCheck.start();
            return;
        }
        manager.notify("STOPPING=1");
        service->program.announcer().appendLog(std::string("stopped by ") + ExitSignals::name(signal));
        err << kPrefix << "stopped by " << ExitSignals::name(signal) << std::endl;
        service->program.close();
        loop->quit();
    });
    service->program.start();
    loop->run();
    service->program.close();
    return 0;
}

}  // namespace skycrier::cli
