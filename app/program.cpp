#include "app/program.h"

namespace skycrier {
namespace {

bool present(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

}  // namespace

Program::Program(const ProgramParts& parts)
    : announcer_(parts.announcer),
      bulletins_(announcer_, parts.announcer.loop),
      versionCheck_({parts.announcer.loop, parts.announcer.fetcher, announcer_.resolve(kVersionListFile),
                    [this] { return announcer_.mainModels().window.settings().versionUrl; }}),
      configurationPresent_(present(announcer_.configFile())),
      logPresent_(present(parts.announcer.folder / kLogFileName)),
      bulletinLog_(bulletins_.ended.connect(
          [this](const std::string&, const std::string& line) { announcer_.appendLog("bulletin " + line); })) {
    std::error_code ec;
    if (!parts.sharedDataFolder.empty()) {
        std::filesystem::create_directories(parts.sharedDataFolder, ec);
        if (std::filesystem::is_directory(parts.sharedDataFolder, ec)) sharedDataFolder_ = parts.sharedDataFolder;
    }
    SourceModels& sources = announcer_.sources();
    sources.context.sharedDataFolder = sharedDataFolder_;
    versionCheck_.beep = [this] { announcer_.sources().context.beep(); };
    for (InternetSource* source : {static_cast<InternetSource*>(&sources.metarSource),
                                   static_cast<InternetSource*>(&sources.aprsSource)})
        fetchNotices_.push_back(source->fetchNotice.connect([this](const std::string& text) { report(text); }));
    versionCheck_.notice = [this](const std::string& text) { announcer_.notice(text); };
}

void Program::start() {
    announcer_.start([this] { startUp(); });
}

void Program::report(const std::string& text) { announcer_.report(text); }

void Program::startUp() {
    announcer_.loadAtStartUp(configurationPresent_, logPresent_);
    const MainWindowModel& window = announcer_.mainModels().window;
    if (showMainWindow) showMainWindow(window.settings().startMinimised);
    announcer_.startDevices();
    if (window.settings().checkVersionAtStart) versionCheck_.checkAtStart();
    announcer_.judgeWeatherWhenIn();
    announcer_.finishStartUp();
    started_ = true;
    startedUp.emit();
}

void Program::close() { close(true); }

void Program::closeForReload() { close(false); }

void Program::close(bool save) {
    if (closed_) return;
    closed_ = true;
    announcer_.shutDown(save);
}

}  // namespace skycrier
